// The six layouts the banks offered first: Rabobank, Girotel, ABN AMRO, SNS
// and two ING variants. Their field tables are fixed by the banks' files;
// see the tests for an example line of each.
#include <algorithm>
#include <cctype>
#include <map>

#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/BankImport.h"
#include "model/bankimport/BankLezer.h"
#include "model/bankimport/BankTekst.h"
#include "model/bankimport/OudeFormaten.h"
#include "model/bankimport/Omschrijvingen.h"
#include "model/bankimport/VeldRegels.h"
#include "model/core/TekstHulp.h"
#include "model/core/Windows1252.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

const std::string kDatumVoor = "Datum foutief (";
const std::string kDatumNa = "), importfile vaak \"verknoeid\" ";
const std::string kRenteVoor = "Rentedatum foutief(";

bool AlleenCijfers(const std::string& s, std::size_t n) {
  return s.size() >= n && std::all_of(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n),
                                      [](char c) { return c >= '0' && c <= '9'; });
}

bool IsDmj(const std::string& s) {
  return s.size() >= 10 && AlleenCijfers(s, 2) && s[2] == '-' && s[5] == '-' && AlleenCijfers(s.substr(6), 4);
}

std::string Deel(const std::string& s, std::size_t vanaf, std::size_t lengte = std::string::npos) {
  return vanaf >= s.size() ? std::string() : s.substr(vanaf, lengte);
}

// --- Rabobank ---
void VerwerkRabo(BankImport& run, TNewKas& k, const std::vector<std::string>& v, const std::string&) {
  run.EigenRekening(k, Veld(v, 0), true);
  k.Munt = run.Munt(Veld(v, 1));
  run.DatumJjjjmmdd(Veld(v, 2), kDatumVoor, kDatumNa, k.Datum);
  k.BoekSoort = Veld(v, 3) == "C" ? importsoort::Bij : importsoort::Af;
  k.Bedrag = run.Getal(Veld(v, 4));
  run.TegenRekening(k, Veld(v, 5));
  k.Relatie = Kap(Veld(v, 6), 32);
  run.DatumJjjjmmdd(Veld(v, 7), kRenteVoor, kDatumNa, k.PayDate);
  k.ActieKode = Kap(Veld(v, 8), 2);
  std::string omschrijving;
  for (std::size_t i = 10; i < v.size(); ++i) {
    if (v[i].empty()) continue;
    omschrijving += v[i];
    if (AantalTekens(v[i]) < 32) omschrijving += ' ';
  }
  k.Omschrijving = Kap(omschrijving, 255);
}

// --- Girotel ---
std::string Hoofdletterwoorden(const std::string& tekst) {
  std::string uit = tekst;
  bool groot = true;
  for (char& c : uit) {
    const auto u = static_cast<unsigned char>(c);
    c = static_cast<char>(groot ? std::toupper(u) : std::tolower(u));
    groot = c == ' ';
  }
  return uit;
}

std::string EnkeleSpaties(const std::string& tekst) {
  std::string uit;
  for (char c : tekst)
    if (!(c == ' ' && !uit.empty() && uit.back() == ' ')) uit += c;
  return uit;
}

void VerwerkGirotel(BankImport& run, TNewKas& k, const std::vector<std::string>& v, const std::string&) {
  run.EigenRekening(k, Veld(v, 0), true);
  run.DatumJjjjmmdd(Veld(v, 1), kDatumVoor, kDatumNa, k.Datum);
  k.PayDate = k.Datum;
  k.ActieKode = Kap(Veld(v, 2), 2);
  k.BoekSoort = Veld(v, 8) == "A" ? importsoort::Af : importsoort::Bij;
  run.TegenRekening(k, Veld(v, 4));
  std::string relatie = Kap(Hoofdletterwoorden(Veld(v, 5)), 32);
  std::size_t p = 0;
  while (p < relatie.size() && static_cast<unsigned char>(relatie[p]) < ':') ++p;
  k.Relatie = Kap(relatie.substr(p), 32);
  k.Bedrag = run.Getal(Veld(v, 7));
  k.Omschrijving = Kap(EnkeleSpaties(Veld(v, 10)), 255);
  k.Munt = run.Munt(Veld(v, 11));
}

