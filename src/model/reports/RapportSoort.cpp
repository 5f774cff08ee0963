#include "model/reports/RapportSoort.h"

namespace valdero {

bool IsRapportSoort(int soort) {
  for (int s : kRapportSoorten)
    if (s == soort) return true;
  return false;
}

bool IsTransactieRapport(int soort) {
  return soort == rapport::Rekening || soort == rapport::Groep || soort == rapport::Samengesteld ||
         soort == rapport::Klassen || soort == rapport::Relaties;
}

bool IsBudgetRapport(int soort) { return soort >= 11 && soort <= 15; }
bool IsBalansRapport(int soort) { return soort >= 21 && soort <= 25; }
bool IsSaldiRapport(int soort) { return soort == 31 || soort == 32; }

int RapportHelp(int soort) {
  if (soort == rapport::Rekening) return 251;
  if (soort == rapport::Groep || soort == rapport::Samengesteld) return 252;
  if (soort == rapport::Klassen) return 253;
  if (soort == rapport::Relaties) return 291;
  if (IsBudgetRapport(soort)) return 254;
  if (IsBalansRapport(soort)) return 255;
  if (IsSaldiRapport(soort)) return 256;
  return 0;
}

const char* SoortPeriodeNaam(int soort) {
  switch (soort % 10) {
    case 1: return " per Jaar";
    case 2: return " per Maand";
    case 3: return " per Kwartaal";
    case 4: return " per Tijdvak";
    case 5: return " Selectie";
    default: return "";
  }
}

}  // namespace valdero
