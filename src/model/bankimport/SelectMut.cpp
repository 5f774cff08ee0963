#include "model/bankimport/SelectMut.h"

#include "model/bankimport/BankTekst.h"
#include "model/core/Domein.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/TekstHulp.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

std::string Laatste(const std::string& s, std::size_t n) { return s.size() <= n ? s : s.substr(s.size() - n); }

}  // namespace

SelectMut SelectMut::Rekeningen(const Kasboek& kb, int aantal, const std::vector<int>& matches) {
  SelectMut s;
  s.soort_ = Soort::Rekening;
  s.opNaam_ = kb.weergave.RekeningenOpNaam;
  auto voegToe = [&](const TBank& rek) {
    s.regels_.push_back(s.opNaam_ ? VulRechts(rek.Naam, 20) + "   " + std::to_string(rek.RekNr)
                                  : std::to_string(rek.RekNr) + " " + rek.Naam);
  };
  if (aantal == -1 || aantal == kb.MaxRek()) {
    for (int i = 1; i <= kb.MaxRek(); ++i) voegToe(kb.RekLijst[static_cast<std::size_t>(i)]);
  } else {
    for (int nr : matches) {
      if (const auto pos = kb.ZoekRekening(nr)) voegToe(kb.RekLijst[static_cast<std::size_t>(*pos)]);
    }
  }
  if (!s.regels_.empty()) s.eerste_ = s.regels_.front();
  return s;
}

SelectMut SelectMut::Groepen(const Kasboek& kb, std::optional<int> positie) {
  SelectMut s;
  s.soort_ = Soort::Groep;
  s.opNaam_ = kb.weergave.GroepenOpNaam;
  for (int i = 1; i <= kb.MaxGroep(); ++i) {
    const TBudget& g = kb.GroepLijst[static_cast<std::size_t>(i)];
    s.regels_.push_back(s.opNaam_ ? VulRechts(g.Naam, 20) + "   " + g.Kode
                                  : g.Kode + " " + VulRechts(g.Naam, 20));
  }
  if (!positie || *positie <= 0 || *positie > kb.MaxGroep())
    s.eerste_ = kOnbekendeGroepKode;
  else
    s.eerste_ = s.regels_[static_cast<std::size_t>(*positie - 1)];
  return s;
}

std::string SelectMut::Titel() const {
  return soort_ == Soort::Rekening ? "Rekening Selectie" : "Groep Selectie";
}

std::string SelectMut::Label() const {
  return soort_ == Soort::Rekening ? "Kies Rekening" : "Kies Groep of SubGroep";
}

int SelectMut::RekeningUit(Kasboek& kb, const std::string& tekst) const {
  const std::string nummer = Getrimd(opNaam_ ? Laatste(tekst, 4) : tekst.substr(0, tekst.find(' ')));
  const int nr = GeheelGetal(nummer);
  if (nr > 0 && kb.ZoekRekening(nr).has_value()) return nr;
  Foutmelding(kb, "Rekening " + nummer, FoutNr::BestaatNiet, HintNr::ProbeerOpnieuw);
  return 0;
}

std::string SelectMut::GroepUit(const Kasboek& kb, const std::string& tekst) const {
  const std::string kode = Getrimd(opNaam_ ? Laatste(tekst, 4) : tekst.substr(0, tekst.find(' ')));
  return kb.ZoekGroep(kode).has_value() ? kode : std::string(kOnbekendeGroepKode);
}

}  // namespace valdero
