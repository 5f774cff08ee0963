// The CSV files of Rabobank (26 quoted columns, a header line) and ING
// (semicolons or commas, a header line in Dutch or English, the newest line
// first) as the banks give them today. Columns are found by their header
// names; the text is read as RFC 4180 records, so a quoted description may
// hold separators, quotes and line breaks.
#include <map>

#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/BankImport.h"
#include "model/bankimport/BankLezer.h"
#include "model/bankimport/BankTekst.h"
#include "model/bankimport/CsvRecords.h"
#include "model/bankimport/HuidigeFormaten.h"
#include "model/bankimport/Mt940Omschrijving.h"
#include "model/bankimport/VeldRegels.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/TekstHulp.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

// ING's export with English headers names the same columns.
const std::map<std::string, std::string>& EngelseKoppen() {
  static const std::map<std::string, std::string> koppen = {
      {"Date", "Datum"},
      {"Name / Description", "Naam / Omschrijving"},
      {"Account", "Rekening"},
      {"Counterparty", "Tegenrekening"},
      {"Debit/credit", "Af Bij"},
      {"Amount (EUR)", "Bedrag (EUR)"},
      {"Transaction type", "Mutatiesoort"},
      {"Notifications", "Mededelingen"},
      {"Resulting balance", "Saldo na mutatie"},
  };
  return koppen;
}

class Kolommen {
 public:
  explicit Kolommen(const std::vector<std::string>& kop) {
    for (std::size_t i = 0; i < kop.size(); ++i) {
      const std::string naam = Getrimd(kop[i]);
      index_.emplace(naam, i);
      const auto engels = EngelseKoppen().find(naam);
      if (engels != EngelseKoppen().end()) index_.emplace(engels->second, i);
    }
  }
  bool Heeft(const std::string& naam) const { return index_.count(naam) > 0; }
  const std::string& operator()(const std::vector<std::string>& v, const std::string& naam) const {
    static const std::string leeg;
    const auto p = index_.find(naam);
    return p == index_.end() ? leeg : Veld(v, p->second);
  }

 private:
  std::map<std::string, std::size_t> index_;
};

// Lines a bank writes above the header ("KNAB EXPORT").
constexpr std::size_t kMaxTitelRegels = 2;

// An amount of a CSV export: a decimal comma, or a decimal point where the
// text has no comma (ING's English export).
double CsvBedrag(BankImport& run, const std::string& tekst) {
  const bool punt = tekst.find(',') == std::string::npos && tekst.find('.') != std::string::npos;
  return run.VastGetal(tekst, punt ? '.' : ',');
}

// The header, the data records in the file's order, and the balances per own
// account; shared by both banks. `scheiding` 0: the header's own separator.
template <class Verwerk>
void LeesCsv(BankImport& run, char scheiding, const std::vector<std::string>& nodig, const char* saldoKolom,
             const char* rekeningKolom, Verwerk verwerk) {
  const auto& regels = run.Regels();
  if (scheiding == 0) scheiding = CsvScheiding(regels.empty() ? std::string() : regels[0]);
  const std::vector<CsvRecord> records = LeesCsvRecords(regels, scheiding);
  // The header is the first record; Knab writes a title line before it.
  std::size_t kop = 0;
  bool gevonden = false;
  for (; kop < records.size() && kop < kMaxTitelRegels + 1 && !gevonden; ++kop) {
    const Kolommen proef(records[kop].velden);
    gevonden = true;
    for (const auto& naam : nodig)
      if (!proef.Heeft(naam)) gevonden = false;
  }
  if (!gevonden) {
    run.ZetFout(importfout::Onverwacht);
    Foutmelding(run.kb(), run.BankBestand(), FoutNr::VerkeerdFormaat, HintNr::ControleerBestandNaam);
    return;
  }
  const Kolommen kol(records[kop - 1].velden);
  std::map<std::string, SaldoAfschrift> saldi;
  std::vector<std::string> volgorde;
  for (std::size_t n = kop; n < records.size(); ++n) {
    const std::size_t i = records[n].regel;
    run.Gelezen(i);
    const auto& v = records[n].velden;
    if (v.empty()) continue;
    TNewKas& k = run.NieuweRegel(static_cast<int>(i));
    verwerk(run, k, v, kol);
    const std::string rekening = kol(v, rekeningKolom);
    if (!saldi.count(rekening)) volgorde.push_back(rekening);
    const std::string saldo = *saldoKolom ? Getrimd(kol(v, saldoKolom)) : std::string();
    std::optional<double> na;
    if (!saldo.empty()) na = CsvBedrag(run, saldo);
    saldi[rekening].regels.push_back({static_cast<int>(i) + 1, k.Datum, k.Bedrag, std::nullopt, na});
    if (run.Afgebroken()) break;
  }
  for (const auto& r : volgorde) run.Saldi(saldi[r]);
}

