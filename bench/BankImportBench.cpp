// Reading bank files and reconciling their lines. Each layout reads a file of
// 10 000 lines; the reconciliation proposes a group for 1 000 lines against
// the example year of 100 000 transactions (the index is built once per run,
// as "Rekening bijwerken" does).
#include <benchmark/benchmark.h>

#include <string>

#include "model/bankimport/AfstemIndex.h"
#include "model/bankimport/Afstemming.h"
#include "model/bankimport/BankImport.h"
#include "model/bankimport/SelectMut.h"
#include "model/bankimport/VergelijkModel.h"
#include "model/core/Datum.h"
#include "model/core/BoekMetPoorten.h"
#include "model/core/Kasboek.h"
#include "model/core/Klok.h"
#include "model/core/ScriptBerichten.h"
#include "model/example/VoorbeeldBoek.h"

namespace valdero {
namespace {

constexpr int kRegels = 10000;

struct BankBenchBoek : BoekMetPoorten {
  explicit BankBenchBoek(int transacties) : BoekMetPoorten(MaakDatum(2026, 12, 31)) {
    berichten.standaardAntwoord = antwoord::Ja;
    MaakVoorbeeldBoek(kb, {.jaar = 2026, .transacties = transacties});
    kb.RekLijst[1].Naam = "Betaalrekening 123456789";
  }
  EersteKeuzeVoerder kiezer;
};

std::string Datum8(int i) {
  const DatumDelen d = SplitsDatum(MaakDatum(2026, 1, 1) + i % 360);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", d.jaar, d.maand, d.dag);
  return buf;
}
std::string DatumIso(int i) {
  const std::string d = Datum8(i);
  return d.substr(0, 4) + "-" + d.substr(4, 2) + "-" + d.substr(6, 2);
}
std::string DatumDmj(int i) {
  const std::string d = Datum8(i);
  return d.substr(6, 2) + "-" + d.substr(4, 2) + "-" + d.substr(0, 4);
}

std::string Bestand(int formaat) {
  std::string s;
  s.reserve(kRegels * 300);
  if (formaat == 4 || formaat == 5)
    s += "\"Datum\",\"Naam / Omschrijving\",\"Rekening\",\"Tegenrekening\",\"Code\",\"Af Bij\",\"Bedrag (EUR)\","
         "\"MutatieSoort\",\"Mededelingen\"\r\n";
  if (formaat == 6)
    s += "<?xml version=\"1.0\"?><Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\"><BkToCstmrStmt>"
         "<Stmt><Acct><Id><IBAN>NL12ABNA0123456789</IBAN></Id></Acct>\n";
  if (formaat == 7) s += ":20:X\r\n:25:NL12ABNA0123456789EUR\r\n:60F:C251231EUR0,00\r\n";
  if (formaat == 8)
    s += "\"IBAN/BBAN\",\"Munt\",\"BIC\",\"Volgnr\",\"Datum\",\"Rentedatum\",\"Bedrag\",\"Saldo na trn\","
         "\"Tegenrekening IBAN/BBAN\",\"Naam tegenpartij\",\"Naam uiteindelijke partij\",\"Naam initierende partij\","
         "\"BIC tegenpartij\",\"Code\",\"Batch ID\",\"Transactiereferentie\",\"Machtigingskenmerk\",\"Incassant ID\","
         "\"Betalingskenmerk\",\"Omschrijving-1\",\"Omschrijving-2\",\"Omschrijving-3\",\"Reden retour\","
         "\"Oorspr bedrag\",\"Oorspr munt\",\"Koers\"\r\n";
  if (formaat == 9)
    s += "\"Datum\";\"Naam / Omschrijving\";\"Rekening\";\"Tegenrekening\";\"Code\";\"Af Bij\";\"Bedrag (EUR)\";"
         "\"Mutatiesoort\";\"Mededelingen\";\"Saldo na mutatie\";\"Tag\"\r\n";
  double saldo = 0;
  for (int i = 0; i < kRegels; ++i) {
    const std::string n = std::to_string(i);
    saldo -= 12.5;
    char saldoTekst[32];
    std::snprintf(saldoTekst, sizeof saldoTekst, "%.2f", saldo);
    std::string saldoKomma = saldoTekst;
    saldoKomma[saldoKomma.find('.')] = ',';
    switch (formaat) {
      case 0:
        s += "\"0123456789\",\"EUR\"," + Datum8(i) + ",\"D\",12.50,\"0300065264\",\"BAKKER JANSEN " + n + "\"," +
             Datum8(i) + ",\"ba\",\"\",\"Brood en banket\",\"bon " + n + "\"\r\n";
        break;
      case 1:
        s += "\"123456789\",\"" + Datum8(i) + "\",\"GM\",\"x\",\"0300065264\",\"12 bakker JANSEN\",\"y\",\"12,50\","
             "\"A\",\"z\",\"Brood   en banket " + n + "\",\"EUR\"\r\n";
        break;
      case 2:
        s += "123456789\tEUR\t" + Datum8(i) + "\t1000,00\t987,50\t" + Datum8(i) +
             "\t-12,50\tBEA   NR:3C9Q01   03.03.08/10.15 BAKKER JANSEN BREDA      ,PAS123 " + n + "\r\n";
        break;
      case 3:
        s += "\"x\",\"0123456789\",\"1234\",\"BAKKER JANSEN\",\"\",\"\",\"\",\"EUR\",\"0.00\",\"\",\"-12.50\",\"" +
             DatumDmj(i) + "\",\"" + DatumDmj(i) + "\",\"\",\"\",\"1234\",\"BEA\",\"Brood " + n + "\"\r\n";
        break;
      case 4:
      case 5:
        s += "\"" + (formaat == 4 ? Datum8(i) : DatumDmj(i)) +
             "\",\"BAKKER JANSEN\",\"123456789\",\"300065264\",\"BA\",\"Af\",\"12,50\",\"Betaalautomaat\",\"Brood " +
             n + "\"\r\n";
        break;
      case 6:
        s += "<Ntry><Amt Ccy=\"EUR\">12.50</Amt><CdtDbtInd>DBIT</CdtDbtInd><BookgDt><Dt>" + DatumIso(i) +
             "</Dt></BookgDt><ValDt><Dt>" + DatumIso(i) +
             "</Dt></ValDt><BkTxCd><Domn><Cd>PMNT</Cd><Fmly><Cd>CCRD</Cd><SubFmlyCd>POSD</SubFmlyCd></Fmly></Domn>"
             "</BkTxCd><NtryDtls><TxDtls><RltdPties><Cdtr><Nm>Bakker Jansen</Nm></Cdtr><CdtrAcct><Id><IBAN>"
             "NL91RABO0300065264</IBAN></Id></CdtrAcct></RltdPties><RmtInf><Ustrd>Brood " +
             n + "</Ustrd></RmtInf></TxDtls></NtryDtls></Ntry>\n";
        break;
      case 7:
        s += ":61:" + Datum8(i).substr(2) + Datum8(i).substr(4) + "D12,50NTRFNONREF\r\n:86:/TRTP/Betaalautomaat/NAME/"
             "Bakker Jansen/IBAN/NL91RABO0300065264/REMI/USTD//Brood " + n + "/\r\n";
        break;
      case 8:
        s += "\"NL12ABNA0123456789\",\"EUR\",\"ABNANL2A\",\"" + n + "\",\"" + DatumIso(i) + "\",\"" + DatumIso(i) +
             "\",\"-12,50\",\"" + saldoKomma +
             "\",\"NL91RABO0300065264\",\"Bakker Jansen\",\"\",\"\",\"RABONL2U\",\"ba\",\"\",\"\",\"\",\"\",\"\","
             "\"Brood\",\"" + n + "\",\"\",\"\",\"\",\"\",\"\"\r\n";
        break;
      default:
        s += "\"" + Datum8(i) + "\";\"Bakker Jansen\";\"NL12ABNA0123456789\";\"NL91RABO0300065264\";\"BA\";\"Af\";"
             "\"12,50\";\"Betaalautomaat\";\"Brood " + n + "\";\"" + saldoKomma.substr(saldoKomma[0] == '-' ? 1 : 0) +
             "\";\"\"\r\n";
    }
  }
  if (formaat == 6) s += "</Stmt></BkToCstmrStmt></Document>\n";
  if (formaat == 7) s += ":62F:D261231EUR" + std::to_string(kRegels * 25 / 2) + ",00\r\n";
  return s;
}

void BM_LeesBankbestand(benchmark::State& state) {
  const int formaat = static_cast<int>(state.range(0));
  BankBenchBoek boek(400);
  const std::string tekst = Bestand(formaat);
  int regels = 0;
  for (auto _ : state) {
    BankImport run(boek.kb, boek.kiezer, nullptr);
    boek.berichten.Wis();
    run.Verwerk(formaat, "bench", tekst);
    regels = run.Laatste();
    benchmark::DoNotOptimize(regels);
  }
  state.counters["regels"] = regels;
  state.counters["berichten"] = static_cast<double>(boek.berichten.getoond.size());
  state.SetItemsProcessed(state.iterations() * kRegels);
}
BENCHMARK(BM_LeesBankbestand)->DenseRange(0, 9)->Unit(benchmark::kMillisecond);

struct NietsVenster : VergelijkVoerder {
  void Toon(VergelijkModel&) override {}
};

// The proposal (candidates, score over the account's ledger, group) for 1 000
// lines made from ledger transactions of the payments account, half of them
// with another amount so that not every line finds itself. The index is
// built before the timing (see BM_AfstemIndexBouwen).
void BM_StelVoor1000Regels(benchmark::State& state) {
  BankBenchBoek boek(100000);
  NietsVenster venster;
  std::vector<TNewKas> regels;
  for (int p = 1; p <= boek.kb.MaxKas() && regels.size() < 1000; p += 37) {
    const TKas& k = boek.kb.KasLijst[static_cast<std::size_t>(p)];
    if (k.RekNr != 1) continue;
    TNewKas r;
    r.RekNr = 1;
    r.Datum = k.Datum;
    r.Bedrag = regels.size() % 2 ? k.Bedrag : k.Bedrag + 1;
    r.Relatie = "123 " + k.Relatie;
    r.Omschrijving = k.Omschrijving;
    r.ActieKode = k.ActieKode;
    r.BoekSoort = k.BoekSoort & 0xFF;
    regels.push_back(r);
  }
  int nnnn = 0;
  // The index is built once per run; BM_AfstemIndexBouwen measures that.
  Afstemming a(boek.kb, boek.kiezer, venster);
  a.BeginRun();
  for (auto _ : state) {
    nnnn = 0;
    for (const TNewKas& r : regels) {
      a.regel = r;
      if (a.StelVoor(false).groepKode == "nnnn") ++nnnn;
    }
  }
  state.counters["regels"] = static_cast<double>(regels.size());
  state.counters["nnnn"] = nnnn;
}
BENCHMARK(BM_StelVoor1000Regels)->Unit(benchmark::kMillisecond);

// Building the index alone, once per "Rekening bijwerken".
void BM_AfstemIndexBouwen(benchmark::State& state) {
  BankBenchBoek boek(100000);
  for (auto _ : state) {
    AfstemIndex index;
    index.Bouw(boek.kb);
    benchmark::DoNotOptimize(index);
  }
}
BENCHMARK(BM_AfstemIndexBouwen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valdero
