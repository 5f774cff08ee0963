#include <array>
#include <filesystem>

#include "model/accounts/RekeningDialoog.h"
#include "model/core/Domein.h"
#include "model/storage/BoekBestand.h"
#include "model/lifecycle/BoekMomentopname.h"
#include "model/storage/ConfigBestand.h"
#include "model/core/Kasboek.h"
#include "model/lifecycle/Levensloop.h"
#include "model/core/Meldingen.h"
#include "model/core/TekstHulp.h"

namespace valdero {
namespace {

struct StandaardGroep {
  int nummer;
  const char* kode;
  const char* naam;
  const char* klasse;
};

// The groups every brand-new book starts with. "220" appears three times on
// purpose: lookups by code find the first.
constexpr std::array<StandaardGroep, 31> kStandaardGroepen = {{
    {2, "201", "Kas1", " U "},
    {3, "202", "Kas2", " U "},
    {4, "210", "Inkomen1, Bruto", " I "},
    {5, "210a", "Inkomen1a Belasting", " B "},
    {6, "210b", "Inkomen1b Soc.Wett.", " L "},
    {7, "220", "Inkomen2, Bruto", " I "},
    {8, "220", "Inkomen2a Belasting", " B "},
    {9, "220", "Inkomen2b Soc.Wett.", " L "},
    {10, "230", "Salaris1, Netto", " I "},
    {11, "240", "Salaris2, Netto", " I "},
    {12, "300", "Levensonderhoud", " U "},
    {13, "400", "Huis algemeen", " U "},
    {14, "410", "Huis huur", " V "},
    {15, "420", "Huis Verzekering", " L "},
    {16, "430", "Hypotheek", " V "},
    {17, "430a", "Hypotheek Rente ", " V "},
    {18, "430b", "Hypotheek Afloss", " V "},
    {19, "450", "Kleding, schoeisel", " U "},
    {20, "460", "Electra Gas ", " L "},
    {21, "470", "Water", " L "},
    {22, "480", "Medische kosten", " L "},
    {23, "500", "Telefoon etc.", " U "},
    {24, "510", "Auto beurt,benzine", " U "},
    {25, "520", "Auto verzekering", " V "},
    {26, "530", "Krant,Bladen ", " U "},
    {27, "540", "Boeken, Apparaten ", " U "},
    {28, "550", "Meubelen, Huisraad", " U "},
    {29, "560", "Hobbies, Sport", " U "},
    {30, "570", "Reizen werk", " U "},
    {31, "580", "Vakantie", " U "},
    {32, "600", "Diversen", " U "},
}};

constexpr const char* kNieuwBoekUitleg =
    "Er is nu één rekening gemaakt en 32 groepen of rubrieken: \rEen bankgroep van rekening 1 een "
    "dertigtal bruikbare groepen \ren een z.g. Kruiskodegroep voor hetdoen van overboekingen.\rU "
    "kunt straks zelf andere rekeningen en/of groepen  toevoegen.\rEerst wordt dit nieuwe Valdero "
    "gered onder een eigen naam \rDeze bestandsnaam moet u nog kiezen\rVoorzie deze naam van het "
    "Boekjaar in twee cijfers\rOpen daarna de Rekening- en/of Budgetlijst opnieuw via het menu "
    "Bestand";

TBudget Groep(int nummer, const std::string& kode, const std::string& naam, const std::string& klasse) {
  TBudget g;
  g.Nummer = nummer;
  g.Kode = kode;
  g.Naam = Kap(naam, 32);
  g.Budget = 0;
  g.Klasse = klasse;
  return g;
}

}  // namespace

void MaakStandaardGroepen(Kasboek& kb) {
  kb.FormaatVlag = true;
  kb.GroepLijst.clear();
  // The header's name stays empty: its character bytes carry the password.
  kb.GroepLijst.push_back(Groep(0, "-1", "", " C "));
  for (int i = 1; i <= kb.MaxRek(); ++i) {
    const TBank& rek = kb.RekLijst[static_cast<std::size_t>(i)];
    kb.GroepLijst.push_back(Groep(i, rek.RekNrTekst, "Saldo " + rek.Naam, " C "));
  }
  for (const auto& g : kStandaardGroepen) kb.GroepLijst.push_back(Groep(g.nummer, g.kode, g.naam, g.klasse));
  kb.GroepLijst.push_back(Groep(0, kKruispostKode, kKruispostNaam, " - "));
  kb.weergave.GroepenOpNaam = true;
  kb.Config.Vlaggen |= vlag::GroepenOpNaam;
}

void Levensloop::NieuwBoek() {
  kb_.MuntOmzetten = false;
  std::error_code fout;
  const bool bestaat = !kb_.sessie.KasPad.empty() && kb_.sessie.KasPad != "*.vdr" &&
                       std::filesystem::is_regular_file(kb_.Pad(kb_.sessie.KasPad), fout);
  if (bestaat && Vraag(kb_, "Valdero file van dit jaar gebruiken"))
    NieuwJaar();
  else
    MaakLeegBoek();
}

void Levensloop::MaakLeegBoek() {
  const BoekMomentopname voor(kb_);
  // Without a configuration the dialog would have no kinds to offer.
  if (kb_.SoortLijst.empty() || kb_.ValutaLijst.empty()) StandaardConfig(kb_);
  if (kb_.SoortKodes.empty()) VerzamelSoortKodes(kb_);

  TBank kop;
  kop.Naam = kb_.KasJaar;
  kop.RekNrTekst = "0";
  kb_.RekLijst.assign(1, kop);
  kb_.weergave.RekeningenOpNaam = true;
  kb_.Config.Vlaggen |= vlag::RekeningenOpNaam;
  kb_.KasLijst.assign(1, TKas{});
  // A brand-new book is nobody's yet: not protected by the open book's
  // password and without its relations (addresses, IBANs, phone numbers).
  kb_.RelatieLijst.clear();
  kb_.RelatiesAanwezig = false;
  kb_.Wachtwoord = kGeenWachtwoord;
  // A new book starts unencrypted, whatever the book before it was.
  kb_.Sleutel.reset();
  kb_.RekGelezen = false;
  kb_.GroepGelezen = false;

  rekeningDialoog_.NewAccount(1, "");
  if (kb_.MaxRek() == 0) {
    // No account: the book that was open stays open, untouched.
    voor.Herstel(kb_);
    return;
  }
  venster_.NieuweRekeningGemaakt();
  MaakStandaardGroepen(kb_);
  kb_.RekGelezen = kb_.GroepGelezen = kb_.KasGelezen = true;
  Mededeling(kb_, kNieuwBoekUitleg);
  venster_.NieuweGroepenGemaakt();

  const bool bewaard = BewaarBoek(kb_, true).Gelukt();
  StandaardConfig(kb_);
  kb_.weergave.HulpMunt = kb_.BasisMunt;
  if (bewaard) {
    static_cast<void>(SchrijfConfig(kb_));
  } else {
    // Not saved: the new book must not be written over the file of the book
    // that was open before; the next Save asks for a name.
    kb_.sessie.KasPad = "*.vdr";
    kb_.sessie.KasNaam.clear();
  }
  venster_.VernieuwHoofdvenster();
}

}  // namespace valdero