bool KopBegint(const std::vector<std::string>& regels, const std::string& begin) {
  return !regels.empty() && regels[0].compare(0, begin.size(), begin) == 0;
}

bool HeeftKop(const std::vector<std::string>& regels, const char* deel) {
  for (std::size_t i = 0; i < regels.size() && i <= kMaxTitelRegels; ++i)
    if (regels[i].find(deel) != std::string::npos) return true;
  return false;
}

bool IsBunq(const std::vector<std::string>& regels) {
  return KopBegint(regels, "\"Date\"") && HeeftKop(regels, "\"Interest Date\"") && HeeftKop(regels, "\"Counterparty\"");
}

bool IsKnab(const std::vector<std::string>& regels) {
  return HeeftKop(regels, "Transactiedatum") && HeeftKop(regels, "CreditDebet") && HeeftKop(regels, "Tegenrekeninghouder");
}

// bunq: "Date","Interest Date","Amount","Account","Counterparty","Name",
// "Description"; ISO dates, a signed amount.
void LeesBunq(BankImport& run) {
  LeesCsv(run, 0, {"Date", "Amount", "Account", "Counterparty", "Name", "Description"}, "", "Account",
          [](BankImport& r, TNewKas& k, const std::vector<std::string>& v, const Kolommen& kol) {
            r.EigenRekening(k, kol(v, "Account"), true);
            k.Munt = r.Munt("EUR");
            r.DatumIso(Getrimd(kol(v, "Date")), k.Datum);
            const std::string rente = Getrimd(kol(v, "Interest Date"));
            if (!rente.empty()) r.DatumIso(rente, k.PayDate);
            else k.PayDate = k.Datum;
            const std::string bedrag = Getrimd(kol(v, "Amount"));
            k.Bedrag = CsvBedrag(r, bedrag);
            k.BoekSoort = bedrag.compare(0, 1, "-") == 0 ? importsoort::Af : importsoort::Bij;
            const std::string tegen = Getrimd(kol(v, "Counterparty"));
            if (!tegen.empty()) r.TegenRekening(k, tegen);
            k.Relatie = Kap(EnkeleSpaties(kol(v, "Name")), 32);
            k.Omschrijving = Kap(EnkeleSpaties(kol(v, "Description")), 255);
          });
}

// Knab: a title line, then "Rekeningnummer;Transactiedatum;Valutacode;
// CreditDebet;Bedrag;Tegenrekeningnummer;Tegenrekeninghouder;Valutadatum;
// Betaalwijze;Omschrijving;...": dates d-m-yyyy, an unsigned amount with
// D or C.
void LeesKnab(BankImport& run) {
  LeesCsv(run, 0,
          {"Rekeningnummer", "Transactiedatum", "CreditDebet", "Bedrag", "Tegenrekeningnummer", "Tegenrekeninghouder",
           "Omschrijving"},
          "", "Rekeningnummer",
          [](BankImport& r, TNewKas& k, const std::vector<std::string>& v, const Kolommen& kol) {
            r.EigenRekening(k, kol(v, "Rekeningnummer"), true);
            const std::string munt = Getrimd(kol(v, "Valutacode"));
            k.Munt = r.Munt(munt.empty() ? std::string("EUR") : munt);
            r.DatumDmj(kol(v, "Transactiedatum"), "Datum foutief(", "), importfile vaak \"verknoeid\" ", k.Datum);
            const std::string rente = Getrimd(kol(v, "Valutadatum"));
            if (!rente.empty()) r.DatumDmj(rente, "Rentedatum foutief(", "), importfile vaak \"verknoeid\" ", k.PayDate);
            else k.PayDate = k.Datum;
            const bool af = Getrimd(kol(v, "CreditDebet")) == "D";
            k.BoekSoort = af ? importsoort::Af : importsoort::Bij;
            k.Bedrag = CsvBedrag(r, kol(v, "Bedrag"));
            if (af) k.Bedrag = -k.Bedrag;
            const std::string tegen = Getrimd(kol(v, "Tegenrekeningnummer"));
            if (!tegen.empty()) r.TegenRekening(k, tegen);
            k.Relatie = Kap(EnkeleSpaties(kol(v, "Tegenrekeninghouder")), 32);
            std::string omschrijving = EnkeleSpaties(kol(v, "Omschrijving"));
            if (omschrijving.empty()) omschrijving = EnkeleSpaties(kol(v, "Referentie"));
            k.Omschrijving = Kap(omschrijving, 255);
          });
}

