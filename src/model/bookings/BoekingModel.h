#pragma once
// The booking model: everything the booking window decides. The window
// forwards the user's actions (Start, Invoer for Enter in a field, Bewaar,
// Herstel, Schrap, the grid switch, closing) and mirrors what Stand() shows
// it: the field texts, lists, labels, visibility, focus and grid, beside the
// working record. Only the model's own operations change that state.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/bookings/BoekingVensters.h"
#include "model/bookings/Posten.h"
#include "model/core/Records.h"

namespace valdero {

class Kasboek;

// Field tags: the number of each field's handler, which is also the order in
// which the user fills them.
namespace veld {
constexpr int Rekening = 1;
constexpr int Volgnr = 2;
constexpr int Blad = 3;
constexpr int Groep = 4;
constexpr int Actie = 5;
constexpr int Datum = 6;
constexpr int TegenRek = 7;
constexpr int Relatie = 8;
constexpr int Volgnr2 = 9;
constexpr int Blad2 = 10;
constexpr int Munt = 11;
constexpr int Koers = 12;
constexpr int Aantal = 13;
constexpr int Prijs = 14;
constexpr int Bedrag = 15;
constexpr int Omschrijving = 16;
constexpr int BewaarKnop = 17;  // focus target after the remark
constexpr int AantalVelden = 17;  // array size: tags 1..16
}  // namespace veld

// The leg kinds of a posting.
enum class RegelSoort { Hoofd, Tegen, Eigen, Kas, Tegenboeking };

struct OudeBijdrage {
  double bedrag = 0;  // the stored amount, negated
  std::string groep;
  int rekening = 0;
};

struct SplitTabel {
  std::array<TKas, 11> slot{};  // 0 the main item, 1..aantal the sub-items
  int aantal = 0;
};

struct VeldStaat {
  std::string tekst;
  bool zichtbaar = true;
  bool rood = false;  // amounts below 0
};

struct GridInhoud {
  std::string label;
  std::vector<std::string> kop;
  std::vector<std::vector<std::string>> rijen;  // below the header
  std::vector<int> breedtes;
  int huidigeRij = 0;  // 0-based row of `rijen`
};

enum class Menu { Geen, Boek, Beleg };

using BoekBewaarder = std::function<void(Kasboek&)>;

// The state of a booking in progress and what the window shows of it. The
// model keeps it; the window and the tests read it through
// BoekingModel::Stand(), which hands it out read-only.
struct BoekingStand {
  // ---- the working state ----
  int boekModus = 0;
  TKas werk;
  TKas reserve;  // for "Herstel"
  int recordIndex = 0;
  OudeBijdrage oud;
  // Remembered values of the previous booking.
  int onthoudRek = 0;
  int onthoudTegenRek = 0;
  int onthoudVolgBlad = 0;
  int onthoudTegenVolgBlad = 0;
  double laatsteDatum = 0;
  // The date outside the book's year the user last agreed to book on.
  double buitenJaarBevestigd = -1;
  SplitTabel split;
  bool vers = false;
  bool sluitNaBewaren = false;
  bool bewaard = false;
  bool splitModus = false;
  bool kopieGekozen = false;
  BtwUitkomst btw;
  bool btwBox = false;
  bool opmCheck = false;

  // ---- what the window shows ----
  std::array<VeldStaat, veld::AantalVelden> velden{};
  std::array<std::vector<std::string>, veld::AantalVelden> lijsten{};
  std::array<std::string, veld::AantalVelden> getoond{};
  int focus = veld::Rekening;
  bool panelZichtbaar = false;
  bool vensterGesloten = true;
  Menu menu = Menu::Geen;  // the action menu to pop up
  std::string vensterTitel = "Boekingen";
  std::string panelKop;
  std::string rekeningLabel = "Rekening";
  std::string tegenRekLabel = "TegenRek.";
  std::string bedragLabel = "Bedrag";
  bool bedragLabelRood = false;
  bool koersLabelZichtbaar = false;
  std::string klasseTekst;
  std::string saldoTekst;
  bool saldoRood = false;
  bool btwBoxZichtbaar = false;
  std::string btwBoxTekst;
  bool opmZichtbaar = false;
  bool bewaarAan = false;
  bool herstelAan = false;
  bool okAan = true;
  bool openTransferAan = false;
  int gridModus = 0;  // 0 account, 1 all balances, 2 split
  bool gridZichtbaar = false;
  std::string kasRekKnopTekst = "ValDero";
  GridInhoud grid;
};

class BoekingModel : private BoekingStand {
 public:
  // `bewaar` writes the whole book after every change (BewaarBoek).
  BoekingModel(Kasboek& kb, RecordKiezer& kiezer, BoekingVensters& vensters,
               BoekBewaarder bewaar);

  // ---- entry points ----
  // The booking and securities entry points (modes below and from 10).
  // True when a record is ready and the entry panel shows.
  bool Start(int modus, bool vers);
  // Modes 200 and 210: change the record at the given position, close after.
  bool StartMetRecord(int modus, int positie);

