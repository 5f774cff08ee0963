#include "app/cli/Opdrachten.h"

#include <ostream>
#include <utility>

#include "app/cli/Opties.h"

namespace valdero::cli {
namespace {

void SchrijfGebruik(std::ostream& fout) {
  fout << "Gebruik: valdero-cli OPDRACHT [OPTIES] ARGUMENTEN\n\nOpdrachten:\n";
  for (const Opdracht& o : Opdrachten()) fout << o.gebruik;
  fout << "\nOpties:\n" << kOptieGebruik;
}

}  // namespace

const std::vector<Opdracht>& Opdrachten() {
  static const std::vector<Opdracht> opdrachten = {
      {"dump",
       "  dump [OPTIES] BOEK         laadt BOEK zoals bij het starten en toont het als JSON\n",
       DumpOpdracht},
      {"bewaar",
       "  bewaar [OPTIES] BOEK       laadt BOEK, bewaart het en toont het als JSON\n",
       BewaarOpdracht},
      {"saldi",
       "  saldi [OPTIES] BOEK        laadt BOEK en toont het saldo van elke rekening\n",
       SaldiOpdracht},
      {"boek",
       "  boek [OPTIES] [--index N[,N...]] [--kopie] BOEK MODUS [veld=tekst ...]\n"
       "                             maakt een boeking in MODUS zoals in het boekingsvenster\n"
       "                             en toont het boek als JSON\n",
       BoekOpdracht},
      {"rapport",
       "  rapport [OPTIES] [--rekening NR] [--groep KODE] [--klassen B,I,U] [--relaties \"Naam;Naam\"]\n"
       "          [--soorten BT,SP] [--periode 1|2|3|4] [--van D-M-JJJJ --tot D-M-JJJJ] [--aflopend]\n"
       "          [--afschrift] [--munt CODE] [--verzamel] [--uit BESTAND] [--json] [--pdf BESTAND]\n"
       "          BOEK SOORT\n"
       "                             toont overzicht SOORT (1, 5, 6, 10-16, 21-25, 31, 32) als\n"
       "                             tekstbestand zoals \"Opslaan\" het schrijft, of als JSON;\n"
       "                             SOORT 150 is het BTW overzicht (--rekening NR: alleen die);\n"
       "                             --pdf drukt het overzicht af in BESTAND zoals \"Print\" het\n"
       "                             afdrukt, met de grafiekmodule die bij het programma hoort\n",
       RapportOpdracht},
      {"grafiek",
       "  grafiek [OPTIES] [--rekening NR] [--groep KODE] [--klassen B,I,U] [--soorten BT,SP]\n"
       "          [--periode 1|2|3|4] [--png BESTAND] [--pdf BESTAND] BOEK SOORT\n"
       "                             toont de reeksen van grafiek SOORT (101, 105, 110-113, 115,\n"
       "                             131, 132) als JSON; --png tekent de grafiek ook in BESTAND,\n"
       "                             --pdf drukt hem af in BESTAND zoals \"Print\" het doet,\n"
       "                             met de grafiekmodule die bij het programma hoort\n",
       GrafiekOpdracht},
      {"afschrift",
       "  afschrift [OPTIES] BOEK TAG BESTAND\n"
       "                             leest BESTAND zoals het importeren met menutag TAG (of auto)\n"
       "                             en toont de regels met het voorstel van de afstemming als JSON\n",
       AfschriftOpdracht},
      {"importeer",
       "  importeer [OPTIES] [--vanaf D-M-JJJJ] BOEK TAG BESTAND\n"
       "                             importeert BESTAND zonder vensters, boekt elke nieuwe regel,\n"
       "                             bewaart het boek en toont het als JSON\n",
       ImporteerOpdracht},
      {"relaties",
       "  relaties [OPTIES] BOEK     bouwt de relatielijst zoals het relatievenster bij de eerste\n"
       "                             opening, bewaart het boek en toont het als JSON\n",
       RelatiesOpdracht},
      {"exporteer",
       "  exporteer [OPTIES] [--scheiding komma|asterix|tab|slash|streep|spatie] [--quotes]\n"
       "            [--veldnamen] [--velden N,...] [--rekeningen NR,...] [--van D-M-JJJJ]\n"
       "            [--tot D-M-JJJJ] [--uit BESTAND] BOEK POSITIE\n"
       "                             exporteert de transacties van de rekening op POSITIE\n"
       "                             (0: de totalen per groep en rekening) zoals het exportvenster\n"
       "  exporteer [OPTIES] --journal [--uit BESTAND] BOEK\n"
       "                             het jaar als journaal voor ledger of hledger\n",
       ExporteerOpdracht},
      {"voorbeeld",
       "  voorbeeld [OPTIES] [--transacties N] [--rekeningnummer NR] MAP\n"
       "                             maakt een voorbeeldboek Valdr<jj> van dit jaar in MAP;\n"
       "                             NR in de naam van de betaalrekening (voor bankbestanden)\n",
       VoorbeeldOpdracht},
      {"versleutel",
       "  versleutel [OPTIES] BOEK   versleutelt BOEK met de wachtwoordzin uit --wachtwoord-bestand\n"
       "                             (of twee keer getypt op de terminal), zoals \"Versleutelen...\"\n",
       VersleutelOpdracht},
      {"ontsleutel",
       "  ontsleutel [OPTIES] BOEK   bewaart het versleutelde BOEK weer onversleuteld, zoals\n"
       "                             \"Versleuteling opheffen\"\n",
       OntsleutelOpdracht},
  };
  return opdrachten;
}

int VoerUit(const std::vector<std::string>& args, const std::filesystem::path& map,
            std::ostream& uit, std::ostream& fout, GrafiekTekenaarLader laadTekenaar, Voortgang* voortgang,
            WachtwoordLezer leesWachtwoord, Bestandssysteem* bestanden, PdfAfdrukkerLader laadPdf) {
  if (args.empty()) {
    SchrijfGebruik(fout);
    return kGebruiksfout;
  }
  for (const Opdracht& o : Opdrachten()) {
    if (args[0] != o.naam) continue;
    Omgeving omgeving{{args.begin() + 1, args.end()}, map, uit, fout, std::move(laadTekenaar), voortgang,
                      std::move(leesWachtwoord), bestanden, std::move(laadPdf)};
    int code = o.voerUit(omgeving);
    // Cut-off JSON with exit 0 would pass for a whole answer.
    uit.flush();
    if (!uit) {
      fout << "valdero-cli " << o.naam << ": uitvoer niet (volledig) geschreven\n";
      return kMislukt;
    }
    if (code == kGelukt && omgeving.onbevestigd) code = kOnbevestigd;
    return code;
  }
  if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
    SchrijfGebruik(uit);
    uit.flush();
    return uit ? kGelukt : kMislukt;
  }
  fout << "valdero-cli: onbekende opdracht '" << args[0] << "'\n\n";
  SchrijfGebruik(fout);
  return kGebruiksfout;
}

int VoerUit(const std::vector<std::string>& args, const std::filesystem::path& map,
            std::ostream& uit, std::ostream& fout, GrafiekTekenaar tekenaar, Voortgang* voortgang,
            WachtwoordLezer leesWachtwoord) {
  GrafiekTekenaarLader lader;
  if (tekenaar) lader = [tekenaar = std::move(tekenaar)](std::string&) { return tekenaar; };
  return VoerUit(args, map, uit, fout, std::move(lader), voortgang, std::move(leesWachtwoord));
}

int Gebruiksfout(Omgeving& omgeving, std::string_view opdracht, const std::string& melding) {
  omgeving.fout << "valdero-cli " << opdracht << ": " << melding << "\n\nGebruik:\n";
  for (const Opdracht& o : Opdrachten())
    if (o.naam == opdracht) omgeving.fout << o.gebruik;
  omgeving.fout << "\nOpties:\n" << kOptieGebruik;
  return kGebruiksfout;
}

}  // namespace valdero::cli
