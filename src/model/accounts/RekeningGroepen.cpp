#include "model/accounts/RekeningGroepen.h"
#include "model/core/Domein.h"

#include <algorithm>

#include "model/accounts/Lening.h"
#include "model/core/Datum.h"
#include "model/core/KasVolgorde.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/TekstHulp.h"
#include "model/groups/GroepRegels.h"

namespace valdero {
namespace {

TBudget MaakGroep(const std::string& kode, const std::string& naam, double budget,
                  const std::string& klasse) {
  TBudget g;
  g.Kode = Kap(kode, 4);
  g.Naam = Kap(naam, 32);
  g.Budget = budget;
  g.Klasse = klasse;
  return g;
}

double LeningBedrag(const Lening& lening) {
  return lening.VanInstantie && lening.Bedrag > 0 ? -lening.Bedrag : lening.Bedrag;
}

}  // namespace

void EnsureAccountGroup(Kasboek& kb, int positie, const Lening& lening) {
  if (!kb.GroepGelezen || positie < 1 || positie >= static_cast<int>(kb.RekLijst.size())) return;
  const TBank& rek = kb.RekLijst[static_cast<std::size_t>(positie)];
  if (rek.RekNr == kTransferRekening || rek.RekNrTekst == std::to_string(kTransferRekening)) return;
  if (kb.ZoekGroep(rek.RekNrTekst).has_value()) return;
  std::string klasse;
  if (rek.Soort == "BT")
    klasse = " C ";
  else if (rek.Soort == "BZ" || rek.Soort == "SP")
    klasse = " R ";
  else if (rek.Soort == kEffectenSoort)
    klasse = " E ";
  else if (rek.Soort == "LN")
    klasse = lening.VanInstantie ? " S " : " T ";
  kb.GroepLijst.push_back(MaakGroep(rek.RekNrTekst, "Saldo " + rek.Naam, 0, klasse));
  kb.GroepLijst.back().Nummer = kb.MaxGroep();
}

bool AddLoanGroups(Kasboek& kb, const Lening& lening) {
  const bool van = lening.VanInstantie;
  const TBudget nieuw[3] = {
      MaakGroep(lening.GroepKode, lening.Titel + "per" + DatumTekst(lening.Datum), LeningBedrag(lening),
                van ? " S" : " T"),
      MaakGroep(lening.GroepKode + "a", "Rente " + lening.Titel, 0, van ? " U " : " I "),
      MaakGroep(lening.GroepKode + "b", "Aflossing " + lening.Titel, 0, van ? " U " : " I "),
  };
  // The interest and repayment groups must be unique too: a second loan of
  // the same title would otherwise give two groups "Rente <title>".
  for (const TBudget& g : nieuw)
    if (!GroepUniek(kb, g, 0)) return false;
  if (!kb.GroepGelezen) return true;
  std::size_t p = kb.GroepLijst.size();
  for (std::size_t i = 1; i < kb.GroepLijst.size(); ++i) {
    if (VulLinks(kb.GroepLijst[i].Kode, 3) >= lening.GroepKode) {
      p = i;
      break;
    }
  }
  kb.GroepLijst.insert(kb.GroepLijst.begin() + static_cast<std::ptrdiff_t>(p), nieuw, nieuw + 3);
  HernummerGroepen(kb);
  return true;
}

void PostLoanBooking(Kasboek& kb, const Lening& lening) {
  TKas kas;
  kas.Index = kb.MaxKas() + 1;
  kas.RekNr = lening.RekNr;
  kas.VolgBlad = 1;
  kas.GroepKode = lening.GroepKode;
  kas.ActieKode = "DV";
  kas.Datum = lening.Datum;
  kas.Relatie = Kap(lening.Relatie, 32);
  kas.Bedrag = LeningBedrag(lening);
  kas.Omschrijving = "Saldo " + lening.Titel;
  kas.Munt = lening.Munt;
  kas.MuntKoers = 1.0f;  // what a reload would make of 0 anyway
  VoegKasIn(kb, std::move(kas));
}

bool DeleteAccount(Kasboek& kb, int positie, const BoekBewaarFunctie& bewaar) {
  if (positie < 1 || positie > kb.MaxRek()) return false;
  const TBank rek = kb.RekLijst[static_cast<std::size_t>(positie)];

  if (const auto g = kb.ZoekGroep(rek.RekNrTekst)) {
    SchrapMatrixRij(kb, *g);
    kb.GroepLijst.erase(kb.GroepLijst.begin() + *g);
    HernummerGroepen(kb);
  }

  const bool transactiesMee = Vraag(kb, "Alle transacties van deze rekening verwijderen?");
  // The account's column leaves the matrix with all of its amounts; the
  // account goes before the book is written, so the file never holds an
  // account whose transactions are gone.
  SchrapMatrixKolom(kb, positie);
  kb.RekLijst.erase(kb.RekLijst.begin() + positie);
  for (std::size_t i = 1; i < kb.RekLijst.size(); ++i) kb.RekLijst[i].Index = static_cast<int>(i);
  if (transactiesMee && kb.KasLijst.size() > 1) {
    const auto eerste = std::remove_if(kb.KasLijst.begin() + 1, kb.KasLijst.end(),
                                       [&](const TKas& k) { return k.RekNr == rek.RekNr; });
    const auto weg = static_cast<int>(kb.KasLijst.end() - eerste);
    kb.KasLijst.erase(eerste, kb.KasLijst.end());
    kb.HernummerKas();
    if (bewaar) bewaar(kb);
    if (weg > 0) Mededeling(kb, "Totaal " + std::to_string(weg) + " Kasrecord(s) verwijderd");
  }
  return true;
}

}  // namespace valdero
