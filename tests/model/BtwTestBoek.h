#pragma once
// A small book of 2004 with VAT for the VAT overview and the group overview:
// two paying accounts (1 and 2), a savings account (3), classes at the low
// rate (" L ", 6%), the high rate (" H ", 19%), a class with the high kind
// but no rate (" Z ") and one without VAT (" N "), and transactions that
// include a refund, a booking stored with VAT of its own in a group
// without VAT, and one on a group that was deleted.

#include <string>

#include "TestBoek.h"
#include "model/core/Datum.h"
#include "model/core/Records.h"

namespace valdero::test {

struct BtwBoek {
  BtwBoek() : boek(MaakDatum(2004, 6, 15)) {
    Kasboek& kb = boek.kb;
    kb.KasJaar = "2004";
    VoegValutaToe(kb, "Eur", 1.0f, true, "Euro").Teken = "€";
    VoegKlasseToe(kb, " B ", "Balans");
    VoegKlasseToe(kb, " L ", "Laag", 1, 6);
    VoegKlasseToe(kb, " H ", "Hoog", 2, 19);
    VoegKlasseToe(kb, " Z ", "Zonder tarief", 2, 0);
    VoegKlasseToe(kb, " N ", "Geen BTW");
    kb.BtwActief = true;
    VoegRekeningToe(kb, 1, "Betaalrekening", "BT");
    VoegRekeningToe(kb, 2, "Zakelijk", "BT");
    VoegRekeningToe(kb, 3, "Spaarrekening", "SP");
    VoegGroepToe(kb, "1", "Saldo Betaalrekening", " B ");
    VoegGroepToe(kb, "500", "Boeken", " L ");
    VoegGroepToe(kb, "600", "Apparaten", " H ");
    VoegGroepToe(kb, "610", "Vrijgesteld", " Z ");
    VoegGroepToe(kb, "700", "Huur", " N ");
    Kas(1, "600", 2, 1, -119.00, "Winkel", 0);      // 1: high, expense
    Kas(1, "600", 3, 2, 23.80, "Winkel", 2);        // 2: a refund: VAT in income
    Kas(1, "500", 4, 3, -10.60, "Boekhandel", 1);   // 3: low, expense
    Kas(1, "500", 5, 4, 106.00, "Boekhandel", 1);   // 4: low, income
    Kas(1, "700", 6, 5, -500.00, "Verhuurder", 2);  // 5: own VAT kind, group without
    Kas(1, "610", 7, 6, -50.00, "Winkel", 2);       // 6: a class without a rate
    Kas(2, "600", 8, 1, -238.00, "Winkel", 2);      // 7
    Kas(3, "600", 9, 1, -119.00, "Winkel ", 2);     // 8: a relation with a trailing blank
    MarkeerGelezen(kb);
  }

  // `btwSoort` is the VAT kind the booking was stored with (0 none).
  TKas& Kas(int rek, const std::string& groep, int maand, int volgnr, double bedrag, const std::string& relatie,
            int btwSoort) {
    TKas& k = VoegTransactieToe(boek.kb, rek, groep, MaakDatum(2004, maand, 1), bedrag);
    k.Relatie = relatie;
    k.VolgBlad = TKas::MaakVolgBlad(volgnr, 1);
    k.BoekSoort = 256 * btwSoort;
    return k;
  }

  BoekMetPoorten boek;
};

}  // namespace valdero::test
