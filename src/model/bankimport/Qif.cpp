// QIF, the exchange text of the older desktop bookkeeping programs: one field
// a line, its kind in the first character, "^" ending a transaction. Only the
// sections of money accounts (Bank, CCard, Cash) hold bank lines; the others
// (investments, category and class lists, memorised payments) are passed by.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <set>

#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/BankImport.h"
#include "model/bankimport/BankLezer.h"
#include "model/bankimport/BankTekst.h"
#include "model/bankimport/HistorieFormaten.h"
#include "model/bankimport/RekeningHerkenning.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/TekstHulp.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

constexpr int kEersteJaar = 1900;
constexpr int kLaatsteJaar = 2099;
// Two-digit years without the apostrophe: up to this one they are this
// century's, as the programs that still write them mean.
constexpr int kEeuwGrens = 69;
// A bank account number has at least this many digits; fewer in an account's
// name are a year or a serial, not its number.
constexpr std::size_t kMinsteRekeningCijfers = 5;
// Splits that sum to the total within half a cent agree.
constexpr double kCentHelft = 0.005;

std::string Klein(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

struct QifDatumDelen {
  std::string delen[3];
  bool apostrof = false;  // before the year
};

// The three numbers of a date and whether the year follows an apostrophe;
// nothing for any other text.
std::optional<QifDatumDelen> QifDelen(std::string_view tekst) {
  QifDatumDelen d;
  int deel = 0;
  bool inGetal = false;
  for (const char c : tekst) {
    if (c >= '0' && c <= '9') {
      if (!inGetal && !d.delen[deel].empty()) return std::nullopt;
      if (d.delen[deel].size() >= 4) return std::nullopt;
      d.delen[deel] += c;
      inGetal = true;
    } else if (c == ' ') {
      inGetal = false;
    } else if (c == '/' || c == '-' || c == '.' || c == '\'') {
      if (d.delen[deel].empty() || deel == 2) return std::nullopt;
      if (c == '\'') {
        if (deel != 1) return std::nullopt;
        d.apostrof = true;
      }
      ++deel;
      inGetal = false;
    } else {
      return std::nullopt;
    }
  }
  if (deel != 2 || d.delen[2].empty()) return std::nullopt;
  return d;
}

struct QifSplitsing {
  std::string categorie;
  std::string memo;
  std::string bedrag;
};

struct QifTransactie {
  std::size_t regel = 0;  // the file's line of its first field
  std::string rekening;   // the account of the section, as !Account named it
  bool kaart = false;     // a CCard section
  std::string datum, bedrag, begunstigde, memo, categorie;
  std::vector<QifSplitsing> splitsingen;
};

enum class Sectie { Geen, Geld, Rekening, Anders };

Sectie SectieVan(const std::string& kop, bool& kaart) {
  const std::string k = Klein(Getrimd(kop));
  kaart = k == "!type:ccard";
  if (k == "!type:bank" || k == "!type:cash" || kaart) return Sectie::Geld;
  if (k == "!account") return Sectie::Rekening;
  return Sectie::Anders;
}

// The file's money transactions, with the account each section belongs to.
// False when the file has no section header at all: no QIF.
bool LeesTransacties(const BankImport& run, std::vector<QifTransactie>& uit) {
  Sectie sectie = Sectie::Geen;
  bool kaart = false;
  bool gezien = false;
  std::string rekening;
  std::string naamInBlok;
  QifTransactie t;
  bool leeg = true;
  const auto& regels = run.Regels();
  for (std::size_t i = 0; i < regels.size(); ++i) {
    const std::string& r = regels[i];
    if (r.empty()) continue;
    if (r[0] == '!') {
      if (Klein(r).rfind("!option", 0) == 0 || Klein(r).rfind("!clear", 0) == 0) continue;
      sectie = SectieVan(r, kaart);
      gezien = true;
      t = QifTransactie{};
      leeg = true;
      continue;
    }
    const std::string waarde = Getrimd(std::string_view(r).substr(1));
    if (sectie == Sectie::Rekening) {
      if (r[0] == 'N') naamInBlok = waarde;
      if (r[0] == '^') rekening = naamInBlok;
      continue;
    }
    if (sectie != Sectie::Geld) continue;
    if (leeg) {
      t = QifTransactie{};
      t.regel = i;
      t.rekening = rekening;
      t.kaart = kaart;
      leeg = false;
    }
    switch (r[0]) {
      case 'D': t.datum = waarde; break;
      case 'T': t.bedrag = waarde; break;
      case 'U': if (t.bedrag.empty()) t.bedrag = waarde; break;
      case 'P': t.begunstigde = waarde; break;
      case 'M': t.memo = waarde; break;
      case 'L': t.categorie = waarde; break;
      case 'S': t.splitsingen.push_back({waarde, {}, {}}); break;
      case 'E': if (!t.splitsingen.empty()) t.splitsingen.back().memo = waarde; break;
      case '$': if (!t.splitsingen.empty()) t.splitsingen.back().bedrag = waarde; break;
      case '^':
        uit.push_back(std::move(t));
        leeg = true;
        break;
      default: break;  // number, cleared mark, address lines, ...
    }
  }
  // A last transaction without its "^" is still one.
  if (!leeg && (!t.datum.empty() || !t.bedrag.empty())) uit.push_back(std::move(t));
  return gezien;
}

// The own account whose name equals the text, case ignored; 0 when none.
int RekeningOpNaam(const Kasboek& kb, const std::string& naam) {
  const std::string gezocht = Klein(Getrimd(naam));
  if (gezocht.empty()) return 0;
  for (int i = 1; i <= kb.MaxRek(); ++i) {
    const TBank& r = kb.RekLijst[static_cast<std::size_t>(i)];
    if (Klein(Getrimd(r.Naam)) == gezocht) return r.RekNr;
  }
  return 0;
}

// The account number an account's name in the file holds: an IBAN, or the
// digits of a name like "Betaal 1234567"; empty when it holds none.
std::string NummerInNaam(const std::string& naam) {
  const std::string iban = ReduceerRekeningNummer(naam);
  if (iban != Getrimd(naam)) return iban;
  const std::string cijfers = NaamCijfers(naam);
  return cijfers.size() >= kMinsteRekeningCijfers ? cijfers : std::string();
}

// The group whose name is the category's: "Auto:Brandstof/Zakelijk" is
// looked for as "Auto:Brandstof", then "Brandstof", then "Auto" (the class
// after "/" is not a group). Empty when no group has such a name.
std::string GroepVoorCategorie(const Kasboek& kb, const std::string& categorie) {
  std::string c = categorie.substr(0, categorie.find('/'));
  c = Getrimd(c);
  if (c.empty()) return {};
  std::vector<std::string> namen{c};
  const auto dubbelepunt = c.rfind(':');
  if (dubbelepunt != std::string::npos) {
    namen.push_back(Getrimd(std::string_view(c).substr(dubbelepunt + 1)));
    namen.push_back(Getrimd(std::string_view(c).substr(0, c.find(':'))));
  }
  for (const std::string& naam : namen) {
    const std::string gezocht = Klein(naam);
    for (int i = 1; i <= kb.MaxGroep(); ++i) {
      const TBudget& g = kb.GroepLijst[static_cast<std::size_t>(i)];
      if (!gezocht.empty() && Klein(Getrimd(g.Naam)) == gezocht) return g.Kode;
    }
  }
  return {};
}

bool IsOverboeking(const std::string& categorie) {
  return categorie.size() >= 2 && categorie.front() == '[' && categorie.find(']') != std::string::npos;
}

class QifLezer : public BankLezer {
 public:
  int Formaat() const override { return bankformaat::Qif; }

  bool Herkent(const std::vector<std::string>& regels) const override {
    for (std::size_t i = 0; i < regels.size() && i < 20; ++i) {
      const std::string r = Klein(Getrimd(regels[i]));
      if (r.empty()) continue;
      return r.rfind("!type:", 0) == 0 || r == "!account" || r.rfind("!option:", 0) == 0;
    }
    return false;
  }

  void Lees(BankImport& run) const override {
    std::vector<QifTransactie> transacties;
    if (!LeesTransacties(run, transacties)) {
      run.ZetFout(importfout::Onverwacht);
      Foutmelding(run.kb(), run.BankBestand(), FoutNr::VerkeerdFormaat, HintNr::ControleerBestandNaam);
      return;
    }
    std::vector<std::string> datums;
    for (const QifTransactie& t : transacties) datums.push_back(t.datum);
    const QifVolgorde volgorde = QifDatumVolgorde(datums);

    Stand stand;
    int volgnr = 0;
    for (const QifTransactie& t : transacties) {
      run.Gelezen(t.regel);
      if (!Splitsingen(run, stand, t, volgnr, volgorde)) {
        run.BronRegel(t.regel);
        Regel(run, stand, t, volgnr++, volgorde, t.bedrag, t.categorie, t.memo);
      }
      if (run.Afgebroken()) break;
    }
    if (!stand.zonderGroep.empty()) {
      std::string lijst;
      for (const std::string& c : stand.zonderGroep) lijst += (lijst.empty() ? "" : ", ") + c;
      Mededeling(run.kb(), "Geen groep met de naam van de categorie: " + Kap(lijst, 200) +
                               "\rDeze regels krijgen hun groep in het vergelijkvenster");
    }
  }

 private:
  struct Stand {
    std::map<std::string, int> gekozen;  // account name -> account chosen by the user
    std::set<std::string> zonderGroep;
  };

  // A transaction split over categories becomes one line per split, so each
  // part finds its group and its match as a split booking of the ledger
  // does. Splits that do not add up to the total are reported and the total
  // is read as one line. False when the transaction is read as one line.
  static bool Splitsingen(BankImport& run, Stand& stand, const QifTransactie& t, int& volgnr, QifVolgorde volgorde) {
    if (t.splitsingen.size() < 2) return false;
    double som = 0;
    for (const QifSplitsing& s : t.splitsingen) {
      const std::string b = QifBedrag(s.bedrag);
      char* eind = nullptr;
      const double w = b.empty() ? NAN : std::strtod(b.c_str(), &eind);
      if (!std::isfinite(w) || eind != b.c_str() + b.size()) return false;
      som += w;
    }
    const std::string totaal = QifBedrag(t.bedrag);
    char* eind = nullptr;
    const double w = totaal.empty() ? NAN : std::strtod(totaal.c_str(), &eind);
    if (std::isfinite(w) && std::fabs(w - som) > kCentHelft) {
      run.BronRegel(t.regel);
      run.RegelFout("splitsing", " som van de splitsingen is niet het bedrag " + t.bedrag, importfout::Bedrag, true);
      return false;
    }
    for (const QifSplitsing& s : t.splitsingen) {
      run.BronRegel(t.regel);
      Regel(run, stand, t, volgnr++, volgorde, s.bedrag, s.categorie, s.memo.empty() ? t.memo : s.memo);
    }
    return true;
  }

  static void Regel(BankImport& run, Stand& stand, const QifTransactie& t, int volgnr, QifVolgorde volgorde,
                    const std::string& bedrag, const std::string& categorie, const std::string& memo) {
    const std::size_t bron = t.regel;
    TNewKas& k = run.NieuweRegel(volgnr);
    run.BronRegel(bron);
    EigenRekening(run, stand, k, t.rekening);
    k.Bedrag = run.VastGetal(QifBedrag(bedrag), '.');
    const bool af = BankImport::IsGelezen(k.Bedrag) && k.Bedrag < 0;
    k.BoekSoort = af ? importsoort::Af : importsoort::Bij;
    if (const auto d = QifDatum(t.datum, volgorde)) {
      k.Datum = *d;
    } else {
      k.Datum = BankImport::kOnleesbaar;
      run.RegelFout("datum", " Datum foutief (" + t.datum + "), importfile vaak \"verknoeid\" ", importfout::Datum,
                    false);
    }
    k.PayDate = k.Datum;
    k.Relatie = Kap(t.begunstigde, 32);
    k.Omschrijving = Kap(memo.empty() ? t.begunstigde : memo, 255);
    k.ActieKode = t.kaart ? "BA" : "DV";
    if (IsOverboeking(categorie)) {
      // "[Spaarrekening]": a transfer to another account of the same book.
      k.ActieKode = "OB";
      const std::string naam = categorie.substr(1, categorie.find(']') - 1);
      const std::string nummer = NummerInNaam(naam);
      if (!nummer.empty()) {
        run.TegenRekening(k, nummer);
      } else if (const int rek = RekeningOpNaam(run.kb(), naam); rek != 0) {
        k.TegenRek = rek;
        k.BoekSoort = af ? importsoort::AfNaarEigen : importsoort::BijVanEigen;
      }
    } else if (!Getrimd(categorie).empty()) {
      k.BestandGroep = GroepVoorCategorie(run.kb(), categorie);
      if (k.BestandGroep.empty()) stand.zonderGroep.insert(Getrimd(categorie));
    }
  }

  // QIF names no account number; the account's name of an !Account block
  // may hold one, or be the name of an account of the book. Otherwise the
  // user chooses the account, once per account of the file.
  static void EigenRekening(BankImport& run, Stand& stand, TNewKas& k, const std::string& naam) {
    const std::string nummer = NummerInNaam(naam);
    if (!nummer.empty()) {
      run.EigenRekening(k, nummer, true);
      return;
    }
    if (const int rek = RekeningOpNaam(run.kb(), naam); rek != 0) {
      k.RekNr = rek;
      return;
    }
    auto gevonden = stand.gekozen.find(naam);
    if (gevonden == stand.gekozen.end()) gevonden = stand.gekozen.emplace(naam, run.KiesRekening()).first;
    k.RekNr = gevonden->second;
  }
};

}  // namespace

