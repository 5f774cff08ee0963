// The grid above the entry panel: the working account's transactions or the
// balances of all accounts (the items of a split booking in SplitBoeking.cpp).

#include <algorithm>
#include <cstdint>

#include "model/bookings/BoekingModel.h"
#include "model/core/Domein.h"
#include "model/core/Bedragen.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/TekstHulp.h"
#include "model/core/Voortgang.h"

namespace valdero {
namespace {

std::vector<std::string> Kop(const std::string& tekst) {
  std::vector<std::string> uit;
  std::size_t begin = 0;
  for (;;) {
    const auto komma = tekst.find(',', begin);
    uit.push_back(tekst.substr(begin, komma - begin));
    if (komma == std::string::npos) return uit;
    begin = komma + 1;
  }
}

}  // namespace

void BoekingModel::TekenGrid() {
  grid = {};
  // A hidden grid is filled when it is shown: an account's rows on a large
  // book would otherwise cost every posting the formatting of all of them.
  if (!gridZichtbaar) return;
  switch (gridModus) {
    case 1: GridSaldi(); break;
    case 2: GridSplit(); break;
    default: GridRekening(); break;
  }
}

void BoekingModel::GridRegels(const std::vector<const TKas*>& regels) {
  const bool metBtw = gridModus == 0 && kb.BtwActief;
  grid.kop = Kop(metBtw ? "VolgNr,Kode,Datum,Relatie,Bij, Af,BTW,Saldo"
                        : "VolgNr,Kode,Datum,Relatie,Bij, Af,Saldo");
  grid.breedtes = metBtw ? std::vector<int>{42, 38, 66, 126, 80, 80, 50, 80}
                         : std::vector<int>{42, 38, 66, 126, 80, 80, 80};
  double saldo = 0, btwTotaal = 0;
  std::string vorigeDatum;
  // An account of a large year has tens of thousands of rows: more than a
  // frame's work, so it says how far it has come.
  VoortgangMelder melder(kb.voortgang(), "Rekening tonen", regels.size());
  std::uint64_t gedaan = 0;
  for (const TKas* k : regels) {
    melder.Stap(++gedaan);
    std::vector<std::string> rij = {std::to_string(k->Volgnr()), k->GroepKode,
                                    DatumTekst(k->Datum), k->Relatie};
    if (k->Bedrag >= 0) {
      rij.push_back(BedragTekst(kb, k->Bedrag));
      rij.push_back("");
    } else {
      rij.push_back("");
      rij.push_back("-" + BedragTekst(kb, -k->Bedrag));
    }
    saldo += k->Bedrag;
    if (metBtw) {
      const double deel = BtwDeel(k->Bedrag, BtwVanGroep(kb, k->GroepKode).Percentage());
      btwTotaal += deel;
      rij.push_back(BedragTekst(kb, deel));
    }
    rij.push_back(BedragTekst(kb, saldo));
    vorigeDatum = rij[2];
    grid.rijen.push_back(std::move(rij));
  }
  const std::string munt =
      kb.weergave.HulpMunt >= 0 && kb.weergave.HulpMunt < static_cast<int>(kb.ValutaLijst.size())
          ? kb.ValutaLijst[static_cast<std::size_t>(kb.weergave.HulpMunt)].Kode
          : std::string();
  std::vector<std::string> slot = {"", "", vorigeDatum, "", munt, "Eindsaldo : "};
  if (metBtw) slot.push_back(BedragTekst(kb, btwTotaal));
  slot.push_back(BedragTekst(kb, saldo));
  grid.rijen.push_back(std::move(slot));
  grid.huidigeRij = static_cast<int>(grid.rijen.size()) - 1;
}

void BoekingModel::GridRekening() {
  const auto a = kb.ZoekRekening(werk.RekNr);
  const std::string naam = a ? kb.RekLijst[static_cast<std::size_t>(*a)].Naam : "";
  grid.label = "Nummer :" + std::to_string(werk.RekNr) + " Rekening : " + naam +
               "  Jaar: " + kb.KasJaar;
  std::vector<const TKas*> regels;
  for (std::size_t i = 1; i < kb.KasLijst.size(); ++i)
    if (kb.KasLijst[i].RekNr == werk.RekNr) regels.push_back(&kb.KasLijst[i]);
  GridRegels(regels);
}

void BoekingModel::GridSaldi() {
  grid.label = Kap("ValDero Rekeningen Saldi             Jaar: " + kb.KasJaar, 47);
  grid.kop = Kop("Nummer,Naam,---,---, Saldo");
  grid.breedtes = {66, 210, 40, 40, 96};
  for (int a = 1; a <= kb.MaxRek() && a < static_cast<int>(kb.RekLijst.size()); ++a) {
    const TBank& b = kb.RekLijst[static_cast<std::size_t>(a)];
    if (b.Naam.empty() || b.RekNr == kTransferRekening) {
      grid.rijen.push_back({"", "", "", "", ""});
      continue;
    }
    grid.rijen.push_back({b.RekNrTekst, b.Naam, "", "", NieuwSaldo(b.RekNr, 0).second});
  }
  grid.huidigeRij = std::max(0, kb.ZoekRekening(werk.RekNr).value_or(0) - 1);
}

}  // namespace valdero
