#pragma once
// Reconciliation of one bank line with the ledger: the same-day candidates,
// the match score, the decision that opens the comparison window, and the
// postings that follow from its buttons (insert, replace, split, the counter
// leg of a transfer). Only these operations change KasLijst for the import.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/bankimport/AfstemIndex.h"
#include "model/bankimport/TNewKas.h"
#include "model/core/Records.h"

namespace valdero {

class Kasboek;
class SelectMutVoerder;
class VergelijkModel;

// Weights of the match criteria.
namespace score {
constexpr int Groep = 64;
constexpr int Bedrag = 32;
constexpr int Relatie = 16;
constexpr int Omschrijving = 8;
constexpr int Actie = 4;
constexpr int Soort = 2;
constexpr int Munt = 1;
constexpr int AlGeboekt = 127;
}  // namespace score

// Comparison modes.
namespace vergelijkmodus {
constexpr int Nieuw = 0;
constexpr int Vergelijk = 1;
constexpr int SplitsNieuw = 2;
constexpr int SplitsVergelijk = 3;
}  // namespace vergelijkmodus

// Whether a ledger text and a line text resemble each other: the first (at
// most five) characters of the ledger text occur in the line text after its
// leading characters below "A", case ignored; both cut to 24 characters.
bool TextsResemble(const std::string& grootboek, const std::string& regel);

// The score of one ledger transaction against a line.
int MatchScore(const TKas& kas, const TNewKas& regel, bool groepTelt);

// A transaction from an import line, field by field.
TKas TransactionFromLine(const TNewKas& regel);

// Whether a ledger transaction is the payment a line describes, whatever
// codes the bank gave it (action code, booking kind, group): the same
// account, day, amount and direction, and the same counter party (the
// counter account's digits, or names that resemble each other either way;
// two empty names are the same). Two layouts of one bank, or a bank that
// changed its codes, describe one payment alike in these.
bool ZelfdeBetaling(const TKas& kas, const TNewKas& regel);

// Whether a line may overwrite a ledger transaction ("&Vervangen"): only the
// same account's transaction of the same day that shares the amount, the
// counter party or the description with the line. A replace corrects a
// booking of that day; one of another day is another payment, and
// overwriting it would lose it.
bool MagVervangen(const TKas& kas, const TNewKas& regel);

// Shows the comparison window and lets the user complete the line.
class VergelijkVoerder {
 public:
  virtual ~VergelijkVoerder() = default;
  virtual void Toon(VergelijkModel& venster) = 0;
};

struct Beste {
  int score = 0;
  int positie = 0;
};

class Afstemming {
 public:
  static constexpr int kSplitsItems = 10;

  Afstemming(Kasboek& kb, SelectMutVoerder& kiezer, VergelijkVoerder& venster);

  // The start of a run: the ledger count and the index.
  void BeginRun();
  // The import run's format and the last statement position it found.
  int bankFormaat = 0;
  int laatsteAfschrift = 0;
  int tegenVolgBlad = 0;  // the last counter statement word typed
  // A line already booked (score 127) is skipped without asking (runs
  // without a person).
  bool dubbeleOverslaan = false;
  // What writes the whole book after a line changed it: BewaarNaWijziging
  // unless a test or a caller puts another in its place.
  void ZetBewaarder(std::function<void()> bewaar) { bewaar_ = std::move(bewaar); }
  // Writes the book after a line was booked, except in a run that saves once
  // at its end (achterAan).
  void BewaarNaRegel() const;
  // A run without a person that saves once at its end: each booked line is
  // put behind the ledger instead of at its place, and OrdenNaRun puts the
  // ledger in its order once. Placing a line among a hundred thousand
  // records moves the tail and renumbers it, and shifts every position the
  // index holds; at the end nothing needs to move, and a record placed in
  // the run keeps its index as its position. The order afterwards is the
  // one line-by-line placing gives (a new record follows the records of
  // its day and statement word).
  bool achterAan = false;
  // After a run with achterAan: the records booked in the run to their
  // places, every index its position. The run's index is stale afterwards.
  void OrdenNaRun();
  // What creates a group the comparison window does not know: it answers
  // the code of the group made, or nothing when none was. Without one every
  // new group fails.
  using GroepMaker = std::function<std::optional<std::string>(const std::string& kode)>;
  void ZetGroepMaker(GroepMaker maak) { groepMaker_ = std::move(maak); }
  std::optional<std::string> MaakGroep(const std::string& kode) const;

