// OFX bank and credit-card statements, version 1 (SGML) and 2 (XML). Both are
// brought to XML and read by the XML reader the CAMT.053 statements use; a
// file may hold the statements of several accounts, each with its own
// account number.
#include <algorithm>

#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/BankImport.h"
#include "model/bankimport/BankLezer.h"
#include "model/bankimport/BankTekst.h"
#include "model/bankimport/HistorieFormaten.h"
#include "model/bankimport/KleineXml.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/TekstHulp.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

bool IsWit(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsNaamTeken(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '#';
}

// Text of a field with every "&" that starts no entity XML knows escaped:
// SGML files write a bare "&" in names ("Jansen & Zn").
void SchrijfTekst(std::string& uit, std::string_view tekst) {
  for (std::size_t i = 0; i < tekst.size(); ++i) {
    if (tekst[i] != '&') {
      uit += tekst[i];
      continue;
    }
    std::size_t j = i + 1;
    while (j < tekst.size() && j - i <= 10 && IsNaamTeken(tekst[j])) ++j;
    const std::string_view naam = tekst.substr(i + 1, j - i - 1);
    const bool entiteit = j < tekst.size() && tekst[j] == ';' &&
                          (naam == "amp" || naam == "lt" || naam == "gt" || naam == "quot" || naam == "apos" ||
                           (naam.size() > 1 && naam[0] == '#'));
    uit += entiteit ? "&" : "&amp;";
  }
}

// OFX transaction types to the bank's two-letter codes of the booking window.
std::string ActieKodeVanOfx(const std::string& soort) {
  static const std::pair<const char*, const char*> codes[] = {
      {"CREDIT", "BY"},    {"DEP", "BY"},         {"DIRECTDEP", "BY"},  {"DEBIT", "AF"},    {"INT", "RE"},
      {"DIV", "RE"},       {"FEE", "DA"},         {"SRVCHG", "DA"},     {"ATM", "GA"},      {"CASH", "GA"},
      {"POS", "BA"},       {"XFER", "OV"},        {"CHECK", "CH"},      {"PAYMENT", "EO"},  {"DIRECTDEBIT", "IC"},
      {"REPEATPMT", "PB"}, {"OTHER", "DV"}};
  for (const auto& [ofx, kode] : codes)
    if (soort == ofx) return kode;
  return "DV";
}

// The statements of every account in the file, bank and card alike.
void ZoekAfschriften(const XmlElement& el, std::vector<const XmlElement*>& uit) {
  for (const auto& kind : el.kinderen) {
    if (kind->naam == "STMTRS" || kind->naam == "CCSTMTRS") {
      uit.push_back(kind.get());
    } else {
      ZoekAfschriften(*kind, uit);
    }
  }
}

// OFX allows the decimal comma.
std::string OfxGetal(const std::string& tekst) {
  std::string s = Getrimd(tekst);
  if (s.find('.') == std::string::npos) std::replace(s.begin(), s.end(), ',', '.');
  return s;
}

class OfxLezer : public BankLezer {
 public:
  int Formaat() const override { return bankformaat::Ofx; }

  bool Herkent(const std::vector<std::string>& regels) const override {
    for (std::size_t i = 0; i < regels.size() && i < 20; ++i)
      if (regels[i].find("OFXHEADER") != std::string::npos || regels[i].find("<OFX>") != std::string::npos)
        return true;
    return false;
  }

  void Lees(BankImport& run) const override {
    std::string tekst;
    for (const auto& r : run.Regels()) tekst += r + "\n";
    const auto doc = LeesXml(OfxAlsXml(tekst));
    if (!doc || doc->naam != "OFX") {
      run.ZetFout(importfout::Onverwacht);
      Foutmelding(run.kb(), run.BankBestand(), FoutNr::VerkeerdFormaat, HintNr::ControleerBestandNaam);
      return;
    }
    std::vector<const XmlElement*> afschriften;
    ZoekAfschriften(*doc, afschriften);
    std::size_t boekingen = 0, gedaan = 0;
    for (const XmlElement* stmt : afschriften) {
      if (const XmlElement* lijst = stmt->Kind("BANKTRANLIST")) boekingen += lijst->Kinderen("STMTTRN").size();
    }
    const std::size_t regels = run.Regels().size();
    int volgnr = 0;
    for (const XmlElement* stmt : afschriften) {
      const XmlElement* rekening = stmt->Kind(stmt->naam == "CCSTMTRS" ? "CCACCTFROM" : "BANKACCTFROM");
      const std::string eigen = rekening ? rekening->TekstOp("ACCTID") : std::string();
      const std::string munt = stmt->TekstOp("CURDEF");
      const XmlElement* lijst = stmt->Kind("BANKTRANLIST");
      if (!lijst) continue;
      for (const XmlElement* tr : lijst->Kinderen("STMTTRN")) {
        run.Gelezen(regels * gedaan++ / std::max<std::size_t>(boekingen, 1));
        Regel(run, volgnr++, eigen, munt, *tr, stmt->naam == "CCSTMTRS");
        if (run.Afgebroken()) return;
      }
    }
  }

 private:
  static void Regel(BankImport& run, int volgnr, const std::string& eigen, const std::string& munt,
                    const XmlElement& tr, bool kaart) {
    TNewKas& k = run.NieuweRegel(volgnr);
    run.EigenRekening(k, eigen, true);
    k.Bedrag = run.VastGetal(OfxGetal(tr.TekstOp("TRNAMT")), '.');
    const bool af = BankImport::IsGelezen(k.Bedrag) && k.Bedrag < 0;
    k.BoekSoort = af ? importsoort::Af : importsoort::Bij;
    // An amount in another currency than the statement's says so in its
    // CURRENCY; ORIGCURRENCY only tells what it was before conversion.
    const std::string eigenMunt = tr.TekstOp("CURRENCY/CURSYM");
    k.Munt = run.Munt(eigenMunt.empty() ? munt : eigenMunt);
    // Dates are YYYYMMDD, perhaps followed by a time and a zone: the day is
    // the bank's, never shifted by the zone.
    run.DatumJjjjmmdd(tr.TekstOp("DTPOSTED"), "Datum foutief (", "), importfile vaak \"verknoeid\" ", k.Datum);
    const std::string beschikbaar = tr.TekstOp("DTAVAIL");
    if (!beschikbaar.empty())
      run.DatumJjjjmmdd(beschikbaar, "Rentedatum foutief (", "), importfile vaak \"verknoeid\" ", k.PayDate);
    else
      k.PayDate = k.Datum;
    std::string naam = tr.TekstOp("NAME");
    if (naam.empty()) naam = tr.TekstOp("PAYEE/NAME");
    k.Relatie = Kap(naam, 32);
    k.ActieKode = kaart && tr.TekstOp("TRNTYPE") != "ATM" ? "BA" : ActieKodeVanOfx(tr.TekstOp("TRNTYPE"));
    std::string tegen = tr.TekstOp("BANKACCTTO/ACCTID");
    if (tegen.empty()) tegen = tr.TekstOp("CCACCTTO/ACCTID");
    if (!tegen.empty()) run.TegenRekening(k, tegen);
    const std::string memo = tr.TekstOp("MEMO");
    k.Omschrijving = Kap(memo.empty() ? naam : memo, 255);
  }
};

}  // namespace

