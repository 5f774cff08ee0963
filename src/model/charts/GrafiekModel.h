#pragma once
// The chart window's state and rules: which chart is shown, paging through
// the accounts or groups, and printing the drawn picture in the orientation
// of its kind. The window draws `Huidig()` and asks nothing else.

#include <string>

#include "model/charts/Grafiek.h"

namespace valdero {

class Kasboek;
class Printer;
struct ReportSelection;

class GrafiekModel {
 public:
  GrafiekModel(Kasboek& kb, const ReportSelection& selectie);

  // Builds the chart of the kind (index: the account or group position for
  // kinds 101 and 105, else 0). False, after "Geen klassen gekozen", when a
  // budget chart has no class to draw; the window then stays closed. A line
  // chart whose total ends at 0 is drawn and then says so.
  bool ShowChart(int soort, int index);
  // "&Volgend" and "&Vorige": the next or previous account or group. False,
  // with the chart unchanged, past the last or before the first one.
  bool Volgend();
  bool Vorige();

  const Grafiek& Huidig() const { return grafiek_; }
  int Soort() const { return grafiek_.soort; }

  // Prints the picture of the chart (PNG bytes of breedte x hoogte pixels)
  // on the configured printer, landscape for the line and bar charts and
  // portrait for the horizontal bars, as large as the page allows within
  // the margins; the configured orientation is set back afterwards. False,
  // after saying so, when the chart did not come out.
  bool Print(Printer& printer, const std::string& png, int breedte, int hoogte);
  // The orientation Print chooses for the chart shown.
  bool PrintLiggend() const;

 private:
  bool Blader(int stap);
  void Bouw(int soort, int index);

  Kasboek& kb_;
  const ReportSelection& selectie_;
  Grafiek grafiek_;
  int rekNr_ = 0;          // the account shown (kind 101)
  std::string groepKode_;  // the group shown (kind 105)
};

}  // namespace valdero
