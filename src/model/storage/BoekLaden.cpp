#include "model/storage/BoekLaden.h"
#include "model/core/Domein.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "model/core/Berichten.h"
#include "model/core/BoekNaam.h"
#include "model/storage/Bestanden.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/BoekSlot.h"
#include "model/storage/BoekVersleuteling.h"
#include "model/storage/Herstelpunten.h"
#include "model/storage/WachtwoordOpslag.h"
#include "model/storage/ConfigBestand.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/Printer.h"
#include "model/core/Records.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/Sorteren.h"

namespace valdero {
namespace {

constexpr const char* kStandaardNaam = "Valdr";
// Why a book loaded for its balances alone is not saved.
constexpr const char* kAlleenSaldiGeladen = "alleen de saldi zijn ingelezen";

bool BestaatBestand(const Kasboek& kb, const std::string& pad) {
  std::error_code fout;
  return std::filesystem::is_regular_file(kb.Pad(pad), fout);
}

// 1 January of the book's year. A name whose last characters are no year
// leaves a KasJaar that is no date either ("ab", "202k"): the book then
// starts on 1 January of the current year instead of failing.
double EersteJanuari(const Kasboek& kb) { return MaakDatum(BoekJaar(kb), 1, 1); }

// Finds the book's file: the name as given, then Valdr + four digits, then
// the open dialog. False when the dialog was cancelled. A book the user
// named that is not there is said to be missing; another book never stands
// in for it (a posting meant for it would land in that one).
bool KiesInDialoog(Kasboek& kb);

bool KiesBoekBestand(Kasboek& kb, bool genoemd) {
  kb.sessie.KasPad = kb.sessie.KasNaam + ".vdr";
  if (BestaatBestand(kb, kb.sessie.KasPad)) return true;
  if (genoemd) {
    Foutmelding(kb, kb.sessie.KasPad, FoutNr::BestaatNiet, HintNr::ControleerBestandNaam);
    return KiesInDialoog(kb);
  }
  kb.sessie.KasNaam = kStandaardNaam + kb.sessie.HuidigJaar;
  kb.sessie.KasPad = kb.sessie.KasNaam + ".vdr";
  if (BestaatBestand(kb, kb.sessie.KasPad)) return true;

  return KiesInDialoog(kb);
}

// The open dialog "Ópen Valdero"; false when cancelled.
bool KiesInDialoog(Kasboek& kb) {
  kb.sessie.KasPad = "*.vdr";
  const auto gekozen = kb.berichten().OpenDialoog(OpenBoekDialoog(kb));
  if (!gekozen) return false;

  const std::filesystem::path pad = kb.Pad(*gekozen);
  // The dialog leaves the chosen folder as the current one, so that the
  // configuration beside the book is found there.
  kb.sessie.Map = pad.parent_path();
  kb.sessie.KasPad = pad.string();
  kb.sessie.KasNaam = BoekNaamUitPad(kb.sessie.KasPad);
  return true;
}

void LeegSaldoMatrix(Kasboek& kb) { WisSaldoMatrix(kb); }

// What saves of this book left behind when they were killed part-way (a
// book of a large year leaves tens of megabytes each time): removed while
// this program holds the book's lock, so that no save of another program
// is running on it.
void RuimWezenOp(Kasboek& kb) {
  if (kb.sessie.AlleenLezen || !kb.sessie.GeenSlot.empty()) return;
  Bestandssysteem& bestanden = kb.bestanden();
  const std::filesystem::path boek = VolgVerwijzing(kb.Pad(kb.sessie.KasPad));
  std::filesystem::path reserve = boek;
  reserve.replace_extension(".~VD");
  for (const std::filesystem::path& pad : {boek, reserve, kb.Pad(kb.sessie.KasNaam + ".cfg"), SlotPad(boek)})
    RuimWeesBestandenOp(pad, bestanden);
  RuimWeesBestandenOp(HerstelMap(kb), kb.sessie.KasNaam + " ", bestanden);
}

}  // namespace

LaadUitkomst LaadBoek(Kasboek& kb, bool bijStart, const std::string& argument) {
  Laadwijze wijze = Laadwijze::Volledig;
  return LaadBoek(kb, bijStart, argument, wijze);
}

LaadUitkomst LaadBoek(Kasboek& kb, bool bijStart, const std::string& argument, Laadwijze& wijze) {
  const int jaar = JaarVan(kb.Vandaag());
  kb.sessie.HuidigJaar = std::to_string(jaar);
  while (kb.sessie.HuidigJaar.size() < 4) kb.sessie.HuidigJaar.insert(kb.sessie.HuidigJaar.begin(), '0');
  kb.KasJaar = kb.sessie.HuidigJaar;
  kb.Wachtwoord = kGeenWachtwoord;
  kb.sessie.WachtwoordGeaccepteerd = false;

  if (bijStart) {
    kb.sessie.KasNaam = kStandaardNaam + kb.sessie.HuidigJaar.substr(2);
    if (!argument.empty()) kb.sessie.KasNaam = ZonderVdr(argument);
  }
  if (!KiesBoekBestand(kb, bijStart && !argument.empty())) return LaadUitkomst::NietsGekozen;

  kb.IOStatus = 0;
  const bool metJaar = JaarInNaam(kb.sessie.KasNaam).has_value();
  kb.KasJaar = JaarUitNaam(kb, kb.sessie.KasNaam);
  if (!metJaar) {
    const int a = kb.berichten().BerichtDlg(
        "Wilt u doorgaan? Zoniet gebruik dan versie 5.x van Valdero!" + kb.sessie.KasPad,
        BerichtSoort::Bevestig, knop::JaNee);
    if (a != antwoord::Ja) return LaadUitkomst::Gestopt;
  }
  // One writer at a time: the lock is taken before the book is read, so
  // that what is read is not changed under us by another program's save.
  if (!NeemBoekSlot(kb)) return LaadUitkomst::Gestopt;
  RuimWezenOp(kb);
  kb.StartDatum = EersteJanuari(kb);

  kb.RekGelezen = false;
  kb.GroepGelezen = false;
  kb.KasGelezen = false;
  kb.RelatiesAanwezig = false;
  // The relations of the previous book must not be saved into this one.
  kb.RelatieLijst.clear();
  kb.sessie.EersteBewaring = true;

  const Status boek = OpenBoek(kb, !bijStart, wijze);
  if (boek == Status(Sectie::Configuratie)) {
    // An encrypted book that was not opened leaves nothing of itself in
    // memory, and its configuration is not replaced by the defaults.
    if (!kb.RekGelezen && IsVerzegeldBestand(kb.Pad(kb.sessie.KasPad), kb.bestanden())) VergeetBoek(kb);
    return LaadUitkomst::Gestopt;
  }
  // Every save stores the current password: it is the book's own from the
  // moment the book is read, whichever path saves it (the check asks for it
  // separately before anything is shown).
  if (kb.GroepGelezen) kb.Wachtwoord = LaadWachtwoord(kb);
  // The book as it was opened, before anything is posted in it. A point
  // that cannot be made (a read-only folder) does not keep the book closed.
  if (kb.KasGelezen && !kb.sessie.AlleenLezen && kb.sessie.GeenSlot.empty()) MaakHerstelpuntBijOpenen(kb);

  kb.KlassenGelezen = false;
  kb.SoortenGelezen = false;
  kb.ConfigAanwezig = false;
  kb.MuntOmzetten = false;
  kb.BtwActief = false;

  kb.printer().KiesPrinter(-1);
  MeetPrinter(kb, false);

  kb.sessie.ConfigPad = kb.sessie.KasNaam + ".cfg";
  // A damaged configuration is reported and replaced by the defaults; the
  // book's own failure, if any, stays first in IOStatus.
  if (kb.KasGelezen)
    static_cast<void>(LeesConfig(kb));
  else
    StandaardConfig(kb);
  // What an encrypting save that was torn off left plain beside the book.
  if (kb.KasGelezen) VerzegelBijlagen(kb);
  return LaadUitkomst::Geladen;
}

static Status VernieuwBoekStappen(Kasboek& kb) {
  if (kb.GroepGelezen && kb.RekGelezen) return BouwSaldoMatrix(kb);
  // A matrix of the previous book's shape must not outlive it.
  LeegSaldoMatrix(kb);
  if (!kb.KasGelezen) return {};
  Foutmelding(kb, "Rekening- of Budgetsectie", FoutNr::VerkeerdFormaat, HintNr::ControleerLayout);
  return FoutNr::VerkeerdFormaat;
}

Status VernieuwBoek(Kasboek& kb) {
  return EindeOpdracht(kb, VernieuwBoekStappen(kb));
}

void PasConfigToe(Kasboek& kb) {
  kb.weergave.HulpMunt = kb.BasisMunt;
  ZetOpNaam(kb, SorteerOnderwerp::Rekeningen, (kb.Config.Vlaggen & vlag::RekeningenOpNaam) != 0);
  ZetOpNaam(kb, SorteerOnderwerp::Groepen, (kb.Config.Vlaggen & vlag::GroepenOpNaam) != 0);
  SorteerRekeningen(kb);
  SorteerGroepen(kb);
  VerzamelSoortKodes(kb);
}

LaadUitkomst StartBoek(Kasboek& kb, bool bijStart, const std::string& argument, Laadwijze wijze) {
  const LaadUitkomst uitkomst = LaadBoek(kb, bijStart, argument, wijze);
  if (uitkomst != LaadUitkomst::Geladen) return uitkomst;
  if (wijze == Laadwijze::AlleenSaldi) {
    // The matrix was built while the book was read. Without its records
    // the book must never be written over the file that holds them.
    kb.sessie.GeenSlot = kAlleenSaldiGeladen;
    PasConfigToe(kb);
    return uitkomst;
  }
  // The configuration is applied whenever the book's lists could be put
  // together, whatever the configuration file itself reported: a damaged one
  // was replaced by the defaults, which must then be in force.
  if (VernieuwBoek(kb).Gelukt()) PasConfigToe(kb);
  return uitkomst;
}

void VergeetBoek(Kasboek& kb) {
  kb.RekLijst.clear();
  kb.GroepLijst.clear();
  kb.KasLijst.clear();
  kb.RelatieLijst.clear();
  WisSaldoMatrix(kb);
  kb.RekGelezen = kb.GroepGelezen = kb.KasGelezen = kb.RelatiesAanwezig = false;
  kb.Wachtwoord = kGeenWachtwoord;
  kb.sessie.WachtwoordGeaccepteerd = false;
  kb.Sleutel.reset();
  kb.sessie.Slot.reset();
  kb.sessie.KasPad = "*.vdr";
}

bool TransferActief(const Kasboek& kb) {
  for (std::size_t i = 1; i < kb.KasLijst.size() && static_cast<int>(i) <= kb.MaxKas(); ++i)
    if (kb.KasLijst[i].RekNr == kTransferRekening && kb.KasLijst[i].Bedrag != 0) return true;
  return false;
}

bool BeleggingActief(const Kasboek& kb) {
  for (std::size_t i = 1; i < kb.RekLijst.size() && static_cast<int>(i) <= kb.MaxRek(); ++i)
    if (kb.RekLijst[i].Soort == kEffectenSoort) return true;
  return false;
}

}  // namespace valdero