std::string OfxAlsXml(std::string_view tekst) {
  std::size_t p = tekst.find("<OFX>");
  if (p == std::string_view::npos) p = tekst.find("<OFX ");
  if (p == std::string_view::npos) return {};
  std::string uit;
  uit.reserve(tekst.size() + tekst.size() / 4);
  std::string openVeld;  // a field whose end tag SGML left out
  while (p < tekst.size()) {
    if (tekst[p] != '<') {
      const std::size_t volgende = std::min(tekst.find('<', p), tekst.size());
      const std::string_view stuk = tekst.substr(p, volgende - p);
      SchrijfTekst(uit, stuk);
      p = volgende;
      continue;
    }
    if (tekst.compare(p, 4, "<!--") == 0) {
      const std::size_t eind = tekst.find("-->", p + 4);
      p = eind == std::string_view::npos ? tekst.size() : eind + 3;
      continue;
    }
    if (tekst.compare(p, 9, "<![CDATA[") == 0) {
      const std::size_t eind = tekst.find("]]>", p);
      if (eind == std::string_view::npos) return {};
      uit.append(tekst.substr(p, eind + 3 - p));
      p = eind + 3;
      continue;
    }
    const std::size_t sluit = tekst.find('>', p);
    if (sluit == std::string_view::npos) return {};
    const std::string_view tag = tekst.substr(p + 1, sluit - p - 1);
    p = sluit + 1;
    if (tag.empty() || tag[0] == '?' || tag[0] == '!') continue;  // declarations and the OFX header
    if (tag[0] == '/') {
      std::string_view naam = tag.substr(1);
      while (!naam.empty() && IsWit(naam.back())) naam.remove_suffix(1);
      if (!openVeld.empty() && openVeld != naam) uit += "</" + openVeld + ">";
      openVeld.clear();
      uit += '<';
      uit.append(tag);
      uit += '>';
      continue;
    }
    if (!openVeld.empty()) uit += "</" + openVeld + ">";
    openVeld.clear();
    uit += '<';
    uit.append(tag);
    uit += '>';
    if (tag.back() == '/') continue;
    // A start tag followed by text before the next tag is a field.
    const std::size_t volgende = std::min(tekst.find('<', p), tekst.size());
    const std::string_view stuk = tekst.substr(p, volgende - p);
    if (std::any_of(stuk.begin(), stuk.end(), [](char c) { return !IsWit(c); })) {
      std::size_t eind = tag.find_first_of(" \t\r\n");
      openVeld = std::string(tag.substr(0, eind));
      SchrijfTekst(uit, stuk);
      p = volgende;
    }
  }
  if (!openVeld.empty()) uit += "</" + openVeld + ">";
  return uit;
}

const BankLezer& OfxLezerInstantie() {
  static const OfxLezer lezer;
  return lezer;
}

}  // namespace valdero
