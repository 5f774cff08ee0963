#include "model/core/ScriptBerichten.h"

namespace valdero {

int ScriptBerichten::BerichtDlg(const std::string& tekst, BerichtSoort soort, int knoppen, int) {
  int a;
  if (!antwoorden_.empty()) {
    a = antwoorden_.front();
    antwoorden_.pop_front();
  } else if (knoppen & knop::OK) {
    a = antwoord::OK;
  } else if (knoppen & (knop::Ja | knop::Nee)) {
    a = standaardAntwoord;
  } else {
    a = antwoord::Schrap;
  }
  getoond.push_back({soort, knoppen, tekst, a});
  return a;
}

std::optional<std::string> ScriptBerichten::OpenDialoog(const BestandsDialoog& dialoog) {
  dialogen.push_back(dialoog);
  if (bestanden_.empty()) return std::nullopt;
  auto pad = bestanden_.front();
  bestanden_.pop_front();
  return pad;
}

std::optional<std::string> ScriptBerichten::BewaarDialoog(const BestandsDialoog& dialoog) {
  return OpenDialoog(dialoog);
}

std::optional<std::string> ScriptBerichten::VraagWachtwoordzin(const WachtwoordzinVraag& vraag) {
  zinVragen.push_back(vraag);
  if (!zinnen_.empty()) {
    auto zin = zinnen_.front();
    zinnen_.pop_front();
    return zin;
  }
  if (wachtwoordzinBron) return wachtwoordzinBron(vraag);
  return std::nullopt;
}

std::vector<std::string> ScriptBerichten::Teksten() const {
  std::vector<std::string> t;
  for (const auto& b : getoond) t.push_back(b.tekst);
  return t;
}

}  // namespace valdero