// The CSV layout of tag 8: Rabobank's, and the CSV exports of bunq and Knab,
// told apart by their headers.
class RaboCsvLezer : public BankLezer {
 public:
  int Formaat() const override { return bankformaat::RaboCsv; }
  bool Herkent(const std::vector<std::string>& regels) const override {
    return KopBegint(regels, "\"IBAN/BBAN\",") || IsBunq(regels) || IsKnab(regels);
  }
  void Lees(BankImport& run) const override {
    if (!KopBegint(run.Regels(), "\"IBAN/BBAN\",")) {
      if (IsBunq(run.Regels())) return LeesBunq(run);
      if (IsKnab(run.Regels())) return LeesKnab(run);
    }
    LeesCsv(run, ',', {"IBAN/BBAN", "Munt", "Datum", "Bedrag", "Naam tegenpartij", "Tegenrekening IBAN/BBAN"},
            "Saldo na trn", "IBAN/BBAN",
            [](BankImport& r, TNewKas& k, const std::vector<std::string>& v, const Kolommen& kol) {
              r.EigenRekening(k, kol(v, "IBAN/BBAN"), true);
              k.Munt = r.Munt(kol(v, "Munt"));
              r.DatumIso(kol(v, "Datum"), k.Datum);
              const std::string rente = kol(v, "Rentedatum");
              if (!rente.empty()) r.DatumIso(rente, k.PayDate);
              else k.PayDate = k.Datum;
              k.Bedrag = r.VastGetal(kol(v, "Bedrag"), ',');
              k.BoekSoort = Getrimd(kol(v, "Bedrag")).compare(0, 1, "-") == 0 ? importsoort::Af : importsoort::Bij;
              const std::string tegen = kol(v, "Tegenrekening IBAN/BBAN");
              if (!Getrimd(tegen).empty()) r.TegenRekening(k, tegen);
              k.Relatie = Kap(kol(v, "Naam tegenpartij"), 32);
              std::string kode = Kap(kol(v, "Code"), 2);
              for (char& c : kode) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
              k.ActieKode = kode;
              std::string omschrijving;
              for (const char* naam : {"Omschrijving-1", "Omschrijving-2", "Omschrijving-3"}) {
                const std::string deel = Getrimd(kol(v, naam));
                if (deel.empty()) continue;
                if (!omschrijving.empty()) omschrijving += ' ';
                omschrijving += deel;
              }
              if (omschrijving.empty()) omschrijving = Getrimd(kol(v, "Betalingskenmerk"));
              k.Omschrijving = Kap(omschrijving, 255);
            });
  }
};

class IngCsvLezer : public BankLezer {
 public:
  int Formaat() const override { return bankformaat::IngCsv; }
  // The comma-separated Dutch export is the old "ING 1" layout's too; it is
  // recognised as that, and read by this layout only when chosen.
  bool Herkent(const std::vector<std::string>& regels) const override {
    return KopBegint(regels, "\"Datum\";\"Naam / Omschrijving\";") ||
           KopBegint(regels, "\"Date\";\"Name / Description\";") ||
           KopBegint(regels, "\"Date\",\"Name / Description\",");
  }
  void Lees(BankImport& run) const override {
    LeesCsv(run, 0, {"Datum", "Naam / Omschrijving", "Rekening", "Tegenrekening", "Af Bij", "Bedrag (EUR)"},
            "Saldo na mutatie", "Rekening",
            [](BankImport& r, TNewKas& k, const std::vector<std::string>& v, const Kolommen& kol) {
              r.DatumJjjjmmdd(kol(v, "Datum"), "Datum foutief(", "), importfile vaak \"verknoeid\" ", k.Datum);
              k.PayDate = k.Datum;
              k.Relatie = Kap(kol(v, "Naam / Omschrijving"), 32);
              r.EigenRekening(k, kol(v, "Rekening"), true);
              const std::string afBij = Getrimd(kol(v, "Af Bij"));
              const bool af = afBij == "Af" || afBij == "Debit";
              k.BoekSoort = af ? importsoort::Af : importsoort::Bij;
              k.Bedrag = CsvBedrag(r, kol(v, "Bedrag (EUR)"));
              if (af) k.Bedrag = -k.Bedrag;
              const std::string tegen = kol(v, "Tegenrekening");
              if (!Getrimd(tegen).empty()) r.TegenRekening(k, tegen);
              k.ActieKode = Kap(kol(v, "Code"), 2);
              // Today's export writes "Naam: ... Omschrijving: ... IBAN: ...":
              // the description is what follows "Omschrijving:".
              std::string mededeling = kol(v, "Mededelingen");
              if (HeeftBankLabels(mededeling)) {
                const Mt940Tekst t = LeesBankLabels(mededeling);
                if (!t.omschrijving.empty()) mededeling = t.omschrijving;
              }
              k.Omschrijving = Kap(EnkeleSpaties(mededeling), 255);
              k.Munt = r.Munt("EUR");
            });
  }
};

}  // namespace

const BankLezer& RaboCsvLezerInstantie() {
  static const RaboCsvLezer lezer;
  return lezer;
}

const BankLezer& IngCsvLezerInstantie() {
  static const IngCsvLezer lezer;
  return lezer;
}

}  // namespace valdero
