#include "app/cli/KeuzeIndex.h"

#include <utility>

namespace valdero::cli {

void SelectieOpties::Declareer(OptieLezer& lezer) {
  lezer.Waarde("rekening", [this](const std::string& nr) -> std::string {
    rekening = AlsGetal(nr);
    return rekening ? std::string() : "--rekening verwacht een nummer, niet '" + nr + "'";
  });
  lezer.Getal("periode", periode, 1, 4, "--periode verwacht 1, 2, 3 of 4");
  for (auto [naam, doel] : {std::pair{"groep", &groep}, {"klassen", &klassen}, {"soorten", &soorten}, {"pdf", &pdf}})
    lezer.Tekst(naam, *doel);
}

bool SelectieOpties::LaadAfdrukker(Omgeving& omgeving, std::string_view opdracht, PdfAfdrukker& afdrukker) const {
  if (!pdf) return true;
  std::string waarom = "deze valdero-cli is gebouwd zonder vensters en drukt geen PDF af";
  if (omgeving.laadPdf) afdrukker = omgeving.laadPdf(waarom);
  if (afdrukker) return true;
  omgeving.fout << "valdero-cli " << opdracht << ": " << waarom << "\n";
  return false;
}

std::optional<int> KeuzeIndex(const Kasboek& kb, std::optional<int> rekNr, const std::string* groep,
                              std::ostream& fout) {
  // Without an account or group the report covers the whole book: index 0.
  std::optional<int> index = 0;
  if (rekNr) {
    index = kb.ZoekRekening(*rekNr);
    if (!index) {
      fout << "Rekening " << *rekNr << " bestaat niet\n";
      return std::nullopt;
    }
  }
  if (groep) {
    index = kb.ZoekGroep(*groep);
    if (!index) {
      fout << "Groep " << *groep << " bestaat niet\n";
      return std::nullopt;
    }
  }
  return index;
}

}  // namespace valdero::cli
