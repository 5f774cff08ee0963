#pragma once
// One chart as the model hands it to the chart component: titles, axes,
// series of points and colours. The window draws exactly this and decides
// nothing; the command-line tool prints it as JSON.

#include <cstdint>
#include <string>
#include <vector>

#include "model/charts/GrafiekSoort.h"

namespace valdero {

// Colours as 0xRRGGBB.
namespace kleur {
inline constexpr std::uint32_t Groen = 0x008000;
inline constexpr std::uint32_t Rood = 0xFF0000;
inline constexpr std::uint32_t Blauw = 0x0000FF;
inline constexpr std::uint32_t Limoen = 0x00FF00;
}  // namespace kleur

// x is a date (TDateTime) on a line chart, the group's position on the bar
// chart and the bar's position (1 at the bottom) on the horizontal bars.
struct GrafiekPunt {
  double x = 0;
  double y = 0;
  std::string label;
};

struct GrafiekReeks {
  std::string naam;
  std::uint32_t kleur = kleur::Groen;
  // Horizontal bars: negative values take this colour instead.
  std::uint32_t negatiefKleur = kleur::Groen;
  bool waardenZichtbaar = false;  // the value printed at each bar
  bool alsLijn = false;           // drawn as a line over the bars
  std::vector<GrafiekPunt> punten;
};

struct GrafiekAs {
  std::string titel;
  double min = 0;
  double max = 0;
  double stap = 0;          // between two labels; 0: the component decides
  bool omgekeerd = false;   // larger values downwards
  int labelHoek = 0;        // labels turned by this many degrees
};

struct Grafiek {
  int soort = 0;
  GrafiekVorm vorm = GrafiekVorm::Lijn;
  std::vector<std::string> titels;
  GrafiekAs onder;  // the bottom axis: dates, groups or amounts
  GrafiekAs links;  // the left axis: amounts or accounts
  std::vector<GrafiekReeks> reeksen;
  double lopendTotaal = 0;
  bool bladeren = false;  // "&Vorige" and "&Volgend" shown
  // The size the window gives the chart, and the window's own height.
  int breedte = 600;
  int hoogte = 380;
  int vensterHoogte = 500;
};

}  // namespace valdero