  // The line being processed and its unedited description.
  TNewKas regel;
  std::string origineleOmschrijving;
  double origineelBedrag = 0;  // the amount as the file gave it

  // Flags set by the window and the dialogs.
  bool invoegen = false;
  bool vervangen = false;
  bool splitsen = false;
  bool stoppen = false;
  int modus = vergelijkmodus::Nieuw;
  int splitsIndex = 1;
  Beste beste;
  std::vector<int> kandidaten;

  // --- The steps ---
  void FindSameDayCandidates();
  // Over the ledger as it stood at the start of the run (`heleGrootboek`),
  // or over the same-day candidates alone (the duplicate check).
  Beste ScoreCandidates(bool heleGrootboek, bool groepTelt) const;
  // The same result by walking every position, as a check on the index.
  Beste ScoreCandidatesDoorLopen(bool heleGrootboek, bool groepTelt) const;
  // The decision for the current line, through the comparison window.
  void ReconcileLine();
  // Steps 1 to 4 of the decision without any window: the proposal.
  struct Voorstel {
    int besteScore = 0;
    int bestePositie = 0;
    std::string groepKode;
    int modus = 0;
  };
  Voorstel StelVoor(bool kiesGroep);
  // Duplicate check and posting. False when nothing was booked.
  bool InsertLine();
  // Whether the line's payment stands in the ledger already (ZelfdeBetaling)
  // apart from what the lines of this hand-over booked.
  bool AlGeboekt() const;
  bool PostCounterTransfer();
  void SplitLine();
  // Copies the line over the best match (the replace of the window), then
  // puts it at its place in the order when its date or statement word moved
  // it. Nothing when the best match is not the line's payment (MagVervangen).
  void VervangBeste();
  // Whether the transaction at `positie` may be replaced by the line.
  bool VervangenToegestaan(int positie) const;

  Kasboek& kb() { return kb_; }
  const AfstemIndex& index() const { return index_; }
  int GrootboekBijStart() const { return grootboekBijStart_; }
  // The split table: slot 0 the line as read, slots 1..10 the items booked.
  std::vector<TNewKas> splitsTabel;
  std::vector<bool> splitsGeboekt;

 private:
  int Boek(TKas kas);
  bool ToonVenster(int positie, int modus);

  // Whole days between the transaction at `positie` and the line: of two
  // transactions with one score the nearer one is the best match.
  long long Afstand(int positie) const;

  std::function<void()> bewaar_;
  GroepMaker groepMaker_;
  Kasboek& kb_;
  SelectMutVoerder& kiezer_;
  VergelijkVoerder& venster_;
  AfstemIndex index_;
  int grootboekBijStart_ = 0;
  bool groepGekozen_ = false;
  // The transactions the lines of this hand-over booked or replaced: a line
  // equal to one of them is the file's own second payment, not one that was
  // booked before the file came.
  std::vector<TKas> dezeImport_;
  int eersteAchterAan_ = 0;  // the first record put behind the ledger, 0 for none
  // A sorted run of ledger positions.
  struct Lijst {
    const int* begin = nullptr;
    const int* eind = nullptr;
    bool Leeg() const { return begin == eind; }
    std::size_t Grootte() const { return static_cast<std::size_t>(eind - begin); }
  };
  // Scratch of ScoreCandidates: the runs of positions per criterion.
  mutable std::array<std::vector<Lijst>, 4> runsScratch_;
  mutable std::vector<signed char> restScoreScratch_;
  // The similarity keys of the line's relation and description, for the
  // text they were made of.
  struct SleutelsVan {
    std::string tekst;
    std::vector<std::string> sleutels;
    bool geldig = false;
  };
  mutable SleutelsVan relatieSleutels_, omschrijvingSleutels_;
};

}  // namespace valdero
