#pragma once
// The logic of the search dialog: which transactions it lists for a booking
// mode, the texts of its rows, picking, the field entries and the search
// itself. Serves the booking window as record picker and the main menu as
// the free search (mode 40).

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/bookings/RecordKiezer.h"
#include "model/search/ZoekDetail.h"
#include "model/search/ZoekVeld.h"

namespace valdero {

class Kasboek;
struct TKas;

inline constexpr int kVrijeZoekModus = 40;
inline constexpr int kAantalZoekKolommen = 7;
// Grid geometry the window uses: column widths, the height of the full list
// and the distance of the grid from the top.
inline constexpr std::array<int, kAantalZoekKolommen> kZoekKolomBreedtes = {35, 35, 44, 66,
                                                                              125, 90, 220};
inline constexpr int kZoekRasterBreedte = 640;
inline constexpr int kZoekRasterHoogte = 227;
inline constexpr int kZoekRasterTop = 40;

struct ZoekRij {
  ZoekRecordTekst record;
  std::array<std::string, kAantalZoekKolommen> cellen;
  bool rood = false;  // the amount begins with "-"
};

enum class InvoerSoort { Tekst, Lijst, Datum };

// What the search panel shows for a chosen field.
struct VeldInvoer {
  InvoerSoort soort = InvoerSoort::Tekst;
  std::string label;
  std::string tekst;                // the text entry or the list's edit text
  std::vector<std::string> lijst;   // the list's lines
  double datum = 0;                 // the date picker: value and limits
  double vanDatum = 0;
  double totDatum = 0;
};

class ZoekModel {
 public:
  explicit ZoekModel(Kasboek& kb);

  // Writes the whole book after a deletion (BewaarBoek in the program).
  void ZetBewaarder(std::function<void(Kasboek&)> bewaar) { bewaar_ = std::move(bewaar); }

  static const std::array<std::string, kAantalZoekKolommen>& Koppen();

  // Resets the dialog's state and lists the transactions for the mode; the
  // current row is the last one.
  void Open(int modus);
  int Modus() const { return modus_; }
  bool VrijZoeken() const { return modus_ == kVrijeZoekModus; }
  bool MeerdereRijen() const { return modus_ == 3 || modus_ == 13; }
  bool KopieZichtbaar() const { return modus_ == 8; }
  bool SchrapZichtbaar() const { return !VrijZoeken(); }
  bool MuntZichtbaar() const { return !VrijZoeken(); }
  int HelpTopic() const;

  // The grid; rows count from 1 as under a header row. A row's texts are
  // made the first time it is asked for: a year lists 100 000 transactions,
  // of which the grid shows a screenful.
  int AantalRijen() const { return static_cast<int>(rijen_.size()); }
  const ZoekRij& Rij(int rij) const { return Bouw(rijen_[static_cast<std::size_t>(rij - 1)]); }
  // Index (list position) of the record on the row, 0 outside the grid.
  int IndexVanRij(int rij) const;
  const TKas* RecordVanRij(int rij) const;
  // Whether the record at the row's index is still the one the row shows:
  // a change made elsewhere while the free search stays open moves records.
  bool RijActueel(int rij) const;
  // True while the grid lists everything, false while it shows results.
  bool ToontAlles() const { return toontAlles_; }
  std::string AantalTekst() const;
  std::string MuntTekst() const;
  int HuidigeRij() const { return huidigeRij_; }
  void ZetHuidigeRij(int rij);
  // Rises whenever the rows themselves change, so the window redraws the
  // grid only then.
  int RijenVersie() const { return rijenVersie_; }

  // Picking (the picker). A click picks the row; false after telling that
  // the row holds no valid record.
  bool KiesRij(int rij);
  // Several rows (modes 3 and 13); the bottom one becomes the current row.
  bool KiesRijen(std::vector<int> rijen);
  bool KiesKopie();
  void Schrap() { resultaat_ = {}; }
  const KiesResultaat& Resultaat() const { return resultaat_; }

  // The field choice and its entry.
  std::optional<ZoekVeld> Veld() const { return veld_; }
  VeldInvoer KiesVeld(ZoekVeld veld);
  bool BeginTekst() const { return beginTekst_; }
  void ZetBeginTekst(bool aan) { beginTekst_ = aan; }
  const std::string& ZoekTekst() const { return zoekTekst_; }

  // Direction of the next search; "Neer" or "Op" on its button.
  bool Neer() const { return neer_; }
  void DraaiRichting() { neer_ = !neer_; }
  std::string RichtingTekst() const { return neer_ ? "Neer" : "Op"; }

  // "Zoek" with the text of the entry (text entry or list) or the picked
  // date. True when something was found.
  bool Zoek(const std::string& invoer);
  bool ZoekDatum(double datum);
  // The free search searches again while the user types.
  bool ZoekBijTypen(const std::string& invoer);
  bool NietsGevonden() const { return nietsGevonden_; }
  static const std::string& NietsGevondenTekst();

  // Free-search extras on a row: the whole record for the detail grid, the
  // deletion with its question and report, and the drill-downs into the
  // group overview (41 group, 42 relation, 43 class) with the index that
  // overview takes: the group's position, or the record's for 42.
  std::optional<TransActieTekst> Detail(int rij);
  bool VerwijderRij(int rij);
  struct Doorzoeking {
    int modus = 0;
    int index = 0;
  };
  std::optional<Doorzoeking> Doorzoek(int rij, int modus) const;

  // "&Opnieuw": everything listed again, nothing picked.
  void Opnieuw();
  // After a change made from the free search: the list is read anew from the
  // book and the searches made since the last "&Opnieuw" are applied again.
  // (Each free search narrows the rows shown; a new text for the same field
  // replaces the last search instead.)
  void Ververs();

 private:
  struct Filter {
    ZoekVeld veld;
    std::string tekst;
    bool beginTekst;
  };

  void Vul();
  ZoekRij MaakRij(const TKas& kas) const;
  // The row of a listed record (a slot of posities_), made when first needed.
  const ZoekRij& Bouw(int slot) const;
  // Whether the listed record matches, without making its row.
  bool SlotPast(const VeldZoeker& zoeker, int slot) const;
  bool Gelijst(const TKas& kas) const;
  std::optional<std::string> TekstVoorVeld(const std::string& invoer);
  bool ZoekMetTekst(const std::string& tekst);
  bool Stap(const std::string& tekst);
  bool Verzamel(const Filter& filter, bool melden);
  void ZetRichtingNa(int rij);
  void Kies(int index);
  void NieuweRijen(std::vector<int> rijen);

  Kasboek& kb_;
  std::function<void(Kasboek&)> bewaar_;
  int modus_ = kVrijeZoekModus;
  // The listed records as the book held them when listed: list position,
  // index, and a fingerprint of what the row shows (to tell that a record
  // was changed or moved elsewhere meanwhile).
  std::vector<int> posities_;
  std::vector<int> indexen_;
  std::vector<std::size_t> afdrukken_;
  mutable std::vector<std::unique_ptr<ZoekRij>> gebouwd_;
  // The rows shown and the rows before the last search, as slots.
  std::vector<int> rijen_;
  std::vector<int> basis_;
  bool toontAlles_ = true;
  int huidigeRij_ = 0;
  int vorigeTreffer_ = 0;
  int rijenVersie_ = 0;
  KiesResultaat resultaat_;
  std::optional<ZoekVeld> veld_;
  bool beginTekst_ = false;
  bool kodeEerderGetoond_ = false;
  std::string zoekTekst_;
  bool neer_ = true;
  bool nietsGevonden_ = false;
  std::vector<Filter> filters_;
};

}  // namespace valdero
