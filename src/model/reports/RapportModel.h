#pragma once
// The overview window's model: which report is shown (kind, account or
// group, period, order, view), building it anew when any of that changes,
// paging through accounts and groups, the period panel, the month buttons,
// and the text output and printing of what is shown. The window only moves
// text between its widgets and this class.

#include <optional>
#include <string>
#include <vector>

#include "model/reports/RapportStand.h"
#include "model/reports/RapportTabel.h"
#include "model/reports/RapportTekst.h"

namespace valdero {

class Kasboek;
class Printer;
struct ReportSelection;

class RapportModel {
 public:
  RapportModel(Kasboek& kb, ReportSelection& selectie);

  // Opens a report: `index` is the account position (kind 1), the group
  // position (kinds 5 and 6) or 0. False, after its message, when there is
  // nothing to show (no transactions, an empty selection, no such account
  // or group).
  bool ShowReport(int soort, int index);
  // Builds the current report again (after a deletion or a new period) and
  // selects the row at the same place when there still is one.
  void RefreshReport();

  // "&Volgende" and "V&orige": the next or previous account or group; false
  // when there is none (the report stays).
  bool Volgende();
  bool Vorige();
  bool KanBladeren() const;  // kinds 1, 5, 6
  std::string VolgendeHint() const;
  std::string VorigeHint() const;
  std::string VerzamelHint() const;

  // "&Oplopend" / "&Aflopend".
  void ZetAflopend(bool aflopend);
  bool Aflopend() const { return stand_.aflopend; }
  // "Afschrift" / "Regel": the statement view of the account report.
  void WisselAfschrift();
  bool Afschrift() const { return stand_.afschrift; }

  // The period panel: shown for kinds 10, 14, 16 and 24 when they open, and
  // by "Kies &Tijdvak" (which sets the period from the period code first).
  bool PeriodePaneel() const { return periodePaneel_; }
  void KiesTijdvak();
  std::string BeginTekst() const;
  std::string EindTekst() const;
  // "O&k" of the panel: reads both dates (completing half-typed ones), puts
  // an end before the begin on the begin, keeps both within the first and
  // last transaction, hides the panel and rebuilds. False, after the date
  // message, when a date cannot be read; the period then stays.
  bool PeriodeOk(std::string begin, std::string eind);

  // A month button: the first row in that month (-1 for none), or -1 after
  // "Maand bestaat niet" for a month later than the last row's.
  int KiesMaand(int maand);

  // "Ver&zamel": gathers the report (and says how many are gathered).
  void Verzamel(const std::vector<int>& breedtes, int fontGrootte);
  // What "&Opslaan " writes: the gathered overviews, or the report shown
  // when none was gathered (kind 16 included). Saving never changes what was
  // gathered, so saving twice gives two equal files.
  std::string OpslaanTekst(const std::vector<int>& breedtes, int fontGrootte);
  // "&Opslaan ": asks the file name, writes the file, reports the outcome.
  bool Opslaan(const std::vector<int>& breedtes, int fontGrootte);
  // "&Print" on the given printer.
  bool Print(Printer& printer, const std::vector<int>& breedtes);
  // Closing: asks "Overzichten opslaan " when overviews were gathered and
  // not saved since, and saves on Ja.
  void Sluit(const std::vector<int>& breedtes, int fontGrootte);

  // Every build from now on hands the rows of a transaction report to the
  // receiver instead of keeping them (the command line writes the text file
  // of a whole year as it is built); null keeps them again.
  void ZetOntvanger(RijOntvanger* ontvanger) { ontvanger_ = ontvanger; }

  const RapportTabel& Tabel() const { return tabel_; }
  const RapportStand& Stand() const { return stand_; }
  const VerzameldeRegels& Verzameld() const { return verzameld_; }
  int Soort() const { return stand_.soort; }
  Kasboek& Boek() const { return kb_; }
  ReportSelection& Selectie() const { return selectie_; }
  // The detail grid under a transaction report for the row's transaction:
  // six lines of caption, value, caption, value. Empty for a summary row.
  std::vector<std::vector<std::string>> Detail(int rij) const;
  // The hint of a cell: the title of the group it refers to, or empty.
  std::string KolomHint(int rij, int kolom) const;
  // The pop-up's drill-downs into the group overview: "Selecteer &Groep"
  // (mode 1, kind 1 only), "Selecteer &Relatie" (2) and "Selecteer &Klasse"
  // (3) on the row's transaction. The relation and class drill-downs make
  // the transaction's account the current one. Nothing for a summary row or
  // a transaction whose group no longer exists (modes 1 and 3).
  struct Doorzoeking {
    int modus;
    int rekNr;
    int index;  // group position, or the transaction's for mode 2
  };
  std::optional<Doorzoeking> Doorzoek(int rij, int modus);
  bool KanDoorzoeken(int rij, int modus) const;

  // "&Zoek boeking" (kinds 1 and 5): the five field choices, and the first
  // row from `startRij` down (or up) whose cell of the chosen field begins
  // with the text, compared without regard to case; -1 when none does.
  bool KanZoeken() const;
  std::vector<std::string> ZoekVelden() const;
  int ZoekRij(int veld, const std::string& tekst, int startRij, bool omhoog) const;
  static int ZoekKolom(int veld);  // fields 0 to 4 search columns 1, 3, 4, 5, 6

  // The row to select after a build (-1 for none).
  int GekozenRij() const { return gekozenRij_; }
  void ZetGekozenRij(int rij) { gekozenRij_ = rij; }

 private:
  void Bouw();
  void Stap(int richting);
  bool PeriodeUitCode() const;

  Kasboek& kb_;
  ReportSelection& selectie_;
  RapportStand stand_;
  RapportTabel tabel_;
  VerzameldeRegels verzameld_;
  bool periodePaneel_ = false;
  bool onbewaard_ = false;
  int gekozenRij_ = -1;
  RijOntvanger* ontvanger_ = nullptr;
};

}  // namespace valdero