// --- ABN AMRO ---
void VerwerkAbn(BankImport& run, TNewKas& k, const std::vector<std::string>& v, const std::string& tekst) {
  run.EigenRekening(k, Veld(v, 0), false);
  k.Munt = run.Munt(Veld(v, 1));
  run.DatumJjjjmmdd(Veld(v, 2), "Datum foutief, importfile waarschijnlijk niet correct ", "", k.Datum, false);
  k.BeginSaldo = run.Getal(Veld(v, 3));
  k.EindSaldo = run.Getal(Veld(v, 4));
  run.DatumJjjjmmdd(Veld(v, 5), kRenteVoor, kDatumNa, k.PayDate);
  k.Bedrag = run.Getal(Veld(v, 6));
  k.BoekSoort = k.Bedrag > 0 ? importsoort::Bij : importsoort::Af;

  const auto tab = tekst.rfind('\t');
  const std::string omschrijving = Kap(tab == std::string::npos ? std::string() : tekst.substr(tab + 1), 256);
  k.Relatie.clear();

  // Today's exports write the SEPA fields in the structured form.
  const GestructureerdeTekst sepa = LeesGestructureerd(omschrijving);
  if (sepa.gestructureerd) {
    k.ActieKode = ActieKodeVanSoort(sepa.soort);
    k.Relatie = Kap(sepa.naam, 32);
    if (!sepa.iban.empty()) run.TegenRekening(k, sepa.iban);
    k.Omschrijving = Kap(sepa.omschrijving, 255);
    return;
  }

  const std::string woord = Veld(v, 7);
  std::size_t vanaf = 0;
  std::string tegen;
  bool metTegen = false;
  bool altijdMatchen = false;
  if (woord == "BEA" || woord == "GEA" || woord == "NR") {
    k.ActieKode = woord == "BEA" ? "BA" : woord == "GEA" ? "GA" : "BY";
    k.Relatie = Getrimd(Deel(omschrijving, 32, 24));
    vanaf = woord == "NR" ? 0 : 6;
  } else if (woord == "CHIP") {
    k.ActieKode = "GA";
    vanaf = 6;
  } else if (woord == "GIRO") {
    k.Relatie = Getrimd(Deel(omschrijving, 13, 20));
    const std::string& volgend = Veld(v, 8);
    std::size_t n = 0;
    while (n < volgend.size() && volgend[n] >= '0' && volgend[n] <= '9') ++n;
    tegen = volgend.substr(0, n);
    metTegen = altijdMatchen = true;
    vanaf = 33;
  } else if (woord == "CREDITRENTE") {
    k.ActieKode = "RE";
  } else if (woord == "PERIODE.BEL") {
    k.ActieKode = "PB";
  } else if (woord == "OPNAME" || woord == "PASBIJDRAGE" || woord == "RENTEAFSLUITNG" || woord == "STORTING") {
    k.ActieKode = k.Bedrag > 0 ? "BY" : "AF";
  } else if (!woord.empty() && woord[0] >= 'A' && woord[0] <= 'Z') {
    // another word: the description as it stands
  } else {
    const std::size_t begin = AantalTekens(woord) + 1;
    if (begin < 32) k.Relatie = Getrimd(Deel(omschrijving, begin, 32 - begin));
    for (char c : woord)
      if (c >= '0' && c <= '9') tegen += c;
    metTegen = true;
    vanaf = 33;
  }
  if (metTegen) {
    k.TegenRekNr = Kap(tegen, 12);
    if (altijdMatchen || tegen.size() > 2) run.TegenRekening(k, tegen, false);
  }
  k.Omschrijving = Kap(AantalTekens(omschrijving) > 32 ? Deel(omschrijving, vanaf) : omschrijving, 255);
}

