// valdero-cli grafiek: the series of one chart of the chart window, as JSON,
// exactly as the window hands them to the chart component; with --png also
// the drawn chart as a picture, where the tool can draw.

#include <memory>
#include <ostream>

#include "app/cli/BoekStart.h"
#include "app/cli/KeuzeIndex.h"
#include "app/cli/Json.h"
#include "app/cli/Opdrachten.h"
#include "app/cli/Opties.h"
#include "model/charts/GrafiekModel.h"
#include "model/charts/GrafiekSoort.h"
#include "model/core/Kasboek.h"
#include "model/core/Printer.h"
#include "model/reports/ReportSelection.h"
#include "model/storage/BoekLaden.h"
#include "model/storage/Bestanden.h"

namespace valdero::cli {
namespace {

constexpr std::string_view kNaam = "grafiek";

// What the selection panel and the period panel of the window would choose,
// and where the chart goes besides the JSON.
struct GrafiekOpties : SelectieOpties {
  std::optional<std::string> png;
};

std::string Json(const Grafiek& g, const std::vector<std::string>& berichten) {
  std::string uit;
  JsonSchrijver j(uit, 2);
  j.BeginObject();
  j.TekstLijst("Titels", g.titels);
  j.Sleutel("Reeksen");
  j.BeginLijst();
  for (const GrafiekReeks& r : g.reeksen) {
    j.BeginObject();
    j.Veld("naam", r.naam);
    j.Sleutel("punten");
    j.BeginLijst();
    for (const GrafiekPunt& p : r.punten) {
      j.BeginLijst();
      j.Getal(p.x);
      j.Getal(p.y);
      j.Tekst(p.label);
      j.EindLijst();
    }
    j.EindLijst();
    j.EindObject();
  }
  j.EindLijst();
  j.TekstLijst("Berichten", berichten);
  j.EindObject();
  uit += "\n";
  return uit;
}

}  // namespace

int GrafiekOpdracht(Omgeving& omgeving) {
  CliOpties opties;
  GrafiekOpties o;
  OptieLezer lezer(opties);
  o.Declareer(lezer);
  lezer.Tekst("png", o.png);
  if (std::string fout = lezer.Lees(omgeving.args); !fout.empty()) return Gebruiksfout(omgeving, kNaam, fout);
  const auto& arg = opties.argumenten;
  if (arg.size() != 2) return Gebruiksfout(omgeving, kNaam, "geef BOEK en SOORT");
  const auto soortGetal = AlsGetal(arg[1]);
  if (!soortGetal || !IsGrafiekSoort(*soortGetal))
    return Gebruiksfout(omgeving, kNaam, "onbekende grafieksoort " + arg[1]);
  const int soort = *soortGetal;
  const std::optional<int>& periode = o.periode;
  const std::optional<int>& rekNr = o.rekening;
  if ((soort == grafiek::Rekening) != o.rekening.has_value())
    return Gebruiksfout(omgeving, kNaam, soort == grafiek::Rekening ? "soort 101 vraagt --rekening NR"
                                                                    : "--rekening hoort bij soort 101");
  if ((soort == grafiek::Groep) != o.groep.has_value())
    return Gebruiksfout(omgeving, kNaam, soort == grafiek::Groep ? "soort 105 vraagt --groep KODE"
                                                                 : "--groep hoort bij soort 105");
  // Loaded before the book, so a tool that cannot draw says so at once.
  GrafiekTekenaar tekenaar;
  if (o.png) {
    std::string waarom = "deze valdero-cli is gebouwd zonder vensters en tekent geen PNG";
    if (omgeving.laadTekenaar) tekenaar = omgeving.laadTekenaar(waarom);
    if (!tekenaar) {
      omgeving.fout << "valdero-cli grafiek: " << waarom << "\n";
      return kMislukt;
    }
  }

  PdfAfdrukker afdrukker;
  if (!o.LaadAfdrukker(omgeving, kNaam, afdrukker)) return kMislukt;

  CliBoek boek(opties, omgeving.map, omgeving.voortgang, omgeving.bestanden);
  Kasboek& kb = boek.kb;
  const LaadUitkomst u = StartCliBoek(omgeving, "grafiek", boek, opties, arg[0]);
  auto meldBerichten = [&] {
    for (const GetoondBericht& b : boek.berichten.getoond) omgeving.fout << b.tekst << "\n";
  };
  if (u != LaadUitkomst::Geladen || !kb.RekGelezen || !kb.GroepGelezen || !kb.KasGelezen) {
    meldBerichten();
    omgeving.fout << "valdero-cli grafiek: boek " << arg[0] << " niet geladen\n";
    return kMislukt;
  }
  boek.berichten.Wis();

  // What the menu's launcher prepares; every class or kind where the
  // selection dialog would ask, narrowed by the options.
  ReportSelection selectie;
  const int rapportSoort = RapportSoortVan(soort);
  BereidSelectieVoor(kb, selectie, rapportSoort);
  if (VraagVoor(rapportSoort) == SelectieVraag::Klassen) KiesAlleKlassen(kb, selectie);
  if (VraagVoor(rapportSoort) == SelectieVraag::Soorten) KiesAlleSoorten(kb, selectie);
  if (o.klassen) KiesKlassen(kb, selectie, Splits(*o.klassen, ','));
  if (o.soorten) KiesSoorten(kb, selectie, Splits(*o.soorten, ','));
  if (periode) selectie.PeriodCode = *periode;

  const std::optional<int> keuze = KeuzeIndex(kb, rekNr, o.groep ? &*o.groep : nullptr, omgeving.fout);
  if (!keuze) return kMislukt;
  const int index = *keuze;

  GrafiekModel model(kb, selectie);
  if (!model.ShowChart(soort, index)) {
    meldBerichten();
    return kMislukt;
  }
  std::vector<std::string> berichten;
  for (const GetoondBericht& b : boek.berichten.getoond) berichten.push_back(b.tekst);
  meldBerichten();
  if (const auto& png = o.png) {
    std::string bytes;
    if (!tekenaar(model.Huidig(), kb.DecimaalTeken(), bytes)) {
      omgeving.fout << *png << " wegschrijven NIET gelukt\n";
      return kMislukt;
    }
    const SchrijfUitkomst geschreven = SchrijfTekst(kb.Pad(*png), bytes, kb.bestanden());
    if (!geschreven) {
      omgeving.fout << *png << " wegschrijven NIET gelukt (" << geschreven.reden << ")\n";
      return kMislukt;
    }
    if (geschreven.onbevestigd) omgeving.fout << OnbevestigdTekst(*png, geschreven) << "\n";
  }
  if (const auto& pdf = o.pdf) {
    // "Print" into the PDF file: the chart as the window draws it, on the
    // page the print preview shows.
    const std::size_t gemeld = boek.berichten.getoond.size();
    const std::unique_ptr<Printer> printer = afdrukker.printer(kb.Pad(*pdf));
    std::string png;
    int breedte = 0, hoogte = 0;
    if (!printer || !afdrukker.grafiekPng(model.Huidig(), kb.DecimaalTeken(), png, breedte, hoogte) ||
        !model.Print(*printer, png, breedte, hoogte)) {
      const auto& getoond = boek.berichten.getoond;
      for (std::size_t i = gemeld; i < getoond.size(); ++i) omgeving.fout << getoond[i].tekst << "\n";
      if (getoond.size() == gemeld) omgeving.fout << *pdf << " wegschrijven NIET gelukt\n";
      return kMislukt;
    }
  }
  omgeving.uit << Json(model.Huidig(), berichten);
  return kGelukt;
}

}  // namespace valdero::cli
