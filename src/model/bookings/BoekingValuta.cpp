// Foreign currency: the currency and rate fields, the rate a record is read
// and shown with, and its amounts in the display currency.

#include "model/bookings/BoekModi.h"
#include "model/bookings/BoekingModel.h"
#include "model/core/Bedragen.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/TekstHulp.h"
#include "model/core/TekstVorm.h"

namespace valdero {

bool BoekingModel::MuntVeld(bool stil) {
  // An unknown code is reported and the record takes the first currency,
  // the book's base, as it always did.
  const int m = kb.ZoekValuta(Kap(velden[veld::Munt].tekst, 3)).value_or(0);
  werk.Munt = m;
  werk.MuntKoers = m < static_cast<int>(kb.ValutaLijst.size())
                       ? kb.ValutaLijst[static_cast<std::size_t>(m)].Koers
                       : 1.0f;
  // Quiet saving keeps a rate the user typed; a rate field that was hidden
  // until now holds nothing typed, so it gets the table's rate.
  if (!stil || !velden[veld::Koers].zichtbaar)
    velden[veld::Koers].tekst = GetalTekst(kb, werk.MuntKoers, 5);
  bedragLabel = "Bedrag :" + velden[veld::Munt].tekst;
  if (werk.Munt != kb.BasisMunt) {
    velden[veld::Koers].zichtbaar = true;
    const int f = modus::Familie(boekModus);
    koersLabelZichtbaar = !(f == 5 || f == 6);
  }
  return true;
}

bool BoekingModel::KoersVeld() {
  if (!velden[veld::Koers].zichtbaar) return true;
  std::string tekst = velden[veld::Koers].tekst;
  const auto k = LeesGetal4(kb, tekst);
  if (!k) {
    MeldGeenGetal(kb, tekst);
    // An empty field is reported and read as 0; other text is refused. Both
    // keep the focus here.
    if (!tekst.empty()) return false;
  }
  werk.MuntKoers = k.value_or(0.0f);
  velden[veld::Koers].tekst = tekst;
  return k.has_value();
}

double BoekingModel::RecordKoers() const {
  double k = 0;
  if (modus::ToontBestaand(boekModus)) {
    k = werk.MuntKoers;
  } else if (werk.Munt >= 0 && werk.Munt < static_cast<int>(kb.ValutaLijst.size())) {
    k = kb.ValutaLijst[static_cast<std::size_t>(werk.Munt)].Koers;
  }
  // A rate of 0 would turn every amount into infinity; read it as 1.
  return k == 0 ? 1.0 : k;
}

// A working amount (transaction currency) as the amount field shows it.
std::string BoekingModel::WerkBedragTekst(double bedrag) {
  if (kb.weergave.HulpMunt == kb.BasisMunt) return BedragTekst(kb, bedrag);
  return BedragTekst(kb, bedrag * RecordKoers());
}

// A stored amount (base currency) as the amount field shows it.
std::string BoekingModel::OpgeslagenBedragTekst(double opgeslagen) {
  if (kb.weergave.HulpMunt == kb.BasisMunt) return BedragTekst(kb, opgeslagen / RecordKoers());
  return BedragTekst(kb, opgeslagen);
}

void BoekingModel::ToonWerkBedrag() {
  velden[veld::Bedrag].tekst = WerkBedragTekst(werk.Bedrag);
  velden[veld::Bedrag].rood = werk.Bedrag < 0;
}

}  // namespace valdero
