#include "model/storage/BoekVersleuteling.h"

#include <system_error>

#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Windows1252.h"
#include "model/storage/Bestanden.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/ConfigBestand.h"
#include "model/storage/Herstelpunten.h"

namespace valdero {
namespace fs = std::filesystem;
namespace {

constexpr int kZinPogingen = 3;
constexpr const char* kOnjuist = "Wachtwoordzin onjuist, of het bestand is beschadigd";

std::string Naam(const Kasboek& kb) { return kb.Pad(kb.sessie.KasPad).filename().string(); }

// The files besides the book that hold its content: its configuration, the
// backup and every restore point (book and configuration).
std::vector<fs::path> Bijlagen(const Kasboek& kb) {
  std::vector<fs::path> paden;
  fs::path reserve = VolgVerwijzing(kb.Pad(kb.sessie.KasPad));
  reserve.replace_extension(".~VD");
  paden.push_back(VolgVerwijzing(kb.Pad(kb.sessie.KasNaam + ".cfg")));
  paden.push_back(reserve);
  for (const Herstelpunt& punt : Herstelpunten(kb)) {
    paden.push_back(punt.boek);
    if (!punt.config.empty()) paden.push_back(punt.config);
  }
  return paden;
}

// Writes the file anew with other bytes, keeping its time: a restore point
// is known by when it was last written (a book written before it is the
// same book), and sealing it changes nothing of that.
bool SchrijfOver(const Kasboek& kb, const fs::path& pad, std::span<const std::uint8_t> inhoud) {
  std::error_code fout;
  const auto tijd = fs::last_write_time(pad, fout);
  if (!SchrijfAtomisch(pad, inhoud, kb.bestanden())) return false;
  if (!fout) fs::last_write_time(pad, tijd, fout);
  return true;
}

bool MagSchrijven(Kasboek& kb) {
  if (!kb.KasGelezen || kb.sessie.AlleenLezen || !kb.sessie.GeenSlot.empty()) {
    kb.berichten().BerichtDlg(Naam(kb) + " kan nu niet worden bewaard", BerichtSoort::Fout, knop::OK);
    return false;
  }
  return true;
}

}  // namespace

std::vector<std::uint8_t> VoorSchijf(const Kasboek& kb, std::vector<std::uint8_t> inhoud) {
  if (!kb.Sleutel) return inhoud;
  return Verzegel(*kb.Sleutel, inhoud);
}

std::optional<std::vector<std::uint8_t>> VanSchijf(const Kasboek& kb, std::vector<std::uint8_t> inhoud) {
  if (!IsVerzegeld(inhoud)) return inhoud;
  if (!kb.Sleutel) return std::nullopt;
  return Ontzegel(*kb.Sleutel, inhoud);
}

bool IsVerzegeldBestand(const fs::path& pad, Bestandssysteem& bestanden) {
  std::uint8_t begin[8] = {};
  std::size_t gelezen = 0;
  if (!LeesBegin(pad, begin, gelezen, bestanden) || gelezen < sizeof begin) return false;
  return IsVerzegeld(begin);
}

std::optional<std::vector<std::uint8_t>> OntsluitBoek(Kasboek& kb,
                                                      std::span<const std::uint8_t> verzegeld) {
  if (const std::string gebrek = KopGebrek(verzegeld); !gebrek.empty()) {
    kb.berichten().BerichtDlg(Naam(kb) + " is beschadigd (" + gebrek + "); niets geopend",
                              BerichtSoort::Fout, knop::OK);
    kb.Sleutel.reset();
    return std::nullopt;
  }
  // The key of the book opened before, when this file is sealed with it: a
  // restore point put back or the book opened again need no new question.
  if (kb.Sleutel && PastBij(*kb.Sleutel, verzegeld))
    if (auto open = Ontzegel(*kb.Sleutel, verzegeld)) {
      kb.sessie.WachtwoordGeaccepteerd = true;
      return open;
    }
  kb.Sleutel.reset();
  WachtwoordzinVraag vraag{"Versleuteld boek", "Wachtwoordzin van " + Naam(kb) + ":", false, {}};
  bool onjuist = false;
  for (int poging = 0; poging < kZinPogingen; ++poging) {
    std::optional<std::string> zin = kb.berichten().VraagWachtwoordzin(vraag);
    if (!zin) break;
    auto sleutel = SleutelVoor(verzegeld, *zin);
    std::fill(zin->begin(), zin->end(), '\0');
    if (sleutel)
      if (auto open = Ontzegel(*sleutel, verzegeld)) {
        kb.Sleutel = std::move(sleutel);
        // The passphrase protects more than the six characters could: it
        // stands for the password as well.
        kb.sessie.WachtwoordGeaccepteerd = true;
        return open;
      }
    onjuist = true;
    vraag.melding = kOnjuist;
  }
  if (onjuist)
    kb.berichten().BerichtDlg(std::string(kOnjuist) + "; " + Naam(kb) + " niet geopend",
                              BerichtSoort::Fout, knop::OK);
  return std::nullopt;
}

bool MaakReserve(const Kasboek& kb, const fs::path& boek, const fs::path& reserve,
                 Bestandssysteem& bestanden) {
  if (!kb.Sleutel || IsVerzegeldBestand(boek, bestanden)) return MaakKopie(boek, reserve, bestanden);
  std::vector<std::uint8_t> oud;
  if (!LeesBestand(boek, oud, bestanden)) return false;
  return static_cast<bool>(SchrijfAtomisch(reserve, Verzegel(*kb.Sleutel, oud), bestanden));
}

int VerzegelBijlagen(Kasboek& kb) {
  if (!kb.Sleutel || kb.sessie.AlleenLezen || !kb.sessie.GeenSlot.empty()) return 0;
  int mislukt = 0;
  for (const fs::path& pad : Bijlagen(kb)) {
    std::error_code fout;
    if (!fs::is_regular_file(pad, fout) || IsVerzegeldBestand(pad, kb.bestanden())) continue;
    std::vector<std::uint8_t> inhoud;
    if (!LeesBestand(pad, inhoud, kb.bestanden()) ||
        !SchrijfOver(kb, pad, Verzegel(*kb.Sleutel, inhoud)))
      ++mislukt;
  }
  return mislukt;
}

std::string WachtwoordzinGebrek(std::string_view wachtwoordzin) {
  if (AantalTekens(wachtwoordzin) < kMinimaleWachtwoordzin)
    return "Een wachtwoordzin heeft minstens " + std::to_string(kMinimaleWachtwoordzin) + " tekens";
  return {};
}

Status VersleutelBoek(Kasboek& kb, std::string_view wachtwoordzin, KdfKosten kosten) {
  if (!MagSchrijven(kb)) return FoutNr::WegschrijvenMislukt;
  if (kb.Sleutel) {
    kb.berichten().BerichtDlg(Naam(kb) + " is al versleuteld", BerichtSoort::Fout, knop::OK);
    return FoutNr::WegschrijvenMislukt;
  }
  if (const std::string gebrek = WachtwoordzinGebrek(wachtwoordzin); !gebrek.empty()) {
    kb.berichten().BerichtDlg(gebrek, BerichtSoort::Fout, knop::OK);
    return FoutNr::WegschrijvenMislukt;
  }
  auto sleutel = NieuweSleutel(wachtwoordzin, kosten);
  if (!sleutel) {
    kb.berichten().BerichtDlg("Versleutelen mislukt (te weinig geheugen)", BerichtSoort::Fout, knop::OK);
    return FoutNr::WegschrijvenMislukt;
  }
  // The book first: until it is on disk sealed, nothing else changes, and a
  // failed save leaves the old book and a book in memory that is not
  // encrypted. A plain configuration beside a sealed book still opens; it
  // is sealed right after, and at the next opening if that failed.
  kb.Sleutel = std::move(sleutel);
  if (!BewaarBoek(kb, false).Gelukt()) {
    kb.Sleutel.reset();
    return FoutNr::WegschrijvenMislukt;
  }
  const Status config = SchrijfConfig(kb);
  const int open = VerzegelBijlagen(kb);
  if (open > 0)
    kb.berichten().BerichtDlg(std::to_string(open) + " bestand(en) van " + Naam(kb) +
                                  " nog niet versleuteld; dat gebeurt bij het volgende openen",
                              BerichtSoort::Waarschuwing, knop::OK);
  kb.berichten().BerichtDlg(Naam(kb) +
                                " is versleuteld. Zonder de wachtwoordzin is het boek niet meer te "
                                "openen: bewaar haar goed.",
                            BerichtSoort::Informatie, knop::OK);
  return config;
}

Status VraagEnVersleutel(Kasboek& kb, KdfKosten kosten) {
  if (!MagSchrijven(kb)) return FoutNr::WegschrijvenMislukt;
  WachtwoordzinVraag vraag{"Versleutelen", "Nieuwe wachtwoordzin voor " + Naam(kb) + ":", true, {}};
  for (;;) {
    std::optional<std::string> zin = kb.berichten().VraagWachtwoordzin(vraag);
    if (!zin) return FoutNr::WegschrijvenMislukt;
    vraag.melding = WachtwoordzinGebrek(*zin);
    if (!vraag.melding.empty()) continue;
    const Status status = VersleutelBoek(kb, *zin, kosten);
    std::fill(zin->begin(), zin->end(), '\0');
    return status;
  }
}

Status HefVersleutelingOp(Kasboek& kb) {
  if (!MagSchrijven(kb)) return FoutNr::WegschrijvenMislukt;
  if (!kb.Sleutel) {
    kb.berichten().BerichtDlg(Naam(kb) + " is niet versleuteld", BerichtSoort::Fout, knop::OK);
    return FoutNr::WegschrijvenMislukt;
  }
  // The configuration first: a plain one beside the sealed book opens, a
  // sealed one beside a plain book would not.
  const auto sleutel = kb.Sleutel;
  kb.Sleutel.reset();
  if (!SchrijfConfig(kb).Gelukt()) {
    kb.Sleutel = sleutel;
    return FoutNr::WegschrijvenMislukt;
  }
  if (!BewaarBoek(kb, false).Gelukt()) {
    kb.Sleutel = sleutel;
    static_cast<void>(SchrijfConfig(kb));
    return FoutNr::WegschrijvenMislukt;
  }
  // The backup and restore points sealed with this key come along; those
  // sealed under another passphrase stay as they are.
  for (const fs::path& pad : Bijlagen(kb)) {
    std::vector<std::uint8_t> inhoud;
    if (!IsVerzegeldBestand(pad, kb.bestanden()) || !LeesBestand(pad, inhoud, kb.bestanden())) continue;
    if (const auto open = Ontzegel(*sleutel, inhoud)) static_cast<void>(SchrijfOver(kb, pad, *open));
  }
  kb.berichten().BerichtDlg(Naam(kb) + " is niet meer versleuteld", BerichtSoort::Informatie, knop::OK);
  return {};
}

}  // namespace valdero
