#pragma once
// The builders of each family of reports, called by BouwRapport.

namespace valdero {

class Kasboek;
struct ReportSelection;
struct RapportStand;
struct RapportTabel;

void BouwRekeningRapport(Kasboek& kb, const RapportStand& stand, RapportTabel& tabel);
void BouwGroepRapport(Kasboek& kb, const RapportStand& stand, RapportTabel& tabel);
void BouwKlasseRapport(Kasboek& kb, const ReportSelection& selectie, const RapportStand& stand,
                       RapportTabel& tabel);
void BouwRelatieRapport(Kasboek& kb, const ReportSelection& selectie, const RapportStand& stand,
                        RapportTabel& tabel);
void BouwBudgetRapport(Kasboek& kb, const ReportSelection& selectie, const RapportStand& stand,
                       RapportTabel& tabel);
void BouwBalansRapport(Kasboek& kb, const ReportSelection& selectie, const RapportStand& stand,
                       RapportTabel& tabel);
void BouwSaldiRapport(Kasboek& kb, const ReportSelection& selectie, const RapportStand& stand,
                      RapportTabel& tabel);

// " Jaar", " 1e Halfjaar", " 2e Halfjaar", " Tijdvak" for codes 1 to 4.
const char* PeriodeNaam(int code);

}  // namespace valdero
