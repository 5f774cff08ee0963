#pragma once
// The group overview "Speciale Groep": every transaction of one group, of
// one relation or of one class, on one account or on all accounts, with the
// total of their amounts and, where VAT applies, the VAT contained in them.
// Opened as a drill-down from a transaction in the overview window (one
// account) and in the free search (all accounts). The window shows what
// this model builds; it prints but has no text file.

#include <string>
#include <vector>

#include "model/reports/RapportTabel.h"

namespace valdero {

class Kasboek;
class Printer;

// The modes: what is listed, on one account (1 to 3) or all (41 to 43).
namespace groeprapport {
inline constexpr int Groep = 1;
inline constexpr int Relatie = 2;
inline constexpr int Klasse = 3;
inline constexpr int AlleRekeningen = 40;  // added to the three above
inline constexpr int GroepAlle = Groep + AlleRekeningen;
inline constexpr int RelatieAlle = Relatie + AlleRekeningen;
inline constexpr int KlasseAlle = Klasse + AlleRekeningen;
}  // namespace groeprapport

bool IsGroepRapportModus(int modus);

struct GroepRapportTabel {
  int modus = 0;
  std::string kop;  // two lines joined by kKopRegelEinde
  std::vector<std::string> titels;
  std::vector<int> breedtes;  // default column widths in pixels
  std::vector<RapportRij> rijen;
  bool btwKolommen = false;
  std::string totaalLabel;  // "TOTAAL  " + currency code
  RapportVeld totaal;
  RapportVeld btwTotaal;    // shown only with the VAT columns
  std::string aantal;       // "Aantal = n"
  int geselecteerd = -1;    // 0 (the first row), or -1 without rows

  int Kolommen() const { return static_cast<int>(titels.size()); }
  // Columns drawn right-aligned, red when negative: 3 up to the last.
  bool IsRechtsKolom(int kolom) const { return kolom >= 3; }
  std::string KopRegel(int nr) const;
};

class GroepRapportModel {
 public:
  explicit GroepRapportModel(Kasboek& kb);

  // Opens the overview: `rekNr` is the account (0 for modes 41 to 43),
  // `index` the group position (modes 1, 3, 41, 43) or the position of the
  // transaction whose relation is listed (modes 2, 42). Reads the relation
  // or the class letter once, then builds; "Geen records voor deze
  // Groep/Klasse" when nothing is listed. False, without building, for an
  // unknown mode or a position outside its list.
  bool Toon(int modus, int rekNr, int index);
  // "Transactiefilter": the VAT of a transaction by its own stored VAT kind
  // (ticked) or by its group's class (unticked). Rebuilds.
  void ZetTransactiefilter(bool aan);
  bool Transactiefilter() const { return filter_; }

  const GroepRapportTabel& Tabel() const { return tabel_; }
  int Modus() const { return modus_; }
  int RekNr() const { return rekNr_; }
  const std::string& RelatieNaam() const { return relatie_; }
  const std::string& KlasseLetter() const { return klasse_; }

  // "&Print": the configured printer and orientation, the table with its
  // heading and the total line. `breedtes` are the current column widths.
  // False when no document could begin.
  bool Print(Printer& printer, const std::vector<int>& breedtes) const;

 private:
  void Bouw();

  Kasboek& kb_;
  int modus_ = 0;
  int rekNr_ = 0;
  int index_ = 0;
  std::string groepKode_;
  std::string relatie_;
  std::string klasse_;
  bool filter_ = false;
  GroepRapportTabel tabel_;
};

}  // namespace valdero
