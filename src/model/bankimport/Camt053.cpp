// CAMT.053 (ISO 20022 bank-to-customer statement), versions .001.02 to
// .001.08: the elements are read by local name, so every version and prefix
// reads alike.
#include <algorithm>
#include <map>

#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/BankImport.h"
#include "model/bankimport/BankLezer.h"
#include "model/bankimport/HuidigeFormaten.h"
#include "model/bankimport/KleineXml.h"
#include "model/bankimport/Omschrijvingen.h"
#include "model/bankimport/RekeningHerkenning.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/TekstHulp.h"

namespace valdero {
namespace {

std::string Datum(const XmlElement* el) {
  if (!el) return {};
  if (const XmlElement* dt = el->Kind("Dt")) return dt->tekst;
  if (const XmlElement* tm = el->Kind("DtTm")) return tm->tekst.substr(0, 10);
  return {};
}

const XmlElement* Partij(const XmlElement* pties, const char* rol) {
  return pties ? pties->Kind(rol) : nullptr;
}

std::string PartijNaam(const XmlElement* partij) {
  if (!partij) return {};
  if (const XmlElement* nm = partij->Kind("Nm")) return nm->tekst;
  return partij->TekstOp("Pty/Nm");
}

std::string Ustrd(const XmlElement* tx) {
  if (!tx) return {};
  const XmlElement* rmt = tx->Kind("RmtInf");
  if (!rmt) return {};
  std::string uit;
  for (const XmlElement* u : rmt->Kinderen("Ustrd")) {
    if (u->tekst.empty()) continue;
    if (!uit.empty()) uit += ' ';
    uit += u->tekst;
  }
  return uit;
}

// The payment reference of a structured remittance (the Dutch
// betalingskenmerk, or an RF creditor reference); version .02 of some banks
// names it CdtrRef.
std::string Kenmerk(const XmlElement* tx) {
  if (!tx) return {};
  const XmlElement* rmt = tx->Kind("RmtInf");
  if (!rmt) return {};
  for (const XmlElement* strd : rmt->Kinderen("Strd")) {
    for (const char* pad : {"CdtrRefInf/Ref", "CdtrRefInf/CdtrRef"}) {
      const std::string ref = strd->TekstOp(pad);
      if (!ref.empty()) return ref;
    }
    const std::string info = strd->TekstOp("AddtlRmtInf");
    if (!info.empty()) return info;
  }
  return {};
}

bool ZelfdeRekening(const std::string& a, const std::string& b) {
  return !a.empty() && ReduceerRekeningNummer(a) == ReduceerRekeningNummer(b);
}

// An account is given as IBAN or, outside the IBAN countries and at some
// banks for savings, as another identification.
std::string RekeningId(const XmlElement* acct) {
  if (!acct) return {};
  const std::string iban = acct->TekstOp("Id/IBAN");
  return iban.empty() ? acct->TekstOp("Id/Othr/Id") : iban;
}

std::string TxAmt(const XmlElement* tx) {
  if (const XmlElement* a = tx->Pad("AmtDtls/TxAmt/Amt")) return a->tekst;
  if (const XmlElement* a = tx->Kind("Amt")) return a->tekst;
  return {};
}

const XmlElement* TxAmtElement(const XmlElement* tx) {
  if (const XmlElement* a = tx->Pad("AmtDtls/TxAmt/Amt")) return a;
  return tx->Kind("Amt");
}

class CamtLezer : public BankLezer {
 public:
  int Formaat() const override { return bankformaat::Camt053; }

  bool Herkent(const std::vector<std::string>& regels) const override {
    for (std::size_t i = 0; i < regels.size() && i < 20; ++i)
      if (regels[i].find("camt.053") != std::string::npos || regels[i].find("BkToCstmrStmt") != std::string::npos)
        return true;
    return false;
  }