  // ---- the user's actions ----
  void ZetTekst(int tag, const std::string& tekst) { velden[tag].tekst = tekst; }
  // Enter in a field: runs its handler (messages allowed) and its extra work,
  // then moves the focus unless the handler reported an error.
  void Invoer(int tag);
  void Invoer(int tag, const std::string& tekst) { ZetTekst(tag, tekst); Invoer(tag); }
  // Tab in the account field: the handler without a focus move.
  void TabRekening();
  void ZetOpm(bool aan) { opmCheck = aan; }
  void ZetBtw(bool aan) { btwBox = aan && btwBoxZichtbaar; }
  // "Bewaar": the handlers in quiet mode, then the saving steps. False when
  // nothing was posted (a refused field, "Bedrag = 0" answered Ja).
  bool Bewaar();
  void Herstel();
  void Schrap();
  void WisselGrid();  // KasRekKnop
  // The window shows the grid: fill it for the current grid mode.
  void ToonGrid();
  // "&OK", "&Stop", "&Einde".
  void SluitKnop();
  // "&OK" of the window: with input typed on the panel and not yet booked
  // (no Enter pressed), asks "Kas-record nog boeken": Ja books it as "Bewaar"
  // does, Nee drops it, "Schrap" stays. True when the window may close.
  bool OkKnop();
  // The window has shown the fields as they stand; what differs from this
  // afterwards was typed by the user.
  void MerkGetoond();
  bool InvoerGetypt() const;
  // Closing the window: true when it may close (asks "Kas-record nog redden"
  // unless saved).
  bool MagSluiten();
  // A menu of the window opens: nothing on the panel is left to save or
  // restore.
  void MenuGeopend() { bewaarAan = herstelAan = false; }

  // ---- what the window and the tests see ----
  const BoekingStand& Stand() const { return *this; }

  // The account number in an account list entry: the first two characters,
  // or the last two when accounts are listed name first; 0 for none.
  static int RekeningUitTekst(const std::string& tekst, bool opNaam);

 private:
  Kasboek& kb;

  // ---- operations of the model, used by the steps above ----
  // Builds a record from the working record for the leg and inserts it.
  // False when it was refused ("Transactie is niet verwerkt") or skipped.
  bool VoegBoekingToe(RegelSoort soort);
  void WijzigBoeking(int positie);
  // The next mode of a split booking (100, 101, 102) or nothing.
  std::optional<int> VolgendeSubgroep();
  // The balance of the account plus the pending amount, and its text.
  std::pair<double, std::string> NieuwSaldo(int rekNr, double erbij);
  // RecordKoers: the rate the working amount is read and shown with.
  double RecordKoers() const;
  void TekenGrid();
  // The warning with an OK button.
  void Waarschuw(const std::string& tekst);

  RecordKiezer& kiezer_;
  BoekingVensters& vensters_;
  BoekBewaarder bewaar_;

  // Starting
  void NieuwRecord();
  void NeemOnthoudenOver();
  bool KiesRecord(const std::string& titel, bool metKopie, bool alsKopie);
  void StartVerwijderen();
  void SplitVervolg(int modus);
  void ToonRecord();
  void ZetPanel();
  void VulVasteLijsten();
  void VulGroepLijst();
  void VulGeschiedenis();
  void KlaarOmTeTonen();

  // Field handlers: true when no error was reported.
  bool Handler(int tag, bool stil);
  bool RekeningVeld();
  bool VolgnrVeld(int tag);
  bool BladVeld(int tag);
  bool GroepVeld(bool stil);
  bool DatumVeld();
  bool TegenRekVeld();
  bool MuntVeld(bool stil);
  bool KoersVeld();
  bool AantalVeld();
  bool PrijsVeld();
  bool BedragVeld();
  bool PastInBestand(const std::string& veldNaam, const std::string& tekst);
  void ExtraWerk(int tag);
  int VolgendeFocus(int tag) const;

  // Showing values
  std::string RekeningTekst(int positie) const;
  std::string GroepTekst(int positie) const;
  void ToonGroep();
  std::string WerkBedragTekst(double bedrag);
  std::string OpgeslagenBedragTekst(double opgeslagen);
  void ToonWerkBedrag();
  void Herwaardeer();

  // VAT (BoekingBtw.cpp): the box and its text for a record as it is shown,
  // after its group was typed (`kiesOpnieuw`: the box follows the group), and
  // when the panel is laid out; the booking kind a posting stores.
  void ToonBtwVanRecord(bool bestaand);
  void ToonBtwVanGroep(const std::string& kode, bool kiesOpnieuw);
  void ToonBtwBox();
  int BoekSoortMetBtw() const;

  // Legs: each kind of booking shapes its own (BoekingOverboeking.cpp,
  // BoekingEffecten.cpp).
  void PasRegelToe(RegelSoort soort, TKas& kas, const std::string& groepNaam);
  void PasOverboekingToe(RegelSoort soort, TKas& kas);
  void PasEffectenToe(RegelSoort soort, TKas& kas, const std::string& groepNaam);
  std::string RekeningNaam(int rekNr) const;
  void Overboeken();
  void BewaarStappen();
  void NaBewaren();

  // Grid
  void GridRekening();
  void GridSaldi();
  void GridSplit();
  void GridRegels(const std::vector<const TKas*>& regels);
};

}  // namespace valdero
