// valdero-cli exporteer: the export window's export of one account position
// (0: the totals of every group and account) with the bytes the window
// writes, or with --journal the year as a plain-text accounting journal.

#include <map>
#include <optional>
#include <ostream>

#include "app/cli/BoekStart.h"
#include "model/core/Datum.h"
#include "model/export/Export.h"
#include "model/storage/BoekLaden.h"

namespace valdero::cli {
namespace {

constexpr std::string_view kNaam = "exporteer";

// The separators by name, in the window's order without the comma.
const std::map<std::string, char>& Scheidingen() {
  static const std::map<std::string, char> namen{{"komma", ','}, {"asterix", '*'}, {"tab", '\t'},
                                                 {"slash", '/'},  {"streep", '|'},  {"spatie", ' '}};
  return namen;
}

}  // namespace

int ExporteerOpdracht(Omgeving& omgeving) {
  GeladenBoek g;
  OptieLezer lezer(g.opties);
  std::optional<char> scheiding;
  lezer.Waarde("scheiding", [&scheiding](const std::string& naam) -> std::string {
    const auto i = Scheidingen().find(naam);
    if (i == Scheidingen().end()) return "onbekende scheiding " + naam;
    scheiding = i->second;
    return {};
  });
  std::optional<std::vector<int>> velden, rekeningen;
  lezer.Waarde("velden", [&velden](const std::string& lijst) -> std::string {
    velden = AlsGetallen(lijst);
    if (!velden) return "--velden verwacht N[,N...]: " + lijst;
    for (int n : *velden)
      if (n < 1 || n > kExportVelden) return "geen veld " + std::to_string(n);
    return {};
  });
  lezer.Waarde("rekeningen", [&rekeningen](const std::string& lijst) -> std::string {
    rekeningen = AlsGetallen(lijst);
    return rekeningen ? std::string() : "--rekeningen verwacht N[,N...]: " + lijst;
  });
  std::optional<double> van, tot;
  lezer.Datum("van", van, "--van verwacht een datum als 1-1-2026");
  lezer.Datum("tot", tot, "--tot verwacht een datum als 1-1-2026");
  std::optional<std::string> uitBestand;
  lezer.Tekst("uit", uitBestand);
  bool quotes = false, veldnamen = false, journaal = false;
  lezer.Schakelaar("quotes", quotes);
  lezer.Schakelaar("veldnamen", veldnamen);
  lezer.Schakelaar("journal", journaal);
  if (std::string fout = lezer.Lees(omgeving.args); !fout.empty()) return Gebruiksfout(omgeving, kNaam, fout);
  const auto& arg = g.opties.argumenten;
  if (arg.size() != (journaal ? 1u : 2u))
    return Gebruiksfout(omgeving, kNaam, journaal ? "geef precies één BOEK" : "geef BOEK en POSITIE");

  std::optional<int> positie = 0;
  if (!journaal) {
    positie = AlsGetal(arg[1]);
    if (!positie) return Gebruiksfout(omgeving, kNaam, "POSITIE is geen getal: " + arg[1]);
  }

  g.boek = std::make_unique<CliBoek>(g.opties, omgeving.map, omgeving.voortgang, omgeving.bestanden);
  Kasboek& kb = g.boek->kb;
  const LaadUitkomst u = StartCliBoek(omgeving, kNaam, *g.boek, g.opties, arg[0]);
  if (u != LaadUitkomst::Geladen || !kb.RekGelezen || !kb.GroepGelezen || !kb.KasGelezen) {
    omgeving.fout << "valdero-cli exporteer: boek " << arg[0] << " niet geladen\n";
    return kMislukt;
  }
  if (*positie > kb.MaxRek()) {
    omgeving.fout << "valdero-cli exporteer: geen rekening op positie " << *positie << "\n";
    return kMislukt;
  }

  ExportModel model(kb);
  model.Open(*positie);
  model.journaal = journaal;
  model.quotes = quotes;
  model.veldnamen = veldnamen;
  if (van) model.beginDatum = *van;
  if (tot) model.eindDatum = *tot;
  if (scheiding) {
    const auto& lijst = model.Scheidingen();
    bool gevonden = false;
    for (std::size_t i = 0; i < lijst.size(); ++i)
      if (lijst[i].teken == *scheiding) {
        model.scheiding = static_cast<int>(i);
        gevonden = true;
      }
    if (!gevonden) return Gebruiksfout(omgeving, kNaam, "de totalen kennen geen komma als scheiding");
  }
  if (velden && !model.IsTotalen()) {
    model.veldselectie = true;
    model.aangevinkt.assign(model.aangevinkt.size(), false);
    for (int n : *velden) model.aangevinkt[static_cast<std::size_t>(n - 1)] = true;
  }
  if (rekeningen && model.IsTotalen()) {
    model.veldselectie = true;
    model.aangevinkt.assign(model.aangevinkt.size(), false);
    for (int nr : *rekeningen) {
      const auto a = kb.ZoekRekening(nr);
      if (!a) {
        omgeving.fout << "valdero-cli exporteer: rekening " << nr << " bestaat niet\n";
        return kMislukt;
      }
      model.aangevinkt[static_cast<std::size_t>(*a - 1)] = true;
    }
  }

  if (uitBestand) {
    if (!model.Schrijf(*uitBestand)) {
      omgeving.fout << "valdero-cli exporteer: " << *uitBestand << " niet geschreven\n";
      return kMislukt;
    }
    omgeving.uit << "Bewaren " << *uitBestand << " gelukt\n";
    if (!model.Onbevestigd().empty()) {
      omgeving.fout << "valdero-cli exporteer: " << model.Onbevestigd() << "\n";
      omgeving.onbevestigd = true;
    }
    return kGelukt;
  }
  const bool gemaakt = model.SchrijfInhoud([&omgeving](std::string_view stuk) {
    omgeving.uit.write(stuk.data(), static_cast<std::streamsize>(stuk.size()));
  });
  if (!gemaakt) {
    omgeving.fout << "valdero-cli exporteer: export mislukt\n";
    return kMislukt;
  }
  omgeving.uit.flush();
  return kGelukt;
}

}  // namespace valdero::cli
