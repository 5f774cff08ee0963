// The tool bar of bookings and investments, the currency buttons on the right
// and the action panel with its pop-up menus.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "ui/shell/Glyphen.h"
#include "ui/shell/TValdero.h"

namespace valdero {
namespace {

struct KnopDef {
  const char* naam;
  const char* hint;
  const char* symbool;
  QColor kleur;
  int tag;
};

const QColor kGroen(46, 139, 87), kRood(178, 34, 34), kBlauw(30, 90, 170), kPaars(110, 60, 150),
    kOranje(205, 120, 20), kGrijs(90, 100, 110);

// Opens help on a click on a part that has no click of its own.
class KlikHelp : public QObject {
 public:
  KlikHelp(QObject* ouder, std::function<void()> help) : QObject(ouder), help_(std::move(help)) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::MouseButtonPress) help_();
    return false;
  }

 private:
  std::function<void()> help_;
};

}  // namespace

void TValdero::MaakWerkbalken() {
  transStock_ = addToolBar(QStringLiteral("Transacties"));
  transStock_->setObjectName(QStringLiteral("ToolBarTransStock"));
  transStock_->setMovable(false);
  transStock_->setIconSize(QSize(24, 24));
  transStock_->installEventFilter(new KlikHelp(this, [this] {
    Help(Actie(MenuItem::BeeldTransactie).isChecked() ? 211 : 212);
  }));

  auto knop = [this](const KnopDef& d, std::function<void(int)> actie) {
    QAction* a = transStock_->addAction(Glyph(QString::fromUtf8(d.symbool), d.kleur), QString::fromUtf8(d.hint));
    a->setObjectName(QString::fromUtf8(d.naam));
    a->setToolTip(QString::fromUtf8(d.hint));
    a->setStatusTip(QString::fromUtf8(d.hint));
    a->setData(d.tag);
    const int tag = d.tag;
    connect(a, &QAction::triggered, this, [actie, tag] { actie(tag); });
    return a;
  };
  auto nietig = [](int) {};
  knop({"NieuwBtn", "Nieuw Valdero", "N", kGrijs, 0}, [this](int) { if (Heeft(LevensloopCommandos::Commando::Nieuw)) levensloop_->Nieuw(); });
  knop({"OpenBtn", "Open Valdero", "O", kGrijs, 0}, [this](int) { if (Heeft(LevensloopCommandos::Commando::Open)) levensloop_->Open(); });
  knop({"OpenRekBtn", "Rekeningen", "R", kBlauw, 1}, [this](int) {
    if (Aan(MenuItem::OpenRekening)) OpenRekening();
  });
  knop({"OpenGroepBtn", "Groepen", "G", kBlauw, 1}, [this](int t) {
    if (Aan(MenuItem::OpenGroep)) OpenBudget(t);
  });
  const KnopDef boek[] = {{"BijBtn", "Bijboeken", "+", kGroen, 1},
                          {"AfBtn", "Af boeken", "\u2212", kRood, 2},
                          {"WijzBtn", "Zoek en wijzig", "?", kBlauw, 0},
                          {"KopieBtn", "Kopieren", "\u2750", kBlauw, 4},
                          {"TransferBtn", "Transfereren", "\u21C4", kPaars, 8},
                          {"WegBtn", "Verwijderen", "\u2715", kRood, 3},
                          {"OverbkVanBtn", "Overschrijven van rekening ", "\u2192", kOranje, 6},
                          {"OverbkNaarBtn", "Overschrijven naar rekening", "\u2190", kOranje, 5}};
  for (const auto& d : boek) boekKnoppen_.push_back(knop(d, [this](int t) { ToolBoeking(t); }));
  QAction* spatie = knop({"ToolButton1", "", "", QColor(200, 200, 200), 0}, nietig);
  spatie->setIcon(QIcon());
  spatie->setEnabled(false);
  transStock_->addSeparator();
  const KnopDef beleg[] = {{"AanschafBtn", "Aanschaffen aandelen", "A+", kGroen, 11},
                           {"InwisselBtn", "Inwisselen aandelen", "A\u2212", kRood, 12},
                           {"WijzaandBtn", "Wijzigen aandeel", "A?", kBlauw, 10},
                           {"KoopBtn", "Kopen van aandelen", "K", kGroen, 15},
                           {"WegAandBtn", "Verwijderen van aandelen", "A\u2715", kRood, 13},
                           {"VerkoopBtn", "Verkopen aandelen", "V", kOranje, 16},
                           {"WaardeerBtn", "Herwaarderen van aandelen", "%", kPaars, 14},
                           {"RenteBtn", "Rente, Dividend opvoeren", "D", kGroen, 17}};
  for (const auto& d : beleg) beleggingKnoppen_.push_back(knop(d, [this](int t) { ToolBelegging(t); }));

  // The currency buttons: a narrow column at the right edge.
  valutaBalk_ = new QWidget(achtergrond_);
  valutaBalk_->setObjectName(QStringLiteral("ToolbarValuta"));
  valutaBalk_->setAutoFillBackground(true);
  valutaBalk_->setPalette(QPalette(QColor(230, 230, 230)));
  valutaBalk_->installEventFilter(new KlikHelp(this, [this] { Help(260); }));
  auto* kolom = new QVBoxLayout(valutaBalk_);
  kolom->setContentsMargins(3, 3, 3, 3);
  kolom->setSpacing(3);
  auto munt = [&](const char* naam, const char* hint, const QString& symbool, const QColor& kleur) {
    auto* b = new QToolButton(valutaBalk_);
    b->setObjectName(QString::fromUtf8(naam));
    b->setToolTip(QString::fromUtf8(hint));
    b->setStatusTip(QString::fromUtf8(hint));
    b->setIconSize(QSize(24, 24));
    b->setFixedSize(32, 32);
    if (!symbool.isEmpty()) b->setIcon(Glyph(symbool, kleur));
    kolom->addWidget(b);
    return b;
  };
  eurBtn_ = munt("EurBtn", "Afbeelding in Euro's", QStringLiteral("\u20AC"), kBlauw);
  usdBtn_ = munt("USDBtn", "Afbeelding in Dollars ", QStringLiteral("$"), kGroen);
  enpBtn_ = munt("ENPBtn", "Afbeelding in Eng. Ponden", QStringLiteral("\u00A3"), kPaars);
  auxiliar_ = munt("Auxiliar", "Afbeelding als in Opschrift", {}, kGrijs);
  auxiliar_->setText(QStringLiteral("X"));
  valutaBtn_ = munt("ValutaBtn", "Muntsoorten instellen", QStringLiteral("\u2699"), kGrijs);
  for (QToolButton* b : {eurBtn_, usdBtn_, enpBtn_, auxiliar_}) {
    b->setCheckable(true);
    connect(b, &QToolButton::clicked, this, [this, b] { Valuta(b); });
  }
  connect(valutaBtn_, &QToolButton::clicked, this, [this] { Opties(2); });
  valutaBalk_->adjustSize();
}

