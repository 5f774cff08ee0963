// Transfers between two accounts: the counter account's field and the two
// legs a transfer posts (the counter account's and, when asked, its own).

#include <cctype>

#include "model/bookings/BoekModi.h"
#include "model/bookings/BoekingModel.h"
#include "model/core/Domein.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/TekstHulp.h"
#include "model/core/TekstVorm.h"

namespace valdero {

bool BoekingModel::TegenRekVeld() {
  const std::string& tekst = velden[veld::TegenRek].tekst;
  const int f = modus::Familie(boekModus);
  if (f == 5 || f == 6) {
    if (tekst.empty()) return true;
    const int nr = RekeningUitTekst(tekst, kb.weergave.RekeningenOpNaam);
    if (!kb.ZoekRekening(nr)) {
      Foutmelding(kb, "RekeningNummer ", FoutNr::BestaatNiet, HintNr::CorrigeerRekening);
      return false;
    }
    if (nr != werk.TegenRek) {
      werk.TegenRek = nr;
      werk.TegenRekNr = Kap(Getrimd(tekst), 12);
    }
    onthoudTegenRek = werk.TegenRek;
    return true;
  }
  werk.TegenRek = 0;
  const std::string t = Getrimd(tekst);
  std::string uit = !t.empty() && t[0] == 'P' ? "P" : "";
  for (char c : t)
    if (std::isdigit(static_cast<unsigned char>(c)) && uit.size() < 12) uit += c;
  werk.TegenRekNr = uit;
  return true;
}

void BoekingModel::Overboeken() {
  // A transfer to the same account moves nothing.
  if (werk.RekNr == werk.TegenRek) return;
  const bool tegen = VoegBoekingToe(RegelSoort::Tegen);
  if (!Vraag(kb, "Wilt u ook overboeken naar tegenrekening")) return;
  const bool eigen = VoegBoekingToe(RegelSoort::Eigen);
  // Only claim both records when both were posted.
  if (tegen && eigen) Mededeling(kb, "Kasrecords van beide rekeningen gered");
}

// The legs of a transfer: the counter account's (Tegen) and the account's
// own (Eigen), both on the cross-posting group.
void BoekingModel::PasOverboekingToe(RegelSoort soort, TKas& kas) {
  const int m = boekModus;
  const int a = werk.RekNr, b = werk.TegenRek;
  const std::string naamA = RekeningNaam(a), naamB = RekeningNaam(b);
  auto opm = [&](const std::string& tekst) {
    if (!opmCheck) kas.Omschrijving = tekst;
  };
  if (soort == RegelSoort::Tegen) {
    kas.RekNr = b;
    kas.TegenRek = a;
    kas.VolgBlad = werk.TegenVolgBlad;
    kas.TegenVolgBlad = werk.VolgBlad;
    kas.GroepKode = kKruispostKode;
    kas.ActieKode = "OB";
    kas.Bedrag = -werk.Bedrag;
    opm((modus::Familie(m) == 6 ? "Overboeken van " : "Overboeken naar ") + naamA);
    kas.Relatie = Kap(naamA, 32);
    return;
  }
  kas.GroepKode = kKruispostKode;
  kas.ActieKode = "OB";
  opm((modus::Familie(m) == 5 ? "Overboeken van " : "Overboeken naar ") + naamB);
  kas.Relatie = Kap(naamA, 32);
}

}  // namespace valdero
