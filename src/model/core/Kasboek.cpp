#include "model/core/Kasboek.h"

#include <cmath>

#include "model/core/Berichten.h"
#include "model/core/Getalnotatie.h"
#include "model/core/Klok.h"

namespace valdero {

namespace {

// The folder the process started in; empty when it cannot be told (it was
// removed under the running process), so that making a book never fails.
std::filesystem::path HuidigeMap() {
  std::error_code fout;
  auto map = std::filesystem::current_path(fout);
  return fout ? std::filesystem::path() : map;
}

}  // namespace

Kasboek::Kasboek(Poorten p) : poorten(p) { sessie.Map = HuidigeMap(); }

double Kasboek::Nu() const { return poorten.klok.get().Nu(); }

char Kasboek::DecimaalTeken() const { return poorten.getalnotatie.get().DecimaalTeken(); }

double Kasboek::Vandaag() const { return std::floor(Nu()); }

std::optional<int> Kasboek::ZoekRekening(int rekNr) const {
  for (int i = 1; i <= MaxRek() && i < static_cast<int>(RekLijst.size()); ++i)
    if (RekLijst[static_cast<std::size_t>(i)].RekNr == rekNr) return i;
  return std::nullopt;
}

std::optional<int> Kasboek::ZoekGroep(const std::string& kode) const {
  for (int i = 1; i <= MaxGroep() && i < static_cast<int>(GroepLijst.size()); ++i)
    if (GroepLijst[static_cast<std::size_t>(i)].Kode == kode) return i;
  return std::nullopt;
}

std::optional<int> Kasboek::ZoekKlasse(const std::string& letter) const {
  for (int i = 0; i < AantalKlassen(); ++i)
    if (KlasseLijst[static_cast<std::size_t>(i)].Letter == letter) return i;
  return std::nullopt;
}

std::optional<int> Kasboek::ZoekValuta(const std::string& kode) {
  for (int i = 0; i < AantalValuta(); ++i)
    if (ValutaLijst[static_cast<std::size_t>(i)].Kode == kode) return i;
  berichten().BerichtDlg("Muntsoort niet juist", BerichtSoort::Fout, knop::OK);
  return std::nullopt;
}

void Kasboek::HernummerKas() {
  for (std::size_t i = 0; i < KasLijst.size(); ++i) KasLijst[i].Index = static_cast<int>(i);
}


}  // namespace valdero
