#include "model/messages/BerichtOpmaak.h"

#include <algorithm>

namespace valdero {
namespace {

const std::array<BerichtKnop, 13> kKnoppen = {{
    {knop::Bij, "Bij", "&Bij", antwoord::Ja},
    {knop::Af, "Af", "&Af", antwoord::Nee},
    {knop::Ja, "Ja", "&Ja", antwoord::Ja},
    {knop::Nee, "Nee", "&Nee", antwoord::Nee},
    {knop::OK, "OK", "OK", antwoord::OK},
    {knop::Schrap, "Schrap", "Schrap", antwoord::Schrap},
    {knop::Breek, "Breek", "&Afbreken", antwoord::Afbreken},
    {knop::Opnieuw, "Opnieuw", "&Opnieuw", antwoord::Opnieuw},
    {knop::Negeren, "Negeren", "&Negeer", antwoord::Negeer},
    {knop::Alles, "Alles", "&Alle", antwoord::Alle},
    {knop::AllesNee, "Alles Nee", "N&ee voor Alle", antwoord::NeeVoorAlle},
    {knop::AllesJa, "Alles Ja", "J&a voor Alle", antwoord::JaVoorAlle},
    {knop::Help, "Help", "&Help", 0},
}};

// Multiply then divide, rounded to the nearest pixel.
int MulDiv(int a, int b, int c) { return (a * b + c / 2) / c; }

int EersteAanwezig(int knoppen, std::initializer_list<int> kandidaten) {
  for (int k : kandidaten)
    if (knoppen & k) return k;
  return 0;
}

}  // namespace

const std::array<BerichtKnop, 13>& AlleBerichtKnoppen() { return kKnoppen; }

std::vector<BerichtKnop> KnoppenVan(int knoppen) {
  std::vector<BerichtKnop> v;
  for (const auto& k : kKnoppen)
    if (knoppen & k.bit) v.push_back(k);
  return v;
}

int StandaardKnop(int knoppen) {
  return EersteAanwezig(knoppen, {knop::OK, knop::Ja, knop::Af, knop::Opnieuw});
}

int AnnuleerKnop(int knoppen) { return EersteAanwezig(knoppen, {knop::Schrap, knop::Nee, knop::OK}); }

std::string BerichtTitel(BerichtSoort soort, const std::string& applicatieTitel) {
  switch (soort) {
    case BerichtSoort::Waarschuwing: return "Waarschuwing";
    case BerichtSoort::Fout: return "Fout";
    case BerichtSoort::Informatie: return "Informatie";
    case BerichtSoort::Bevestig: return "Bevestig";
    case BerichtSoort::Titel: break;
  }
  return applicatieTitel;
}

BerichtMaten MaatVoorFont(int cx, int cy) {
  return {MulDiv(8, cx, 4),  MulDiv(8, cy, 8),  MulDiv(10, cx, 4), MulDiv(10, cy, 8),
          MulDiv(50, cx, 4), MulDiv(14, cy, 8), MulDiv(4, cx, 4)};
}

BerichtIndeling DeelBerichtIn(const BerichtMaten& m, int tekstBreedte, int tekstHoogte,
                              bool metIcoon, int aantalKnoppen) {
  BerichtIndeling d;
  d.icoonX = m.margeX;
  d.icoonY = m.margeY;
  d.tekstX = m.margeX + (metIcoon ? kIcoonMaat + m.ruimteX : 0);
  d.tekstY = m.margeY;
  d.tekstBreedte = tekstBreedte;
  d.tekstHoogte = metIcoon ? std::max(tekstHoogte, kIcoonMaat) : tekstHoogte;
  const int blok = d.tekstX - m.margeX + tekstBreedte;
  const int rij = aantalKnoppen > 0 ? aantalKnoppen * m.knopBreedte + (aantalKnoppen - 1) * m.knopTussen : 0;
  d.breedte = std::max(blok, rij) + 2 * m.margeX;
  d.hoogte = d.tekstHoogte + m.ruimteY + m.knopHoogte + 2 * m.margeY;
  d.knoppenX = (d.breedte - rij) / 2;
  d.knoppenY = d.tekstY + d.tekstHoogte + m.ruimteY;
  return d;
}

std::string RegelEinden(const std::string& tekst) {
  std::string uit;
  uit.reserve(tekst.size());
  for (std::size_t i = 0; i < tekst.size(); ++i) {
    const char c = tekst[i];
    if (c == '\r' || c == '\n') {
      // A pair of different break characters is one break.
      const char volgende = i + 1 < tekst.size() ? tekst[i + 1] : '\0';
      if ((volgende == '\r' || volgende == '\n') && volgende != c) ++i;
      uit += '\n';
    } else {
      uit += c;
    }
  }
  return uit;
}

}  // namespace valdero