  void Lees(BankImport& run) const override {
    std::string tekst;
    for (const auto& r : run.Regels()) tekst += r + "\n";
    const auto doc = LeesXml(tekst);
    const XmlElement* bericht = doc ? doc->Kind("BkToCstmrStmt") : nullptr;
    if (doc && !bericht && doc->naam == "BkToCstmrStmt") bericht = doc.get();
    if (!bericht) {
      run.ZetFout(importfout::Onverwacht);
      Foutmelding(run.kb(), run.BankBestand(), FoutNr::VerkeerdFormaat, HintNr::ControleerBestandNaam);
      return;
    }
    // The file is one tree: its lines are read as its entries are, in
    // proportion.
    std::size_t boekingen = 0, gedaan = 0;
    for (const XmlElement* stmt : bericht->Kinderen("Stmt")) boekingen += stmt->Kinderen("Ntry").size();
    const std::size_t regels = run.Regels().size();
    int volgnr = 0;
    for (const XmlElement* stmt : bericht->Kinderen("Stmt")) {
      const std::string eigen = RekeningId(stmt->Kind("Acct"));
      SaldoAfschrift saldi;
      for (const XmlElement* bal : stmt->Kinderen("Bal")) {
        const std::string kode = bal->TekstOp("Tp/CdOrPrtry/Cd");
        double bedrag = run.VastGetal(bal->TekstOp("Amt"), '.');
        if (bal->TekstOp("CdtDbtInd") == "DBIT") bedrag = -bedrag;
        if (kode == "OPBD" || (kode == "PRCD" && !saldi.begin)) saldi.begin = bedrag;
        if (kode == "CLBD") saldi.eind = bedrag;
      }
      for (const XmlElement* ntry : stmt->Kinderen("Ntry")) {
        run.Gelezen(regels * gedaan++ / std::max<std::size_t>(boekingen, 1));
        const XmlElement* details = ntry->Kind("NtryDtls");
        std::vector<const XmlElement*> txs = details ? details->Kinderen("TxDtls") : std::vector<const XmlElement*>{};
        bool perTx = txs.size() > 1;
        for (const XmlElement* tx : txs)
          if (TxAmt(tx).empty()) perTx = false;
        if (perTx) {
          for (const XmlElement* tx : txs) Regel(run, saldi, volgnr++, eigen, ntry, tx, true);
        } else {
          Regel(run, saldi, volgnr++, eigen, ntry, txs.empty() ? nullptr : txs.front(), false);
        }
        if (run.Afgebroken()) break;
      }
      run.Saldi(std::move(saldi));
      if (run.Afgebroken()) break;
    }
  }

 private:
  static void Regel(BankImport& run, SaldoAfschrift& saldi, int volgnr, const std::string& eigen,
                    const XmlElement* ntry, const XmlElement* tx, bool txBedrag) {
    TNewKas& k = run.NieuweRegel(volgnr);
    run.EigenRekening(k, eigen, true);
    const XmlElement* amt = txBedrag ? TxAmtElement(tx) : ntry->Kind("Amt");
    k.Bedrag = run.VastGetal(amt ? amt->tekst : std::string(), '.');
    std::string teken = ntry->TekstOp("CdtDbtInd");
    if (txBedrag && !tx->TekstOp("CdtDbtInd").empty()) teken = tx->TekstOp("CdtDbtInd");
    const bool debet = teken == "DBIT";
    if (debet) k.Bedrag = -k.Bedrag;
    k.BoekSoort = debet ? importsoort::Af : importsoort::Bij;
    k.Munt = run.Munt(amt ? amt->Attribuut("Ccy") : std::string());
    run.DatumIso(Datum(ntry->Kind("BookgDt")), k.Datum);
    const std::string valuta = Datum(ntry->Kind("ValDt"));
    if (!valuta.empty()) run.DatumIso(valuta, k.PayDate);
    else k.PayDate = k.Datum;

    const XmlElement* bron = tx && tx->Kind("BkTxCd") ? tx : ntry;
    k.ActieKode = ActieKodeVanCamt(bron->TekstOp("BkTxCd/Domn/Fmly/Cd"), bron->TekstOp("BkTxCd/Domn/Fmly/SubFmlyCd"));

    // The counter party is the creditor of a debit and the debtor of a
    // credit; a reversal (a direct debit paid back) keeps the roles of the
    // payment it undoes, so the party holding the own account is never it.
    const XmlElement* pties = tx ? tx->Kind("RltdPties") : nullptr;
    bool crediteur = debet;
    if (pties && !eigen.empty()) {
      const std::string gekozen = RekeningId(pties->Kind(crediteur ? "CdtrAcct" : "DbtrAcct"));
      const std::string ander = RekeningId(pties->Kind(crediteur ? "DbtrAcct" : "CdtrAcct"));
      if (ZelfdeRekening(gekozen, eigen) && !ander.empty() && !ZelfdeRekening(ander, eigen))
        crediteur = !crediteur;
    }
    k.Relatie = Kap(PartijNaam(Partij(pties, crediteur ? "Cdtr" : "Dbtr")), 32);
    const std::string tegen = pties ? RekeningId(pties->Kind(crediteur ? "CdtrAcct" : "DbtrAcct")) : std::string();
    if (!tegen.empty()) run.TegenRekening(k, tegen);

    std::string omschrijving = Ustrd(tx);
    if (omschrijving.empty()) omschrijving = Kenmerk(tx);
    if (omschrijving.empty() && tx) omschrijving = tx->TekstOp("AddtlTxInf");
    if (omschrijving.empty()) omschrijving = ntry->TekstOp("AddtlNtryInf");
    k.Omschrijving = Kap(omschrijving, 255);
    saldi.regels.push_back({volgnr + 1, k.Datum, k.Bedrag, std::nullopt, std::nullopt});
  }
};

}  // namespace

const BankLezer& CamtLezerInstantie() {
  static const CamtLezer lezer;
  return lezer;
}

}  // namespace valdero
