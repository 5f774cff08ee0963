#pragma once
// The booking modes: the tags of the menu items that start the booking
// window, their families and the texts that belong to them.

#include <string>
#include <vector>

namespace valdero::modus {

constexpr int Wijzigen = 0;
constexpr int Bijboeken = 1;
constexpr int Afboeken = 2;
constexpr int Verwijderen = 3;
constexpr int Kopieren = 4;
constexpr int OverboekenNaar = 5;
constexpr int OverboekenVan = 6;
constexpr int Transfereren = 8;
constexpr int EffWijzigen = 10;
constexpr int Aanschaffen = 11;
constexpr int Inwisselen = 12;
constexpr int EffVerwijderen = 13;
constexpr int Waarderen = 14;
constexpr int Kopen = 15;
constexpr int Verkopen = 16;
constexpr int RenteDividend = 17;
constexpr int VolgendWijzigen = 100;
constexpr int SplitBij = 101;
constexpr int SplitAf = 102;
constexpr int ExternWijzigen = 200;
constexpr int ExternEffWijzigen = 210;

// 0 change, 4 copy, 5 and 6 the two transfer directions (also 15 and 16).
inline int Familie(int m) { return m % 10; }
inline bool IsEffecten(int m) { return m >= 10 && m < 100; }
inline bool IsOverboeking(int m) { return m == OverboekenNaar || m == OverboekenVan; }
// The modes that show a stored record and convert with its own rate.
inline bool ToontBestaand(int m) {
  return Familie(m) == 0 || Familie(m) == 4 || m == Transfereren;
}

// The modes that show a record picked from the list (a revaluation, in
// family 4, starts a new one).
inline bool IsBestaandRecord(int m) { return ToontBestaand(m) && m != Waarderen; }

// The caption of the entry panel; empty for the deleting modes.
std::string PanelKop(int m);

// The two fixed action lists: ordinary bookings and securities.
const std::vector<std::string>& ActieLijst(bool effecten);
// The text the action box shows for a new record of the mode.
std::string StandaardActie(int m);

}  // namespace valdero::modus
