#include "model/bankimport/BankFormaat.h"

namespace valdero {

std::string StandaardBankBestand(int tag) {
  switch (tag) {
    case 0: return "RaboMut.txt";
    case 1: return "Girotel.csv";
    case 2: return "ABNMut.tab";
    case 3: return "SNSMut.txt";
    case 4: return "ING1Mut.csv";
    case 5: return "ING2Mut.csv";
    case 6: return "CamtMut.xml";
    case 7: return "MT940Mut.sta";
    case 8: return "RaboMut.csv";
    case 9: return "INGMut.csv";
    case 10: return "Rabo.txt";
    case 11: return "Girotel.csv";
    case 12: return "ABN.tab";
    case 13: return "SNS.txt";
    case 14: return "ING1.txt";
    case 15: return "ING2.csv";
    case bankformaat::Qif: return "Mutaties.qif";
    case bankformaat::Ofx: return "Mutaties.ofx";
    default: return {};
  }
}

std::string BankBestandFilter(int tag) {
  switch (tag) {
    case 0: return "Mutatie files (*.txt)|*.TXT|Alle files *.*";
    case 1:
    case 4:
    case 5: return "Mutatie files (*.csv)|*.CSV";
    case 2: return "Mutatie files (*.tab)|*.TAB|Alle files *.*";
    case 3: return "Mutatie files (*.txt)|*.TXT|KOMMA SEP. files (*.csv)|*.CSV|Alle files *.*";
    case 6: return "CAMT.053 files (*.xml)|*.XML|Alle files *.*";
    case 7: return "MT940 files (*.sta *.940 *.txt)|*.STA *.940 *.TXT|Alle files *.*";
    case 8:
    case 9: return "Mutatie files (*.csv)|*.CSV|Alle files *.*";
    case bankformaat::Qif: return "QIF files (*.qif)|*.QIF|Alle files *.*";
    case bankformaat::Ofx: return "OFX files (*.ofx *.qfx)|*.OFX *.QFX|Alle files *.*";
    case kAutomatischTag:
      return "Mutatie files (*.txt *.csv *.tab *.xml *.sta *.940 *.qif *.ofx)"
             "|*.TXT *.CSV *.TAB *.XML *.STA *.940 *.QIF *.OFX|Alle files *.*";
    default: return {};
  }
}

std::string FormaatNaam(int formaat) {
  switch (formaat) {
    case bankformaat::Rabobank: return "Rabobank";
    case bankformaat::Girotel: return "Girotel";
    case bankformaat::AbnAmro: return "ABN AMRO";
    case bankformaat::Sns: return "SNS";
    case bankformaat::Ing1: return "ING 1";
    case bankformaat::IngDatum: return "ING (dd-mm-jjjj)";
    case bankformaat::Camt053: return "CAMT.053";
    case bankformaat::Mt940: return "MT940";
    case bankformaat::RaboCsv: return "Rabobank CSV";
    case bankformaat::IngCsv: return "ING CSV";
    case bankformaat::Qif: return "QIF";
    case bankformaat::Ofx: return "OFX";
    default: return "?";
  }
}

}  // namespace valdero
