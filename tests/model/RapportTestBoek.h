#pragma once
// A small book of 2004 for the report tests: a payments and a savings
// account with their own groups, groceries (201) with two subgroups, salary
// (300), rent (410) without transactions, the cross-posting group, and ten
// transactions whose account report has the row of 20-05-2004 for Bakker
// (sequence number 12, group 201, -23,45, balance 1203,22).

#include <string>

#include "TestBoek.h"
#include "model/core/Datum.h"
#include "model/core/Records.h"
#include "model/core/SaldoMatrix.h"
#include "model/reports/ReportSelection.h"

namespace valdero::test {

struct RapportBoek {
  explicit RapportBoek(double vandaag = MaakDatum(2004, 6, 15)) : boek(vandaag) {
    Kasboek& kb = boek.kb;
    kb.KasJaar = "2004";
    VoegValutaToe(kb, "Eur", 1.0f, true, "Euro").Teken = "€";
    VoegValutaToe(kb, "USD", 0.8f, false, "Dollar").Teken = "$";
    VoegKlasseToe(kb, " B ", "Balans");
    VoegKlasseToe(kb, " I ", "Inkomsten");
    VoegKlasseToe(kb, " U ", "Uitgaven", 2, 19);
    VoegSoortToe(kb, "BT betalingen");
    VoegSoortToe(kb, "SP sparen");
    VoegSoortToe(kb, "TR tranferrek.");
    VoegRekeningToe(kb, 1, "Betaalrekening", "BT");
    VoegRekeningToe(kb, 2, "Spaarrekening", "SP");
    VoegRekeningToe(kb, 99, "TRANSFER REKENING", "TR");
    VoegGroepToe(kb, "1", "Saldo Betaalrekening", " B ");
    VoegGroepToe(kb, "2", "Saldo Spaarrekening", " B ");
    VoegGroepToe(kb, "201", "Boodschappen", " U ", -1200);
    VoegGroepToe(kb, "201a", "Statiegeld", " U ");
    VoegGroepToe(kb, "201b", "Koffie", " U ");
    VoegGroepToe(kb, "300", "Salaris", " I ", 24000);
    VoegGroepToe(kb, "410", "Huur", " U ", -6000);
    VoegGroepToe(kb, "xxxx", "KRUISPOSTEN", " B ");
    Kas(1, "1", 1, 1, 1, 1000.00, "", "Saldo 1-1");
    Kas(2, "2", 1, 1, 1, 500.00, "", "Saldo 1-1");
    Kas(1, "300", 25, 1, 2, 2000.00, "Werkgever", "salaris januari");
    Kas(1, "xxxx", 10, 2, 3, -1000.00, "Spaarrekening", "naar sparen");
    Kas(2, "xxxx", 10, 2, 2, 1000.00, "Betaalrekening", "van betalen");
    Kas(1, "201", 3, 3, 7, -773.33, "Supermarkt", "weekboodschappen");
    Kas(2, "201a", 3, 3, 3, -12.50, "Supermarkt", "statiegeld");
    Kas(1, "201", 20, 5, 12, -23.45, "Bakker", "boodschappen");
    Kas(2, "201b", 20, 5, 4, -4.10, "Bakker", "koffie");
    Kas(1, "201", 15, 8, 13, -50.00, "Bakker", "taart");
    MarkeerGelezen(kb);
    // The book above holds only known groups and accounts.
    static_cast<void>(BouwSaldoMatrix(kb));
    kb.Config.FontGrootte = 10;
    kb.Config.LinkerMarge = 236;  // 1 cm at 600 dpi: three spaces in the text file
    kb.Config.RegelsPerPagina = 60;
  }

  void Kas(int rek, const std::string& groep, int dag, int maand, int volgnr, double bedrag,
           const std::string& relatie, const std::string& omschrijving) {
    TKas& k = VoegTransactieToe(boek.kb, rek, groep, MaakDatum(2004, maand, dag), bedrag, omschrijving);
    k.Relatie = relatie;
    k.VolgBlad = TKas::MaakVolgBlad(volgnr, 1);
  }

  BoekMetPoorten boek;
  ReportSelection selectie;
};

}  // namespace valdero::test
