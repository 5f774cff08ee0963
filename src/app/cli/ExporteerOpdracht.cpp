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

std::optional<int> AlsGetal(const std::string& s) {
  if (s.empty() || s.size() > 6) return std::nullopt;
  int n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::optional<std::vector<int>> Getallen(const std::string& lijst) {
  std::vector<int> uit;
  std::size_t begin = 0;
  for (;;) {
    const auto komma = lijst.find(',', begin);
    const auto n = AlsGetal(lijst.substr(begin, komma - begin));
    if (!n) return std::nullopt;
    uit.push_back(*n);
    if (komma == std::string::npos) return uit;
    begin = komma + 1;
  }
}

std::optional<double> Datum(const std::string& tekst) {
  const std::size_t streep = tekst.rfind('-');
  const auto datum = LeesDatum(tekst, 2000);
  if (!datum || streep == std::string::npos || tekst.size() - streep - 1 != 4) return std::nullopt;
  return datum;
}

// The separators by name, in the window's order without the comma.
const std::map<std::string, char>& Scheidingen() {
  static const std::map<std::string, char> namen{{"komma", ','}, {"asterix", '*'}, {"tab", '\t'},
                                                 {"slash", '/'},  {"streep", '|'},  {"spatie", ' '}};
  return namen;
}

}  // namespace

int ExporteerOpdracht(Omgeving& omgeving) {
  // The switches; the shared reader expects a value after every option.
  std::vector<std::string> args;
  for (const std::string& a : omgeving.args)
    args.push_back(a == "--quotes" || a == "--veldnamen" || a == "--journal" ? a + "=1" : a);
  GeladenBoek g;
  const std::set<std::string> eigen{"scheiding", "quotes", "veldnamen", "velden", "rekeningen",
                                    "van",       "tot",    "uit",       "journal"};
  if (std::string fout = LeesOpties(args, g.opties, eigen); !fout.empty())
    return Gebruiksfout(omgeving, kNaam, fout);
  const auto& extra = g.opties.extra;
  auto optie = [&](const char* naam) -> const std::string* {
    const auto i = extra.find(naam);
    return i == extra.end() ? nullptr : &i->second;
  };
  const bool journaal = optie("journal") != nullptr;
  const auto& arg = g.opties.argumenten;
  if (arg.size() != (journaal ? 1u : 2u))
    return Gebruiksfout(omgeving, kNaam, journaal ? "geef precies één BOEK" : "geef BOEK en POSITIE");

  std::optional<int> positie = 0;
  if (!journaal) {
    positie = AlsGetal(arg[1]);
    if (!positie) return Gebruiksfout(omgeving, kNaam, "POSITIE is geen getal: " + arg[1]);
  }
  std::optional<char> scheiding;
  if (const std::string* s = optie("scheiding")) {
    const auto i = Scheidingen().find(*s);
    if (i == Scheidingen().end()) return Gebruiksfout(omgeving, kNaam, "onbekende scheiding " + *s);
    scheiding = i->second;
  }
  std::optional<std::vector<int>> velden, rekeningen;
  if (const std::string* v = optie("velden")) {
    velden = Getallen(*v);
    if (!velden) return Gebruiksfout(omgeving, kNaam, "--velden verwacht N[,N...]: " + *v);
    for (int n : *velden)
      if (n < 1 || n > kExportVelden) return Gebruiksfout(omgeving, kNaam, "geen veld " + std::to_string(n));
  }
  if (const std::string* r = optie("rekeningen")) {
    rekeningen = Getallen(*r);
    if (!rekeningen) return Gebruiksfout(omgeving, kNaam, "--rekeningen verwacht N[,N...]: " + *r);
  }
  std::optional<double> van, tot;
  for (const char* naam : {"van", "tot"}) {
    const std::string* d = optie(naam);
    if (!d) continue;
    const auto datum = Datum(*d);
    if (!datum)
      return Gebruiksfout(omgeving, kNaam, std::string("--") + naam + " verwacht een datum als 1-1-2026");
    (naam[0] == 'v' ? van : tot) = datum;
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
  model.quotes = optie("quotes") != nullptr;
  model.veldnamen = optie("veldnamen") != nullptr;
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
      const int a = kb.ZoekRekening(nr);
      if (a == 0) {
        omgeving.fout << "valdero-cli exporteer: rekening " << nr << " bestaat niet\n";
        return kMislukt;
      }
      model.aangevinkt[static_cast<std::size_t>(a - 1)] = true;
    }
  }

  if (const std::string* uit = optie("uit")) {
    if (!model.Schrijf(*uit)) {
      omgeving.fout << "valdero-cli exporteer: " << *uit << " niet geschreven\n";
      return kMislukt;
    }
    omgeving.uit << "Bewaren " << *uit << " gelukt\n";
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
