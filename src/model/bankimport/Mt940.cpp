// MT940: statements of tagged lines (:20: reference, :25: account, :60F:
// opening balance, :61: a mutation, :86: its description, :62F: closing
// balance, :64:/:65: available balances, and a :86: of the statement's own
// after them), several statements in one file, each possibly wrapped in the
// SWIFT blocks "{1:...}{4:" ... "-}".
#include <algorithm>
#include <cctype>

#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/BankImport.h"
#include "model/bankimport/BankLezer.h"
#include "model/bankimport/BankTekst.h"
#include "model/bankimport/HuidigeFormaten.h"
#include "model/bankimport/Mt940Omschrijving.h"
#include "model/bankimport/Omschrijvingen.h"
#include "model/core/Datum.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/TekstHulp.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

bool IsCijfer(char c) { return c >= '0' && c <= '9'; }

// ":61:" -> "61", ":60F:" -> "60F", ":NS:" -> "NS"; empty for a
// continuation line.
std::string Tag(const std::string& regel) {
  if (regel.compare(0, 4, ":NS:") == 0) return "NS";
  if (regel.size() < 4 || regel[0] != ':' || !IsCijfer(regel[1]) || !IsCijfer(regel[2])) return {};
  const auto eind = regel.find(':', 3);
  if (eind == std::string::npos || eind > 5) return {};
  return regel.substr(1, eind - 1);
}

// The end of a message ("-}", "-", "-XXX") or a SWIFT block line ("{5:...}"):
// never part of the field before it.
bool IsAfsluiter(const std::string& regel) {
  if (regel.empty()) return false;
  if (regel[0] == '{' || regel[0] == '}') return true;
  if (regel[0] != '-') return false;
  if (regel.size() == 1 || regel[1] == '}') return true;
  // "-XXX": a dash and a few capitals; a text line such as "-HUUR JANUARI"
  // goes on.
  if (regel.size() > 4) return false;
  for (std::size_t i = 1; i < regel.size(); ++i)
    if (regel[i] < 'A' || regel[i] > 'Z') return false;
  return true;
}

std::string Waarde(const std::string& regel) { return regel.substr(regel.find(':', 1) + 1); }

// YYMMDD into yyyymmdd.
std::string Jjjjmmdd(const std::string& jjmmdd) {
  if (jjmmdd.size() < 6) return jjmmdd;
  const int jj = (jjmmdd[0] - '0') * 10 + (jjmmdd[1] - '0');
  return std::to_string(jj < 70 ? 2000 + jj : 1900 + jj) + jjmmdd.substr(2, 4);
}

struct Mutatie {
  int volgnr = 0;
  std::size_t regel = 0;  // the :61: line in the file, as faults name it
  std::string valuta;   // yyyymmdd
  std::string boeking;  // yyyymmdd, or empty
  bool credit = true;
  std::string bedrag;
  std::string typeKode;
  std::string referentie;                       // after the type code, before "//"
  std::vector<std::string> aanvulling;          // the :61: field's further lines
  std::vector<std::vector<std::string>> teksten;  // one per :86: tag
};

// C/D mark, date YYMMDD, currency, amount: a balance line.
struct Saldo {
  bool geldig = false;
  double bedrag = 0;
  std::string munt;
};

class Mt940Lezer : public BankLezer {
 public:
  int Formaat() const override { return bankformaat::Mt940; }

  bool Herkent(const std::vector<std::string>& regels) const override {
    bool twintig = false;
    for (const auto& r : regels) {
      const std::string t = Tag(r);
      if (t == "20") twintig = true;
      if (twintig && (t == "25" || t == "61")) return true;
    }
    return false;
  }

