#pragma once
// The comparison window ("Vergelijk Transactie"): the bank line beside the
// ledger transaction that resembles it most. The user completes the line
// field by field and inserts it, lets it replace the old transaction, skips
// it or stops the run. This class holds every rule; the window shows the
// field texts and hands back what was typed.

#include <array>
#include <string>
#include <vector>

namespace valdero {

class Afstemming;

class VergelijkModel {
 public:
  // Field numbers, in the order Enter walks them.
  enum Veld {
    Rekening = 1, Volg, Blad, Groep, Actie, Datum, Munt, Koers, Tegenrekening, Volg2, Blad2, Relatie,
    Bedrag, Omschrijving
  };

  VergelijkModel(Afstemming& afstemming, int positie, int modus);

  int Modus() const { return modus_; }
  std::string Titel() const;
  std::string Hint() const;
  bool OudeTransactieZichtbaar() const { return modus_ == 1 || modus_ == 3; }
  // Only the line's own payment may be overwritten: a transaction shown for
  // comparison from another day stays as it is.
  bool VervangenActief() const { return OudeTransactieZichtbaar() && vervangbaar_; }
  bool KoersZichtbaar() const { return !tegenVolgZichtbaar_; }
  bool TegenVolgZichtbaar() const { return tegenVolgZichtbaar_; }
  bool BtwZichtbaar() const { return btwZichtbaar_; }
  bool BtwAangevinkt() const { return btwAan_; }
  bool InvoerenActief() const { return invoerenActief_; }
  // The old transaction: 7 rows of 4 cells.
  const std::vector<std::array<std::string, 4>>& OudeTransactie() const { return oud_; }
  std::string OudeIndex() const { return oudeIndex_; }
  std::string BoekingIndex() const { return boekingIndex_; }
  std::string Saldo() const { return saldo_; }
  bool SaldoNegatief() const { return saldoNegatief_; }
  bool BankSaldoZichtbaar() const { return bankSaldoZichtbaar_; }
  std::string BankSaldo() const { return bankSaldo_; }
  bool BedragRood() const { return bedragRood_; }
  std::string KlasseTekst() const { return klasse_; }

  const std::vector<std::string>& GroepLijst() const;
  const std::vector<std::string>& ActieLijst() const;
  const std::vector<std::string>& MuntLijst() const { return munten_; }
  const std::vector<std::string>& RekeningLijst() const { return rekeningen_; }
  // The earlier values of the line's account and group, newest first.
  const std::vector<std::string>& RelatieGeschiedenis() const;
  const std::vector<std::string>& BedragGeschiedenis() const;
  const std::vector<std::string>& OmschrijvingGeschiedenis() const;

  // The text of a field, as shown and as typed over.
  std::string& Tekst(int veld) { return velden_[static_cast<std::size_t>(veld)]; }
  const std::string& Tekst(int veld) const { return velden_[static_cast<std::size_t>(veld)]; }

  // Enter in a field: reads it; false after an error was reported (the
  // focus stays). The field Enter moves to next.
  bool LeesVeld(int veld);
  int VolgendVeld(int veld) const;
  // The window closed itself for a split after the group was read.
  bool GeslotenVoorSplits() const { return sluitVoorSplits_; }

  // The buttons; each closes the window when its fields read well.
  bool Invoeren();
  bool Vervangen();
  void Overslaan();
  void BreekAf();
  // Closed by the title bar: nothing is booked.
  void SluitVenster();
  bool Gesloten() const { return gesloten_; }

 private:
  void Toon();
  // The history is gathered for the account and group of the moment this is
  // called, but only when asked for: a run without a person never looks at
  // it, and a group of a large year holds tens of thousands of records.
  void VulGeschiedenis();
  void MaakGeschiedenis() const;
  bool LeesGroep();
  void BiedSplitsAan();
  std::string GroepTekst(const std::string& kode) const;
  bool LeesReeks(int van, int tot);

  Afstemming& a_;
  int positie_;
  int modus_;
  std::array<std::string, 15> velden_{};
  std::vector<std::array<std::string, 4>> oud_;
  std::vector<std::string> munten_, rekeningen_;
  mutable std::vector<std::string> groepen_, relaties_, bedragen_, omschrijvingen_;
  mutable bool groepenKlaar_ = false;
  mutable bool geschiedenisKlaar_ = false;
  int geschiedenisRekNr_ = 0;
  std::string geschiedenisGroep_;
  std::string oudeIndex_, boekingIndex_, saldo_, bankSaldo_, klasse_;
  bool saldoNegatief_ = false;
  bool bankSaldoZichtbaar_ = false;
  bool bedragRood_ = false;
  bool tegenVolgZichtbaar_ = false;
  bool btwZichtbaar_ = false;
  bool btwAan_ = false;
  bool invoerenActief_ = true;
  bool sluitVoorSplits_ = false;
  bool vervangbaar_ = false;
  bool gesloten_ = false;
};

}  // namespace valdero