// --- SNS ---
// The first 10 characters hold the date; a digit right behind them means the
// year runs on (99999) and the date is not what those 10 characters say.
std::string SnsDatum(const std::string& veld) {
  return veld.size() > 10 && veld[10] >= '0' && veld[10] <= '9' ? veld : Kap(veld, 10);
}

void VerwerkSns(BankImport& run, TNewKas& k, const std::vector<std::string>& v, const std::string&) {
  run.EigenRekening(k, Veld(v, 1), true);
  const std::string& tegen = Veld(v, 2);
  k.Relatie = Kap(Veld(v, 3), 32);
  k.Munt = run.Munt(Veld(v, 7));
  // Field 8 must be an amount too; the line holds no amount to trust when it
  // is not.
  const bool veld8 = BankImport::IsGelezen(run.Getal(Veld(v, 8)));
  k.Bedrag = run.Getal(Veld(v, 10));
  if (!veld8) k.Bedrag = BankImport::kOnleesbaar;
  k.BoekSoort = k.Bedrag >= 0 ? importsoort::Bij : importsoort::Af;
  k.TegenRekNr = Kap(AantalTekens(tegen) < 8 ? "Giro " + tegen : ReduceerRekeningNummer(tegen), 12);
  run.TegenRekening(k, tegen, false);
  run.DatumDmj(SnsDatum(Veld(v, 11)), kDatumVoor, kDatumNa, k.Datum);
  run.DatumDmj(SnsDatum(Veld(v, 12)), kRenteVoor, kDatumNa, k.PayDate);
  k.VolgBlad = (GeheelGetal(Veld(v, 15)) % 65536) >> 6;
  const std::string& kode = Veld(v, 16);
  k.ActieKode = std::string(1, Deel(kode, 0, 1).empty() ? ' ' : kode[0]) + Deel(kode, 2, 1);
  k.ActieKode = Getrimd(k.ActieKode);
  if (!Veld(v, 17).empty()) k.Omschrijving = Kap(Veld(v, 17) + kode, 255);
}

// --- ING (both date forms) ---
void VerwerkIng(BankImport& run, TNewKas& k, const std::vector<std::string>& v, bool dmj) {
  const std::string voor = "Datum foutief(";
  if (dmj)
    run.DatumDmj(Veld(v, 0), voor, kDatumNa, k.Datum);
  else
    run.DatumJjjjmmdd(Veld(v, 0), voor, kDatumNa, k.Datum);
  k.PayDate = k.Datum;
  const std::string& relatie = Veld(v, 1);
  std::size_t p = 0;
  while (p < relatie.size() && relatie[p] >= '0' && relatie[p] <= '9') ++p;
  k.Relatie = Kap(relatie.substr(p), 32);
  run.EigenRekening(k, Veld(v, 2), true);
  k.ActieKode = Kap(Veld(v, 4), 2);
  k.BoekSoort = Veld(v, 5) == "Af" ? importsoort::Af : importsoort::Bij;
  run.TegenRekening(k, Veld(v, 3));
  k.Bedrag = run.Getal(Veld(v, 6));
  k.Omschrijving = Kap(Veld(v, 8), 255);
  k.Munt = run.Munt("EUR");
}

// Saldo check of the ABN AMRO lines: each line carries the balance before
// and after it; per own account in the file's order.
void AbnSaldi(BankImport& run) {
  std::map<std::string, SaldoAfschrift> perRekening;
  std::vector<std::string> volgorde;
  for (int i = 1; i <= run.Laatste(); ++i) {
    const TNewKas& k = run.Lijst()[static_cast<std::size_t>(i)];
    if (!perRekening.count(k.BankRekNr)) volgorde.push_back(k.BankRekNr);
    perRekening[k.BankRekNr].regels.push_back({k.Index + 1, k.Datum, k.Bedrag, k.BeginSaldo, k.EindSaldo});
  }
  for (const auto& r : volgorde) run.Saldi(perRekening[r]);
}

