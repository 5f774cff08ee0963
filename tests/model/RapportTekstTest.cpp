// The report text file ("&Opslaan ") of every family of kinds on a small
// book, compared line by line with text a person has read; the margin and
// the CR LF line ends are checked apart.
#include <gtest/gtest.h>

#include <sstream>

#include "RapportHulpTest.h"

namespace valdero {
namespace {

struct TekstGeval {
  const char* naam;
  int soort;
  std::vector<std::string> regels;
};

int IndexVoor(int soort) { return soort == 1 ? 1 : (soort == 5 || soort == 6) ? 3 : 0; }

const std::vector<TekstGeval>& Gevallen() {
  static const std::vector<TekstGeval> gevallen = {
    {"soort 1", 1,
     {
         "INKOMSTEN en UITGAVEN  R E K E N I N G  Nr: 1  Jaar:2004  Datum : 15-06-2004",
         " Rekening Naam :Betaalrekening Soort :BT",
         "|Vlgn|Kode|Datum |Relatie         |Bedrag |Saldo  |Omschrijving            |",
         "|--------------------------------------------------------------------------",
         "|1   |1   |01-01-|                |1000,00|1000,00|Saldo 1-1               |",
         "|2   |300 |25-01-|Werkgever       |2000,00|3000,00|salaris januari         |",
         "|3   |xxxx|10-02-|Spaarrekening   |-1000,00|2000,00|naar sparen             |",
         "|7   |201 |03-03-|Supermarkt      |-773,33|1226,67|weekboodschappen        |",
         "|12  |201 |20-05-|Bakker          | -23,45|1203,22|boodschappen            |",
         "|13  |201 |15-08-|Bakker          | -50,00|1153,22|taart                   |",
         "|--------------------------------------------------------------------------",
         "",
     }},
    {"soort 5", 5,
     {
         "GROEP-POST TRANSACTIES  Jaar:2004  Datum : 15-06-2004",
         " Boekings-Code : 201  Boodschappen",
         "|Rek.|VlgN|Datum |Relatie        |Bij_€    |Af_€     |Omschrijving           |",
         "|----------------------------------------------------------------------------",
         "|1   |7   |03-03-|Supermarkt     |         |   773,33|weekboodschappen       |",
         "|1   |12  |20-05-|Bakker         |         |    23,45|boodschappen           |",
         "|1   |13  |15-08-|Bakker         |         |    50,00|taart                  |",
         "|----------------------------------------------------------------------------",
         "                 TOTAAL  Eur                   846,78",
         "                 SALDO  Eur                ",
     }},
    {"soort 6", 6,
     {
         "GROEP-POST TRANSACTIES  Jaar:2004  Datum : 15-06-2004",
         " Boekings-Code : 201  201a, 201b, Boodschappen",
         "|Rek.|VlgN|Datum |Relatie       |Bedrag--2|201a     |201b     |Omschrijving        |",
         "|----------------------------------------------------------------------------------",
         "|1   |7   |03-03-|Supermarkt    |  -773,33|   -12,50|         |weekboodschappen    |",
         "|1   |12  |20-05-|Bakker        |   -23,45|         |    -4,10|boodschappen        |",
         "|1   |13  |15-08-|Bakker        |   -50,00|         |         |taart               |",
         "|----------------------------------------------------------------------------------",
         "                 TOTAAL  Eur       -846,78    -12,50     -4,10",
         "                 SALDO  Eur        -863,38",
     }},
    {"soort 10", 10,
     {
         "SPECIFIEKE KLASSE TRANSACTIES  Jaar:2004 Jaar  Datum : 15-06-2004",
         "Records van geselecteerde klassen :  B , I , U (BTW hoog),",
         "|Rek.|Kode|Datum |Relatie        |Bij_€    |Af_€     |Omschrijving           |",
         "|----------------------------------------------------------------------------",
         "|1-1 |1   |01-01-|               |  1000,00|         |Saldo 1-1              |",
         "|2-1 |2   |01-01-|               |   500,00|         |Saldo 1-1              |",
         "|1-2 |300 |25-01-|Werkgever      |  2000,00|         |salaris januari        |",
         "|1-3 |xxxx|10-02-|Spaarrekening  |         |  1000,00|naar sparen            |",
         "|2-2 |xxxx|10-02-|Betaalrekening |  1000,00|         |van betalen            |",
         "|1-7 |201 |03-03-|Supermarkt     |         |   773,33|weekboodschappen       |",
         "|2-3 |201a|03-03-|Supermarkt     |         |    12,50|statiegeld             |",
         "|1-12|201 |20-05-|Bakker         |         |    23,45|boodschappen           |",
         "|2-4 |201b|20-05-|Bakker         |         |     4,10|koffie                 |",
         "|1-13|201 |15-08-|Bakker         |         |    50,00|taart                  |",
         "|----------------------------------------------------------------------------",
         "                 TOTAAL  Eur        4500,00   1863,38",
         "                 SALDO  Eur         2636,62",
     }},
    {"soort 16", 16,
     {
         "SPECIFIEKE RELATIE RECORDS Jaar:2004 Jaar  Datum : 15-06-2004",
         "Records van geselecteerde relaties :  Bakker, ",
         "|Rek.|Kode|Datum |Relatie        |Bij_€    |Af_€     |Omschrijving           |",
         "|----------------------------------------------------------------------------",
         "|1-12|201 |20-05-|Bakker         |         |    23,45|boodschappen           |",
         "|2-4 |201b|20-05-|Bakker         |         |     4,10|koffie                 |",
         "|1-13|201 |15-08-|Bakker         |         |    50,00|taart                  |",
         "|----------------------------------------------------------------------------",
         "                 TOTAAL  Eur                    77,55",
         "                 SALDO  Eur                ",
     }},
    {"soort 11", 11,
     {
         "BUDGET INKOMSTEN en UITGAVEN  Jaar:2004 per Jaar  Datum : 15-06-2004",
         "Records van alle klassen",
         "|Kode|Titel            |BIJ_budge|AF_budget|Inkomsten|Uitgaven |By_%|Af-%|",
         "|------------------------------------------------------------------------",
         "|1   |Saldo Betaalreken|         |         |  1000,00|     0,00|    |    |",
         "|2   |Saldo Spaarrekeni|         |         |   500,00|     0,00|    |    |",
         "|201 |Boodschappen     |         |  1200,00|     0,00|   846,78|    | 71%|",
         "|201a|Statiegeld       |         |         |     0,00|    12,50|    |    |",
         "|201b|Koffie           |         |         |     0,00|     4,10|    |    |",
         "|300 |Salaris          | 24000,00|         |  2000,00|     0,00|  8%|    |",
         "|410 |Huur             |         |  6000,00|     0,00|     0,00|    |  0%|",
         "|xxxx|KRUISPOSTEN      |         |         |  1000,00|  1000,00|    |    |",
         "|------------------------------------------------------------------------",
         "     TOTAAL  Eur         24000,00   7200,00   4500,00   1863,38",
         "     EIND SALDO  Eur     16800,00             2636,62",
     }},
    {"soort 12", 12,
     {
         "BUDGET INKOMSTEN en UITGAVEN  Jaar:2004 per Maand  Datum : 15-06-2004",
         "Records van de klassen B, I, L, U, V",
         "|Kode|Titel            |BIJ_budge|AF_budget|Inkomsten|Uitgaven |By_%|Af-%|",
         "|------------------------------------------------------------------------",
         "|1   |Saldo Betaalreken|         |         |   166,67|     0,00|    |    |",
         "|2   |Saldo Spaarrekeni|         |         |    83,33|     0,00|    |    |",
         "|201 |Boodschappen     |         |   100,00|     0,00|   141,13|    |141%|",
         "|201a|Statiegeld       |         |         |     0,00|     2,08|    |    |",
         "|201b|Koffie           |         |         |     0,00|     0,68|    |    |",
         "|300 |Salaris          |  2000,00|         |   333,33|     0,00| 17%|    |",
         "|410 |Huur             |         |   500,00|     0,00|     0,00|    |  0%|",
         "|xxxx|KRUISPOSTEN      |         |         |   166,67|   166,67|    |    |",
         "|------------------------------------------------------------------------",
         "     TOTAAL  Eur          2000,00    600,00    750,00    310,56",
         "     EIND SALDO  Eur      1400,00              439,44",
     }},
    {"soort 13", 13,
     {
         "BUDGET INKOMSTEN en UITGAVEN  Jaar:2004 per Kwartaal  Datum : 15-06-2004",
         "Records van alle klassen",
         "|Kode|Titel            |BIJ_budge|AF_budget|Inkomsten|Uitgaven |By_%|Af-%|",
         "|------------------------------------------------------------------------",
         "|1   |Saldo Betaalreken|         |         |   375,00|     0,00|    |    |",
         "|2   |Saldo Spaarrekeni|         |         |   187,50|     0,00|    |    |",
         "|201 |Boodschappen     |         |   300,00|     0,00|   317,54|    |106%|",
         "|201a|Statiegeld       |         |         |     0,00|     4,69|    |    |",
         "|201b|Koffie           |         |         |     0,00|     1,54|    |    |",
         "|300 |Salaris          |  6000,00|         |   750,00|     0,00| 12%|    |",
         "|410 |Huur             |         |  1500,00|     0,00|     0,00|    |  0%|",
         "|xxxx|KRUISPOSTEN      |         |         |   375,00|   375,00|    |    |",
         "|------------------------------------------------------------------------",
         "     TOTAAL  Eur          6000,00   1800,00   1687,50    698,77",
         "     EIND SALDO  Eur      4200,00              988,73",
     }},
    {"soort 14", 14,
     {
         "BUDGET INKOMSTEN en UITGAVEN  Jaar:2004 per Tijdvak  Datum : 15-06-2004",
         "Records van alle klassen",
         "|Kode|Titel            |BIJ_budge|AF_budget|Inkomsten|Uitgaven |By_%|Af-%|",
         "|------------------------------------------------------------------------",
         "|1   |Saldo Betaalreken|         |         |  1000,00|     0,00|    |    |",
         "|2   |Saldo Spaarrekeni|         |         |   500,00|     0,00|    |    |",
         "|201 |Boodschappen     |         |  1200,00|     0,00|   846,78|    | 71%|",
         "|201a|Statiegeld       |         |         |     0,00|    12,50|    |    |",
         "|201b|Koffie           |         |         |     0,00|     4,10|    |    |",
         "|300 |Salaris          | 24000,00|         |  2000,00|     0,00|  8%|    |",
         "|410 |Huur             |         |  6000,00|     0,00|     0,00|    |  0%|",
         "|xxxx|KRUISPOSTEN      |         |         |  1000,00|  1000,00|    |    |",
         "|------------------------------------------------------------------------",
         "     TOTAAL  Eur         24000,00   7200,00   4500,00   1863,38",
         "     EIND SALDO  Eur     16800,00             2636,62",
     }},
    {"soort 21", 21,
     {
         "BALANS INKOMSTEN en UITGAVEN  Jaar:2004 per Jaar  Datum : 15-06-2004",
         "Records van alle klassen",
         "|Kode|Titel            |Bij/Af_bu|Werkelijk|Saldi_Bal|Saldi_Bal|%_By|%_Af|",
         "|------------------------------------------------------------------------",
         "|1   |Saldo Betaalreken|     0,00|  1153,22|  1153,22|         |100%|    |",
         "|2   |Saldo Spaarrekeni|     0,00|  1483,40|  1483,40|         |100%|    |",
         "|201 |Boodschappen     | -1200,00|  -846,78|         |  -299,24|    | 71%|",
         "|201a|Statiegeld       |     0,00|   -12,50|         |   -12,50|    |100%|",
         "|201b|Koffie           |     0,00|    -4,10|         |    -4,10|    |100%|",
         "|300 |Salaris          | 24000,00|  2000,00|         | -8950,82|  8%|    |",
         "|410 |Huur             | -6000,00|     0,00|  2737,70|         |    |    |",
         "|xxxx|KRUISPOSTEN      |     0,00|     0,00|         |         |    |    |",
         "|------------------------------------------------------------------------",
         "     EIND SALDO  Eur     16800,00   2636,62",
         "     * = Jaartotaal ",
     }},
    {"soort 22", 22,
     {
         "BALANS INKOMSTEN en UITGAVEN  Jaar:2004 per Maand  Datum : 15-06-2004",
         "Records van alle klassen",
         "|Kode|Titel            |Bij/Af_bu|Werkelijk|Saldi_Bal|Saldi_Bal|%_By|%_Af|",
         "|------------------------------------------------------------------------",
         "|1   |Saldo Betaalreken|     0,00|    96,10|   96,10*|         |100%|    |",
         "|2   |Saldo Spaarrekeni|     0,00|   123,62|  123,62*|         |100%|    |",
         "|201 |Boodschappen     |  -100,00|  -141,13|         |  -41,13*|    |141%|",
         "|201a|Statiegeld       |     0,00|    -2,08|         |   -2,08*|    |100%|",
         "|201b|Koffie           |     0,00|    -0,68|         |   -0,68*|    |100%|",
         "|300 |Salaris          |  2000,00|   333,33|         |-1666,67*| 17%|    |",
         "|410 |Huur             |  -500,00|     0,00|  500,00*|         |    |    |",
         "|xxxx|KRUISPOSTEN      |     0,00|     0,00|         |         |    |    |",
         "|------------------------------------------------------------------------",
         "     EIND SALDO  Eur      1400,00    439,44",
         "     * = Jaartotaal ",
     }},
    {"soort 23", 23,
     {
         "BALANS INKOMSTEN en UITGAVEN  Jaar:2004 per Kwartaal  Datum : 15-06-2004",
         "Records van alle klassen",
         "|Kode|Titel            |Bij/Af_bu|Werkelijk|Saldi_Bal|Saldi_Bal|%_By|%_Af|",
         "|------------------------------------------------------------------------",
         "|1   |Saldo Betaalreken|     0,00|   288,31|  288,31*|         |100%|    |",
         "|2   |Saldo Spaarrekeni|     0,00|   370,85|  370,85*|         |100%|    |",
         "|201 |Boodschappen     |  -300,00|  -211,70|   88,30*|         |    | 71%|",
         "|201a|Statiegeld       |     0,00|    -3,12|         |   -3,12*|    |100%|",
         "|201b|Koffie           |     0,00|    -1,02|         |   -1,02*|    |100%|",
         "|300 |Salaris          |  6000,00|   500,00|         |-5500,00*|  8%|    |",
         "|410 |Huur             | -1500,00|     0,00| 1500,00*|         |    |    |",
         "|xxxx|KRUISPOSTEN      |     0,00|     0,00|         |         |    |    |",
         "|------------------------------------------------------------------------",
         "     EIND SALDO  Eur      4200,00    659,15",
         "     * = Jaartotaal ",
     }},
    {"soort 24", 24,
     {
         "BALANS INKOMSTEN en UITGAVEN  Jaar:2004 per Tijdvak  Datum : 15-06-2004",
         "Records van alle klassen",
         "|Kode|Titel            |Bij/Af_bu|Werkelijk|Saldi_Bal|Saldi_Bal|%_By|%_Af|",
         "|------------------------------------------------------------------------",
         "|1   |Saldo Betaalreken|     0,00|  1153,22|  1153,22|         |100%|    |",
         "|2   |Saldo Spaarrekeni|     0,00|  1483,40|  1483,40|         |100%|    |",
         "|201 |Boodschappen     | -1200,00|  -846,78|         |  -299,24|    | 71%|",
         "|201a|Statiegeld       |     0,00|   -12,50|         |   -12,50|    |100%|",
         "|201b|Koffie           |     0,00|    -4,10|         |    -4,10|    |100%|",
         "|300 |Salaris          | 24000,00|  2000,00|         | -8950,82|  8%|    |",
         "|410 |Huur             | -6000,00|     0,00|  2737,70|         |    |    |",
         "|xxxx|KRUISPOSTEN      |     0,00|     0,00|         |         |    |    |",
         "|------------------------------------------------------------------------",
         "     EIND SALDO  Eur     16800,00   2636,62",
         "     * = Jaartotaal ",
     }},
    {"soort 31", 31,
     {
         "S A L D O`s  -  V I Z U D E Z :   Jaar:2004  Datum : 15-06-2004",
         "  Voor alle rekeningen",
         "|Nr. |Rekening         |Begin-Sal|Bij_€    |Af_€     |Saldo_€  |",
         "|--------------------------------------------------------------",
         "|1   |Betaalrekening   |  1000,00|  2000,00|  1846,78|  1153,22|",
         "|2   |Spaarrekening    |   500,00|  1000,00|    16,60|  1483,40|",
         "|--------------------------------------------------------------",
         "     TOTAAL  Eur          1500,00   3000,00   1863,38   2636,62",
         "     Zonder Kruisposten   1500,00   2000,00    863,38   2636,62",
     }},
    {"soort 32", 32,
     {
         "S A L D O`s  -  V I Z U D E Z :   Jaar:2004  Datum : 15-06-2004",
         " Voor de rekeningsoorten : BT SP TR ",
         "|Nr. |Rekening         |Begin-Sal|Bij_€    |Af_€     |Saldo_€  |",
         "|--------------------------------------------------------------",
         "|1   |Betaalrekening   |  1000,00|  2000,00|  1846,78|  1153,22|",
         "|2   |Spaarrekening    |   500,00|  1000,00|    16,60|  1483,40|",
         "|--------------------------------------------------------------",
         "     TOTAAL  Eur          1500,00   3000,00   1863,38   2636,62",
         "     Zonder Kruisposten   1500,00   2000,00    863,38   2636,62",
     }},
  };
  return gevallen;
}

TEST(RapportTekst, ElkeSoortGeeftDeGelezenTekst) {
  for (const TekstGeval& g : Gevallen()) {
    SCOPED_TRACE(g.naam);
    test::RapportBoek b;
    if (g.soort == rapport::Relaties) b.selectie.Relaties = {"Bakker"};
    RapportModel model(b.boek.kb, b.selectie);
    ASSERT_TRUE(test::OpenRapport(b, model, g.soort, IndexVoor(g.soort)));
    const std::string bytes = model.OpslaanTekst(model.Tabel().breedtes, 10);
    const auto regels = test::TekstRegels(bytes);
    ASSERT_EQ(regels.size(), g.regels.size()) << bytes;
    for (std::size_t i = 0; i < regels.size(); ++i) EXPECT_EQ(regels[i], g.regels[i]) << "regel " << i;
  }
}

// The file written as the rows are built is the file "&Opslaan " writes,
// for every kind (a list of transactions or not), in both orders and views,
// with the personal data above it and with pages that break.
TEST(RapportTekst, GeschrevenTerwijlDeRijenKomenIsHetzelfdeBestand) {
  struct Opmaak {
    const char* naam;
    bool persoonsdata;
    int perPagina;
    bool aflopend;
    bool afschrift;
  };
  for (const Opmaak& o : {Opmaak{"gewoon", false, 0, false, false}, Opmaak{"persoonsdata, 4 regels", true, 4, false, false},
                          Opmaak{"aflopend, 3 regels", false, 3, true, false},
                          Opmaak{"afschrift", false, 5, false, true}}) {
    for (const TekstGeval& g : Gevallen()) {
      SCOPED_TRACE(std::string(o.naam) + ", " + g.naam);
      test::RapportBoek b;
      if (g.soort == rapport::Relaties) b.selectie.Relaties = {"Bakker"};
      if (o.persoonsdata) {
        b.boek.kb.Config.Vlaggen |= vlag::NaamBovenRapport;
        b.boek.kb.Config.Persoonsdata = {"Jan", "Straat 1", "1234 AB", "Dorp", "050-1", "jan@voorbeeld.nl"};
      }
      b.boek.kb.Config.RegelsPerPagina = o.perPagina;
      RapportModel gewoon(b.boek.kb, b.selectie);
      ASSERT_TRUE(test::OpenRapport(b, gewoon, g.soort, IndexVoor(g.soort)));
      if (o.aflopend) gewoon.ZetAflopend(true);
      if (o.afschrift && g.soort == rapport::Rekening) gewoon.WisselAfschrift();
      const std::string verwacht = gewoon.OpslaanTekst(gewoon.Tabel().breedtes, 10);

      RapportModel model(b.boek.kb, b.selectie);
      RapportStroom stroom(b.boek.kb, 10);
      model.ZetOntvanger(&stroom);
      ASSERT_TRUE(test::OpenRapport(b, model, g.soort, IndexVoor(g.soort)));
      if (o.aflopend) model.ZetAflopend(true);
      if (o.afschrift && g.soort == rapport::Rekening) model.WisselAfschrift();
      if (IsTransactieRapport(g.soort)) {
        EXPECT_TRUE(model.Tabel().rijen.empty());
      }
      EXPECT_EQ(stroom.Tekst(b.boek.kb, model.Tabel()), verwacht);

      // Built once, straight into a stream as the rows come.
      if (o.aflopend || o.afschrift) continue;
      std::ostringstream uit;
      RapportModel direct(b.boek.kb, b.selectie);
      RapportStroom rechtstreeks(b.boek.kb, 10, &uit);
      direct.ZetOntvanger(&rechtstreeks);
      ASSERT_TRUE(test::OpenRapport(b, direct, g.soort, IndexVoor(g.soort)));
      rechtstreeks.Schrijf(uit, b.boek.kb, direct.Tabel());
      EXPECT_EQ(uit.str(), verwacht);
    }
  }
}

// The row of 20-05-2004 for Bakker, character for character, as the
// account report writes it with the default widths 4, 4, 6, 16, 7, 7, 24.
TEST(RapportTekst, BakkerRegelTekenVoorTeken) {
  test::RapportBoek b;
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(test::OpenRapport(b, model, rapport::Rekening, 1));
  const std::string bytes = model.OpslaanTekst(model.Tabel().breedtes, 10);
  EXPECT_NE(bytes.find("   |Vlgn|Kode|Datum |Relatie         |Bedrag |Saldo  |Omschrijving            |\r\n"),
            std::string::npos);
  EXPECT_NE(bytes.find("   |" + std::string(74, '-') + "\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("   |12  |201 |20-05-|Bakker          | -23,45|1203,22|boodschappen            |\r\n"),
            std::string::npos);
}

// The file is Windows-1252: the euro sign of the column titles is one byte.
TEST(RapportTekst, BestandIsWindows1252MetCrLf) {
  test::RapportBoek b;
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(test::OpenRapport(b, model, rapport::Groep, 3));
  const std::string bytes = model.OpslaanTekst(model.Tabel().breedtes, 10);
  EXPECT_NE(bytes.find("|Bij_\x80    |Af_\x80     |"), std::string::npos);
  EXPECT_EQ(bytes.find("\xE2\x82\xAC"), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  for (std::size_t p = bytes.find('\n'); p != std::string::npos; p = bytes.find('\n', p + 1))
    EXPECT_EQ(bytes[p - 1], '\r');
}

// An amount is never cut: it is written whole and its line grows; text
// cells are cut to their width.
TEST(RapportTekst, BedragNooitAfgekaptTekstWel) {
  test::RapportBoek b;
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(test::OpenRapport(b, model, rapport::Rekening, 1));
  const auto regels = test::TekstRegels(model.OpslaanTekst(model.Tabel().breedtes, 10));
  EXPECT_EQ(regels[6], "|3   |xxxx|10-02-|Spaarrekening   |-1000,00|2000,00|naar sparen             |");
  // Narrower columns: the relation is cut, the amounts stay whole.
  std::vector<int> smal = model.Tabel().breedtes;
  smal[3] = 40;
  smal[4] = 40;
  const auto smalle = test::TekstRegels(model.OpslaanTekst(smal, 10));
  EXPECT_EQ(smalle[8], "|12  |201 |20-05-|Bakk|-23,45|1203,22|boodschappen            |");
}

// Gathered budget reports hold columns 0 to 5, saved directly 0 to 7; the
// window font's size divides the pixel widths.
TEST(RapportTekst, VerzameldeBudgetKolommenEnFontGrootte) {
  test::RapportBoek b;
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(test::OpenRapport(b, model, rapport::BudgetJaar));
  model.Verzamel(model.Tabel().breedtes, 10);
  const auto verzameld = test::TekstRegels(model.OpslaanTekst(model.Tabel().breedtes, 10));
  EXPECT_EQ(verzameld[2], "|Kode|Titel            |BIJ_budge|AF_budget|Inkomsten|Uitgaven |");
  EXPECT_EQ(b.boek.berichten.Teksten().back(), "Aantal verzamelde Overzichten : 1");

  RapportModel groot(b.boek.kb, b.selectie);
  ASSERT_TRUE(test::OpenRapport(b, groot, rapport::BudgetJaar));
  // Point size 12: 42/12 = 3, 176/12 = 14, 96/12 = 8, 45/12 = 3, 40/12 = 3;
  // the margin is 38 div 12 = 3 spaces.
  const auto regels = test::TekstRegels(groot.OpslaanTekst(groot.Tabel().breedtes, 12));
  EXPECT_EQ(regels[2], "|Kod|Titel         |BIJ_budg|AF_budge|Inkomste|Uitgaven|By_|Af-|");
}

// Saving twice without gathering: each file holds the report once.
TEST(RapportTekst, TweeKeerOpslaanGeeftTweeGelijkeBestanden) {
  test::RapportBoek b;
  test::TestMap map;
  b.boek.kb.sessie.Map = map.pad();
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(test::OpenRapport(b, model, rapport::Rekening, 1));
  b.boek.berichten.Bestand("een.txt");
  b.boek.berichten.Bestand("twee.txt");
  ASSERT_TRUE(model.Opslaan(model.Tabel().breedtes, 10));
  ASSERT_TRUE(model.Opslaan(model.Tabel().breedtes, 10));
  const std::string een = test::LeesBestand(map.pad() / "een.txt");
  EXPECT_FALSE(een.empty());
  EXPECT_EQ(test::LeesBestand(map.pad() / "twee.txt"), een);
  EXPECT_EQ(b.boek.berichten.Teksten().back(), "Bewaren overzicht(en) gelukt");
  ASSERT_EQ(b.boek.berichten.dialogen.size(), 2u);
  EXPECT_EQ(b.boek.berichten.dialogen[0].titel, "Red Overzicht");
  EXPECT_EQ(b.boek.berichten.dialogen[0].filter, "Text files (*.txt)|*.TXT");
}

// Two gathered overviews are written one after the other; the line counter
// runs on across them.
TEST(RapportTekst, VerzameldeOverzichtenAchterElkaar) {
  test::RapportBoek b;
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(test::OpenRapport(b, model, rapport::Rekening, 1));
  model.Verzamel(model.Tabel().breedtes, 10);
  ASSERT_TRUE(model.Volgende());
  model.Verzamel(model.Tabel().breedtes, 10);
  const auto regels = test::TekstRegels(model.OpslaanTekst(model.Tabel().breedtes, 10));
  EXPECT_EQ(regels[12], "INKOMSTEN en UITGAVEN  R E K E N I N G  Nr: 2  Jaar:2004  Datum : 15-06-2004");
  EXPECT_EQ(model.Verzameld().aantalOverzichten, 2);
  EXPECT_EQ(model.Verzameld().regelTeller, 5 + 6 + 5 + 4);
}

// Landscape: the first row count n with 140 n / 100 >= lines per page ends
// a page with a form feed, followed by a line holding only a form feed.
TEST(RapportTekst, LiggendePaginaBreekt) {
  struct Geval {
    const char* naam;
    bool liggend;
    int perPagina;
    int regelMetPaginaEinde;  // 0-based line of the text; -1 for none
  };
  for (const Geval& g : {Geval{"staand, 10 regels", false, 10, 8}, Geval{"liggend, 10 regels", true, 10, 6},
                         Geval{"liggend, 60 regels", true, 60, -1}}) {
    SCOPED_TRACE(g.naam);
    test::RapportBoek b;
    if (g.liggend) b.boek.kb.Config.Vlaggen |= vlag::Liggend;
    b.boek.kb.Config.RegelsPerPagina = g.perPagina;
    RapportModel model(b.boek.kb, b.selectie);
    ASSERT_TRUE(test::OpenRapport(b, model, rapport::Rekening, 1));
    const auto regels = test::TekstRegels(model.OpslaanTekst(model.Tabel().breedtes, 10));
    for (std::size_t i = 0; i < regels.size(); ++i) {
      const bool einde = regels[i] != "\f" && !regels[i].empty() && regels[i].back() == '\f';
      EXPECT_EQ(einde, static_cast<int>(i) == g.regelMetPaginaEinde) << "regel " << i << ": " << regels[i];
      if (einde) {
        EXPECT_EQ(regels[i + 1], "\f");
      }
    }
  }
}

// A compound group with seven subgroups is written with columns 0 to 10:
// the last subgroup and the description fall off.
TEST(RapportTekst, SamengesteldeGroepMetZevenSubgroepen) {
  test::RapportBoek b;
  Kasboek& kb = b.boek.kb;
  for (const char* s : {"201c", "201d", "201e", "201f", "201g"}) test::VoegGroepToe(kb, s, "Sub", " U ");
  b.Kas(2, "201g", 20, 5, 5, -1.00, "Bakker", "laatste");
  EXPECT_TRUE(BouwSaldoMatrix(kb).Gelukt());
  RapportModel model(kb, b.selectie);
  ASSERT_TRUE(test::OpenRapport(b, model, rapport::Samengesteld, 3));
  ASSERT_EQ(model.Tabel().subgroepen, 7);
  ASSERT_EQ(model.Tabel().Kolommen(), 13);
  // a = max(300 div 7, 40) = 42 pixels: 4 characters per amount column.
  const auto regels = test::TekstRegels(model.OpslaanTekst(model.Tabel().breedtes, 10));
  EXPECT_EQ(regels[2], "|Rek.|VlgN|Datum |Relatie       |Bedr|201a|201b|201c|201d|201e|201f|");
  EXPECT_EQ(regels[5], "|1   |12  |20-05-|Bakker        |-23,45|    |-4,10|    |    |    |    |");
}

}  // namespace
}  // namespace valdero
