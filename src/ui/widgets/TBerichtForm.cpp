#include "ui/widgets/TBerichtForm.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "model/messages/BerichtOpmaak.h"

namespace valdero {
namespace {

QStyle::StandardPixmap IcoonVan(BerichtSoort soort, bool& heeftIcoon) {
  heeftIcoon = true;
  switch (soort) {
    case BerichtSoort::Waarschuwing: return QStyle::SP_MessageBoxWarning;
    case BerichtSoort::Fout: return QStyle::SP_MessageBoxCritical;
    case BerichtSoort::Informatie: return QStyle::SP_MessageBoxInformation;
    case BerichtSoort::Bevestig: return QStyle::SP_MessageBoxQuestion;
    case BerichtSoort::Titel: break;
  }
  heeftIcoon = false;
  return QStyle::SP_MessageBoxInformation;
}

QRect Scherm(const QWidget* w) {
  const QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
  return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

TBerichtForm::TBerichtForm(const std::string& tekst, BerichtSoort soort, int knoppen, int helpTopic,
                           const QString& applicatieTitel, QWidget* parent,
                           std::function<void(int)> help)
    : QDialog(parent) {
  setWindowTitle(QString::fromStdString(BerichtTitel(soort, applicatieTitel.toStdString())));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  const QFontMetrics fm(font());
  const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const int cx = (fm.horizontalAdvance(letters) + 26) / 52;
  const BerichtMaten m = MaatVoorFont(cx, fm.height());

  const QString inhoud = QString::fromStdString(RegelEinden(tekst));
  const QRect tekstRect = fm.boundingRect(QRect(0, 0, Scherm(this).width() / 2, 0),
                                          Qt::TextWordWrap | Qt::TextExpandTabs, inhoud);
  bool heeftIcoon = false;
  const auto icoon = IcoonVan(soort, heeftIcoon);
  const auto lijst = KnoppenVan(knoppen);
  const BerichtIndeling d = DeelBerichtIn(m, tekstRect.width(), tekstRect.height(), heeftIcoon,
                                          static_cast<int>(lijst.size()));

  if (heeftIcoon) {
    auto* plaatje = new QLabel(this);
    plaatje->setObjectName(QStringLiteral("Image"));
    plaatje->setPixmap(style()->standardIcon(icoon, nullptr, this).pixmap(kIcoonMaat, kIcoonMaat));
    plaatje->setGeometry(d.icoonX, d.icoonY, kIcoonMaat, kIcoonMaat);
  }
  bericht_ = new QLabel(inhoud, this);
  bericht_->setObjectName(QStringLiteral("Bericht"));
  bericht_->setWordWrap(true);
  bericht_->setTextFormat(Qt::PlainText);
  bericht_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  bericht_->setGeometry(d.tekstX, d.tekstY, d.tekstBreedte, tekstRect.height());

  const int standaard = StandaardKnop(knoppen);
  const int annuleer = AnnuleerKnop(knoppen);
  int x = d.knoppenX;
  for (const BerichtKnop& k : lijst) {
    auto* b = new QPushButton(QString::fromUtf8(k.opschrift), this);
    b->setObjectName(QString::fromUtf8(k.naam));
    b->setGeometry(x, d.knoppenY, m.knopBreedte, m.knopHoogte);
    b->setAutoDefault(false);
    x += m.knopBreedte + m.knopTussen;
    if (k.bit == standaard) {
      b->setDefault(true);
      b->setFocus();
    }
    if (k.bit == annuleer) annuleer_ = b;
    if (k.bit == knop::Help) {
      connect(b, &QPushButton::clicked, this, [help, helpTopic] {
        if (help) help(helpTopic);
      });
    } else {
      const int r = k.resultaat;
      connect(b, &QPushButton::clicked, this, [this, r] { done(r); });
    }
  }
  setFixedSize(d.breedte, d.hoogte);
  Plaats();
}

QPushButton* TBerichtForm::Knop(const QString& naam) const {
  return findChild<QPushButton*>(naam, Qt::FindDirectChildrenOnly);
}

void TBerichtForm::Plaats(int top, int left) {
  const QRect s = Scherm(this);
  const int x = left >= 0 ? left : s.x() + (s.width() - width()) / 2;
  const int y = top >= 0 ? top : s.y() + (s.height() - height()) / 2;
  move(x, y);
}

void TBerichtForm::reject() { done(antwoord::Schrap); }

void TBerichtForm::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
    if (annuleer_) annuleer_->click();
    e->accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

int ToonBericht(const std::string& tekst, BerichtSoort soort, int knoppen, int helpTopic,
                const QString& applicatieTitel, QWidget* parent, std::function<void(int)> help) {
  TBerichtForm dlg(tekst, soort, knoppen, helpTopic, applicatieTitel, parent, std::move(help));
  return dlg.exec();
}

}  // namespace valdero
