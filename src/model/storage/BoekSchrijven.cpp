// Writing a cash-book file: the header records, the conversion to another
// base currency, the one-time backup and the atomic save.

#include <algorithm>
#include <cstdio>
#include <optional>

#include "model/core/Berichten.h"
#include "model/core/Bestandssysteem.h"
#include "model/core/BoekNaam.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/Bestanden.h"
#include "model/storage/BoekSlot.h"
#include "model/storage/BoekVersleuteling.h"
#include "model/storage/ByteLezer.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/MuntOmzetting.h"
#include "model/core/Voortgang.h"
#include "model/storage/WachtwoordOpslag.h"

namespace valdero {
namespace fs = std::filesystem;
namespace {

// The highest position written: the counter, but never past the list.
template <class Record>
std::int32_t Hoogste(std::int32_t teller, const std::vector<Record>& lijst) {
  return std::min(teller, static_cast<std::int32_t>(lijst.size()) - 1);
}

// The records written so far, for the progress of a save.
struct Teller {
  VoortgangMelder& melder;
  std::uint64_t geschreven = 0;
  void Een() { melder.Stap(++geschreven); }
};

// The image of a year of 100 000 transactions is some 38 MB. Written while
// it is made, a piece of this size at a time, it never stands in memory
// whole: no 38 MB block to be mapped page by page (first by the program
// that fills it, then by the kernel that copies it into the file), and the
// kernel copies from a piece that is still in the cache.
constexpr std::size_t kBeeldStuk = std::size_t{1} << 19;

// Where the image goes while it is made: without `schrijf` it stays whole
// in the writer; with it, every full piece leaves for the file. After the
// first failed write the rest is made but not written: the save fails, and
// the book is changed by making its image exactly as by a save that went.
struct Afvoer {
  const StukSchrijver* schrijf = nullptr;
  int fout = 0;
  void Misschien(ByteSchrijver& uit, bool alles = false) {
    if (schrijf == nullptr || (uit.inhoud.size() < kBeeldStuk && !alles)) return;
    if (fout == 0 && !uit.inhoud.empty()) fout = (*schrijf)(uit.inhoud);
    uit.inhoud.clear();
  }
};

template <class Record>
void SchrijfSectie(ByteSchrijver& uit, const std::vector<Record>& lijst, std::int32_t hoogste, Teller& teller,
                   Afvoer& afvoer) {
  for (std::int32_t i = 0; i <= hoogste; ++i) {
    uit.Schrijf(lijst[static_cast<std::size_t>(i)]);
    teller.Een();
    afvoer.Misschien(uit);
  }
}

std::string JaarStempel(const Kasboek& kb) {
  char jaar[8];
  std::snprintf(jaar, sizeof jaar, "%04d", JaarVan(kb.Vandaag()) % 10000);
  return jaar;
}

// What is settled before the image is made: the rate of a conversion and
// whether the accounts' currency converts too (the user's answer).
struct BeeldKeuzes {
  double koers = 1;
  bool rekeningMuntOmzetten = false;
};

BeeldKeuzes BereidBeeldVoor(Kasboek& kb) {
  // A book always has its header records; one built in memory may still lack them.
  if (kb.RekLijst.empty()) kb.RekLijst.emplace_back();
  if (kb.GroepLijst.empty()) kb.GroepLijst.emplace_back();
  if (kb.KasLijst.empty()) kb.KasLijst.emplace_back();
  BeeldKeuzes keuzes;
  keuzes.koers = OmzetKoers(kb);
  if (kb.MuntOmzetten && keuzes.koers <= 0) kb.MuntOmzetten = false;
  // Asked before the file is made, so that no new file waits on the user.
  keuzes.rekeningMuntOmzetten =
      kb.MuntOmzetten && Vraag(kb, "In \"Rekeningen\" de munt ook omzetten naar nieuwe munt ");
  return keuzes;
}

void SchrijfRekeningen(Kasboek& kb, ByteSchrijver& uit, bool metRelaties, bool muntOmzetten, Teller& teller,
                       Afvoer& afvoer) {
  TBank& kop = kb.RekLijst.front();
  kop.Index = 0;
  kop.RekNr = 0;
  kop.Naam = JaarStempel(kb);
  kop.RekNrTekst = kb.FormaatVlag ? "1" : "0";
  // The mark must match the file: a mark without its section would make
  // the next load fail on the relations.
  if (metRelaties)
    kop.Soort = "Rt";
  else if (kop.Soort == "Rt")
    kop.Soort.clear();
  if (muntOmzetten)
    for (auto& rekening : kb.RekLijst) rekening.Munt = kb.weergave.HulpMunt;
  SchrijfSectie(uit, kb.RekLijst, kb.MaxRek(), teller, afvoer);
  kb.RekGelezen = true;
}

void SchrijfGroepen(Kasboek& kb, ByteSchrijver& uit, double koers, Teller& teller, Afvoer& afvoer) {
  TBudget& kop = kb.GroepLijst.front();
  BewaarWachtwoord(kop, kb.Wachtwoord);
  kop.Nummer = 0;
  kop.Kode = "-1";
  kop.Klasse = std::to_string(kb.MaxGroep()).substr(0, 3);
  kop.Budget = kb.BasisMunt;
  if (kb.MuntOmzetten)
    for (auto& groep : kb.GroepLijst) groep.Budget /= koers;
  for (std::int32_t i = 0; i <= kb.MaxGroep(); ++i) {
    uit.Schrijf(kb.GroepLijst[static_cast<std::size_t>(i)]);
    // A header whose name length byte is not 0 would put its name over the
    // password; the password wins.
    if (i == 0) std::copy_n(kop.ruw.begin() + 8, 6, uit.Laatste(TBudget::Grootte) + 8);
    teller.Een();
    afvoer.Misschien(uit);
  }
  kb.GroepGelezen = true;
}

void SchrijfTransacties(Kasboek& kb, ByteSchrijver& uit, double koers, Teller& teller, Afvoer& afvoer) {
  if (kb.MuntOmzetten)
    for (auto& kas : kb.KasLijst) {
      kas.Bedrag /= koers;
      if (kas.Munt == 0) kas.Munt = kb.weergave.HulpMunt;
    }
  SchrijfSectie(uit, kb.KasLijst, kb.MaxKas(), teller, afvoer);
  if (kb.RekGelezen && kb.GroepGelezen) kb.KasGelezen = true;
}

// Every relation: the count in front says how many records follow, so a list
// of any length reads back whole (no relation is dropped silently).
void SchrijfRelaties(Kasboek& kb, ByteSchrijver& uit, Teller& teller, Afvoer& afvoer) {
  const std::int32_t hoogste = Hoogste(kb.MaxRelatie(), kb.RelatieLijst);
  uit.SchrijfI32(hoogste);
  SchrijfSectie(uit, kb.RelatieLijst, hoogste, teller, afvoer);
}

// Where the save goes: the save dialog, and the question before replacing
// another file. False when the user stopped.
bool KiesBestand(Kasboek& kb) {
  kb.sessie.Bewaard = false;
  BestandsDialoog dialoog{"KasStrmFile ", "Valdero file (*.vdr)|*.VDR", "vdr", kb.sessie.KasPad,
                          kb.sessie.Map.string()};
  const auto keuze = kb.berichten().BewaarDialoog(dialoog);
  if (!keuze) return false;
  fs::path gekozen = kb.Pad(*keuze);
  if (!gekozen.has_extension()) gekozen += ".vdr";
  std::error_code fout;
  if (fs::exists(gekozen, fout) && !Vraag(kb, "Bestand bestaat al; Overschrijven?")) return false;
  kb.sessie.Map = gekozen.parent_path();
  kb.sessie.KasPad = gekozen.string();
  kb.sessie.KasNaam = BoekNaamUitPad(kb.sessie.KasPad);
  return true;
}

// The records a save writes: the steps of its progress.
std::uint64_t TeSchrijven(const Kasboek& kb) {
  auto aantal = [](std::int32_t hoogste) { return static_cast<std::uint64_t>(std::max(hoogste + 1, 0)); };
  // An empty list still gets its header record.
  return aantal(kb.MaxRek()) + aantal(kb.MaxGroep()) + aantal(kb.MaxKas()) +
         (kb.RelatiesAanwezig ? aantal(Hoogste(kb.MaxRelatie(), kb.RelatieLijst)) : 0);
}

// The file image into `uit`, whose block may be reused from an earlier save;
// with an `afvoer` that writes, piece by piece into the file instead.
void BouwBeeld(Kasboek& kb, ByteSchrijver& uit, VoortgangMelder& melder, const BeeldKeuzes& keuzes,
               Afvoer& afvoer) {
  if (afvoer.schrijf != nullptr) {
    uit.inhoud.reserve(kBeeldStuk + TKas::Grootte);
  } else {
    // Grown record by record the whole image would be copied over and over
    // into ever larger blocks, each new page faulted in again, which cost a
    // save ten times the write itself. A block kept from the previous save
    // is used again while it fits; the room to spare lets the book grow by
    // many postings before it is renewed.
    const std::size_t nodig = 3 * 4 + kb.RekLijst.size() * TBank::Grootte +
                              kb.GroepLijst.size() * TBudget::Grootte +
                              kb.KasLijst.size() * TKas::Grootte + 4 +
                              kb.RelatieLijst.size() * TRelat::Grootte;
    if (uit.inhoud.capacity() < nodig) {
      uit.inhoud.reserve(nodig + nodig / 16);
      // A fresh block: mapped in large pages it costs a fault per 2 MB
      // instead of one per 4 KB.
      VraagGrotePaginas(uit.inhoud.data(), uit.inhoud.capacity());
    }
  }
  Teller teller{melder};
  uit.SchrijfI32(kb.MaxRek());
  uit.SchrijfI32(kb.MaxGroep());
  uit.SchrijfI32(kb.MaxKas());
  SchrijfRekeningen(kb, uit, kb.RelatiesAanwezig, keuzes.rekeningMuntOmzetten, teller, afvoer);
  SchrijfGroepen(kb, uit, keuzes.koers, teller, afvoer);
  SchrijfTransacties(kb, uit, keuzes.koers, teller, afvoer);
  if (kb.KasGelezen && kb.RelatiesAanwezig) SchrijfRelaties(kb, uit, teller, afvoer);
  afvoer.Misschien(uit, true);
}

}  // namespace

std::vector<std::uint8_t> SchrijfBoek(Kasboek& kb) {
  GeenVoortgang stil;
  VoortgangMelder geen(stil, {}, 0);
  ByteSchrijver uit;
  Afvoer heel;
  BouwBeeld(kb, uit, geen, BereidBeeldVoor(kb), heel);
  return std::move(uit.inhoud);
}

static Status BewaarBoekStappen(Kasboek& kb, bool vraagNaam) {
  // A save is a command of its own: IOStatus tells how this one went.
  kb.IOStatus = 0;
  kb.sessie.OnbevestigdBewaard = false;
  if (kb.MuntOmzetten && OmzetKoers(kb) <= 0) {
    kb.berichten().BerichtDlg("Muntsoort niet juist", BerichtSoort::Fout, knop::OK);
    kb.MuntOmzetten = false;
    return FoutNr::GeenGeldigBedrag;
  }
  std::error_code fout;
  // Anything at the book's name (a folder, a link to nothing) is the book's
  // place: the save then says what is wrong with it, rather than asking for
  // another name.
  const fs::path plek = kb.Pad(kb.sessie.KasPad);
  const bool bestaat =
      !kb.sessie.KasPad.empty() && (fs::exists(plek, fout) || fs::is_symlink(plek, fout));
  const bool reserve = !vraagNaam && bestaat && kb.sessie.EersteBewaring;
  if (vraagNaam || !bestaat) {
    if (!KiesBestand(kb) || !VerhuisSlot(kb)) {
      kb.MuntOmzetten = false;
      return FoutNr::WegschrijvenMislukt;
    }
  } else if (!MagBoekSchrijven(kb)) {
    // No write without the lock: another program has this book (only "Opslaan
    // als" to a file of its own keeps what was done here), or no lock could
    // be made beside it.
    kb.MuntOmzetten = false;
    return FoutNr::WegschrijvenMislukt;
  }

  // A conversion changes the book in memory; when the save fails, the book
  // must stay as it was, or the next save would convert it a second time.
  std::vector<TBank> rekeningen;
  std::vector<TBudget> groepen;
  std::vector<TKas> transacties;
  if (kb.MuntOmzetten) {
    rekeningen = kb.RekLijst;
    groepen = kb.GroepLijst;
    transacties = kb.KasLijst;
  }
  // The progress covers the records and the write: the last step, after the
  // file is on disk, is one more than the records. Messages about the
  // outcome come after it.
  std::optional<VoortgangMelder> melder;
  const std::uint64_t records = TeSchrijven(kb);
  melder.emplace(kb.voortgang(), "Bewaren " + kb.Pad(kb.sessie.KasPad).filename().string(), records + 1);
  const BeeldKeuzes keuzes = BereidBeeldVoor(kb);
  // An encrypted book goes to disk sealed, its temporary file included: the
  // plain image never leaves memory. It is sealed whole, so its image is
  // made whole first, in a block kept from the previous save: a fresh block
  // of 38 MB must have every page mapped anew, first by the program that
  // fills it and then again by the kernel that copies it into the file.
  // Scratch memory only: nothing in it outlives the save. A plain book is
  // written while its image is made (see kBeeldStuk).
  std::vector<std::uint8_t> verzegeld;
  if (kb.Sleutel) {
    static thread_local std::vector<std::uint8_t> beeld;
    ByteSchrijver uit;
    uit.inhoud = std::move(beeld);
    uit.inhoud.clear();
    Afvoer heel;
    BouwBeeld(kb, uit, *melder, keuzes, heel);
    beeld = std::move(uit.inhoud);
    verzegeld = Verzegel(*kb.Sleutel, beeld);
  }
  bool gemaakt = static_cast<bool>(kb.Sleutel);
  const InhoudInStukken inhoud = [&](const StukSchrijver& schrijf) {
    if (kb.Sleutel) return schrijf(verzegeld);
    gemaakt = true;
    ByteSchrijver uit;
    Afvoer afvoer{&schrijf};
    BouwBeeld(kb, uit, *melder, keuzes, afvoer);
    return afvoer.fout;
  };
  // A book reached through a symbolic link is saved into the link's target,
  // with its backup beside it; the link stays a link.
  // The save dialog may have chosen another file.
  const fs::path gekozen = kb.Pad(kb.sessie.KasPad);
  const fs::path doel = VolgVerwijzing(gekozen);
  fs::path reservePad = doel;
  reservePad.replace_extension(".~VD");
  Bestandssysteem& bestanden = kb.bestanden();
  // Saves of this book killed part-way left their files: this one, under
  // the lock, is the only save of it running.
  RuimWeesBestandenOp(doel, bestanden);
  RuimWeesBestandenOp(reservePad, bestanden);
  // The backup keeps the file as it was when the book was opened, made just
  // before the new content takes its place. When it cannot be made, no
  // half-made file passes for it.
  bool reserveGemaakt = true;
  const SchrijfUitkomst uitkomst = SchrijfAtomischInStukken(gekozen, inhoud, bestanden, [&] {
    if (reserve) reserveGemaakt = MaakReserve(kb, doel, reservePad, bestanden);
  });
  // A save refused before its file was made still makes the image: the
  // book in memory then stands as after any other failed save.
  if (!gemaakt) {
    const StukSchrijver weg = [](std::span<const std::uint8_t>) { return 0; };
    ByteSchrijver uit;
    Afvoer afvoer{&weg};
    BouwBeeld(kb, uit, *melder, keuzes, afvoer);
  }
  if (uitkomst) melder->Stap(records + 1);
  melder.reset();
  if (uitkomst.vervangen && reserve && reserveGemaakt) kb.sessie.EersteBewaring = false;
  if (!uitkomst) {
    if (kb.MuntOmzetten) {
      kb.RekLijst = std::move(rekeningen);
      kb.GroepLijst = std::move(groepen);
      kb.KasLijst = std::move(transacties);
    }
    kb.MuntOmzetten = false;
    Foutmelding(kb, kb.sessie.KasPad + " (" + uitkomst.reden + ")", FoutNr::WegschrijvenMislukt,
                HintNr::ProbeerOpnieuw);
    return FoutNr::WegschrijvenMislukt;
  }
  if (reserve) kb.sessie.EersteBewaring = false;
  kb.sessie.Bewaard = true;
  // The book holds the change once the new file took its place; only the
  // folder's flush failed. Saying "not saved" would make the user (or a
  // script) book it a second time.
  if (uitkomst.onbevestigd) {
    kb.sessie.OnbevestigdBewaard = true;
    kb.berichten().BerichtDlg(OnbevestigdTekst(kb.sessie.KasPad, uitkomst), BerichtSoort::Waarschuwing,
                              knop::OK);
  }
  // The save itself went well; the user must know that the file as it was
  // opened is not kept beside it.
  if (!reserveGemaakt)
    kb.berichten().BerichtDlg("Reservekopie " + reservePad.filename().string() + " niet gemaakt",
                              BerichtSoort::Waarschuwing, knop::OK);

  if (vraagNaam)
    Mededeling(kb, "Wegschrijven van " + kb.sessie.KasPad + (kb.KasGelezen ? " gelukt" : " niet gelukt"));
  return {};
}

Status BewaarBoek(Kasboek& kb, bool vraagNaam) {
  return EindeOpdracht(kb, BewaarBoekStappen(kb, vraagNaam));
}

}  // namespace valdero
