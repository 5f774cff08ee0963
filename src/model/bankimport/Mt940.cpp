// MT940: statements of tagged lines (:20: reference, :25: account, :60F:
// opening balance, :61: a mutation, :86: its description, :62F: closing
// balance), several statements in one file.
#include <algorithm>
#include <cctype>

#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/BankImport.h"
#include "model/bankimport/BankLezer.h"
#include "model/bankimport/BankTekst.h"
#include "model/bankimport/HuidigeFormaten.h"
#include "model/bankimport/Omschrijvingen.h"
#include "model/core/Datum.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/TekstHulp.h"

namespace valdero {
namespace {

bool IsCijfer(char c) { return c >= '0' && c <= '9'; }

// ":61:" -> "61", ":60F:" -> "60F"; empty for a continuation line.
std::string Tag(const std::string& regel) {
  if (regel.size() < 4 || regel[0] != ':' || !IsCijfer(regel[1]) || !IsCijfer(regel[2])) return {};
  const auto eind = regel.find(':', 3);
  if (eind == std::string::npos || eind > 5) return {};
  return regel.substr(1, eind - 1);
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
  std::string valuta;   // yyyymmdd
  std::string boeking;  // yyyymmdd, or empty
  bool credit = true;
  std::string bedrag;
  std::string typeKode;
  std::string omschrijving;
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
    std::string* vervolg = nullptr;  // the field continuation lines join
    int volgnr = 0;
    auto sluitAf = [&] {
      if (!inAfschrift) return;
      for (const Mutatie& m : mutaties) {
        Boek(run, saldi, eigen, munt, m);
        if (run.Fout() != 0) break;
      }
      run.Saldi(std::move(saldi));
      saldi = SaldoAfschrift{};
      mutaties.clear();
    };
    for (const std::string& r : regels) {
      run.Gelezen(static_cast<std::size_t>(&r - regels.data()));
      const std::string t = Tag(r);
      if (t.empty()) {
        if (vervolg && r != "-" && r.compare(0, 1, "}") != 0) *vervolg += r;
        continue;
      }
      vervolg = nullptr;
      if (t == "20") {
        sluitAf();
        inAfschrift = true;
        eigen.clear();
        continue;
      }
      if (!inAfschrift) continue;
      const std::string w = Waarde(r);
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
      } else if (t == "61") {
        mutaties.push_back(LeesMutatie(w));
        mutaties.back().volgnr = volgnr++;
      } else if (t == "86" && !mutaties.empty()) {
        mutaties.back().omschrijving = w;
        vervolg = &mutaties.back().omschrijving;
      }
    }
    sluitAf();
    if (volgnr == 0 && !inAfschrift) {
      run.ZetFout(importfout::Onverwacht);
      Foutmelding(run.kb(), run.BankBestand(), FoutNr::VerkeerdFormaat, HintNr::ControleerBestandNaam);
    }
  }

 private:
  // An IBAN, possibly followed by a currency code; an older "BIC/number" form
  // keeps its number.
  static std::string Rekening(const std::string& w) {
    std::string s = TrimBlanks(w);
    const auto streep = s.find('/');
    if (streep != std::string::npos) s = s.substr(streep + 1);
    if (s.size() > 3 && std::isalpha(static_cast<unsigned char>(s[s.size() - 1])) &&
        std::isalpha(static_cast<unsigned char>(s[s.size() - 2])) &&
        std::isalpha(static_cast<unsigned char>(s[s.size() - 3])) && IsCijfer(s[s.size() - 4]))
      s.resize(s.size() - 3);
    return s;
  }

  static Saldo LeesSaldo(BankImport& run, const std::string& w) {
    Saldo s;
    if (w.size() < 11 || (w[0] != 'C' && w[0] != 'D')) return s;
    s.munt = w.substr(7, 3);
    s.bedrag = run.VastGetal(w.substr(10), ',');
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
    while (p < w.size() && (IsCijfer(w[p]) || w[p] == ',')) ++p;
    m.bedrag = w.substr(b, p - b);
    m.typeKode = w.substr(p, 4);
    return m;
  }

  static void Boek(BankImport& run, SaldoAfschrift& saldi, const std::string& eigen, const std::string& munt,
                   const Mutatie& m) {
    TNewKas& k = run.NieuweRegel(m.volgnr);
    run.EigenRekening(k, eigen, true);
    k.Bedrag = run.VastGetal(m.bedrag, ',');
    if (!m.credit) k.Bedrag = -k.Bedrag;
    k.BoekSoort = m.credit ? importsoort::Bij : importsoort::Af;
    k.Munt = run.Munt(munt.empty() ? std::string("EUR") : munt);
    run.DatumJjjjmmdd(m.valuta, "Rentedatum foutief(", "), importfile vaak \"verknoeid\" ", k.PayDate);
    k.Datum = k.PayDate;
    if (!m.boeking.empty())
      run.DatumJjjjmmdd(m.boeking, "Datum foutief (", "), importfile vaak \"verknoeid\" ", k.Datum);
    const GestructureerdeTekst s = LeesGestructureerd(m.omschrijving);
    if (s.gestructureerd) {
      k.Relatie = Kap(s.naam, 32);
      k.Omschrijving = Kap(s.omschrijving, 255);
      k.ActieKode = ActieKodeVanSoort(s.soort.empty() ? m.typeKode : s.soort);
      if (!s.iban.empty()) run.TegenRekening(k, s.iban);
    } else {
      k.Omschrijving = Kap(TrimBlanks(m.omschrijving), 255);
      k.ActieKode = ActieKodeVanSoort(m.typeKode);
    }
    saldi.regels.push_back({m.volgnr + 1, k.Datum, k.Bedrag, std::nullopt, std::nullopt});
  }
};

}  // namespace

const BankLezer& Mt940LezerInstantie() {
  static const Mt940Lezer lezer;
  return lezer;
}

}  // namespace valdero
