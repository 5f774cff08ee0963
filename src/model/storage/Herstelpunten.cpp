#include "model/storage/Herstelpunten.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <system_error>

#include "model/core/Berichten.h"
#include "model/core/Bestandssysteem.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/storage/Bestanden.h"
#include "model/storage/BoekVersleuteling.h"

namespace valdero {
namespace fs = std::filesystem;
namespace {

constexpr const char* kStempelVorm = "%04d%02d%02d-%02d%02d%02d";
constexpr std::size_t kStempelLengte = 15;  // yyyymmdd-hhmmss

fs::path EchtBoek(const Kasboek& kb) { return VolgVerwijzing(kb.Pad(kb.sessie.KasPad)); }

std::string Stempel(double moment) {
  const DatumDelen d = SplitsDatum(moment);
  long seconden = std::lround((moment - std::floor(moment)) * 86400.0);
  if (seconden >= 86400) seconden = 86399;
  char tekst[32];
  std::snprintf(tekst, sizeof tekst, kStempelVorm, d.jaar % 10000, d.maand, d.dag,
                static_cast<int>(seconden / 3600), static_cast<int>(seconden / 60 % 60),
                static_cast<int>(seconden % 60));
  return tekst;
}

// "yyyymmdd-hhmmss", or with "-N" the N-th point of that second.
bool LeesStempel(const std::string& tekst, double& moment, int& volgnummer) {
  int j, m, d, u, mi, s;
  volgnummer = 0;
  if (tekst.size() > kStempelLengte) {
    const std::string rest = tekst.substr(kStempelLengte);
    if (rest.size() < 2 || rest.size() > 5 || rest[0] != '-' || rest[1] == '0' ||
        rest.find_first_not_of("0123456789", 1) != std::string::npos)
      return false;
    volgnummer = std::stoi(rest.substr(1));
  }
  if (tekst.size() < kStempelLengte ||
      std::sscanf(tekst.substr(0, kStempelLengte).c_str(), "%4d%2d%2d-%2d%2d%2d", &j, &m, &d, &u, &mi, &s) != 6 ||
      !GeldigeDatum(j, m, d) || u > 23 || mi > 59 || s > 59)
    return false;
  moment = MaakDatum(j, m, d) + (u * 3600 + mi * 60 + s) / 86400.0;
  return true;
}

// Newer first: the later second, then the later within one second.
bool Nieuwer(const Herstelpunt& a, const Herstelpunt& b) {
  const std::string sa = Stempel(a.moment), sb = Stempel(b.moment);
  return sa != sb ? sa > sb : a.volgnummer > b.volgnummer;
}

// The number of transactions in the copy's header; of a sealed copy only
// when the open book's key opens it (else 0: unknown).
std::int32_t TransactiesIn(const Kasboek& kb, const fs::path& boek, Bestandssysteem& bestanden) {
  std::uint8_t kop[12] = {};
  if (IsVerzegeldBestand(boek, bestanden)) {
    std::vector<std::uint8_t> inhoud;
    if (!kb.Sleutel || !LeesBestand(boek, inhoud, bestanden)) return 0;
    const auto open = VanSchijf(kb, std::move(inhoud));
    if (!open || open->size() < sizeof kop) return 0;
    std::copy_n(open->begin(), sizeof kop, kop);
  } else {
    std::size_t gelezen = 0;
    if (!LeesBegin(boek, kop, gelezen, bestanden) || gelezen < sizeof kop) return 0;
  }
  const std::int32_t maxKas = static_cast<std::int32_t>(
      kop[8] | (kop[9] << 8) | (kop[10] << 16) | (static_cast<std::uint32_t>(kop[11]) << 24));
  return std::max(maxKas, 0);
}

// Whether the restore point `punt` holds the book `boek`. A book last
// written before the point was made is the same without reading either: a
// save or any other write makes the book newer. Equal times prove nothing
// (the clock of the file system ticks coarsely), so those are compared.
bool ZelfdeInhoud(const fs::path& punt, const fs::path& boek, Bestandssysteem& bestanden) {
  std::error_code fout, f2;
  if (fs::file_size(punt, fout) != fs::file_size(boek, f2) || fout || f2) return false;
  if (fs::last_write_time(boek, fout) < fs::last_write_time(punt, f2) && !fout && !f2) return true;
  std::vector<std::uint8_t> x, y;
  return LeesBestand(punt, x, bestanden) && LeesBestand(boek, y, bestanden) && x == y;
}

fs::path MetExtensie(fs::path pad, const char* extensie) {
  pad.replace_extension(extensie);
  return pad;
}

// Removes all but the newest `bewaard` points; `nieuw` (the point just
// made) is never one of those removed.
void RuimOp(const Kasboek& kb, std::size_t bewaard, const fs::path& nieuw = {}) {
  auto punten = Herstelpunten(kb);
  if (!nieuw.empty())
    for (std::size_t i = 0; i < punten.size(); ++i)
      if (punten[i].boek == nieuw) std::rotate(punten.begin(), punten.begin() + static_cast<long>(i),
                                               punten.begin() + static_cast<long>(i) + 1);
  // A point that cannot be removed now is removed by a later pruning.
  Bestandssysteem& bestanden = kb.bestanden();
  for (std::size_t i = bewaard; i < punten.size(); ++i) {
    bestanden.Verwijder(punten[i].boek);
    if (!punten[i].config.empty()) bestanden.Verwijder(punten[i].config);
  }
}

// Copies the book and configuration on disk into a new restore point;
// `gemaakt` receives its file (empty when a kept point holds the book
// already).
bool KopieerNaarPunt(Kasboek& kb, std::string* reden, fs::path& gemaakt) {
  gemaakt.clear();
  auto mislukt = [&](const std::string& waarom) {
    if (reden) *reden = waarom;
    return false;
  };
  const fs::path boek = EchtBoek(kb);
  std::error_code fout;
  if (!fs::is_regular_file(boek, fout)) return mislukt("boek is geen gewoon bestand");
  Bestandssysteem& bestanden = kb.bestanden();
  const auto punten = Herstelpunten(kb);
  for (const Herstelpunt& punt : punten)
    if (ZelfdeInhoud(punt.boek, boek, bestanden)) return true;

  const fs::path map = HerstelMap(kb);
  if (const int f = bestanden.MaakMap(map)) return mislukt(std::string(kHerstelMap) + " " + FoutReden(f));
  // The name says when it was made, to the second; points made within one
  // second are numbered in the order they were made. A clock that went back
  // (or points of a program that stamped them ahead) never puts a new point
  // before the newest one: it then follows that one's second.
  Herstelpunt nieuw;
  nieuw.moment = kb.Nu();
  if (!punten.empty() && Stempel(punten.front().moment) >= Stempel(nieuw.moment)) {
    nieuw.moment = punten.front().moment;
    nieuw.volgnummer = punten.front().volgnummer + 1;
  }
  fs::path doel;
  for (int poging = 0; poging < 1000; ++poging, ++nieuw.volgnummer) {
    const std::string volg = nieuw.volgnummer == 0 ? "" : "-" + std::to_string(nieuw.volgnummer);
    doel = map / (kb.sessie.KasNaam + " " + Stempel(nieuw.moment) + volg + ".vdr");
    if (!fs::exists(fs::symlink_status(doel, fout)) &&
        !fs::exists(fs::symlink_status(MetExtensie(doel, ".cfg"), fout)))
      break;
  }
  // Real copies: a second name of the book would change with it if some
  // other program wrote into the book's file.
  int f = 0;
  if (!MaakKopie(boek, doel, bestanden, false, &f)) return mislukt(FoutReden(f));
  const fs::path config = VolgVerwijzing(kb.Pad(kb.sessie.KasNaam + ".cfg"));
  if (fs::is_regular_file(config, fout) &&
      !MaakKopie(config, MetExtensie(doel, ".cfg"), bestanden, false, &f)) {
    bestanden.Verwijder(doel);
    return mislukt(FoutReden(f));
  }
  gemaakt = doel;
  return true;
}

}  // namespace

fs::path HerstelMap(const Kasboek& kb) {
  const fs::path boek = EchtBoek(kb);
  return (boek.has_parent_path() ? boek.parent_path() : fs::path(".")) / kHerstelMap;
}

std::vector<Herstelpunt> Herstelpunten(const Kasboek& kb) {
  std::vector<Herstelpunt> punten;
  std::error_code fout;
  const fs::path map = HerstelMap(kb);
  if (!fs::is_directory(map, fout)) return punten;
  const std::string begin = kb.sessie.KasNaam + " ";
  for (fs::directory_iterator it(map, fout), eind; !fout && it != eind; it.increment(fout)) {
    const fs::path& pad = it->path();
    const std::string naam = pad.stem().string();
    Herstelpunt punt;
    if (pad.extension() != ".vdr" || naam.rfind(begin, 0) != 0 ||
        !LeesStempel(naam.substr(begin.size()), punt.moment, punt.volgnummer))
      continue;
    punt.boek = pad;
    if (std::error_code f; fs::is_regular_file(MetExtensie(pad, ".cfg"), f))
      punt.config = MetExtensie(pad, ".cfg");
    punt.transacties = TransactiesIn(kb, pad, kb.bestanden());
    punten.push_back(punt);
  }
  std::sort(punten.begin(), punten.end(), Nieuwer);
  return punten;
}

bool MaakHerstelpunt(Kasboek& kb, std::string* reden) {
  fs::path nieuw;
  const bool gemaakt = KopieerNaarPunt(kb, reden, nieuw);
  RuimOp(kb, kHerstelpuntenBewaard, nieuw);
  return gemaakt;
}

void MaakHerstelpuntBijOpenen(Kasboek& kb) {
  std::string reden;
  if (MaakHerstelpunt(kb, &reden) || kb.sessie.HerstelpuntGemeld) return;
  kb.sessie.HerstelpuntGemeld = true;
  kb.berichten().BerichtDlg("Geen herstelpunt gemaakt van " + kb.sessie.KasPad + " (" + reden + ")",
                            BerichtSoort::Waarschuwing, knop::OK);
}

Status ZetHerstelpuntTerug(Kasboek& kb, const Herstelpunt& punt) {
  std::vector<std::uint8_t> boek, config;
  if (!LeesBestand(punt.boek, boek, kb.bestanden()) ||
      (!punt.config.empty() && !LeesBestand(punt.config, config, kb.bestanden()))) {
    Foutmelding(kb, punt.boek.filename().string(), FoutNr::InlezenMislukt, HintNr::ProbeerOpnieuw);
    return FoutNr::InlezenMislukt;
  }
  fs::path gemaakt;
  if (kb.sessie.AlleenLezen || !kb.sessie.GeenSlot.empty() || !KopieerNaarPunt(kb, nullptr, gemaakt)) {
    Foutmelding(kb, kb.sessie.KasPad + " (geen herstelpunt van gemaakt)", FoutNr::WegschrijvenMislukt,
                HintNr::ProbeerOpnieuw);
    return FoutNr::WegschrijvenMislukt;
  }
  Bestandssysteem& bestanden = kb.bestanden();
  // A point made before the book was encrypted goes back sealed: the book
  // on disk never turns plain behind the user's back.
  if (kb.Sleutel && !IsVerzegeld(boek)) boek = VoorSchijf(kb, std::move(boek));
  if (kb.Sleutel && !punt.config.empty() && !IsVerzegeld(config)) config = VoorSchijf(kb, std::move(config));
  if (const auto u = SchrijfAtomisch(EchtBoek(kb), boek, bestanden); !u) {
    Foutmelding(kb, kb.sessie.KasPad + " (" + u.reden + ")", FoutNr::WegschrijvenMislukt,
                HintNr::ProbeerOpnieuw);
    return FoutNr::WegschrijvenMislukt;
  }
  if (!punt.config.empty()) {
    const fs::path pad = kb.Pad(kb.sessie.KasNaam + ".cfg");
    if (const auto u = SchrijfAtomisch(pad, config, bestanden); !u) {
      Foutmelding(kb, kb.sessie.KasNaam + ".cfg (" + u.reden + ")", FoutNr::WegschrijvenMislukt,
                  HintNr::ProbeerOpnieuw);
      return FoutNr::WegschrijvenMislukt;
    }
  }
  RuimOp(kb, kHerstelpuntenBewaard, gemaakt);
  return {};
}

}  // namespace valdero
