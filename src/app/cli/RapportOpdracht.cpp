// valdero-cli rapport: one report of the overview window as the bytes that
// "&Opslaan " writes (or as JSON), with the options doing what the window's
// selection panel, selection dialog, period panel and buttons do.

#include <functional>
#include <memory>
#include <ostream>
#include <utility>

#include "app/cli/BoekStart.h"
#include "app/cli/KeuzeIndex.h"
#include "app/cli/Json.h"
#include "app/cli/Opdrachten.h"
#include "app/cli/Opties.h"
#include "model/core/Kasboek.h"
#include "model/core/Opzoeken.h"
#include "model/core/Printer.h"
#include "model/core/ScriptBerichten.h"
#include "model/reports/BtwRapport.h"
#include "model/reports/RapportAfdruk.h"
#include "model/reports/RapportModel.h"
#include "model/reports/RapportSoort.h"
#include "model/reports/ReportSelection.h"
#include "model/reports/SelectieDialoog.h"
#include "model/storage/BoekLaden.h"

namespace valdero::cli {
namespace {

constexpr std::string_view kNaam = "rapport";

// --uit: the report into the file, as every file the user names is written.
int SchrijfUitBestand(Omgeving& omgeving, Kasboek& kb, const std::string& pad, const std::string& bytes) {
  const SchrijfUitkomst u = SchrijfRapportBestand(kb.Pad(pad), bytes, kb.bestanden());
  if (!u) {
    omgeving.fout << pad << " (" << u.reden << ") wegschrijven NIET gelukt\n";
    return kMislukt;
  }
  if (u.onbevestigd) {
    omgeving.fout << OnbevestigdTekst(pad, u) << "\n";
    omgeving.onbevestigd = true;
  }
  return kGelukt;
}

// What the selection panel, the selection dialog, the period panel and the
// buttons of the window would choose.
struct RapportOpties : SelectieOpties {
  std::optional<std::string> relaties, van, tot, munt, uit;
  bool aflopend = false, afschrift = false, verzamel = false, json = false;
};

std::string Json(const RapportTabel& t, const std::vector<std::string>& berichten) {
  std::string uit;
  JsonSchrijver j(uit, 1);
  j.BeginObject();
  j.Sleutel("Kop");
  j.BeginLijst();
  j.Tekst(t.KopRegel(0));
  j.Tekst(t.KopRegel(1));
  j.EindLijst();
  j.TekstLijst("Titels", t.titels);
  j.Sleutel("Rijen");
  j.BeginLijst();
  for (const RapportRij& r : t.rijen) {
    j.BeginLijst();
    for (const std::string& c : r.cellen) j.Tekst(c);
    j.EindLijst();
  }
  j.EindLijst();
  j.Sleutel("Totalen");
  j.BeginLijst();
  for (const TotaalRegel& r : t.totalen) {
    if (!r.zichtbaar) continue;
    j.BeginObject();
    j.Veld("label", r.label);
    j.Sleutel("velden");
    j.BeginLijst();
    for (const RapportVeld& v : r.velden) j.Tekst(v.zichtbaar ? v.tekst : std::string());
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

int RapportOpdracht(Omgeving& omgeving) {
  CliOpties opties;
  RapportOpties o;
  OptieLezer lezer(opties);
  o.Declareer(lezer);
  for (auto [naam, doel] :
       {std::pair{"relaties", &o.relaties}, {"van", &o.van}, {"tot", &o.tot}, {"munt", &o.munt}, {"uit", &o.uit}})
    lezer.Tekst(naam, *doel);
  for (auto [naam, doel] : {std::pair{"aflopend", &o.aflopend}, {"afschrift", &o.afschrift},
                            {"verzamel", &o.verzamel}, {"json", &o.json}})
    lezer.Schakelaar(naam, *doel);
  if (std::string fout = lezer.Lees(omgeving.args); !fout.empty()) return Gebruiksfout(omgeving, kNaam, fout);
  const auto& arg = opties.argumenten;
  if (arg.size() != 2) return Gebruiksfout(omgeving, kNaam, "geef BOEK en SOORT");
  const auto soortGetal = AlsGetal(arg[1]);
  if (!soortGetal || !(IsRapportSoort(*soortGetal) || *soortGetal == rapport::Btw))
    return Gebruiksfout(omgeving, kNaam, "onbekende rapportsoort " + arg[1]);
  const int soort = *soortGetal;
  const std::optional<int>& periode = o.periode;
  const std::optional<int>& rekNr = o.rekening;
  // The VAT overview takes one account or, without --rekening, all.
  if (soort != rapport::Btw && (soort == rapport::Rekening) != o.rekening.has_value())
    return Gebruiksfout(omgeving, kNaam, soort == rapport::Rekening ? "soort 1 vraagt --rekening NR"
                                                                    : "--rekening hoort bij soort 1");
  const bool groepSoort = soort == rapport::Groep || soort == rapport::Samengesteld;
  if (groepSoort != o.groep.has_value())
    return Gebruiksfout(omgeving, kNaam, groepSoort ? "soort 5 en 6 vragen --groep KODE"
                                                    : "--groep hoort bij soort 5 en 6");

  PdfAfdrukker afdrukker;
  if (!o.LaadAfdrukker(omgeving, kNaam, afdrukker)) return kMislukt;

  CliBoek boek(opties, omgeving.map, omgeving.voortgang, omgeving.bestanden);
  Kasboek& kb = boek.kb;
  const LaadUitkomst u = StartCliBoek(omgeving, "rapport", boek, opties, arg[0]);
  auto meldBerichten = [&] {
    for (const GetoondBericht& b : boek.berichten.getoond) omgeving.fout << b.tekst << "\n";
  };
  if (u != LaadUitkomst::Geladen || !kb.RekGelezen || !kb.GroepGelezen || !kb.KasGelezen) {
    meldBerichten();
    omgeving.fout << "valdero-cli rapport: boek " << arg[0] << " niet geladen\n";
    return kMislukt;
  }
  boek.berichten.Wis();
  auto mislukt = [&] {
    meldBerichten();
    return kMislukt;
  };
  // "Print" into the PDF file: the pages the print preview shows. With
  // --pdf alone nothing else is written.
  const std::optional<std::string>& pdf = o.pdf;
  const bool ookTekst = !pdf || o.uit || o.json;
  auto drukPdf = [&](const std::function<bool(Printer&)>& druk) {
    const std::unique_ptr<Printer> printer = afdrukker.printer(kb.Pad(*pdf));
    if (!printer || !druk(*printer)) {
      if (boek.berichten.getoond.empty()) omgeving.fout << *pdf << " wegschrijven NIET gelukt\n";
      return false;
    }
    return true;
  };

  if (const std::optional<std::string>& munt = o.munt) {
    const auto m = VindValuta(kb, *munt);
    if (!m || kb.ValutaLijst[static_cast<std::size_t>(*m)].Koers <= 0) {
      omgeving.fout << "Muntsoort niet juist\n";
      return mislukt();
    }
    kb.weergave.HulpMunt = *m;
  }

  const int font = kb.Config.FontGrootte > 0 ? kb.Config.FontGrootte : 10;
  if (soort == rapport::Btw) {
    if (rekNr && !kb.ZoekRekening(*rekNr)) {
      omgeving.fout << "Rekening " << *rekNr << " bestaat niet\n";
      return kMislukt;
    }
    const RapportTabel tabel = BtwTabel(kb, BouwBtwRapport(kb, rekNr.value_or(0)));
    if (pdf && !drukPdf([&](Printer& p) { return PrintBtwRapport(kb, p, tabel); })) return mislukt();
    if (!ookTekst) {
      meldBerichten();
      return kGelukt;
    }
    std::vector<std::string> berichten;
    for (const GetoondBericht& b : boek.berichten.getoond) berichten.push_back(b.tekst);
    meldBerichten();
    if (o.json) {
      omgeving.uit << Json(tabel, berichten);
      return kGelukt;
    }
    VerzameldeRegels regels;
    VerzamelRapport(kb, tabel, tabel.breedtes, font, tabel.Kolommen() - 1, regels);
    const std::string bytes = RapportBestandsTekst(kb, regels.regels, font);
    if (const std::optional<std::string>& pad = o.uit) {
      return SchrijfUitBestand(omgeving, kb, *pad, bytes);
    }
    omgeving.uit << bytes;
    omgeving.uit.flush();
    return kGelukt;
  }

  // The selection: what the menu's launcher prepares, everything for the
  // kinds that ask the selection dialog, then what the options choose.
  ReportSelection selectie;
  BereidSelectieVoor(kb, selectie, soort);
  switch (VraagVoor(soort)) {
    case SelectieVraag::Klassen: KiesAlleKlassen(kb, selectie); break;
    case SelectieVraag::Relaties: selectie.Relaties = VulSelectie(kb, soort).waarden; break;
    case SelectieVraag::Soorten: KiesAlleSoorten(kb, selectie); break;
    case SelectieVraag::Geen: break;
  }
  if (o.klassen) KiesKlassen(kb, selectie, Splits(*o.klassen, ','));
  if (o.soorten) KiesSoorten(kb, selectie, Splits(*o.soorten, ','));
  if (o.relaties) {
    selectie.Relaties.clear();
    for (const std::string& naam : Splits(*o.relaties, ';'))
      if (!naam.empty()) selectie.Relaties.push_back(naam);
  }
  if (periode) selectie.PeriodCode = *periode;
  if (VraagVoor(soort) != SelectieVraag::Geen) NaSelectieDialoog(selectie, soort);
  if ((soort == rapport::AlleSaldi || soort == rapport::SaldiSelectie) && !selectie.HeeftSoorten()) {
    omgeving.fout << "Kies minstens één rekening\n";
    return kMislukt;
  }

  const std::optional<int> keuze = KeuzeIndex(kb, rekNr, o.groep ? &*o.groep : nullptr, omgeving.fout);
  if (!keuze) return kMislukt;
  const int index = *keuze;

  RapportModel model(kb, selectie);
  // The text file of a list of transactions is written as its rows are
  // built: the rows of a whole year are never held at once. A PDF prints
  // from the rows, so then they are kept.
  const bool stromen = !pdf && !o.json && !o.verzamel && IsTransactieRapport(soort);
  // Built once (no other period, order or view asked for) and written to
  // standard output: straight out as the rows come.
  const bool eenBouw = !o.van && !o.tot && !o.aflopend && !o.afschrift;
  RapportStroom stroom(kb, font, eenBouw && !o.uit ? &omgeving.uit : nullptr);
  if (stromen) model.ZetOntvanger(&stroom);
  if (!model.ShowReport(soort, index)) return mislukt();
  if (o.van || o.tot) {
    const std::string van = o.van ? *o.van : model.BeginTekst();
    const std::string tot = o.tot ? *o.tot : model.EindTekst();
    if (!model.PeriodeOk(van, tot)) return mislukt();
  }
  if (o.aflopend) model.ZetAflopend(true);
  if (o.afschrift && soort == rapport::Rekening) model.WisselAfschrift();

  const std::vector<int> breedtes = model.Tabel().breedtes;
  if (o.verzamel) model.Verzamel(breedtes, font);
  if (pdf && !drukPdf([&](Printer& p) { return model.Print(p, breedtes); })) return mislukt();
  if (!ookTekst) {
    meldBerichten();
    return kGelukt;
  }

  std::vector<std::string> berichten;
  for (const GetoondBericht& b : boek.berichten.getoond) berichten.push_back(b.tekst);
  if (o.json) {
    meldBerichten();
    omgeving.uit << Json(model.Tabel(), berichten);
    return kGelukt;
  }
  if (stromen && !o.uit) {
    meldBerichten();
    stroom.Schrijf(omgeving.uit, kb, model.Tabel());
    omgeving.uit.flush();
    return kGelukt;
  }
  const std::string bytes = stromen ? stroom.Tekst(kb, model.Tabel()) : model.OpslaanTekst(breedtes, font);
  meldBerichten();
  if (const std::optional<std::string>& pad = o.uit) {
    return SchrijfUitBestand(omgeving, kb, *pad, bytes);
  }
  omgeving.uit << bytes;
  omgeving.uit.flush();
  return kGelukt;
}

}  // namespace valdero::cli