QifVolgorde QifDatumVolgorde(const std::vector<std::string>& datums) {
  int dagEerst = 0, maandEerst = 0, apostrof = 0;
  for (const std::string& tekst : datums) {
    const auto d = QifDelen(tekst);
    if (!d || d->delen[0].size() == 4) continue;
    if (d->apostrof) ++apostrof;
    const int a = GeheelGetal(d->delen[0]);
    const int b = GeheelGetal(d->delen[1]);
    if (a > 12 && b <= 12) ++dagEerst;
    if (b > 12 && a <= 12) ++maandEerst;
  }
  if (maandEerst > 0 && dagEerst == 0) return QifVolgorde::MaandDag;
  if (dagEerst > 0) return QifVolgorde::DagMaand;
  return apostrof > 0 ? QifVolgorde::MaandDag : QifVolgorde::DagMaand;
}

std::optional<double> QifDatum(std::string_view tekst, QifVolgorde volgorde) {
  const auto d = QifDelen(tekst);
  if (!d) return std::nullopt;
  int jaar = 0, maand = 0, dag = 0;
  if (d->delen[0].size() == 4) {
    if (d->apostrof) return std::nullopt;
    jaar = GeheelGetal(d->delen[0]);
    maand = GeheelGetal(d->delen[1]);
    dag = GeheelGetal(d->delen[2]);
  } else {
    if (d->delen[0].size() > 2 || d->delen[1].size() > 2) return std::nullopt;
    const int a = GeheelGetal(d->delen[0]);
    const int b = GeheelGetal(d->delen[1]);
    dag = volgorde == QifVolgorde::DagMaand ? a : b;
    maand = volgorde == QifVolgorde::DagMaand ? b : a;
    const std::string& j = d->delen[2];
    jaar = GeheelGetal(j);
    if (j.size() == 4) {
      // as written
    } else if (j.size() <= 2 && d->apostrof) {
      jaar += 2000;
    } else if (j.size() == 2) {
      jaar += jaar <= kEeuwGrens ? 2000 : 1900;
    } else {
      return std::nullopt;
    }
  }
  if (jaar < kEersteJaar || jaar > kLaatsteJaar || !GeldigeDatum(jaar, maand, dag)) return std::nullopt;
  return MaakDatum(jaar, maand, dag);
}

std::string QifBedrag(std::string_view tekst) {
  std::string s;
  for (const char c : tekst)
    if (c != ' ') s += c;
  const auto teken = s.find_last_of(",.");
  if (teken == std::string::npos) return s;
  const std::size_t achter = s.size() - teken - 1;
  const bool decimaal = achter >= 1 && achter <= 2;
  std::string uit;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == ',' || s[i] == '.') {
      if (i == teken && decimaal) uit += '.';
      // other separators group thousands and are dropped
    } else {
      uit += s[i];
    }
  }
  return uit;
}

const BankLezer& QifLezerInstantie() {
  static const QifLezer lezer;
  return lezer;
}

}  // namespace valdero
