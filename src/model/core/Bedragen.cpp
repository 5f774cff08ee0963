#include "model/core/Bedragen.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <limits>
#include <cstdio>

#include "model/core/Berichten.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"

namespace valdero {
namespace {

// A number as the conversion routines accept it: blanks around, a sign,
// digits with at most one decimal separator, an optional exponent.
bool ZetOm(const std::string& tekst, char decimaal, double& waarde) {
  std::size_t b = tekst.find_first_not_of(' ');
  if (b == std::string::npos) return false;
  const std::size_t e = tekst.find_last_not_of(' ');
  std::string s;
  bool cijfers = false;
  bool komma = false;
  std::size_t i = b;
  if (tekst[i] == '+' || tekst[i] == '-') s += tekst[i++];
  for (; i <= e; ++i) {
    const char c = tekst[i];
    if (c >= '0' && c <= '9') {
      s += c;
      cijfers = true;
    } else if (c == decimaal && !komma) {
      s += '.';
      komma = true;
    } else {
      break;
    }
  }
  if (!cijfers) return false;
  if (i <= e && (tekst[i] == 'e' || tekst[i] == 'E')) {
    s += 'e';
    ++i;
    if (i <= e && (tekst[i] == '+' || tekst[i] == '-')) s += tekst[i++];
    bool exponent = false;
    for (; i <= e && tekst[i] >= '0' && tekst[i] <= '9'; ++i) {
      s += tekst[i];
      exponent = true;
    }
    if (!exponent) return false;
  }
  if (i <= e) return false;
  const char* begin = s.data();
  if (*begin == '+') ++begin;
  const auto [ptr, ec] = std::from_chars(begin, s.data() + s.size(), waarde);
  return ec == std::errc() && ptr == s.data() + s.size() && std::isfinite(waarde);
}

// "%.*f" without printf for the usual amounts: a report writes one per row.
// The product with the power of ten is within a ten-thousandth of the exact
// decimal value below 10^12, so wherever its fraction lies clearly away from
// one half both round to the same whole number; near a half, and for larger
// or odd values, printf decides. Returns the length, 0 when not handled.
std::size_t SnelVast(double getal, int decimalen, char* buf) {
  static constexpr double kMacht[] = {1, 10, 100, 1000, 10000};
  if (decimalen < 0 || decimalen > 4 || !std::isfinite(getal)) return 0;
  const double a = std::fabs(getal) * kMacht[decimalen];
  if (!(a < 1e12)) return 0;
  const double heel = std::floor(a);
  const double rest = a - heel;
  if (std::fabs(rest - 0.5) < 1e-3) return 0;
  auto r = static_cast<std::uint64_t>(heel) + (rest > 0.5 ? 1 : 0);
  char omgekeerd[24];
  std::size_t n = 0;
  do {
    omgekeerd[n++] = static_cast<char>('0' + r % 10);
    r /= 10;
  } while (r != 0);
  while (n < static_cast<std::size_t>(decimalen) + 1) omgekeerd[n++] = '0';
  std::size_t len = 0;
  if (std::signbit(getal)) buf[len++] = '-';
  while (n > 0) {
    if (n == static_cast<std::size_t>(decimalen)) buf[len++] = '.';
    buf[len++] = omgekeerd[--n];
  }
  return len;
}

std::string Vast(double getal, int decimalen, char decimaal) {
  // Room for the largest double in fixed notation; written without the
  // process's locale, whose separator is not the book's.
  char buf[400];
  std::size_t len = SnelVast(getal, decimalen, buf);
  if (len == 0) {
    const auto [eind, fout] =
        std::to_chars(buf, buf + sizeof buf, getal, std::chars_format::fixed, std::clamp(decimalen, 0, 20));
    len = fout == std::errc() ? static_cast<std::size_t>(eind - buf) : 0;
  }
  std::string s(buf, len);
  if (s == "-0.00" || s == "-0") s.erase(0, 1);
  for (char& c : s)
    if (c == '.') c = decimaal;
  return s;
}

double KoersVan(const Kasboek& kb, int munt) {
  if (munt < 0 || munt >= static_cast<int>(kb.ValutaLijst.size())) return 0;
  return kb.ValutaLijst[static_cast<std::size_t>(munt)].Koers;
}

void VervangAnderTeken(const Kasboek& kb, std::string& tekst) {
  const auto p = tekst.find(kb.AnderTeken());
  if (p != std::string::npos) tekst[p] = kb.DecimaalTeken();
}

// The common part of reading a typed amount or number: an empty text is 0;
// without the decimal separator the first other separator takes its place
// (with a warning when asked), or two decimals are added; a text that is no
// number gives nothing.
std::optional<double> LeesGetalTekst(Kasboek& kb, std::string& tekst, bool waarschuw) {
  if (tekst.empty()) return 0.0;
  if (tekst.find(kb.DecimaalTeken()) == std::string::npos) {
    const auto p = tekst.find(kb.AnderTeken());
    if (p != std::string::npos) {
      tekst[p] = kb.DecimaalTeken();
      if (waarschuw)
        kb.berichten().BerichtDlg("Decimaalteken in " + tekst + " gewijzigd",
                                  BerichtSoort::Waarschuwing, knop::OK);
    } else {
      tekst += kb.DecimaalTeken();
      tekst += "00";
    }
  }
  double getal = 0;
  if (!ZetOm(tekst, kb.DecimaalTeken(), getal)) return std::nullopt;
  return getal;
}

}  // namespace

std::string Vandaag(const Kasboek& kb) { return DatumTekstLang(kb.Vandaag()); }

int DagenInJaar(int jaar) {
  return (jaar % 400 == 0 || (jaar % 4 == 0 && jaar % 100 != 0)) ? 366 : 365;
}

std::string GetalTekst(const Kasboek& kb, double getal, int decimalen) {
  return Vast(getal, decimalen, kb.DecimaalTeken());
}

std::string BedragTekst(Kasboek& kb, double bedrag) {
  const double koers = KoersVan(kb, kb.weergave.HulpMunt);
  if (koers == 0) {
    Foutmelding(kb, " Koers = 0 ", FoutNr::Geen, HintNr::CorrigeerValuta);
    return Vast(bedrag, 2, kb.DecimaalTeken());
  }
  return Vast(bedrag / koers, 2, kb.DecimaalTeken());
}

std::string BedragTekstIn(Kasboek& kb, int munt, double bedrag) {
  const double koers = KoersVan(kb, munt);
  if (koers == 0) {
    Foutmelding(kb, " Koers =0 ", FoutNr::Geen, HintNr::CorrigeerValuta);
    return Vast(bedrag, 2, kb.DecimaalTeken());
  }
  return Vast(bedrag / koers, 2, kb.DecimaalTeken());
}

std::optional<double> LeesBedrag(Kasboek& kb, std::string& tekst, bool waarschuw) {
  const auto getal = LeesGetalTekst(kb, tekst, waarschuw);
  if (!getal) return std::nullopt;
  const double koers = KoersVan(kb, kb.weergave.HulpMunt);
  return koers > 0 ? *getal * koers : *getal;
}

std::optional<double> LeesGetal(Kasboek& kb, std::string& tekst) { return LeesGetalTekst(kb, tekst, false); }

std::optional<float> LeesGetal4(Kasboek& kb, std::string& tekst) {
  if (tekst.empty()) return std::nullopt;
  if (tekst.find(kb.DecimaalTeken()) == std::string::npos) VervangAnderTeken(kb, tekst);
  double getal = 0;
  // A number beyond the four-byte range would be stored as infinity (a rate
  // of 1e70 makes every amount in that currency infinite): it is no number
  // this field can hold.
  if (!ZetOm(tekst, kb.DecimaalTeken(), getal) || std::fabs(getal) > std::numeric_limits<float>::max())
    return std::nullopt;
  return static_cast<float>(getal);
}

void MeldGeenGetal(Kasboek& kb, const std::string& tekst) {
  if (tekst.empty())
    Foutmelding(kb, "Bedrag=\"leeg\"", FoutNr::Geen, HintNr::CorrigeerBedrag);
  else
    Foutmelding(kb, "Getal " + tekst, FoutNr::GeenGeldigBedrag, HintNr::ProbeerOpnieuw);
}

bool DatumAanvullen(Kasboek& kb, std::string& tekst) {
  if (tekst.empty()) return true;
  const DatumDelen vandaag = SplitsDatum(kb.Vandaag());
  std::string s = tekst;
  if (s.find('-') == std::string::npos) {
    switch (s.size()) {
      case 1:
      case 2: {
        char maand[8];
        std::snprintf(maand, sizeof maand, "-%02d", vandaag.maand);
        s += maand;
        break;
      }
      case 4:
        s.insert(2, "-");
        break;
      case 6:
      case 8:
        s.insert(4, "-");
        s.insert(2, "-");
        break;
      default:
        break;
    }
  }
  const auto datum = LeesDatum(s, vandaag.jaar);
  if (!datum) {
    tekst = s;
    Foutmelding(kb, tekst, FoutNr::GeenGeldigeDatum, HintNr::ProbeerOpnieuw);
    return false;
  }
  tekst = DatumTekst(*datum);
  return true;
}

}  // namespace valdero
