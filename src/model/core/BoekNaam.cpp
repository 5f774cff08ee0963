#include "model/core/BoekNaam.h"

#include <cctype>
#include <filesystem>

#include "model/core/Berichten.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"

namespace valdero {

std::string ZonderVdr(const std::string& pad) {
  if (pad.size() <= 4) return pad;
  std::string staart = pad.substr(pad.size() - 4);
  for (char& c : staart) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return staart == ".vdr" ? pad.substr(0, pad.size() - 4) : pad;
}

std::string BoekNaamUitPad(const std::string& pad) {
  return ZonderVdr(std::filesystem::path(pad).filename().string());
}

std::string BoekArgumentInMap(Kasboek& kb, const std::string& argument) {
  const std::filesystem::path pad = kb.Pad(argument);
  if (!std::filesystem::path(argument).has_parent_path() || !pad.has_filename()) return argument;
  kb.sessie.Map = pad.parent_path();
  return pad.filename().string();
}

std::optional<int> JaarGetal(const std::string& jaarTekst) {
  if (jaarTekst.size() != 4) return std::nullopt;
  int jaar = 0;
  for (char c : jaarTekst) {
    if (c < '0' || c > '9') return std::nullopt;
    jaar = jaar * 10 + (c - '0');
  }
  if (jaar < 1) return std::nullopt;
  return jaar;
}

int BoekJaar(const Kasboek& kb) {
  return JaarGetal(kb.KasJaar).value_or(JaarVan(kb.Vandaag()));
}

BestandsDialoog OpenBoekDialoog(const Kasboek& kb) {
  BestandsDialoog dialoog;
  dialoog.titel = "Ópen Valdero";
  dialoog.filter = "Valdero file (*.vdr)|*.vdr";
  dialoog.standaardExtensie = "vdr";
  dialoog.map = kb.sessie.Map.string();
  return dialoog;
}

}  // namespace valdero
