// One small file per bank and layout, written after each bank's published
// format guide: every line keeps its amount, date, counter account, counter
// party and description, read under the layout's own tag and under
// "&Automatisch" alike.
#include <gtest/gtest.h>

#include "BankImportTestBoek.h"
#include "model/bankimport/BankFormaat.h"
#include "model/core/Berichten.h"
#include "model/core/Datum.h"

namespace valdero {
namespace {

using test::BankBoek;

struct Regel {
  double datum;
  double bedrag;
  std::string tegenRekNr;  // as the line keeps it (12 characters at most)
  std::string relatie;
  std::string omschrijving;
};

struct Bestand {
  const char* naam;
  int tag;
  std::vector<Regel> regels;
  // "&Automatisch" reads the file as this layout too (ING's comma export is
  // the old "ING 1" layout there).
  bool automatisch = true;
};

double D(int dag) { return MaakDatum(2026, 1, dag); }

const std::vector<Bestand>& Bestanden() {
  static const std::vector<Bestand> bestanden = {
      {"ing.mt940.sta",
       bankformaat::Mt940,
       {{D(2), -12.5, "300065264", "Bakker Jansen", "Brood en banket"},
        {D(5), 250, "2345678", "Energie NV", "5200150700013379"},
        // The statement's own ":86:" and the trailer stay off the last line.
        {D(6), -45.1, "555666777", "Vereniging De Vries", "Contributie/2026 januari"}}},
      {"abnamro.mt940.sta",
       bankformaat::Mt940,
       {{D(2), -12.5, "300065264", "Bakker Jansen", "INV/1511682351 1.12.2016"},
        {D(3), 2500, "7654321", "Werkgever BV", "Salaris januari"},
        {D(5), -1.2, "", "ALBERT HEIJN 1234", "BEA NR:XX12YZ 05.01.26/12.34 ALBERT HEIJN 1234,PAS123"},
        {D(6), -45.1, "2345678", "Energie NV", "Voorschot januari"}}},
      {"rabobank.mt940.swi",
       bankformaat::Mt940,
       {{D(2), -12.5, "300065264", "Bakker Jansen", "Brood en banket"},
        {D(3), 2500, "7654321", "Werkgever BV", "Salaris januari"},
        {D(6), -45.1, "2345678", "Energie NV", "5200150700013379"}}},
      {"rabobank-oud.mt940.swi",
       bankformaat::Mt940,
       {{D(2), -12.5, "0300065264", "BAKKER JANSEN", "BROOD EN BANKET"},
        {D(5), -100, "0555666777", "VERENIGING DE VRIES",
         "TERUGBOEKING NIET AKKOORD MET AFSCHRIJVING BETALINGSKENM. 123456789"}}},
      {"asn.mt940.sta",
       bankformaat::Mt940,
       {{D(2), -12.5, "300065264", "Bakker Jansen", "Brood en banket"},
        {D(3), 2500, "7654321", "Werkgever BV", "Salaris januari"}}},
      {"sns.mt940.sta",
       bankformaat::Mt940,
       {{D(2), -12.5, "300065264", "Bakker Jansen", "Brood en banket Bestelling 42"},
        {D(6), -45.1, "2345678", "Energie NV", "Voorschot januari"}}},
      {"knab.mt940.sta",
       bankformaat::Mt940,
       {{D(2), -12.5, "300065264", "Bakker Jansen", "FACTUUR 2026-001, 2026-002"},
        {D(3), 2500, "7654321", "Werkgever BV", "Salaris januari"}}},
      {"triodos.mt940.sta",
       bankformaat::Mt940,
       {{D(2), -12.5, "300065264", "Bakker Jansen", "Brood en banket"},
        {D(3), 2500, "7654321", "Werkgever BV", "Salaris januari 2026 met de vakantie-uitkering"}}},
      {"duits.mt940.sta",
       bankformaat::Mt940,
       {{D(2), -12.5, "DE8937040044", "BAECKEREI JANSEN", "2026-01-02T10.15 Debitk.1 2029-12"},
        {D(3), 2500, "DE0212030000", "ARBEITGEBER GMBH", "Lohn Januar 2026"}}},
      {"ing.camt053.02.xml",
       bankformaat::Camt053,
       {{D(2), -12.5, "300065264", "Bakker Jansen", "Brood en banket"},
        // Only a structured remittance: the payment reference is the description.
        {D(5), 250, "2345678", "Energie NV", "5200150700013379"},
        {D(6), -45.1, "555666777", "Vereniging De Vries", "Contributie 2026 januari"}}},
      {"ing-utf16.camt053.02.xml",
       bankformaat::Camt053,
       {{D(2), -12.5, "300065264", "Bakker Jansen", "Brood en banket"},
        {D(5), 250, "2345678", "Energie NV", "5200150700013379"},
        {D(6), -45.1, "555666777", "Vereniging De Vries", "Contributie 2026 januari"}}},
      {"rabobank.camt053.04.xml",
       bankformaat::Camt053,
       {{D(2), -12.5, "300065264", "Caf\u00e9 De Zon", "Koffie & gebak"},
        {D(3), 2500, "7654321", "Werkgever BV", "Salaris januari"},
        {D(6), -45.1, "2345678", "Energie NV", "5200150700013379"}}},
      {"sns.camt053.02.xml",
       bankformaat::Camt053,
       {{D(2), -12.5, "300065264", "Bakker Jansen", "Brood en banket"},
        // A direct debit paid back: the counter party is the collector, not
        // the account holder named as debtor.
        {D(6), 45.1, "2345678", "Energie NV", "Storno voorschot januari"}}},
      {"triodos.camt053.02.xml",
       bankformaat::Camt053,
       {{D(5), -12.5, "300065264", "Bakker Jansen", "Brood en banket"},
        {D(5), -45.1, "2345678", "Energie NV", "5200150700013379"}}},
      {"abnamro.camt053.08.xml",
       bankformaat::Camt053,
       {{D(2), -12.5, "300065264", "Bakker Jansen", "Brood en banket"},
        {D(3), 2500, "0007654321", "Werkgever BV", "Salaris januari"},
        {D(6), -45.1, "2345678", "Energie NV", "Voorschot januari"}}},
      // ING writes the newest line first; a quoted description may hold the
      // separator, doubled quotes and a line break.
      {"ing.csv",
       bankformaat::IngCsv,
       {{D(2), -12.5, "300065264", "Bakker Jansen", "Brood en banket"},
        {D(5), 250, "2345678", "Energie NV", "Terugbetaling 2025"},
        {D(6), -45.1, "555666777", "Vereniging De Vries", "Contributie; \"januari\""}}},
      {"ing-engels.csv",
       bankformaat::IngCsv,
       {{D(2), -12.5, "300065264", "Bakker Jansen", "Brood en banket"},
        {D(5), 250, "2345678", "Energie NV", "Terugbetaling 2025"},
        {D(6), -45.1, "555666777", "Vereniging De Vries", "Contributie januari"}}},
      {"ing-komma.csv",
       bankformaat::IngCsv,
       {{D(2), -12.5, "300065264", "Bakker Jansen", "Brood en banket"},
        {D(5), 250, "2345678", "Energie NV", "Terugbetaling 2025"},
        {D(6), -45.1, "555666777", "Vereniging De Vries", "Contributie, januari"}},
       false},
      {"bunq.csv",
       bankformaat::RaboCsv,
       {{D(2), -12.5, "300065264", "Bakker Jansen", "Brood en banket"},
        {D(3), 2500, "7654321", "Werkgever BV", "Salaris januari, met \"bonus\""},
        {D(6), -45.1, "2345678", "Energie NV", "Voorschot januari"}}},
      {"knab.csv",
       bankformaat::RaboCsv,
       {{D(2), -12.5, "300065264", "Bakker Jansen", "Brood en banket"},
        {D(3), 2500, "7654321", "Werkgever BV", "Salaris januari"},
        {D(6), -45.1, "2345678", "Energie NV", "5200150700013379"}}},
      {"rabobank.csv",
       bankformaat::RaboCsv,
       {{D(2), -12.5, "300065264", "Bakker Jansen", "Brood, banket en \"taart\""},
        {D(3), 2500, "7654321", "Werkgever BV", "Salaris januari"},
        {D(6), -45.1, "2345678", "Energie NV", "Voorschot januari"}}},
  };
  return bestanden;
}

class PerBankTest : public ::testing::TestWithParam<std::pair<std::size_t, int>> {};

TEST_P(PerBankTest, ElkeRegelHeeftBedragDatumTegenrekeningNaamEnOmschrijving) {
  const auto [index, tag] = GetParam();
  const Bestand& b = Bestanden()[index];
  BankBoek boek;
  boek.LeesFixture(tag == kAutomatischTag ? tag : b.tag, b.naam);
  SCOPED_TRACE(b.naam);
  ASSERT_TRUE(boek.gelukt) << ::testing::PrintToString(boek.berichten.Teksten());
  EXPECT_TRUE(boek.berichten.Teksten().empty()) << ::testing::PrintToString(boek.berichten.Teksten());
  ASSERT_EQ(boek.run->Laatste(), static_cast<int>(b.regels.size()));
  for (std::size_t i = 0; i < b.regels.size(); ++i) {
    const Regel& v = b.regels[i];
    const TNewKas& r = boek.Regel(static_cast<int>(i) + 1);
    SCOPED_TRACE("regel " + std::to_string(i + 1));
    EXPECT_EQ(r.RekNr, 1);
    EXPECT_EQ(r.Datum, v.datum);
    EXPECT_DOUBLE_EQ(r.Bedrag, v.bedrag);
    EXPECT_EQ(r.BoekSoort, v.bedrag < 0 ? 2 : 1);
    EXPECT_EQ(r.TegenRekNr, v.tegenRekNr);
    EXPECT_EQ(r.Relatie, v.relatie);
    EXPECT_EQ(r.Omschrijving, v.omschrijving);
  }
}

std::vector<std::pair<std::size_t, int>> AlleGevallen() {
  std::vector<std::pair<std::size_t, int>> uit;
  for (std::size_t i = 0; i < Bestanden().size(); ++i) {
    uit.emplace_back(i, Bestanden()[i].tag);
    if (Bestanden()[i].automatisch) uit.emplace_back(i, kAutomatischTag);
  }
  return uit;
}

std::string GevalNaam(const ::testing::TestParamInfo<std::pair<std::size_t, int>>& info) {
  std::string naam = Bestanden()[info.param.first].naam;
  for (char& c : naam)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return naam + (info.param.second == kAutomatischTag ? "_automatisch" : "");
}

INSTANTIATE_TEST_SUITE_P(Banken, PerBankTest, ::testing::ValuesIn(AlleGevallen()), GevalNaam);

}  // namespace
}  // namespace valdero
