#include "model/core/AfdrukMaten.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/Printer.h"

namespace valdero {
namespace {

// The text whose width, over 40, gives the average character width.
constexpr const char* kMeetTekst = "AbCdEfGhIjKlMnOpQrStUvWxYz0123456789.,!/";
constexpr double kRegelPerFontHoogte = 1.2;

}  // namespace

AfdrukMaten MeetAfdruk(const Kasboek& kb, const Printer& printer) {
  const TConfig& c = kb.Config;
  AfdrukMaten m;
  m.marge = std::max(0, c.LinkerMarge);
  m.boven = std::max(0, c.TopMarge);
  // A configuration made on a printer of another resolution, or with a
  // smaller font, would put the lines over each other.
  const int eigen = static_cast<int>(std::lround(std::abs(printer.TekstHoogte(kMeetTekst) * kRegelPerFontHoogte)));
  m.regel = std::max({1, c.RegelHoogte, eigen});
  m.teken = std::max(1, printer.TekstBreedte(kMeetTekst) / 40 + 1);
  // A bottom margin that leaves no room still lets one line per page through.
  m.onderkant = std::max(m.boven + m.regel, printer.PaginaHoogte() - std::max(0, c.BodemMarge));
  return m;
}

std::vector<int> VerdeelBreedtes(const std::vector<int>& breedtes, const std::vector<int>& nodig,
                                 const std::vector<bool>& heel, int ruimte, bool tekstGroeit) {
  const std::size_t n = breedtes.size();
  auto som = [](const std::vector<int>& v) { return std::accumulate(v.begin(), v.end(), 0L); };
  auto isHeel = [&heel](std::size_t k) { return k < heel.size() && heel[k]; };
  std::vector<int> alles = breedtes;
  for (std::size_t k = 0; k < n && k < nodig.size(); ++k) alles[k] = std::max(breedtes[k], nodig[k]);
  if (tekstGroeit && som(alles) <= ruimte) return alles;
  std::vector<int> w = breedtes;
  for (std::size_t k = 0; k < n && k < nodig.size(); ++k)
    if (isHeel(k)) w[k] = alles[k];
  long tekort = som(w) - ruimte;
  if (tekort <= 0) return w;
  std::vector<std::size_t> volgorde;
  for (std::size_t k = 0; k < n; ++k)
    if (!isHeel(k)) volgorde.push_back(k);
  std::stable_sort(volgorde.begin(), volgorde.end(), [&w](std::size_t a, std::size_t b) { return w[a] > w[b]; });
  for (std::size_t k : volgorde) {
    const long neem = std::min<long>(tekort, w[k] / 2);
    w[k] -= static_cast<int>(neem);
    tekort -= neem;
    if (tekort <= 0) return w;
  }
  return breedtes;
}

void MeldAfdrukMislukt(Kasboek& kb) {
  kb.berichten().BerichtDlg("Afdrukken niet gelukt", BerichtSoort::Fout, knop::OK);
}

}  // namespace valdero
