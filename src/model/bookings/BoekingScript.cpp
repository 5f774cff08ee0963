#include "model/bookings/BoekingScript.h"

#include <array>

#include "model/bookings/BoekModi.h"

namespace valdero {
namespace {

constexpr std::array<const char*, 17> kVeldNamen = {
    "",        "rekening", "volgnr", "blad",   "groep",  "actie",  "datum",
    "tegenrek", "relatie", "volgnr2", "blad2", "munt",   "koers",  "aantal",
    "prijs",   "bedrag",   "omschrijving"};

}  // namespace

int VeldTag(const std::string& naam) {
  for (int t = 1; t < static_cast<int>(kVeldNamen.size()); ++t)
    if (naam == kVeldNamen[static_cast<std::size_t>(t)]) return t;
  return 0;
}

std::optional<std::string> VoerBoekingUit(Kasboek& kb, const BoekOpdracht& opdracht,
                                          BoekBewaarder bewaar) {
  std::array<std::optional<std::string>, veld::AantalVelden> teksten;
  std::optional<bool> opm, btw;
  for (const auto& [naam, tekst] : opdracht.velden) {
    if (naam == "opm") {
      opm = tekst == "1";
    } else if (naam == "btw") {
      btw = tekst == "1";
    } else if (const int t = VeldTag(naam)) {
      teksten[static_cast<std::size_t>(t)] = tekst;
    } else {
      return "Onbekend veld: " + naam;
    }
  }

  VasteVensters vensters;
  if (!opdracht.indexen.empty()) vensters.keuzes.push_back({opdracht.indexen, opdracht.kopie});
  BoekingModel model(kb, vensters, vensters, std::move(bewaar));
  // Deleting modes do their work (picker and confirmation) on starting.
  if (!model.Start(opdracht.modus, true)) return std::nullopt;
  for (int t = 1; t <= veld::Omschrijving; ++t) {
    // Visibility is read when the field's turn comes: the currency shows
    // the rate field.
    if (!model.Stand().velden[static_cast<std::size_t>(t)].zichtbaar) continue;
    const auto& gegeven = teksten[static_cast<std::size_t>(t)];
    model.Invoer(t, gegeven ? *gegeven : model.Stand().velden[static_cast<std::size_t>(t)].tekst);
  }
  if (opm) model.ZetOpm(*opm);
  if (btw) model.ZetBtw(*btw);
  model.Bewaar();
  return std::nullopt;
}

}  // namespace valdero
