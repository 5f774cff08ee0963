// The entry panel of the booking window: its fields with their labels and
// longest entries, the buttons, and where the fields sit in each mode.
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include <algorithm>
#include "model/bookings/BoekModi.h"
#include "ui/bookings/TBoekingForm.h"

namespace valdero {
namespace {

constexpr int kRij[] = {18, 68, 118, 168};  // label tops; the field sits 16 lower
constexpr int kVeldHoogte = 24;
constexpr int kPanelTop = 226;     // below the grid
constexpr int kPanelTopZonder = 8;  // the grid hidden: no empty area above
constexpr int kPanelBreedte = 784;
constexpr int kPanelHoogte = 218;
constexpr int kKnopAfstand = 10;  // from the panel to the buttons below
constexpr int kKnopHoogte = 28;
constexpr int kRechts = kPanelBreedte - 2;  // the right edge of the fields

// The longest entry a user may type. Unlike QLineEdit's maximum length it
// leaves longer texts that the window itself shows (the securities action
// "ID Interest/Div. shares") whole, and lets the user shorten them.
class LengteGrens : public QValidator {
 public:
  LengteGrens(QLineEdit* veld, int max) : QValidator(veld), max_(max) {
    // The line edit validates its new text in place, so the length before
    // the edit is remembered here.
    connect(veld, &QLineEdit::textChanged, this, [this](const QString& t) { vorige_ = t.size(); });
  }
  State validate(QString& invoer, int&) const override {
    return invoer.size() <= max_ || invoer.size() <= vorige_ ? Acceptable : Invalid;
  }

