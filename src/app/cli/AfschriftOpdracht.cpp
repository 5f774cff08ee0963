// "afschrift" reads a bank file as the import of a menu tag does and shows
// the lines with what the reconciliation would propose; "importeer" runs the
// whole import without windows and saves the book once, with all lines.
#include <ostream>

#include "app/cli/BoekJson.h"
#include "app/cli/BoekStart.h"
#include "app/cli/Json.h"
#include "app/cli/Opdrachten.h"
#include "app/cli/Opties.h"
#include "model/bankimport/AfschriftModel.h"
#include "model/bankimport/Afstemming.h"
#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/BankImport.h"
#include "model/bankimport/BankTekst.h"
#include "model/bankimport/SelectMut.h"
#include "model/bankimport/VergelijkModel.h"
#include "model/core/Datum.h"
#include "model/core/Voortgang.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/BoekLaden.h"

namespace valdero::cli {
namespace {

// The comparison window as a person who presses "&Invoeren" at once.
class InvoerVoerder : public VergelijkVoerder {
 public:
  void Toon(VergelijkModel& venster) override {
    if (!venster.Invoeren()) venster.Overslaan();
  }
};

struct ImportStart {
  CliOpties opties;
  std::unique_ptr<CliBoek> boek;
  int tag = 0;
  std::string bestand;
  std::optional<double> vanaf;  // importeer --vanaf
};

int Start(Omgeving& omgeving, std::string_view opdracht, bool metVanaf, ImportStart& s) {
  OptieLezer lezer(s.opties);
  if (metVanaf) lezer.Datum("vanaf", s.vanaf, "--vanaf verwacht een datum als 1-1-2026");
  if (std::string fout = lezer.Lees(omgeving.args); !fout.empty()) return Gebruiksfout(omgeving, opdracht, fout);
  if (s.opties.argumenten.size() != 3) return Gebruiksfout(omgeving, opdracht, "geef BOEK, TAG en BESTAND");
  const std::string& tag = s.opties.argumenten[1];
  if (tag == "auto") {
    s.tag = kAutomatischTag;
  } else if (tag == "qif") {
    s.tag = bankformaat::Qif;
  } else if (tag == "ofx") {
    s.tag = bankformaat::Ofx;
  } else {
    s.tag = GeheelGetal(tag);
    if ((s.tag == 0 && tag != "0") || s.tag < 0 || s.tag > 19 || StandaardBankBestand(s.tag).empty())
      return Gebruiksfout(omgeving, opdracht,
                          "TAG is een menutag (0-9, 10-15), qif, ofx of auto, niet '" + tag + "'");
  }
  s.bestand = s.opties.argumenten[2];
  s.boek = std::make_unique<CliBoek>(s.opties, omgeving.map, omgeving.voortgang, omgeving.bestanden);
  Kasboek& kb = s.boek->kb;
  const LaadUitkomst u = StartCliBoek(omgeving, opdracht, *s.boek, s.opties, s.opties.argumenten[0]);
  if (u != LaadUitkomst::Geladen || !kb.RekGelezen || !kb.GroepGelezen || !kb.KasGelezen) {
    omgeving.fout << "valdero-cli " << opdracht << ": boek " << s.opties.argumenten[0] << " niet geladen\n";
    return kMislukt;
  }
  s.boek->berichten.Wis();
  return kGelukt;
}

void SchrijfRegel(JsonSchrijver& j, const TNewKas& r, const Afstemming::Voorstel& v) {
  j.BeginObject();
  j.Veld("Index", r.Index);
  j.Veld("RekNr", r.RekNr);
  j.Veld("VolgBlad", r.VolgBlad);
  j.Veld("BankRekNr", r.BankRekNr);
  j.Veld("GroepKode", r.GroepKode);
  j.Veld("ActieKode", r.ActieKode);
  j.Veld("Datum", r.Datum);
  j.Veld("TegenRekNr", r.TegenRekNr);
  j.Veld("Relatie", r.Relatie);
  j.Veld("TegenRek", r.TegenRek);
  j.Veld("TegenVolgBlad", r.TegenVolgBlad);
  j.Veld("BeginSaldo", r.BeginSaldo);
  j.Veld("EindSaldo", r.EindSaldo);
  j.Veld("Bedrag", r.Bedrag);
  j.Veld("MuntKoers", r.MuntKoers);
  j.Veld("Omschrijving", r.Omschrijving);
  j.Veld("Munt", r.Munt);
  j.Veld("BoekSoort", r.BoekSoort);
  j.Veld("Extra1", r.Extra1);
  j.Veld("Belegging", r.Belegging);
  j.Veld("PayDate", r.PayDate);
  j.Sleutel("Voorstel");
  j.BeginObject();
  j.Veld("BesteScore", v.besteScore);
  j.Veld("BestePositie", v.bestePositie);
  j.Veld("GroepKode", v.groepKode);
  j.Veld("Modus", v.modus);
  j.EindObject();
  j.EindObject();
}

}  // namespace

int AfschriftOpdracht(Omgeving& omgeving) {
  ImportStart s;
  if (const int code = Start(omgeving, "afschrift", false, s); code != kGelukt) return code;
  Kasboek& kb = s.boek->kb;
  EersteKeuzeVoerder kiezer;
  InvoerVoerder venster;
  BankImport run(kb, kiezer, nullptr);
  // Nee to going on after a fault means no lines, as in the window.
  const bool gelezen = run.ImporteerBestand(s.tag, s.bestand);
  const int ioStatus = kb.IOStatus;
  const int laatste = gelezen ? run.Laatste() : 0;

  Afstemming a(kb, kiezer, venster);
  a.BeginRun();
  std::string uit;
  JsonSchrijver j(uit);
  j.BeginObject();
  j.Veld("IOStatus", ioStatus);
  j.Sleutel("Berichten");
  j.BeginLijst();
  for (const GetoondBericht& b : s.boek->berichten.getoond) {
    j.BeginObject();
    j.Veld("soort", static_cast<int>(b.soort));
    j.Veld("knoppen", b.knoppen);
    j.Veld("tekst", b.tekst);
    j.Veld("antwoord", b.antwoord);
    j.EindObject();
  }
  j.EindLijst();
  j.Sleutel("Regels");
  j.BeginLijst();
  VoortgangMelder melder(kb.voortgang(), "Bankregels afstemmen", static_cast<std::uint64_t>(laatste));
  for (int i = 1; i <= laatste; ++i) {
    melder.Stap(static_cast<std::uint64_t>(i));
    TNewKas regel = run.Lijst()[static_cast<std::size_t>(i)];
    a.regel = regel;
    const Afstemming::Voorstel v = a.StelVoor(false);
    SchrijfRegel(j, regel, v);
  }
  j.EindLijst();
  j.EindObject();
  omgeving.uit << uit << '\n';
  return laatste > 0 ? kGelukt : kMislukt;
}

int ImporteerOpdracht(Omgeving& omgeving) {
  ImportStart s;
  if (const int code = Start(omgeving, "importeer", true, s); code != kGelukt) return code;
  Kasboek& kb = s.boek->kb;
  // Another program has the book: reconciling against it would only end in
  // a refused save, so say who has it before anything is read.
  if (MeldBezet(omgeving, "importeer", kb)) return kMislukt;
  EersteKeuzeVoerder kiezer;
  InvoerVoerder venster;
  BankImport run(kb, kiezer, nullptr);
  const bool gelezen = run.ImporteerBestand(s.tag, s.bestand);
  bool bewaard = true;
  if (gelezen) {
    double start = run.StelStartDatumVoor().voorstel;
    if (s.vanaf) start = *s.vanaf;
    Afstemming a(kb, kiezer, venster);
    a.dubbeleOverslaan = true;
    AfschriftModel afschrift(kb, run, a);
    afschrift.voortgangMelden = true;
    afschrift.NeemOver(start);
    bewaard = afschrift.ProcessStatementInEenKeer().Gelukt();
    VolgBewaring(omgeving, kb);
  }
  SchrijfBoekJson(omgeving.uit, kb, s.boek->berichten.getoond);
  if (!bewaard)
    omgeving.fout << "valdero-cli importeer: " << kb.sessie.KasNaam
                  << " niet bewaard; het boek is zoals het was, geen regel geïmporteerd\n";
  return gelezen && bewaard ? kGelukt : kMislukt;
}

}  // namespace valdero::cli
