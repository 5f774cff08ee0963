#pragma once
// The bank statement window ("Bank afschriften"): the hand-over of the
// imported lines from the start date on, the list it shows, and "Rekening
// bijwerken", which walks the lines one by one through the reconciliation.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/bankimport/Afstemming.h"
#include "model/bankimport/TNewKas.h"
#include "model/core/Status.h"

namespace valdero {

class BankImport;
class Kasboek;

class AfschriftModel {
 public:
  static constexpr const char* kTitel = "Bank afschriften";
  static constexpr std::array<int, 8> kKolomBreedtes{30, 70, 60, 160, 230, 35, 80, 30};
  static constexpr const char* kKolomTitels = "Index,Rek,Datum,Naam,Omschrijving,By/Af,Bedrag,Mnt";

  AfschriftModel(Kasboek& kb, BankImport& run, Afstemming& afstemming);

  // The hand-over after the start date was accepted: lines before it leave.
  // When lines left, or lines fall outside the book's year, it says so once
  // (a file of another year would otherwise show an empty list).
  void NeemOver(double startDatum);
  struct Overname {
    int voorStart = 0;     // lines dated before the start date, dropped
    int buitenJaar = 0;    // lines of the file outside the book's year
  };
  const Overname& LaatsteOvername() const { return overname_; }

  // The grid: row 0 the titles, rows 1..N the lines.
  std::vector<std::array<std::string, 8>> Rijen();
  int Geselecteerd() const { return geselecteerd_; }
  void Selecteer(int rij) { geselecteerd_ = rij; }
  // The account name above the list for the selected row.
  std::string Kop();
  bool BijwerkenActief() const { return Laatste() > 0; }
  int Laatste() const;

  // "Print": the list as the accounts table prints, every cell cut to 30
  // characters. False after "Afdrukken niet gelukt" (no printer, or the
  // print dialog was cancelled).
  bool Print();

  // "Rekening bijwerken".
  void ProcessStatement();
  // Called while the run walks the lines: before each line is reconciled
  // (it is then line 1) and once the run ends, so the list shown follows.
  std::function<void()> regelBegint;
  // The lines the runs of this hand-over dealt with, in order, and what
  // became of each.
  enum class Uitkomst { Geboekt, Vervangen, Gesplitst, Overgeslagen };
  struct Verwerkt {
    std::array<std::string, 8> rij;
    Uitkomst uitkomst;
  };
  const std::vector<Verwerkt>& VerwerkteRegels() const { return verwerkt_; }
  static std::string UitkomstTekst(Uitkomst u);
  // "Rekening bijwerken" when no person answers per line (the command-line
  // import): every line is reconciled and booked in memory, and the book is
  // saved once at the end, so the book on disk holds all lines or none. A
  // run stopped part-way (killed, or a failed save) leaves it as it was
  // before, and the next run imports everything. Fails when the save failed,
  // which the save reported.
  Status ProcessStatementInEenKeer();
  // Whether the walk reports its progress: when no person answers each line
  // (the command-line import). A person's answers are no work to wait for,
  // and a progress bar over the comparison window would stand in the way.
  bool voortgangMelden = false;
  // ABN AMRO: the opening balance of each account in the file goes into the
  // account's opening-balance transaction while that is still 0.
  void ApplyStartBalances();

  const std::vector<TNewKas>& Lijst() const;

 private:
  void VerwijderRegel(int i);
  std::array<std::string, 8> Rij(int i);

  Kasboek& kb_;
  BankImport& run_;
  Afstemming& a_;
  int geselecteerd_ = 1;
  Overname overname_;
  std::vector<Verwerkt> verwerkt_;
};

}  // namespace valdero