 private:
  int max_;
  qsizetype vorige_ = 0;
};

struct Plek {
  int x, rij, breedte;
};

// Where the fields of the ordinary modes sit; the amount and the share
// fields move in the securities modes (PlaatsVelden).
Plek StandaardPlek(int tag) {
  switch (tag) {
    // The account field holds "99   TRANSFER REKENING" whole.
    case veld::Rekening: return {10, 0, 210};
    case veld::Volgnr: return {230, 0, 40};
    case veld::Blad: return {278, 0, 30};
    case veld::Groep: return {316, 0, 250};
    case veld::Actie: return {574, 0, 130};
    case veld::Datum: return {10, 1, 90};
    case veld::TegenRek: return {108, 1, 150};
    case veld::Relatie: return {266, 1, 220};
    case veld::Volgnr2: return {494, 1, 40};
    case veld::Blad2: return {542, 1, 30};
    case veld::Munt: return {10, 2, 70};
    case veld::Koers: return {88, 2, 100};
    case veld::Aantal: return {324, 2, 90};
    case veld::Prijs: return {422, 2, 90};
    case veld::Bedrag: return {266, 2, 120};
    case veld::Omschrijving: return {10, 3, 520};
    default: return {0, 0, 0};
  }
}

}  // namespace

void TBoekingForm::BouwPaneel() {
  panel_ = new QGroupBox(this);
  panel_->setObjectName("BoekingPanel");
  panel_->setGeometry(8, kPanelTop, kPanelBreedte, kPanelHoogte);
  // The mode's caption stands out in red above the fields.
  panel_->setStyleSheet("QGroupBox#BoekingPanel::title { color: red; font-weight: bold; }");

  MaakCombo(veld::Rekening, "RekenBox", 25, true);
  MaakEdit(veld::Volgnr, "VolgEdit1", 3);
  MaakEdit(veld::Blad, "BladEdit1", 2);
  MaakCombo(veld::Groep, "BoekKodeBox", 32, true);
  MaakCombo(veld::Actie, "ActieCodeBox", 16, true);
  MaakEdit(veld::Datum, "DatumEdit", 10);
  MaakCombo(veld::TegenRek, "TegenRekenBox", 0, false);
  MaakCombo(veld::Relatie, "RelatieBox", 32, false);
  MaakEdit(veld::Volgnr2, "VolgEdit2", 3);
  MaakEdit(veld::Blad2, "BladEdit2", 2);
  MaakCombo(veld::Munt, "MuntBox", 5, true);
  MaakEdit(veld::Koers, "MuntKoersEdit", 0);
  MaakEdit(veld::Aantal, "AandeelAantalEdit", 0);
  MaakEdit(veld::Prijs, "AandeelPrijsEdit", 0);
  MaakCombo(veld::Bedrag, "BedragBox", 12, false);
  MaakCombo(veld::Omschrijving, "RemarkBox", 120, false);

  Label(veld::Rekening, "Rekening");
  Label(veld::Volgnr, "VolgNr.");
  Label(veld::Blad, "Blad");
  Label(veld::Groep, "Groep");
  Label(veld::Actie, "Actie");
  Label(veld::Datum, "Datum");
  Label(veld::TegenRek, "TegenRek.");
  Label(veld::Relatie, "Relatie");
  Label(veld::Volgnr2, "VolgNr.");
  Label(veld::Blad2, "Blad");
  Label(veld::Munt, "Munt");
  Label(veld::Koers, "Muntkrs.");
  Label(veld::Aantal, "Aantal");
  Label(veld::Prijs, "Koers");
  Label(veld::Bedrag, "Bedrag");
  Label(veld::Omschrijving, "Omschrijving");

  auto* indexLabel = new QLabel("Index", panel_);
  indexLabel->setGeometry(kRechts - 60, kRij[0], 60, 16);
  index_ = new QLineEdit(panel_);
  index_->setObjectName("BoekIngIndex");
  index_->setReadOnly(true);
  index_->setFocusPolicy(Qt::NoFocus);
  index_->setToolTip("Index van boeking (niet instelbaar)");
  index_->setGeometry(kRechts - 60, kRij[0] + 16, 54, kVeldHoogte);

  klasse_ = new QLabel(panel_);
  klasse_->setObjectName("KlasseText");
  klasse_->setFrameShape(QFrame::Panel);
  klasse_->setFrameShadow(QFrame::Sunken);
  klasse_->setAlignment(Qt::AlignCenter);
  klasse_->setGeometry(kRechts - 60, kRij[1] + 16, 54, kVeldHoogte);

  saldoLabel_ = new QLabel("Nieuw Saldo", panel_);
  saldoLabel_->setGeometry(566, kRij[2], 120, 16);
  saldo_ = new QLineEdit(panel_);
  saldo_->setObjectName("SaldoEdit");
  saldo_->setReadOnly(true);
  saldo_->setFocusPolicy(Qt::NoFocus);
  saldo_->setAlignment(Qt::AlignRight);
  saldo_->setGeometry(566, kRij[2] + 16, 122, kVeldHoogte);

  btw_ = new QCheckBox("BTW hoog", panel_);
  btw_->setObjectName("BTWBox");
  // The caption must fit whatever font the book asks for: the box keeps its
  // right edge and the balance field gives way.
  const int btwBreedte = std::max(78, btw_->sizeHint().width() + 4);
  const int btwLinks = kRechts - btwBreedte;
  btw_->setGeometry(btwLinks, kRij[2] + 16, btwBreedte, kVeldHoogte);
  saldo_->setGeometry(566, kRij[2] + 16, std::min(122, btwLinks - 6 - 566), kVeldHoogte);
  connect(btw_, &QCheckBox::toggled, this, [this](bool aan) { model_.ZetBtw(aan); });

  opm_ = new QCheckBox("Opm.", panel_);
  opm_->setObjectName("Opmcheck");
  opm_->setToolTip("Omschrijving met eigen tekst");
  opm_->setGeometry(538, kRij[3] + 16, 56, kVeldHoogte);
  connect(opm_, &QCheckBox::toggled, this, [this](bool aan) { model_.ZetOpm(aan); });

  bewaar_ = new QPushButton("Bewaar", panel_);
  bewaar_->setObjectName("BewaarKnop");
  bewaar_->setGeometry(604, kRij[3] + 14, 78, 28);
  herstel_ = new QPushButton("Herstel", panel_);
  herstel_->setObjectName("HerstelKnop");
  herstel_->setGeometry(688, kRij[3] + 14, 78, 28);
  for (QPushButton* k : {bewaar_, herstel_}) k->setAutoDefault(false);
  connect(bewaar_, &QPushButton::clicked, this, &TBoekingForm::BewaarKlik);
  connect(herstel_, &QPushButton::clicked, this, &TBoekingForm::HerstelKlik);
  // Enter on the focused "Bewaar" saves, as the last step of the Enter chain.
  bewaar_->installEventFilter(this);

  PlaatsVelden();
}

void TBoekingForm::BouwKnoppen() {
  auto knop = [this](const QString& tekst, const char* naam, int x) {
    auto* k = new QPushButton(tekst, this);
    k->setObjectName(naam);
    k->setAutoDefault(false);
    k->setGeometry(x, kPanelTop + kPanelHoogte + kKnopAfstand, 84, kKnopHoogte);
    return k;
  };
  ok_ = knop("&OK", "SluitKnop", 8);
  stop_ = knop("&Stop", "StopKnop", 98);
  schrap_ = knop("S&chrap", "SchrapBtn", 188);
  kasRek_ = knop("ValDero", "KasRekKnop", 278);
  help_ = knop("&Help", "Helpknop", kPanelBreedte + 8 - 84);
  connect(ok_, &QPushButton::clicked, this, &TBoekingForm::SluitKlik);
  // "&Stop" leaves without booking, as its name says.
  connect(stop_, &QPushButton::clicked, this, [this] {
    model_.SluitKnop();
    close();
  });
  connect(schrap_, &QPushButton::clicked, this, &TBoekingForm::SchrapKlik);
  connect(kasRek_, &QPushButton::clicked, this, &TBoekingForm::KasRekKlik);
  connect(help_, &QPushButton::clicked, this, [this] { emit HelpGevraagd(314); });
}

int TBoekingForm::Indeling() {
  // The grid is hidden when the window opens fresh; the panel then stands at
  // the top instead of below an empty grey area, and the window is as high
  // as what it shows.
  const int top = model_.Stand().gridZichtbaar ? kPanelTop : kPanelTopZonder;
  panel_->move(8, top);
  const int knopTop = top + kPanelHoogte + kKnopAfstand;
  for (QPushButton* k : {ok_, stop_, schrap_, kasRek_, help_})
    if (k) k->move(k->x(), knopTop);
  return knopTop + kKnopHoogte + 8;
}

QLabel* TBoekingForm::Label(int tag, const QString& tekst) {
  auto* l = new QLabel(tekst, panel_);
  l->setBuddy(Veld(tag));
  labels_[static_cast<std::size_t>(tag)] = l;
  return l;
}

void TBoekingForm::MaakEdit(int tag, const char* naam, int maxLengte) {
  auto* e = new QLineEdit(panel_);
  e->setObjectName(naam);
  if (maxLengte > 0) e->setValidator(new LengteGrens(e, maxLengte));
  e->installEventFilter(this);
  velden_[static_cast<std::size_t>(tag)] = e;
}

void TBoekingForm::MaakCombo(int tag, const char* naam, int maxLengte, bool aanvullen) {
  auto* c = new QComboBox(panel_);
  c->setObjectName(naam);
  c->setEditable(true);
  c->setInsertPolicy(QComboBox::NoInsert);
  c->setMaxVisibleItems(16);
  if (maxLengte > 0) c->lineEdit()->setValidator(new LengteGrens(c->lineEdit(), maxLengte));
  // Fixed lists (accounts, groups, action codes, currencies) complete what is
  // typed; amounts and free texts stay exactly as typed, so that Enter never
  // takes a longer history value the user did not mean.
  if (aanvullen) {
    c->completer()->setCompletionMode(QCompleter::InlineCompletion);
    c->completer()->setCaseSensitivity(Qt::CaseSensitive);
  } else {
    c->setCompleter(nullptr);
  }
  c->installEventFilter(this);
  c->lineEdit()->installEventFilter(this);
  velden_[static_cast<std::size_t>(tag)] = c;
}

QLineEdit* TBoekingForm::Edit(int tag) const {
  QWidget* w = Veld(tag);
  if (auto* c = qobject_cast<QComboBox*>(w)) return c->lineEdit();
  return qobject_cast<QLineEdit*>(w);
}

void TBoekingForm::PlaatsVelden() {
  const int m = model_.Stand().boekModus;
  const bool metAandelen = modus::IsEffecten(m) && m != modus::RenteDividend;
  for (int tag = 1; tag <= veld::Omschrijving; ++tag) {
    Plek p = StandaardPlek(tag);
    // With shares the amount sits beside the currency and the rate moves
    // right of it; otherwise the amount sits under the relation.
    if (metAandelen && tag == veld::Bedrag) p = {88, 2, 120};
    if (metAandelen && tag == veld::Koers) p = {216, 2, 100};
    Veld(tag)->setGeometry(p.x, kRij[p.rij] + 16, p.breedte, kVeldHoogte);
    labels_[static_cast<std::size_t>(tag)]->setGeometry(p.x, kRij[p.rij], std::max(p.breedte, 60),
                                                        16);
  }
}

}  // namespace valdero