  void Lees(BankImport& run) const override {
    const auto& regels = run.Regels();
    bool inAfschrift = false;
    std::string eigen;
    std::string munt;
    SaldoAfschrift saldi;
    std::vector<Mutatie> mutaties;
    std::vector<std::string>* vervolg = nullptr;  // the field continuation lines belong to
    // Whether a :86: now describes the last :61:. After the closing and
    // available balances a :86: tells about the statement itself.
    bool naMutatie = false;
    int volgnr = 0;
    auto sluitAf = [&] {
      if (!inAfschrift) return;
      for (const Mutatie& m : mutaties) {
        // A fault of one line does not stop the others; a stop asked for or
        // a file that is no MT940 does.
        if (run.Afgebroken()) break;
        Boek(run, saldi, eigen, munt, m);
      }
      run.Saldi(std::move(saldi));
      saldi = SaldoAfschrift{};
      mutaties.clear();
    };
    for (const std::string& r : regels) {
      run.Gelezen(static_cast<std::size_t>(&r - regels.data()));
      const std::string t = Tag(r);
      if (t.empty()) {
        if (IsAfsluiter(r)) {
          vervolg = nullptr;
          naMutatie = false;
        } else if (vervolg) {
          vervolg->push_back(r);
        }
        continue;
      }
      vervolg = nullptr;
      if (t == "20") {
        sluitAf();
        inAfschrift = true;
        naMutatie = false;
        eigen.clear();
        continue;
      }
      if (!inAfschrift) continue;
      const std::string w = Waarde(r);
      if (t == "61") {
        mutaties.push_back(LeesMutatie(w));
        mutaties.back().volgnr = volgnr++;
        mutaties.back().regel = static_cast<std::size_t>(&r - regels.data());
        vervolg = &mutaties.back().aanvulling;
        naMutatie = true;
      } else if (t == "86") {
        if (naMutatie && !mutaties.empty()) {
          mutaties.back().teksten.push_back({w});
          vervolg = &mutaties.back().teksten.back();
        }
      } else if (t == "25" || t == "28C" || t == "28" || t.compare(0, 2, "60") == 0 ||
                 t.compare(0, 2, "62") == 0 || t == "64" || t == "65") {
        naMutatie = false;
        if (t == "25") {
          eigen = Rekening(w);
        } else if (t == "60F" || t == "60M") {
          const Saldo s = LeesSaldo(run, w);
          if (s.geldig) {
            saldi.begin = s.bedrag;
            munt = s.munt;
          }
        } else if (t == "62F" || t == "62M") {
          const Saldo s = LeesSaldo(run, w);
          if (s.geldig) saldi.eind = s.bedrag;
        }
      }
    }
    sluitAf();
    if (volgnr == 0 && !inAfschrift) {
      run.ZetFout(importfout::Onverwacht);
      Foutmelding(run.kb(), run.BankBestand(), FoutNr::VerkeerdFormaat, HintNr::ControleerBestandNaam);
    }
  }

 private:
  // An IBAN, possibly followed by a currency code (with or without a blank
  // or a slash between) or other words; an older "BIC/number" form keeps its
  // number.
  static std::string Rekening(const std::string& w) {
    std::string s = Getrimd(w);
    const auto streep = s.find('/');
    if (streep != std::string::npos) {
      // "BIC/number" keeps the number, "IBAN/EUR" the IBAN.
      const std::string na = Getrimd(s.substr(streep + 1));
      const bool munt = na.size() == 3 && std::isalpha(static_cast<unsigned char>(na[0])) &&
                        std::isalpha(static_cast<unsigned char>(na[1])) &&
                        std::isalpha(static_cast<unsigned char>(na[2]));
      s = munt ? Getrimd(s.substr(0, streep)) : na;
    }
    const auto spatie = s.find_first_of(" \t");
    if (spatie != std::string::npos) s.resize(spatie);
    if (s.size() > 3 && std::isalpha(static_cast<unsigned char>(s[s.size() - 1])) &&
        std::isalpha(static_cast<unsigned char>(s[s.size() - 2])) &&
        std::isalpha(static_cast<unsigned char>(s[s.size() - 3])) && IsCijfer(s[s.size() - 4]))
      s.resize(s.size() - 3);
    return s;
  }

  // MT940 writes amounts with a decimal comma and no thousands separator.
  // Some programs write a decimal point instead: with one or two digits
  // behind it that is the only reading. Three digits behind a point (a
  // thousands point, or three decimals?) or both marks are no amount of
  // this layout and are refused, the amount named, never read as another.
  static double Bedrag(BankImport& run, const std::string& tekst) {
    const auto punt = tekst.find('.');
    if (punt == std::string::npos || tekst.find(',') != std::string::npos ||
        tekst.find('.', punt + 1) != std::string::npos)
      return run.VastGetal(tekst, ',');
    const std::size_t decimalen = tekst.size() - punt - 1;
    if (decimalen >= 1 && decimalen <= 2) return run.VastGetal(tekst, '.');
    return run.VastGetal(tekst, ',');
  }

  static Saldo LeesSaldo(BankImport& run, const std::string& w) {
    Saldo s;
    if (w.size() < 11 || (w[0] != 'C' && w[0] != 'D')) return s;
    s.munt = w.substr(7, 3);
    s.bedrag = Bedrag(run, w.substr(10));
    if (w[0] == 'D') s.bedrag = -s.bedrag;
    s.geldig = true;
    return s;
  }