void TValdero::MaakMenuPanel() {
  menuPanel_ = new QWidget(achtergrond_);
  menuPanel_->setObjectName(QStringLiteral("MenuPanel"));
  menuPanel_->setStatusTip(QStringLiteral("Panel met voornaamste actie-knoppen "));
  menuPanel_->setAutoFillBackground(true);
  menuPanel_->setPalette(QPalette(QColor(192, 192, 192)));
  auto* kolom = new QVBoxLayout(menuPanel_);
  kolom->setContentsMargins(10, 8, 10, 8);
  kolom->setSpacing(2);
  auto groot = [&](const char* naam, const char* label, const QString& symbool, const QColor& kleur) {
    auto* l = new QLabel(QString::fromUtf8(label), menuPanel_);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    auto* b = new QPushButton(menuPanel_);
    b->setObjectName(QString::fromUtf8(naam));
    b->setIcon(Glyph(symbool, kleur, 40));
    b->setIconSize(QSize(40, 40));
    b->setFixedSize(64, 52);
    b->setStatusTip(QString::fromUtf8(label));
    kolom->addWidget(l);
    kolom->addWidget(b, 0, Qt::AlignHCenter);
    kolom->addSpacing(6);
    return b;
  };
  QPushButton* bank = bankBtn_ = groot("BankBtn", "Rekeningen", QStringLiteral("R"), kBlauw);
  QPushButton* groep = groepBtn_ = groot("GroepBtn", "Groepen", QStringLiteral("G"), kPaars);
  QPushButton* agenda = groot("AgendaBtn", "Agenda", QStringLiteral("\u21C4"), kOranje);
  QPushButton* betaling = groot("BetalingBtn", "Transacties", QStringLiteral("\u20AC"), kGroen);
  QPushButton* beurs = groot("BeursBtn", "Beleggingen", QStringLiteral("%"), kRood);
  QPushButton* import = groot("ImportBtn", "Importeren", QStringLiteral("\u21E9"), kGrijs);
  import->setStatusTip(QStringLiteral("Importeren van bankmutaties"));
  menuPanel_->adjustSize();
  menuPanel_->move(12, 12);

  connect(bank, &QPushButton::clicked, this, [this] { if (Heeft(VensterOpeners::Venster::RekeningBeheer)) vensters_->OpenRekeningBeheer(); });
  connect(groep, &QPushButton::clicked, this, [this] { if (Heeft(VensterOpeners::Venster::GroepBeheer)) vensters_->OpenGroepBeheer(); });
  connect(agenda, &QPushButton::clicked, this, [this] { Agenda(); });

  popupBoeking_ = new QMenu(this);
  const std::pair<const char*, int> boek[] = {{"&Bijboeken", 1}, {"&Afboeken", 2}, {"&Wijzigen", 0},
                                              {"Kopieren", 4},   {"Verwijderen", 3}};
  for (auto [opschrift, tag] : boek)
    popupBoeking_->addAction(QString::fromUtf8(opschrift), this, [this, tag = tag] { Boeking(tag); })->setData(tag);
  QMenu* over = popupBoeking_->addMenu(QStringLiteral("Overschrijven"));
  over->addAction(QStringLiteral("van Rekening naar tegen Rek."), this, [this] { Boeking(5); })->setData(5);
  over->addAction(QStringLiteral("van Tegenrekening naar Rek."), this, [this] { Boeking(6); })->setData(6);
  connect(betaling, &QPushButton::clicked, this, [this, betaling] {
    if (Aan(MenuItem::Transacties))
      ToonPopup(popupBoeking_, betaling);
    else
      kb_.berichten().BerichtDlg("Geen Transacties mogelijk ", BerichtSoort::Waarschuwing, knop::OK);
  });

  popupBelegging_ = new QMenu(this);
  const std::pair<const char*, int> beleg[] = {{"&Aanschaffen", 11}, {"&Inwisselen", 12}, {"&Wijzigen", 10},
                                               {"&Kopen", 15},       {"&Verkopen", 16},   {"&Waarderen", 14},
                                               {"&Dividend", 17}};
  for (auto [opschrift, tag] : beleg)
    popupBelegging_->addAction(QString::fromUtf8(opschrift), this, [this, tag = tag] { Boeking(tag); })->setData(tag);
  connect(beurs, &QPushButton::clicked, this, [this, beurs] {
    if (Aan(MenuItem::Beleggingen))
      ToonPopup(popupBelegging_, beurs);
    else
      kb_.berichten().BerichtDlg("Geen Belegging mogelijk ", BerichtSoort::Waarschuwing, knop::OK);
  });

  popupImport_ = new QMenu(this);
  auto imp = [this](QMenu* m, const char* opschrift, int tag, const char* hint) {
    QAction* a = m->addAction(QString::fromUtf8(opschrift), this, [this, tag] { Importeer(tag); });
    a->setData(tag);
    if (*hint) a->setStatusTip(QString::fromUtf8(hint));
  };
  imp(popupImport_, "&Rabo", 0, "Rabobanl Telebankieren");
  imp(popupImport_, "&ABN/AMRO", 2, "ABN/AMRO bankieren");
  imp(popupImport_, "ING (dd-mm-jjjj) ", 5, "ING bankieren (*.csv)");
  imp(popupImport_, "&SNS", 3, "SNS Internet Bankieren");
  imp(popupImport_, "&CAMT.053", 6, "Bankafschrift in XML (camt.053)");
  imp(popupImport_, "&MT940", 7, "Bankafschrift MT940 (.sta, .940)");
  imp(popupImport_, "Rabobank &CSV", 8, "Rabobank CSV van vandaag");
  imp(popupImport_, "I&NG CSV", 9, "ING CSV van vandaag");
  imp(popupImport_, "&QIF", 20, "Geschiedenis uit een ander boekhoudprogramma (.qif)");
  imp(popupImport_, "&OFX", 21, "Bankafschrift OFX (.ofx, .qfx)");
  imp(popupImport_, "&Automatisch", 99, "Het formaat herkennen aan de inhoud van het bestand");
  QMenu* keuze = popupImport_->addMenu(QStringLiteral("&Keuze"));
  imp(keuze, "Rabo", 10, "");
  imp(keuze, "Giro", 11, "");
  imp(keuze, "ING", 15, "");
  imp(keuze, "ABN.AMRO", 12, "");
  imp(keuze, "SNS", 13, "");
  imp(keuze, "Giro", 14, "");
  popupImport_->addAction(QStringLiteral("Mutaties Bewaren als..."), this, [this] {
    if (Heeft(VensterOpeners::Venster::Importeren)) vensters_->BewaarMutatiesAls();
  })->setStatusTip(QStringLiteral("Mutatie-file bewaren met een andere naam"));
  popupImport_->addAction(QStringLiteral("&Schrap"), this, [this] { importMogelijk_ = true; })
      ->setStatusTip(QStringLiteral("Stoppen"));
  connect(import, &QPushButton::clicked, this, [this, import] {
    if (importMogelijk_ && Aan(MenuItem::Importeren))
      ToonPopup(popupImport_, import);
    else
      kb_.berichten().BerichtDlg("Importeren niet mogelijk ", BerichtSoort::Waarschuwing, knop::OK);
  });
  connect(achtergrond_, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
    if (importMogelijk_ && Aan(MenuItem::Importeren)) popupImport_->popup(achtergrond_->mapToGlobal(p));
  });
}

void TValdero::ToonPopup(QMenu* menu, QWidget* knop) {
  // A third of the window's width from its left edge, level with the button.
  const QPoint hoogte = knop->mapTo(this, QPoint(0, 0));
  menu->popup(mapToGlobal(QPoint(width() / 3, hoogte.y())));
}

}  // namespace valdero
