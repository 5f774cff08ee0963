// The CSV files of Rabobank (26 quoted columns, a header line) and ING
// (semicolons, a header line, the newest line first) as the banks give them
// today. Columns are found by their header names.
#include <map>

#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/BankImport.h"
#include "model/bankimport/BankLezer.h"
#include "model/bankimport/BankTekst.h"
#include "model/bankimport/HuidigeFormaten.h"
#include "model/bankimport/VeldRegels.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/TekstHulp.h"

namespace valdero {
namespace {

class Kolommen {
 public:
  explicit Kolommen(const std::vector<std::string>& kop) {
    for (std::size_t i = 0; i < kop.size(); ++i) index_[kop[i]] = i;
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

// The header, the data lines in the file's order, and the balances per own
// account; shared by both banks.
template <class Verwerk>
void LeesCsv(BankImport& run, char scheiding, const std::vector<std::string>& nodig, const char* saldoKolom,
             const char* rekeningKolom, Verwerk verwerk) {
  const auto& regels = run.Regels();
  const Kolommen kol(regels.empty() ? std::vector<std::string>{} : SplitsRegel(regels[0], scheiding));
  for (const auto& naam : nodig) {
    if (!kol.Heeft(naam)) {
      run.ZetFout(importfout::Onverwacht);
      Foutmelding(run.kb(), run.BankBestand(), FoutNr::VerkeerdFormaat, HintNr::ControleerBestandNaam);
      return;
    }
  }
  std::map<std::string, SaldoAfschrift> saldi;
  std::vector<std::string> volgorde;
  for (std::size_t i = 1; i < regels.size(); ++i) {
    run.Gelezen(i);
    const auto v = SplitsRegel(regels[i], scheiding);
    if (v.empty()) continue;
    TNewKas& k = run.NieuweRegel(static_cast<int>(i));
    verwerk(run, k, v, kol);
    const std::string rekening = kol(v, rekeningKolom);
    if (!saldi.count(rekening)) volgorde.push_back(rekening);
    const std::string saldo = kol(v, saldoKolom);
    std::optional<double> na;
    if (!saldo.empty()) na = run.VastGetal(saldo, ',');
    saldi[rekening].regels.push_back({static_cast<int>(i) + 1, k.Datum, k.Bedrag, std::nullopt, na});
    if (run.Fout() != 0) break;
  }
  for (const auto& r : volgorde) run.Saldi(saldi[r]);
}

bool KopBegint(const std::vector<std::string>& regels, const std::string& begin) {
  return !regels.empty() && regels[0].compare(0, begin.size(), begin) == 0;
}

class RaboCsvLezer : public BankLezer {
 public:
  int Formaat() const override { return bankformaat::RaboCsv; }
  bool Herkent(const std::vector<std::string>& regels) const override {
    return KopBegint(regels, "\"IBAN/BBAN\",");
  }
  void Lees(BankImport& run) const override {
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
              k.BoekSoort = TrimBlanks(kol(v, "Bedrag")).compare(0, 1, "-") == 0 ? importsoort::Af : importsoort::Bij;
              const std::string tegen = kol(v, "Tegenrekening IBAN/BBAN");
              if (!TrimBlanks(tegen).empty()) r.TegenRekening(k, tegen);
              k.Relatie = Kap(kol(v, "Naam tegenpartij"), 32);
              std::string kode = Kap(kol(v, "Code"), 2);
              for (char& c : kode) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
              k.ActieKode = kode;
              std::string omschrijving;
              for (const char* naam : {"Omschrijving-1", "Omschrijving-2", "Omschrijving-3"}) {
                const std::string deel = TrimBlanks(kol(v, naam));
                if (deel.empty()) continue;
                if (!omschrijving.empty()) omschrijving += ' ';
                omschrijving += deel;
              }
              k.Omschrijving = Kap(omschrijving, 255);
            });
  }
};

class IngCsvLezer : public BankLezer {
 public:
  int Formaat() const override { return bankformaat::IngCsv; }
  bool Herkent(const std::vector<std::string>& regels) const override {
    return KopBegint(regels, "\"Datum\";\"Naam / Omschrijving\";");
  }
  void Lees(BankImport& run) const override {
    LeesCsv(run, ';', {"Datum", "Naam / Omschrijving", "Rekening", "Tegenrekening", "Af Bij", "Bedrag (EUR)"},
            "Saldo na mutatie", "Rekening",
            [](BankImport& r, TNewKas& k, const std::vector<std::string>& v, const Kolommen& kol) {
              r.DatumJjjjmmdd(kol(v, "Datum"), "Datum foutief(", "), importfile vaak \"verknoeid\" ", k.Datum);
              k.PayDate = k.Datum;
              k.Relatie = Kap(kol(v, "Naam / Omschrijving"), 32);
              r.EigenRekening(k, kol(v, "Rekening"), true);
              const bool af = kol(v, "Af Bij") == "Af";
              k.BoekSoort = af ? importsoort::Af : importsoort::Bij;
              k.Bedrag = r.VastGetal(kol(v, "Bedrag (EUR)"), ',');
              if (af) k.Bedrag = -k.Bedrag;
              const std::string tegen = kol(v, "Tegenrekening");
              if (!TrimBlanks(tegen).empty()) r.TegenRekening(k, tegen);
              k.ActieKode = Kap(kol(v, "Code"), 2);
              k.Omschrijving = Kap(kol(v, "Mededelingen"), 255);
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
