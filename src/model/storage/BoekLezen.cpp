// Reading a cash-book file: the sections in order, the checks and repairs
// made on the way, and the reports of OpenBoek.

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "model/core/Berichten.h"
#include "model/core/Bestandssysteem.h"
#include "model/core/Voortgang.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/Bestanden.h"
#include "model/storage/BoekVersleuteling.h"
#include "model/storage/ByteLezer.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/Status.h"
#include "model/core/Windows1252.h"
#include "model/core/ByteImage.h"

namespace valdero {
namespace {

// The year of today as four digits; HuidigJaar when the loader has set it.
std::string HuidigJaarVan(const Kasboek& kb) {
  if (!kb.sessie.HuidigJaar.empty()) return kb.sessie.HuidigJaar;
  char jaar[8];
  std::snprintf(jaar, sizeof jaar, "%04d", JaarVan(kb.Vandaag()) % 10000);
  return jaar;
}

// The sample book "Raro2005" is shown as if it were of 2007: the last digit
// of every date's year becomes 7. A date that does not exist in the new year
// (29 February) is left alone.
double SchuifVoorbeeldDatum(double datum) {
  std::string tekst = DatumTekst(datum);
  if (tekst.empty()) return datum;
  tekst.back() = '7';
  const auto geschoven = LeesDatum(tekst, JaarVan(datum));
  return geschoven ? *geschoven : datum;
}

void MaakDummy(TKas& kas) {
  kas.Index = 0;
  kas.RekNr = 0;
  kas.GroepKode = "0";
  kas.Datum = 0;
}

// A section that cannot be read ends the reading: the sections after it
// cannot be found. The reading's status is the first section that failed.
Status Stop(Kasboek& kb, Sectie sectie) {
  kb.IOStatus = static_cast<std::uint16_t>(sectie);
  return sectie;
}

// A date field holds a day from 1-1-0001 to 31-12-9999; anything else (NaN,
// 1e300) is a damaged record, never a date.
bool DatumKlopt(double datum) {
  static const double kEerste = MaakDatum(1, 1, 1);
  static const double kLaatste = MaakDatum(9999, 12, 31);
  return datum >= kEerste && datum < kLaatste + 1;
}

bool IsVoorbeeldBoek(const Kasboek& kb) { return kb.sessie.KasNaam == "Raro2005"; }

// What the program sets right in every transaction it reads.
void Herstel(TKas& kas, std::size_t i, bool voorbeeld) {
  if (i == 0) MaakDummy(kas);
  if (kas.MuntKoers == 0.0f) kas.MuntKoers = 1.0f;
  if (voorbeeld) kas.Datum = SchuifVoorbeeldDatum(kas.Datum);
  kas.Belegging = TKas::IsBeleggingsSoort(kas.BoekSoort) ? 1 : 0;
  kas.Index = static_cast<int>(i);
}

Status LeesTransacties(Kasboek& kb, ByteLezer& lezer, std::int32_t hoogste) {
  const bool voorbeeld = IsVoorbeeldBoek(kb);
  const auto herstel = [voorbeeld](TKas& kas, std::size_t i) { Herstel(kas, i, voorbeeld); };
  bool beschadigd = !lezer.LeesRecords(hoogste, kb.KasLijst, herstel);
  for (std::size_t i = 1; !beschadigd && i < kb.KasLijst.size(); ++i)
    beschadigd = !DatumKlopt(kb.KasLijst[i].Datum) || !DatumKlopt(kb.KasLijst[i].PayDate);
  if (beschadigd) {
    kb.KasLijst.assign(1, TKas{});
    MaakDummy(kb.KasLijst.front());
    return Sectie::Transacties;
  }
  // A book needs its dummy record at position 0, even when the file stored none.
  if (kb.KasLijst.empty()) {
    kb.KasLijst.emplace_back();
    herstel(kb.KasLijst.front(), 0);
  }
  kb.KasGelezen = true;
  WisSaldoMatrix(kb);
  return {};
}

// The transactions for the balances alone: each amount into the matrix as
// its record passes, reading of a record only the fields the balance needs
// (the amount, the account, the group code, and the dates that tell a
// damaged record), so that none of the texts is decoded and the year's
// records never stand in memory. False when the book needs a whole load
// instead (see Laadwijze::AlleenSaldi); the reader has then moved on.
bool LeesAlleenSaldi(Kasboek& kb, ByteLezer& lezer, std::int32_t hoogste) {
  if (IsVoorbeeldBoek(kb)) return false;
  using namespace bytes;
  SaldoOpbouw opbouw(kb);
  TKas eerste;
  bool eersteGelezen = false;
  const bool gelukt = lezer.LoopRecords(hoogste, TKas::Grootte, [&](const std::uint8_t* p, std::size_t i) {
    if (i == 0) {
      eerste.Lees(p);
      eersteGelezen = true;
      return true;
    }
    if (!DatumKlopt(LeesF64(p + TKas::PlekDatum)) || !DatumKlopt(LeesF64(p + TKas::PlekBetaaldatum))) return false;
    // The code's bytes as stored, cut to its room as a whole load cuts it.
    const std::uint8_t* kode = p + TKas::PlekGroepKode;
    const std::size_t lengte = std::min<std::size_t>(kode[0], TKas::GroepKodeRuimte);
    return opbouw.Boek(std::string_view(reinterpret_cast<const char*>(kode + 1), lengte), LeesI16(p + TKas::PlekRekNr),
                       LeesF64(p + TKas::PlekBedrag));
  });
  if (!gelukt) {
    WisSaldoMatrix(kb);
    return false;
  }
  // The book keeps its dummy record at position 0, as a whole load does.
  kb.KasLijst.assign(1, eersteGelezen ? eerste : TKas{});
  Herstel(kb.KasLijst.front(), 0, false);
  kb.KasGelezen = true;
  return true;
}

Status LeesRelaties(Kasboek& kb, ByteLezer& lezer) {
  std::int32_t maxRelatie = 0;
  std::vector<TRelat> relaties;
  if (!lezer.LeesI32(maxRelatie) || !lezer.LeesRecords(maxRelatie, relaties)) {
    kb.RelatieLijst.clear();
    kb.RelatiesAanwezig = false;
    return Sectie::Relaties;
  }
  kb.RelatieLijst = std::move(relaties);
  return {};
}

}  // namespace

std::string SectieNaam(int ioStatus) {
  switch (ioStatus) {
    case 1: return "Rekening";
    case 2: return "Groepen";
    case 3: return "Valderodata";
    case 4: return "Configuratie";
    case 5: return "Relaties";
    default: return {};
  }
}

std::optional<std::string> JaarInNaam(const std::string& naam) {
  std::vector<char32_t> tekens;
  for (std::size_t pos = 0; pos < naam.size();) tekens.push_back(VolgendTeken(naam, pos));
  std::string laatste;
  for (std::size_t i = tekens.size() < 2 ? 0 : tekens.size() - 2; i < tekens.size(); ++i)
    VoegTekenToe(laatste, tekens[i]);
  // A one-character name holds no year, although it would pass the text test.
  if (tekens.size() >= 2 && laatste >= "00" && laatste <= "99")
    return (laatste < "80" ? "20" : "19") + laatste;
  return std::nullopt;
}

std::string JaarUitNaam(Kasboek& kb, const std::string& naam) {
  if (auto jaar = JaarInNaam(naam)) return *jaar;
  Foutmelding(kb, naam, FoutNr::VerkeerdFormaat, HintNr::FilenaamMetJaartal);
  // What stands in the year's place: the last two characters.
  std::size_t begin = naam.size();
  for (int tel = 0; begin > 0 && tel < 2;) {
    --begin;
    if ((static_cast<unsigned char>(naam[begin]) & 0xC0) != 0x80) ++tel;
  }
  return naam.substr(begin);
}

namespace {

void LeegBoek(Kasboek& kb) {
  kb.RekLijst.clear();
  kb.GroepLijst.clear();
  kb.KasLijst.clear();
  kb.RelatieLijst.clear();
  kb.RekGelezen = kb.GroepGelezen = kb.KasGelezen = kb.RelatiesAanwezig = false;
}

Status LeesSecties(Kasboek& kb, ByteLezer& lezer, Laadwijze& wijze) {
  LeegBoek(kb);
  std::int32_t tellers[3] = {0, 0, 0};
  for (auto& teller : tellers)
    if (!lezer.LeesI32(teller)) return Stop(kb, Sectie::Rekeningen);
  // A book without its header account, or without the header group, has
  // no real accounts or groups at all.
  if (tellers[1] < 1) return Stop(kb, Sectie::Groepen);
  if (tellers[0] < 1) return Stop(kb, Sectie::Rekeningen);

  if (!lezer.LeesRecords(tellers[0], kb.RekLijst)) return Stop(kb, Sectie::Rekeningen);
  // From 2005 on the currency of an account lives in the configuration only.
  if (HuidigJaarVan(kb) > "2004")
    for (auto& rekening : kb.RekLijst) rekening.Munt = 0;

  const TBank& kop = kb.RekLijst.front();
  // A book that asks before it is read is read whole: asked once.
  if (kop.Naam < "2007" && wijze == Laadwijze::AlleenSaldi) {
    wijze = Laadwijze::Volledig;
    return {};
  }
  if (kop.Naam < "2007" &&
      !Vraag(kb, "Valderobestand van vóór 2007, Gebruik RI05, \rconverteer of maak nieuw "
                 "bestand.\rWilt u tóch doorgaan?")) {
    return Stop(kb, Sectie::Configuratie);
  }
  kb.FormaatVlag = kop.RekNrTekst == "1";
  kb.RelatiesAanwezig = kop.Soort == "Rt";
  kb.RekGelezen = true;

  if (!lezer.LeesRecords(tellers[1], kb.GroepLijst)) return Stop(kb, Sectie::Groepen);
  kb.GroepGelezen = true;

  Status status;
  if (wijze == Laadwijze::AlleenSaldi) {
    if (!LeesAlleenSaldi(kb, lezer, tellers[2])) {
      wijze = Laadwijze::Volledig;
      return {};  // the caller reads the file again, whole
    }
  } else {
    status = LeesTransacties(kb, lezer, tellers[2]);
  }
  if (kb.KasGelezen && kb.RelatiesAanwezig) status = LeesRelaties(kb, lezer);
  // Bytes after the last section carry nothing the program wrote; they are
  // ignored and disappear with the next save.
  kb.IOStatus = status.Nummer();
  return status;
}

}  // namespace

Status LeesBoek(Kasboek& kb, std::span<const std::uint8_t> inhoud) {
  ByteLezer lezer(inhoud);
  Laadwijze wijze = Laadwijze::Volledig;
  return LeesSecties(kb, lezer, wijze);
}

Status OpenBoek(Kasboek& kb, bool meldSucces) {
  Laadwijze wijze = Laadwijze::Volledig;
  return OpenBoek(kb, meldSucces, wijze);
}

namespace {

// The end of a load, sealed or plain: the damaged section said, or the
// success when asked for.
Status MeldGelezen(Kasboek& kb, Status status, bool meldSucces) {
  if (!status.Gelukt())
    Foutmelding(kb, "Inlezen van " + SectieNaam(status.Nummer()), FoutNr::VerkeerdFormaat,
                HintNr::MaakEerstNieuw);
  else if (meldSucces)
    Mededeling(kb, "Inlezen ValderoStream gelukt");
  return status;
}

Status OpenBoekStappen(Kasboek& kb, bool meldSucces, Laadwijze& wijze) {
  // Whole, unless a balance-only reading is asked for and goes through.
  const Laadwijze gevraagd = wijze;
  wijze = Laadwijze::Volledig;
  kb.IOStatus = 0;
  kb.RekLijst.clear();
  kb.GroepLijst.clear();
  kb.KasLijst.clear();
  kb.RekGelezen = kb.GroepGelezen = kb.KasGelezen = false;

  const auto pad = kb.Pad(kb.sessie.KasPad);
  std::error_code fout;
  if (!std::filesystem::exists(pad, fout)) {
    Foutmelding(kb, kb.sessie.KasPad, FoutNr::BestaatNiet, HintNr::ControleerBestandNaam);
    return FoutNr::BestaatNiet;
  }
  Bestandssysteem& bestanden = kb.bestanden();
  // An encrypted book is opened whole (a sealed file is accepted or refused
  // as a whole); a wrong passphrase or a changed byte reads nothing of it.
  if (IsVerzegeldBestand(pad, bestanden)) {
    std::vector<std::uint8_t> verzegeld;
    if (!LeesBestand(pad, verzegeld, bestanden)) {
      Foutmelding(kb, kb.sessie.KasPad, FoutNr::InlezenMislukt, HintNr::ProbeerOpnieuw);
      return FoutNr::InlezenMislukt;
    }
    auto open = OntsluitBoek(kb, verzegeld);
    if (!open) return Stop(kb, Sectie::Configuratie);
    const Status status = LeesBoek(kb, *open);
    std::fill(open->begin(), open->end(), 0);
    return MeldGelezen(kb, status, meldSucces);
  }
  kb.Sleutel.reset();
  // The file is read a piece at a time and each piece decoded at once: the
  // memory of the open book is its records, not also the file's image.
  int bestand = -1;
  const auto grootte = std::filesystem::file_size(pad, fout);
  if (fout || bestanden.OpenLezen(pad, bestand) != 0) {
    Foutmelding(kb, kb.sessie.KasPad, FoutNr::InlezenMislukt, HintNr::ProbeerOpnieuw);
    return FoutNr::InlezenMislukt;
  }
  Status status;
  bool leesfout = false;
  bool opnieuw = false;
  {
    ByteLezer lezer(
        [&](std::uint8_t* data, std::size_t n, std::size_t& gelezen) {
          return bestanden.Lees(bestand, data, n, gelezen) == 0;
        },
        grootte);
    VoortgangMelder melder(kb.voortgang(), "Inlezen " + pad.filename().string(), grootte);
    lezer.Meld(&melder);
    Laadwijze gelezen = gevraagd;
    status = LeesSecties(kb, lezer, gelezen);
    leesfout = lezer.Leesfout();
    // Only a balance-only load that went through stands; anything else
    // is read again whole, with the reports of a whole load.
    opnieuw = gevraagd == Laadwijze::AlleenSaldi && (gelezen != gevraagd || leesfout || !status.Gelukt());
    if (!opnieuw) wijze = gelezen;
    melder.Stap(grootte);  // bytes after the last section are not read
  }
  bestanden.Sluit(bestand);
  if (opnieuw) {
    WisSaldoMatrix(kb);
    return OpenBoek(kb, meldSucces, wijze);
  }
  // An error half-way is a failure, never a shorter book.
  if (leesfout) {
    LeegBoek(kb);
    kb.IOStatus = 0;
    Foutmelding(kb, kb.sessie.KasPad, FoutNr::InlezenMislukt, HintNr::ProbeerOpnieuw);
    return FoutNr::InlezenMislukt;
  }
  return MeldGelezen(kb, status, meldSucces);
}

}  // namespace

Status OpenBoek(Kasboek& kb, bool meldSucces, Laadwijze& wijze) {
  return EindeOpdracht(kb, OpenBoekStappen(kb, meldSucces, wijze));
}

}  // namespace valdero
