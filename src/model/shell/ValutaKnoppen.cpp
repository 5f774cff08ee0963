#include "model/shell/ValutaKnoppen.h"

#include <algorithm>
#include <array>

#include "model/core/Kasboek.h"

namespace valdero {

bool IsOverigeValuta(const std::string& kode) {
  static const std::array<const char*, 8> kOverig = {"AUD", "NZD", "Dkr", "Yen", "ZFr", "ZKr", "ZAR", "NLG"};
  return std::any_of(kOverig.begin(), kOverig.end(), [&](const char* k) { return kode == k; });
}

ValutaKnoppen BepaalValutaKnoppen(const Kasboek& kb) {
  ValutaKnoppen k;
  for (std::size_t i = 0; i < kb.ValutaLijst.size(); ++i) {
    const TValut& v = kb.ValutaLijst[i];
    const int pos = static_cast<int>(i);
    const bool getoond = pos == kb.weergave.HulpMunt;
    ValutaKnop* knop = v.Kode == "Eur" ? &k.eur : v.Kode == "USD" ? &k.usd : v.Kode == "ENP" ? &k.enp : nullptr;
    if (knop) {
      *knop = {pos, v.Koers > 0, getoond};
    } else if (IsOverigeValuta(v.Kode)) {
      k.overig.aan = true;
      if (getoond) k.overig = {pos, true, true};
    }
  }
  return k;
}

}  // namespace valdero
