#include "model/core/Meldingen.h"

#include <array>

#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"

namespace valdero {
namespace {

const std::array<std::string, 13> kFoutZinnen = {
    "",
    " bestaat niet",
    " heeft verkeerd formaat",
    " met foutief aantalcoden",
    " is geen geldige datum",
    " is geen geldig bedrag",
    " fout in KasValuelijst ",
    " inlezen NIET gelukt",
    " wegschrijven NIET gelukt",
    " bestaat al",
    " heeft foutief scheidingsteken",
    " is te groot",
    " aantalvelden = 0",
};

const std::array<std::string, 16> kHints = {
    " fout in veld, gebruik MS Excel",
    " controleer bestandNaam",
    " maak eerst Nieuw valdero",
    " gebruik bij voorkeur filenaam met jaartal",
    " gebruik optie Transacties ",
    " gebruik eventueel optie Budget van Bestand menu",
    " gebruik eventueel optie Wijzigen van Transaties",
    " gebruik eventueel optie Rekening van Bestand menu",
    " probeer opnieuw of controleer bestand",
    " corrigeer Valuta",
    " gebruik menu-optie Extra",
    " controleer bestands layout",
    " corrigeer bedrag",
    " corrigeer rekening",
    " corrigeer getal",
    " corrigeer afschrift",
};

const std::string kLeeg;

}  // namespace

const std::string& FoutZin(FoutNr fout) {
  const auto i = static_cast<std::size_t>(fout);
  return i < kFoutZinnen.size() ? kFoutZinnen[i] : kLeeg;
}

const std::string& Hint(HintNr hint) {
  const auto i = static_cast<std::size_t>(hint);
  return i < kHints.size() ? kHints[i] : kLeeg;
}

void Foutmelding(Kasboek& kb, const std::string& tekst, FoutNr fout, HintNr hint) {
  kb.berichten().BerichtDlg(tekst + FoutZin(fout) + "\n\r" + Hint(hint), BerichtSoort::Fout,
                            knop::OK);
  kb.berichten().Piep();
}

Status EindeOpdracht(Kasboek& kb, Status status) {
  if (kb.IOStatus == 0) kb.IOStatus = status.Nummer();
  return status;
}

void Mededeling(Kasboek& kb, const std::string& tekst) {
  kb.berichten().BerichtDlg(tekst, BerichtSoort::Informatie, knop::OK);
}

bool Vraag(Kasboek& kb, const std::string& tekst) {
  return kb.berichten().BerichtDlg(tekst, BerichtSoort::Bevestig, knop::JaNee) == antwoord::Ja;
}

}  // namespace valdero