class VeldLezer : public BankLezer {
 public:
  VeldLezer(int formaat, VeldRegelOpmaak opmaak, VeldVerwerker verwerk)
      : formaat_(formaat), opmaak_(opmaak), verwerk_(std::move(verwerk)) {}
  int Formaat() const override { return formaat_; }
  bool Herkent(const std::vector<std::string>& regels) const override {
    if (regels.size() <= (opmaak_.kopRegel ? 1u : 0u)) return false;
    const auto v = SplitsRegel(regels[opmaak_.kopRegel ? 1 : 0], opmaak_.scheiding);
    return OudFormaatHerkend(formaat_, regels, v);
  }
  void Lees(BankImport& run) const override {
    LeesVeldRegels(run, opmaak_, verwerk_);
    if (formaat_ == bankformaat::AbnAmro) AbnSaldi(run);
  }

 private:
  int formaat_;
  VeldRegelOpmaak opmaak_;
  VeldVerwerker verwerk_;
};

}  // namespace

bool OudFormaatHerkend(int formaat, const std::vector<std::string>& regels, const std::vector<std::string>& v) {
  switch (formaat) {
    case bankformaat::Rabobank:
      return v.size() >= 10 && AlleenCijfers(Veld(v, 2), 8) && (Veld(v, 3) == "C" || Veld(v, 3) == "D") &&
             AlleenCijfers(Veld(v, 7), 8);
    case bankformaat::Girotel:
      return v.size() >= 11 && AlleenCijfers(Veld(v, 1), 8) && !AlleenCijfers(Veld(v, 2), 1) &&
             (Veld(v, 8) == "A" || Veld(v, 8) == "B" || Veld(v, 8) == "Af" || Veld(v, 8) == "Bij");
    case bankformaat::AbnAmro:
      return regels[0].find('\t') != std::string::npos && AlleenCijfers(Veld(v, 2), 8) &&
             AlleenCijfers(Veld(v, 5), 8);
    case bankformaat::Sns:
      return v.size() >= 17 && IsDmj(Veld(v, 11));
    case bankformaat::Ing1:
    case bankformaat::IngDatum: {
      const std::string kop = regels[0];
      if (kop.find("\"Datum\",") != 0 && kop.find("Datum,") != 0) return false;
      return formaat == bankformaat::Ing1 ? AlleenCijfers(Veld(v, 0), 8) : IsDmj(Veld(v, 0));
    }
    default:
      return false;
  }
}

const BankLezer& OudeLezer(int formaat) {
  static const VeldLezer rabo(bankformaat::Rabobank, {',', false, false, true}, VerwerkRabo);
  static const VeldLezer giro(bankformaat::Girotel, {',', false, false, true}, VerwerkGirotel);
  static const VeldLezer abn(bankformaat::AbnAmro, {'\t', false, true, true}, VerwerkAbn);
  static const VeldLezer sns(bankformaat::Sns, {',', false, false, false}, VerwerkSns);
  static const VeldLezer ing1(bankformaat::Ing1, {',', true, false, true},
                              [](BankImport& r, TNewKas& k, const std::vector<std::string>& v,
                                 const std::string&) { VerwerkIng(r, k, v, false); });
  static const VeldLezer ing2(bankformaat::IngDatum, {',', true, false, true},
                              [](BankImport& r, TNewKas& k, const std::vector<std::string>& v,
                                 const std::string&) { VerwerkIng(r, k, v, true); });
  switch (formaat) {
    case bankformaat::Rabobank: return rabo;
    case bankformaat::Girotel: return giro;
    case bankformaat::AbnAmro: return abn;
    case bankformaat::Sns: return sns;
    case bankformaat::Ing1: return ing1;
    default: return ing2;
  }
}

}  // namespace valdero
