#include "model/core/Datum.h"
#include "model/core/TekstVorm.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace valdero {
namespace {

// Days from 1-1-1970 to a civil date and back (proleptic Gregorian).
long DagenVanafEpoch(long j, long m, long d) {
  j -= m <= 2;
  const long era = (j >= 0 ? j : j - 399) / 400;
  const long yoe = j - era * 400;
  const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

DatumDelen DatumVanEpoch(long z) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  const long d = doy - (153 * mp + 2) / 5 + 1;
  const long m = mp + (mp < 10 ? 3 : -9);
  const long j = yoe + era * 400 + (m <= 2);
  return {static_cast<int>(j), static_cast<int>(m), static_cast<int>(d)};
}

// TDateTime day 0 is 30-12-1899, which is 25569 days before 1-1-1970.
constexpr long kEpochVerschil = 25569;

bool LeesGetalDeel(const std::string& s, int& waarde, int& cijfers) {
  if (s.empty() || s.size() > 4) return false;
  waarde = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    waarde = waarde * 10 + (c - '0');
  }
  cijfers = static_cast<int>(s.size());
  return true;
}

}  // namespace

bool GeldigeDatum(int jaar, int maand, int dag) {
  if (jaar < 1 || jaar > 9999 || maand < 1 || maand > 12 || dag < 1) return false;
  static const int lengte[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool schrikkel = (jaar % 4 == 0 && jaar % 100 != 0) || jaar % 400 == 0;
  return dag <= lengte[maand - 1] + (maand == 2 && schrikkel ? 1 : 0);
}

double MaakDatum(int jaar, int maand, int dag) {
  return static_cast<double>(DagenVanafEpoch(jaar, maand, dag) + kEpochVerschil);
}

DatumDelen SplitsDatum(double datum) {
  // A day number no calendar date has (NaN, 1e300 from a damaged record)
  // cannot be cast to an integer; it shows as day 0 rather than as a year
  // that does not exist. The book reader refuses such records.
  static const double kEerste = MaakDatum(1, 1, 1);
  static const double kLaatste = MaakDatum(9999, 12, 31);
  if (!(datum >= kEerste && datum < kLaatste + 1)) return {};
  return DatumVanEpoch(static_cast<long>(std::floor(datum)) - kEpochVerschil);
}

int JaarVan(double datum) { return SplitsDatum(datum).jaar; }

std::string DatumTekst(double datum) {
  const DatumDelen d = SplitsDatum(datum);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%d-%d-%04d", d.dag, d.maand, d.jaar);
  return buf;
}

std::string DatumTekstLang(double datum) {
  const DatumDelen d = SplitsDatum(datum);
  // Written by hand for the usual years: reports write one date per row.
  if (d.jaar >= 0 && d.jaar <= 9999) {
    const char tekst[10] = {static_cast<char>('0' + d.dag / 10),   static_cast<char>('0' + d.dag % 10),  '-',
                            static_cast<char>('0' + d.maand / 10), static_cast<char>('0' + d.maand % 10), '-',
                            static_cast<char>('0' + d.jaar / 1000), static_cast<char>('0' + d.jaar / 100 % 10),
                            static_cast<char>('0' + d.jaar / 10 % 10), static_cast<char>('0' + d.jaar % 10)};
    return std::string(tekst, sizeof tekst);
  }
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", d.dag, d.maand, d.jaar);
  return buf;
}

std::string TijdTekst(double moment) {
  const double fractie = moment - std::floor(moment);
  int seconden = static_cast<int>(std::lround(fractie * 86400.0));
  if (seconden >= 86400) seconden = 86399;
  char buf[16];
  std::snprintf(buf, sizeof buf, "%d:%02d:%02d", seconden / 3600, (seconden / 60) % 60,
                seconden % 60);
  return buf;
}

std::optional<double> LeesDatum(const std::string& tekst, int jaar) {
  std::vector<std::string> delen;
  std::string deel;
  for (char c : Getrimd(tekst)) {
    if (c == '-') {
      delen.push_back(deel);
      deel.clear();
    } else {
      deel += c;
    }
  }
  delen.push_back(deel);
  if (delen.size() < 2 || delen.size() > 3) return std::nullopt;

  int dag, maand, j = jaar, cijfers;
  if (!LeesGetalDeel(delen[0], dag, cijfers) || !LeesGetalDeel(delen[1], maand, cijfers))
    return std::nullopt;
  if (delen.size() == 3) {
    if (!LeesGetalDeel(delen[2], j, cijfers)) return std::nullopt;
    if (cijfers <= 2) {
      j += jaar / 100 * 100;
      if (j < jaar - 50) j += 100;
    }
  }
  if (!GeldigeDatum(j, maand, dag)) return std::nullopt;
  return MaakDatum(j, maand, dag);
}

}  // namespace valdero
