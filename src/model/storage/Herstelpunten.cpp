#include "model/storage/Herstelpunten.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <system_error>

#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/storage/Bestanden.h"

namespace valdero {
namespace fs = std::filesystem;
namespace {

constexpr const char* kStempelVorm = "%04d%02d%02d-%02d%02d%02d";
constexpr std::size_t kStempelLengte = 15;  // yyyymmdd-hhmmss

fs::path EchtBoek(const Kasboek& kb) { return VolgVerwijzing(kb.Pad(kb.KasPad)); }

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

bool LeesStempel(const std::string& tekst, double& moment) {
  int j, m, d, u, mi, s;
  if (tekst.size() != kStempelLengte ||
      std::sscanf(tekst.c_str(), "%4d%2d%2d-%2d%2d%2d", &j, &m, &d, &u, &mi, &s) != 6 ||
      !GeldigeDatum(j, m, d) || u > 23 || mi > 59 || s > 59)
    return false;
  moment = MaakDatum(j, m, d) + (u * 3600 + mi * 60 + s) / 86400.0;
  return true;
}

std::int32_t TransactiesIn(const fs::path& boek) {
  std::ifstream in(boek, std::ios::binary);
  unsigned char kop[12] = {};
  if (!in.read(reinterpret_cast<char*>(kop), sizeof kop)) return 0;
  const std::int32_t maxKas = static_cast<std::int32_t>(
      kop[8] | (kop[9] << 8) | (kop[10] << 16) | (static_cast<std::uint32_t>(kop[11]) << 24));
  return std::max(maxKas, 0);
}

// Whether the restore point `punt` holds the book `boek`. A book last
// written before the point was made is the same without reading either: a
// save or any other write makes the book newer. Equal times prove nothing
// (the clock of the file system ticks coarsely), so those are compared.
bool ZelfdeInhoud(const fs::path& punt, const fs::path& boek) {
  std::error_code fout, f2;
  if (fs::file_size(punt, fout) != fs::file_size(boek, f2) || fout || f2) return false;
  if (fs::last_write_time(boek, fout) < fs::last_write_time(punt, f2) && !fout && !f2) return true;
  std::vector<std::uint8_t> x, y;
  const fs::path& a = punt;
  const fs::path& b = boek;
  return LeesBestand(a, x) && LeesBestand(b, y) && x == y;
}

fs::path MetExtensie(fs::path pad, const char* extensie) {
  pad.replace_extension(extensie);
  return pad;
}

void RuimOp(const Kasboek& kb, std::size_t bewaard) {
  const auto punten = Herstelpunten(kb);
  for (std::size_t i = bewaard; i < punten.size(); ++i) {
    std::error_code fout;
    fs::remove(punten[i].boek, fout);
    if (!punten[i].config.empty()) fs::remove(punten[i].config, fout);
  }
}

// Copies the book and configuration on disk into a new restore point.
bool KopieerNaarPunt(Kasboek& kb) {
  const fs::path boek = EchtBoek(kb);
  std::error_code fout;
  if (!fs::is_regular_file(boek, fout)) return false;
  for (const Herstelpunt& punt : Herstelpunten(kb))
    if (ZelfdeInhoud(punt.boek, boek)) return true;

  const fs::path map = HerstelMap(kb);
  fs::create_directories(map, fout);
  if (fout) return false;
  // A clock that stands still, or two opens within one second: the next
  // free second.
  double moment = kb.Nu();
  fs::path doel;
  for (int poging = 0; poging < 100; ++poging, moment += 1.0 / 86400) {
    doel = map / (kb.KasNaam + " " + Stempel(moment) + ".vdr");
    if (!fs::exists(doel, fout)) break;
  }
  // Real copies: a second name of the book would change with it if some
  // other program wrote into the book's file.
  Bestandssysteem& bestanden = BestandenVan(kb);
  if (!MaakKopie(boek, doel, bestanden, false)) return false;
  const fs::path config = VolgVerwijzing(kb.Pad(kb.KasNaam + ".cfg"));
  if (fs::is_regular_file(config, fout) &&
      !MaakKopie(config, MetExtensie(doel, ".cfg"), bestanden, false)) {
    fs::remove(doel, fout);
    return false;
  }
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
  const std::string begin = kb.KasNaam + " ";
  for (fs::directory_iterator it(map, fout), eind; !fout && it != eind; it.increment(fout)) {
    const fs::path& pad = it->path();
    const std::string naam = pad.stem().string();
    Herstelpunt punt;
    if (pad.extension() != ".vdr" || naam.rfind(begin, 0) != 0 ||
        !LeesStempel(naam.substr(begin.size()), punt.moment))
      continue;
    punt.boek = pad;
    if (std::error_code f; fs::is_regular_file(MetExtensie(pad, ".cfg"), f))
      punt.config = MetExtensie(pad, ".cfg");
    punt.transacties = TransactiesIn(pad);
    punten.push_back(punt);
  }
  std::sort(punten.begin(), punten.end(),
            [](const Herstelpunt& a, const Herstelpunt& b) { return a.moment > b.moment; });
  return punten;
}

bool MaakHerstelpunt(Kasboek& kb) {
  const bool gemaakt = KopieerNaarPunt(kb);
  RuimOp(kb, kHerstelpuntenBewaard);
  return gemaakt;
}

Status ZetHerstelpuntTerug(Kasboek& kb, const Herstelpunt& punt) {
  std::vector<std::uint8_t> boek, config;
  if (!LeesBestand(punt.boek, boek, BestandenVan(kb)) ||
      (!punt.config.empty() && !LeesBestand(punt.config, config, BestandenVan(kb)))) {
    Foutmelding(kb, punt.boek.filename().string(), FoutNr::InlezenMislukt, HintNr::ProbeerOpnieuw);
    return FoutNr::InlezenMislukt;
  }
  if (kb.AlleenLezen || !KopieerNaarPunt(kb)) {
    Foutmelding(kb, kb.KasPad + " (geen herstelpunt van gemaakt)", FoutNr::WegschrijvenMislukt,
                HintNr::ProbeerOpnieuw);
    return FoutNr::WegschrijvenMislukt;
  }
  Bestandssysteem& bestanden = BestandenVan(kb);
  if (const auto u = SchrijfAtomisch(EchtBoek(kb), boek, {}, bestanden); !u) {
    Foutmelding(kb, kb.KasPad + " (" + u.reden + ")", FoutNr::WegschrijvenMislukt,
                HintNr::ProbeerOpnieuw);
    return FoutNr::WegschrijvenMislukt;
  }
  if (!punt.config.empty()) {
    const fs::path pad = kb.Pad(kb.KasNaam + ".cfg");
    if (const auto u = SchrijfAtomisch(pad, config, {}, bestanden); !u) {
      Foutmelding(kb, kb.KasNaam + ".cfg (" + u.reden + ")", FoutNr::WegschrijvenMislukt,
                  HintNr::ProbeerOpnieuw);
      return FoutNr::WegschrijvenMislukt;
    }
  }
  RuimOp(kb, kHerstelpuntenBewaard);
  return {};
}

}  // namespace valdero