  static Mutatie LeesMutatie(const std::string& w) {
    Mutatie m;
    std::size_t p = 0;
    m.valuta = Jjjjmmdd(w.substr(0, 6));
    // A line cut short (a file broken off) may end inside the value date;
    // from here on p never passes the end.
    p = std::min<std::size_t>(6, w.size());
    if (w.size() >= p + 4 && IsCijfer(w[p]) && IsCijfer(w[p + 1]) && IsCijfer(w[p + 2]) && IsCijfer(w[p + 3])) {
      const std::string mmdd = w.substr(p, 4);
      int jaar = m.valuta.size() >= 4 ? GeheelGetal(m.valuta.substr(0, 4)) : 2000;
      const int valutaMaand = m.valuta.size() >= 6 ? GeheelGetal(m.valuta.substr(4, 2)) : 1;
      const int boekMaand = GeheelGetal(mmdd.substr(0, 2));
      if (valutaMaand == 12 && boekMaand == 1) ++jaar;
      if (valutaMaand == 1 && boekMaand == 12) --jaar;
      m.boeking = std::to_string(jaar) + mmdd;
      p += 4;
    }
    if (w.compare(p, 2, "RC") == 0) {
      m.credit = false;
      p += 2;
    } else if (w.compare(p, 2, "RD") == 0) {
      m.credit = true;
      p += 2;
    } else if (p < w.size() && (w[p] == 'C' || w[p] == 'D')) {
      m.credit = w[p] == 'C';
      ++p;
    }
    if (p < w.size() && std::isalpha(static_cast<unsigned char>(w[p]))) ++p;  // funds code
    const std::size_t b = p;
    while (p < w.size() && (IsCijfer(w[p]) || w[p] == ',' || w[p] == '.')) ++p;
    // The transaction type (N, F or S and three characters) follows the
    // amount at once; anything else (1.234,56 or 0x10) means the amount runs
    // on and is read whole, so that it fails as a whole rather than as the
    // digits before the odd character.
    if (p < w.size() && w[p] != 'N' && w[p] != 'F' && w[p] != 'S') {
      const auto type = w.find_first_of("NFS", p);
      p = type == std::string::npos ? w.size() : type;
    }
    m.bedrag = w.substr(b, p - b);
    m.typeKode = w.substr(p, 4);
    if (p + 4 < w.size()) {
      const std::string rest = w.substr(p + 4);
      m.referentie = rest.substr(0, rest.find("//"));
    }
    return m;
  }

  static void Boek(BankImport& run, SaldoAfschrift& saldi, const std::string& eigen, const std::string& munt,
                   const Mutatie& m) {
    TNewKas& k = run.NieuweRegel(m.volgnr);
    run.BronRegel(m.regel);
    run.EigenRekening(k, eigen, true);
    k.Bedrag = Bedrag(run, m.bedrag);
    if (!m.credit) k.Bedrag = -k.Bedrag;
    k.BoekSoort = m.credit ? importsoort::Bij : importsoort::Af;
    k.Munt = run.Munt(munt.empty() ? std::string("EUR") : munt);
    run.DatumJjjjmmdd(m.valuta, "Rentedatum foutief(", "), importfile vaak \"verknoeid\" ", k.PayDate);
    k.Datum = k.PayDate;
    if (!m.boeking.empty())
      run.DatumJjjjmmdd(m.boeking, "Datum foutief (", "), importfile vaak \"verknoeid\" ", k.Datum);
    const Mt940Tekst tekst = LeesMt940Omschrijving(m.teksten);
    std::string tegen = tekst.tegenRekening;
    std::string naam = tekst.naam;
    // Rabobank and de Volksbank write the counter account (and sometimes the
    // name) on the :61: field's second line, old Rabobank files in its
    // reference.
    for (const std::string& bron : {m.aanvulling.empty() ? std::string() : m.aanvulling.front(), m.referentie}) {
      std::string b = Getrimd(bron);
      // "NONREF", then the account in the columns after it.
      if (b.compare(0, 6, "NONREF") == 0) b = Getrimd(b.substr(6));
      const auto spatie = b.find(' ');
      const std::string woord = b.substr(0, spatie);
      if (!LijktOpRekeningWoord(woord) || woord.find_first_not_of("0.P") == std::string::npos)
        continue;
      if (tegen.empty()) tegen = woord;
      if (naam.empty() && spatie != std::string::npos) naam = EnkeleSpaties(b.substr(spatie));
      break;
    }
    k.Relatie = Kap(naam, 32);
    k.Omschrijving = Kap(tekst.omschrijving, 255);
    std::string kode = ActieKodeVanSoort(tekst.soort);
    if (kode == "DV") kode = ActieKodeVanSoort(m.typeKode);
    k.ActieKode = kode;
    if (!Getrimd(tegen).empty()) run.TegenRekening(k, tegen);
    saldi.regels.push_back({m.volgnr + 1, k.Datum, k.Bedrag, std::nullopt, std::nullopt});
  }
};

}  // namespace

const BankLezer& Mt940LezerInstantie() {
  static const Mt940Lezer lezer;
  return lezer;
}

}  // namespace valdero
