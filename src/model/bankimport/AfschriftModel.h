#pragma once
// The bank statement window ("Bank afschriften"): the hand-over of the
// imported lines from the start date on, the list it shows, and "Rekening
// bijwerken", which walks the lines one by one through the reconciliation.

#include <array>
#include <string>
#include <vector>

#include "model/bankimport/Afstemming.h"
#include "model/bankimport/TNewKas.h"

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
  void NeemOver(double startDatum);

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

  Kasboek& kb_;
  BankImport& run_;
  Afstemming& a_;
  int geselecteerd_ = 1;
};

}  // namespace valdero
