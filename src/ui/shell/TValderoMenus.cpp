// The menu bar: every item with its caption and tag (the action's data).
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "model/core/Kasboek.h"
#include "ui/shell/TValdero.h"

namespace valdero {
namespace {

const char* kPad = "valderoPad";

}  // namespace

QString TValdero::Pad(QMenu* menu) const { return menu->property(kPad).toString(); }

QMenu* TValdero::Sub(QMenu* menu, const QString& opschrift) {
  QMenu* sub = menu ? menu->addMenu(opschrift) : menuBar()->addMenu(opschrift);
  sub->setProperty(kPad, menu ? Pad(menu) + QLatin1Char('|') + opschrift : opschrift);
  acties_.emplace_back(sub->property(kPad).toString(), sub->menuAction());
  gewenst_[sub->menuAction()] = true;
  return sub;
}

QAction* TValdero::Item(QMenu* menu, const QString& opschrift, int tag, std::function<void(int)> actie,
                        std::function<bool()> nodig) {
  QAction* a = menu->addAction(opschrift);
  a->setData(tag);
  if (actie) connect(a, &QAction::triggered, this, [actie, tag] { actie(tag); });
  acties_.emplace_back(Pad(menu) + QLatin1Char('|') + opschrift, a);
  gewenst_[a] = true;
  if (nodig) nodig_[a] = std::move(nodig);
  return a;
}

QAction* TValdero::Actie(const QString& pad) const {
  for (const auto& [p, a] : acties_)
    if (p == pad) return a;
  return nullptr;
}

QAction& TValdero::Actie(MenuItem item) const {
  QAction* a = Actie(QString::fromUtf8(MenuPad(item).data(), static_cast<qsizetype>(MenuPad(item).size())));
  // The table of entries and the menus are built from the same captions; a
  // miss is a fault of the program itself, found on the first start.
  if (!a) qFatal("Menu-item %s ontbreekt", MenuPad(item).data());
  return *a;
}

void TValdero::Zet(MenuItem item, bool aan) {
  QAction& a = Actie(item);
  gewenst_[&a] = aan;
  const auto n = nodig_.find(&a);
  a.setEnabled(aan && (n == nodig_.end() || n->second()));
}

bool TValdero::Aan(MenuItem item) const { return Actie(item).isEnabled(); }

// Entries follow the windows and commands that exist now: an entry without
// its window stays disabled whatever the open book allows.
void TValdero::VolgKoppelingen() {
  for (const auto& [a, nodig] : nodig_) a->setEnabled(gewenst_[a] && nodig());
  bankBtn_->setEnabled(Heeft(VensterOpeners::Venster::RekeningBeheer));
  groepBtn_->setEnabled(Heeft(VensterOpeners::Venster::GroepBeheer));
}

void TValdero::MaakMenus() {
  using V = VensterOpeners::Venster;
  using C = LevensloopCommandos::Commando;
  // A life-cycle command, run when it exists.
  auto roep = [this](C c, void (LevensloopCommandos::*commando)()) {
    return [this, c, commando](int) {
      if (Heeft(c)) (levensloop_->*commando)();
    };
  };
  auto heeft = [this](auto wat) { return [this, wat] { return Heeft(wat); }; };
  using L = LevensloopCommandos;

  QMenu* bestand = Sub(nullptr, QStringLiteral("&Bestand"));
  Item(bestand, QStringLiteral("&Nieuw"), 0, roep(C::Nieuw, &L::Nieuw), heeft(C::Nieuw));
  Item(bestand, QStringLiteral("Open &Valdero"), 0, roep(C::Open, &L::Open), heeft(C::Open));
  bestand->addSeparator();
  Item(bestand, QStringLiteral("Open &Rekening"), 1, [this](int) { OpenRekening(); }, heeft(V::Rekeningen));
  Item(bestand, QStringLiteral("Open &Groep"), 1, [this](int t) { OpenBudget(t); }, heeft(V::Budget));
  QMenu* budget = Sub(bestand, QStringLiteral("Open &Budget"));
  const std::pair<const char*, int> budgetten[] = {
      {"Begroting per &Jaar", 2},    {"Begroting  per &Maand", 3}, {"Begroting per &Kwartaal", 4},
      {"Begrotig per &Periode", 5},  {"&Selectie van klassen", 6}};
  for (auto [opschrift, tag] : budgetten) {
    std::function<bool()> nodig = heeft(V::Budget);
    if (tag == 6) nodig = [this] { return Heeft(V::Budget) && Heeft(V::Selectie); };
    Item(budget, QString::fromUtf8(opschrift), tag, [this](int t) { OpenBudget(t); }, nodig);
  }
  Item(bestand, QStringLiteral("Open Re&latie"), 0, [this](int) { OpenRelatie(); }, heeft(V::Relaties));
  bestand->addSeparator();
  Item(bestand, QStringLiteral("&Bewaren"), 0, roep(C::Bewaren, &L::Bewaren), heeft(C::Bewaren));
  Item(bestand, QStringLiteral("Bewaren &als..."), 0, roep(C::BewaarAls, &L::BewaarAls), heeft(C::BewaarAls));
  Item(bestand, QStringLiteral("Herstel&punt terugzetten..."), 0, roep(C::Herstelpunt, &L::Herstelpunt),
       heeft(C::Herstelpunt));
  bestand->addSeparator();
  QMenu* importeren = Sub(bestand, QStringLiteral("&Importeren"));
  auto importItem = [&](QMenu* m, const char* opschrift, int tag, const char* hint) {
    QAction* a = Item(m, QString::fromUtf8(opschrift), tag, [this](int t) { Importeer(t); }, heeft(V::Importeren));
    if (*hint) a->setStatusTip(QString::fromUtf8(hint));
  };
  importItem(importeren, "&Rabo", 0, "Rabobank Telebankieren");
  importItem(importeren, "&ABN", 2, "ABN/AMRO telebankieren");
  importItem(importeren, "ING (dd-mm-jjjj)", 5, "Giro  telebankieren (.csv)");
  importItem(importeren, "&SNS", 3, "SNS bank Internet bankieren");
  importItem(importeren, "&CAMT.053", 6, "Bankafschrift in XML (camt.053)");
  importItem(importeren, "&MT940", 7, "Bankafschrift MT940 (.sta, .940)");
  importItem(importeren, "Rabobank &CSV", 8, "Rabobank CSV van vandaag");
  importItem(importeren, "I&NG CSV", 9, "ING CSV van vandaag");
  importItem(importeren, "&QIF", 20, "Geschiedenis uit een ander boekhoudprogramma (.qif)");
  importItem(importeren, "&OFX", 21, "Bankafschrift OFX (.ofx, .qfx)");
  importItem(importeren, "&Automatisch", 99, "Het formaat herkennen aan de inhoud van het bestand");
  QMenu* keuze = Sub(importeren, QStringLiteral("&Keuze"));
  importItem(keuze, "Rabo", 10, "");
  importItem(keuze, "Girotel", 11, "");
  importItem(keuze, "ABN", 12, "");
  importItem(keuze, "ING 1", 14, "");
  importItem(keuze, "SNS", 13, "");
  Item(keuze, QStringLiteral("ING 2"), 15, {});  // kept for its place; it has no format behind it
  Item(
      importeren, QStringLiteral("Mutaties Bewaren als..."), 0,
      [this](int) {
        if (Heeft(V::Importeren)) vensters_->BewaarMutatiesAls();
      },
      heeft(V::Importeren))
      ->setStatusTip(QStringLiteral("Mutaties bewaren met andere naam"));
  Item(bestand, QStringLiteral("&Wachtwoord"), 0, roep(C::ZetWachtwoord, &L::ZetWachtwoord),
       heeft(C::ZetWachtwoord));
  QAction* versleutel = Item(bestand, QStringLiteral("Versleu&telen..."), 0,
                             roep(C::Versleutelen, &L::Versleutelen), heeft(C::Versleutelen));
  QAction* opheffen = Item(bestand, QStringLiteral("Versleuteling op&heffen"), 0,
                           roep(C::VersleutelingOpheffen, &L::VersleutelingOpheffen),
                           heeft(C::VersleutelingOpheffen));
  // One of the two, by whether the open book is encrypted; a book that was
  // not read or cannot be written has neither.
  connect(bestand, &QMenu::aboutToShow, this, [this, versleutel, opheffen] {
    const bool schrijfbaar = kb_.KasGelezen && !kb_.sessie.AlleenLezen && kb_.sessie.GeenSlot.empty();
    versleutel->setEnabled(schrijfbaar && !kb_.Sleutel && Heeft(C::Versleutelen));
    opheffen->setEnabled(schrijfbaar && kb_.Sleutel && Heeft(C::VersleutelingOpheffen));
  });
  bestand->addSeparator();
  Item(bestand, QStringLiteral("&Einde"), 0, [this](int) { close(); });

  QMenu* trans = Sub(nullptr, QStringLiteral("&Transacties"));
  const std::pair<const char*, int> boekingen[] = {{"&Bijboeken", 1}, {"&Af boeken", 2}, {"&Wijzigen", 0},
                                                   {"&Kopiëren", 4},  {"&Transfereren", 8}, {"&Verwijderen", 3}};
  for (auto [opschrift, tag] : boekingen)
    Item(trans, QString::fromUtf8(opschrift), tag, [this](int t) { Boeking(t); }, heeft(V::Boeking));
  QMenu* over = Sub(trans, QStringLiteral("&Overschrijven"));
  Item(over, QStringLiteral("&Af rekening naar tegenrek."), 6, [this](int t) { Boeking(t); }, heeft(V::Boeking));
  Item(over, QStringLiteral("&Bij rekening van tegenrek."), 5, [this](int t) { Boeking(t); }, heeft(V::Boeking));

  QMenu* beleg = Sub(nullptr, QStringLiteral("Bele&ggingen"));
  const std::pair<const char*, int> beleggingen[] = {
      {"&Aanschaffen (add)", 11},        {"&Inwisselen     (pay out)", 12}, {"&Wijzigen        (change)", 10},
      {"&Kopen           (buy)", 15},    {"&Verkopen      (sell)", 16},     {"Ve&rwijderen   (remove)", 13},
      {"Waar&deren    (value)", 14},     {"&Rente/Divid   (change)", 17}};
  for (auto [opschrift, tag] : beleggingen)
    Item(beleg, QString::fromUtf8(opschrift), tag, [this](int t) { Boeking(t); }, heeft(V::Boeking));

  // Overviews and charts need their window, and the selection dialog when
  // the command asks for it.
  auto rapportNodig = [this](int tag, V venster) -> std::function<bool()> {
    const bool dialoog = VoorschriftVoorRapport(tag).dialoog;
    return [this, venster, dialoog] { return Heeft(venster) && (!dialoog || Heeft(V::Selectie)); };
  };
  QMenu* overz = Sub(nullptr, QStringLiteral("&Overzichten"));
  auto overzItem = [&](QMenu* m, const char* opschrift, int tag) {
    Item(m, QString::fromUtf8(opschrift), tag, [this](int t) { Rapport(t); }, rapportNodig(tag, V::Rapport));
  };
  overzItem(overz, "&Rekeningen", 1);
  QMenu* groepen = Sub(overz, QStringLiteral("&Groepen"));
  overzItem(groepen, "&Enkel", 5);
  overzItem(groepen, "&Samengesteld", 6);
  overzItem(overz, "&Klassen", 10);
  overzItem(overz, "Re&laties", 16);
  Item(overz, QStringLiteral("&Btw berekening"), 150, [this](int t) { Rapport(t); }, heeft(V::BtwRapport));
  QMenu* begroting = Sub(overz, QStringLiteral("&Begroting"));
  overzItem(begroting, "IN/UIT per &jaar", 11);
  overzItem(begroting, "IN/UIT per &maand", 12);
  overzItem(begroting, "IN/UIT per &kwartaal", 13);
  overzItem(begroting, "IN/UIT &selectie", 15);
  overzItem(begroting, "IN/UIT per &tijdvak", 14);
  QMenu* balans = Sub(overz, QStringLiteral("Budget Ba&lans"));
  overzItem(balans, "Saldo per &jaar", 21);
  overzItem(balans, "Saldo per &maand", 22);
  overzItem(balans, "Saldo per &kwartaal", 23);
  overzItem(balans, "Saldo per &tijdvak", 24);
  overzItem(balans, "Saldo &Selectie", 25);
  QMenu* saldi = Sub(overz, QStringLiteral("&ValderoSaldi"));
  overzItem(saldi, "&Alle rekeningen", 31);
  overzItem(saldi, "Rekening &Selectie", 32);
  overz->addSeparator();
  Item(overz, QStringLiteral("&Zoeken"), 40, [this](int t) { Rapport(t); }, heeft(V::Zoeken));
  Item(overz, QStringLiteral("&Exporteren"), 60, [this](int t) { Rapport(t); }, heeft(V::Exporteren));

  QMenu* graf = Sub(nullptr, QStringLiteral("Grafieken"));
  auto grafItem = [&](QMenu* m, const char* opschrift, int tag) {
    Item(m, QString::fromUtf8(opschrift), tag, [this](int t) { Grafiek(t); }, rapportNodig(tag, V::Grafiek));
  };
  grafItem(graf, "Rekeningen", 101);
  grafItem(graf, "Groepen", 105);
  grafItem(graf, "Klassen", 110);
  QMenu* gBegroting = Sub(graf, QStringLiteral("Begroting"));
  grafItem(gBegroting, "IN / UIT per Jaar", 111);
  grafItem(gBegroting, "IN /UITper Maand", 112);
  grafItem(gBegroting, "IN / UITper Kwartaal", 113);
  grafItem(gBegroting, "IN / UIT Selectie", 115);
  QMenu* gSaldi = Sub(graf, QStringLiteral("ValderoSaldi"));
  grafItem(gSaldi, "Alle rekeningen", 131);
  grafItem(gSaldi, "Rekening Selectie", 132);

  beeld_ = Sub(nullptr, QStringLiteral("Bee&ld"));
  const std::pair<const char*, int> balken[] = {{"&Transactie", 1}, {"Belegging", 2}, {"&Valuta", 4}};
  for (auto [opschrift, bit] : balken) {
    QAction* a = Item(beeld_, QString::fromUtf8(opschrift), 0, [this, bit = bit](int) { WerkbalkToggle(bit); });
    a->setCheckable(true);
  }
  beeld_->addSeparator();

  QMenu* extra = Sub(nullptr, QStringLiteral("&Extra"));
  Item(extra, QStringLiteral("&Opties"), 0, [this](int) { Opties(0); }, heeft(V::Opties));
  Item(extra, QStringLiteral("&Persoonsdata"), 0, [this](int) { Persoonsdata(); }, heeft(V::Persoonsdata));
  Item(extra, QStringLiteral("Startup Max.venster"), 0, [this](int) { StartupToggle(); })
      ->setObjectName(QStringLiteral("StartupToggle"));
  // Every entry the program looks up by name must be there.
  for (const MenuItem item : kAlleMenuItems) static_cast<void>(Actie(item));
  Item(extra, QStringLiteral("&Notities"), 0, [this](int) { Help(300); });

  QMenu* help = Sub(nullptr, QStringLiteral("&Help"));
  Item(help, QStringLiteral("Inhoud Help"), 0, [this](int) { Help(0); });
  Item(help, QStringLiteral("Info"), 0, [this](int) { ToonVerantwoording(); });
}

}  // namespace valdero
