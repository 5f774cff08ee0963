#include "model/bankimport/Mt940Omschrijving.h"

#include <array>
#include <cctype>
#include <map>
#include <string_view>

#include "model/bankimport/BankTekst.h"
#include "model/bankimport/Omschrijvingen.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

// MT940 writes a field in lines of at most 65 characters; a bank that fills
// a line to the end has cut a word, one that stops short has ended it.
constexpr std::size_t kMt940Regelbreedte = 65;
// German subfields ("?20".."?29", "?60".."?63") hold 27 characters each.
constexpr std::size_t kSubveldBreedte = 27;

bool IsCijfer(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string RechtsGetrimd(std::string s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
  return s;
}

// The tag before the first line of a field takes room of that line.
constexpr std::size_t kTagBreedte = 4;

// Lines of a field joined: without a blank where the bank cut a full line,
// with one where a line ended short. `eerste` tells whether the first line
// is the one behind the tag.
std::string VoegRegelsSamen(const std::vector<std::string>& regels, std::size_t breedte, bool eerste = false) {
  std::string uit;
  bool vorigeVol = false;
  for (const std::string& r : regels) {
    if (!uit.empty() && !vorigeVol) uit += ' ';
    const std::size_t vol = eerste ? breedte - kTagBreedte : breedte;
    vorigeVol = !r.empty() && r.size() >= vol && r.back() != ' ';
    eerste = false;
    uit += RechtsGetrimd(r);
  }
  return uit;
}

std::string Aaneen(const std::vector<std::string>& regels) {
  std::string uit;
  for (const std::string& r : regels) uit += r;
  return uit;
}

std::string ZonderSlotStreep(std::string s) {
  s = Getrimd(s);
  while (!s.empty() && s.back() == '/') s.pop_back();
  return Getrimd(s);
}

// --- Numbered subfields: "166?00SEPA-UEBERWEISUNG?20EREF+...?32NAME" -------

// The marker character when the text is made of numbered subfields.
char SubveldTeken(const std::string& s) {
  std::size_t p = 0;
  if (s.size() >= 3 && IsCijfer(s[0]) && IsCijfer(s[1]) && IsCijfer(s[2])) p = 3;
  if (p + 2 >= s.size() || (s[p] != '?' && s[p] != '>') || !IsCijfer(s[p + 1]) || !IsCijfer(s[p + 2])) return 0;
  return s[p];
}

// The SEPA words inside the purpose lines of German banks.
constexpr std::array<std::string_view, 13> kSepaWoorden = {"EREF+", "KREF+", "MREF+", "CRED+", "DEBT+",
                                                          "SVWZ+", "ABWA+", "ABWE+", "IBAN+", "BIC+",
                                                          "COAM+", "OAMT+", "SQTP+"};

std::size_t SepaWoordOp(const std::string& s, std::size_t p) {
  for (const std::string_view w : kSepaWoorden)
    if (s.compare(p, w.size(), w) == 0) return w.size();
  return 0;
}

std::string DoelTekst(const std::vector<std::string>& delen) {
  bool sepa = false;
  for (const std::string& d : delen)
    if (SepaWoordOp(d, 0) > 0) sepa = true;
  if (!sepa) return EnkeleSpaties(VoegRegelsSamen(delen, kSubveldBreedte));
  // SEPA texts run on through the subfields regardless of words.
  const std::string s = Aaneen(delen);
  std::map<std::string, std::string> woorden;
  std::string los;
  std::string huidig;
  for (std::size_t p = 0; p < s.size();) {
    const std::size_t n = SepaWoordOp(s, p);
    if (n > 0 && (p == 0 || s[p - 1] == ' ' || IsLetter(s[p - 1]) == false)) {
      huidig = s.substr(p, n - 1);
      p += n;
      continue;
    }
    (huidig.empty() ? los : woorden[huidig]) += s[p];
    ++p;
  }
  if (!woorden["SVWZ"].empty()) return EnkeleSpaties(woorden["SVWZ"]);
  if (!Getrimd(los).empty()) return EnkeleSpaties(los);
  return EnkeleSpaties(woorden["EREF"]);
}

Mt940Tekst LeesSubvelden(const std::string& s, char teken) {
  std::map<int, std::string> velden;
  std::size_t p = s.find(teken);
  while (p != std::string::npos && p + 2 < s.size()) {
    const int nummer = (s[p + 1] - '0') * 10 + (s[p + 2] - '0');
    std::size_t eind = p + 3;
    while (eind < s.size() && !(s[eind] == teken && eind + 2 < s.size() && IsCijfer(s[eind + 1]) && IsCijfer(s[eind + 2])))
      ++eind;
    velden[nummer] += s.substr(p + 3, eind - p - 3);
    p = eind < s.size() ? eind : std::string::npos;
  }
  Mt940Tekst uit;
  uit.soort = EnkeleSpaties(velden[0]);
  uit.tegenRekening = Getrimd(velden[31]);
  uit.naam = EnkeleSpaties(velden[32] + velden[33]);
  std::vector<std::string> doel;
  for (const auto& [nummer, tekst] : velden)
    if ((nummer >= 20 && nummer <= 29) || (nummer >= 60 && nummer <= 63)) doel.push_back(tekst);
  uit.omschrijving = DoelTekst(doel);
  return uit;
}

// --- Labelled text: "IBAN: NL.. BIC: .. NAAM: .. OMSCHRIJVING: .." ----------

struct Label {
  std::string_view naam;
  bool kort;  // ends at the end of its line
};
constexpr std::array<Label, 16> kLabels = {{{"OMSCHRIJVING:", false},
                                            {"MACHTIGING ID:", true},
                                            {"INCASSANT ID:", true},
                                            {"DATUM/TIJD:", true},
                                            {"VALUTADATUM:", true},
                                            {"PASVOLGNR:", true},
                                            {"BETALINGSKENM.:", true},
                                            {"BETALINGSKENMERK:", true},
                                            {"MACHTIGING:", true},
                                            {"INCASSANT:", true},
                                            {"KENMERK:", true},
                                            {"IBAN:", true},
                                            {"BIC:", true},
                                            {"NAAM:", true},
                                            {"REK:", true},
                                            {"OMSCHR:", false}}};

// Banks write the labels in capitals ("NAAM:") or not ("Naam:").
bool BegintMetLabel(const std::string& s, std::size_t p, std::string_view label) {
  if (s.size() - p < label.size()) return false;
  for (std::size_t i = 0; i < label.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(s[p + i])) != label[i]) return false;
  return true;
}

// Between the lines of a labelled text: '\n' where a line ended short,
// kVolleRegel where the bank cut a full line (the text runs on).
constexpr char kVolleRegel = '\x01';

const Label* LabelOp(const std::string& s, std::size_t p) {
  if (p > 0 && s[p - 1] != ' ' && s[p - 1] != '/' && s[p - 1] != '\n' && s[p - 1] != kVolleRegel) return nullptr;
  for (const Label& l : kLabels)
    if (BegintMetLabel(s, p, l.naam)) return &l;
  return nullptr;
}

bool HeeftLabels(const std::string& s) {
  for (std::size_t p = 0; p < s.size(); ++p) {
    const Label* l = LabelOp(s, p);
    if (l && (l->naam == "NAAM:" || l->naam == "REK:" || l->naam == "IBAN:")) return true;
  }
  return false;
}

// `s` keeps its line breaks: a short field ends with its line. A label may
// also open a line that follows a full one.
Mt940Tekst LeesLabels(const std::string& s) {
  std::map<std::string_view, std::string> waarden;
  std::string los;
  const Label* huidig = nullptr;
  for (std::size_t p = 0; p < s.size();) {
    if (const Label* l = LabelOp(s, p)) {
      huidig = l;
      p += l->naam.size();
      continue;
    }
    if (s[p] == kVolleRegel) {
      ++p;
      continue;
    }
    if (s[p] == '\n') {
      if (huidig && huidig->kort) huidig = nullptr;
      std::string& doel = huidig ? waarden[huidig->naam] : los;
      doel += ' ';
      ++p;
      continue;
    }
    (huidig ? waarden[huidig->naam] : los) += s[p];
    ++p;
  }
  auto waarde = [&](std::string_view naam) { return EnkeleSpaties(ZonderSlotStreep(waarden[naam])); };
  Mt940Tekst uit;
  uit.tegenRekening = waarde("IBAN:");
  if (uit.tegenRekening.empty()) uit.tegenRekening = waarde("REK:");
  uit.naam = waarde("NAAM:");
  const std::string vrij = EnkeleSpaties(ZonderSlotStreep(los));
  // The description: the text after "Omschrijving:", else the payment
  // reference (an acceptgiro), else the free text (Knab writes it before
  // "REK:"), else another reference.
  std::string omschrijving = waarde("OMSCHRIJVING:");
  if (omschrijving.empty()) omschrijving = waarde("OMSCHR:");
  if (omschrijving.empty()) omschrijving = waarde("BETALINGSKENM.:");
  if (omschrijving.empty()) omschrijving = waarde("BETALINGSKENMERK:");
  if (!omschrijving.empty()) {
    uit.soort = vrij;
    uit.omschrijving = omschrijving;
  } else {
    uit.omschrijving = vrij;
  }
  if (uit.omschrijving.empty()) uit.omschrijving = waarde("KENMERK:");
  return uit;
}

// ABN AMRO's texts from before SEPA: "GIRO   5213722 TNT POST BV      BETALINGSKENM.  1210..."
// names account and party in columns; "BEA   NR:SG371X   24.05.11/14.19
// T-MOBILE NL BV DEN HAAG,PAS365" (a card payment) the shop after the time.
void LeesAbnVrijeTekst(const std::string& tekst, Mt940Tekst& uit) {
  if (tekst.compare(0, 4, "GIRO") == 0) {
    std::size_t p = 4;
    while (p < tekst.size() && tekst[p] == ' ') ++p;
    const std::size_t begin = p;
    while (p < tekst.size() && IsCijfer(tekst[p])) ++p;
    if (p == begin || p >= tekst.size() || tekst[p] != ' ') return;
    uit.tegenRekening = tekst.substr(begin, p - begin);
    while (p < tekst.size() && tekst[p] == ' ') ++p;
    const auto kolom = tekst.find("  ", p);
    uit.naam = EnkeleSpaties(tekst.substr(p, kolom == std::string::npos ? std::string::npos : kolom - p));
    return;
  }
  if (tekst.compare(0, 3, "BEA") != 0 && tekst.compare(0, 3, "GEA") != 0) return;
  // dd.mm.yy/hh.mm
  for (std::size_t p = 0; p + 15 <= tekst.size(); ++p) {
    const char* t = tekst.data() + p;
    if (IsCijfer(t[0]) && IsCijfer(t[1]) && t[2] == '.' && IsCijfer(t[3]) && IsCijfer(t[4]) && t[5] == '.' &&
        IsCijfer(t[6]) && IsCijfer(t[7]) && t[8] == '/' && IsCijfer(t[9]) && IsCijfer(t[10]) && t[11] == '.' &&
        IsCijfer(t[12]) && IsCijfer(t[13]) && t[14] == ' ') {
      std::string naam = tekst.substr(p + 15);
      const auto pas = naam.rfind(",PAS");
      if (pas != std::string::npos) naam.resize(pas);
      uit.naam = EnkeleSpaties(naam);
      return;
    }
  }
}

Mt940Tekst VanGestructureerd(const std::string& s) {
  const GestructureerdeTekst g = LeesGestructureerd(s);
  Mt940Tekst uit;
  uit.soort = g.soort;
  uit.tegenRekening = g.iban;
  uit.naam = EnkeleSpaties(g.naam);
  uit.omschrijving = EnkeleSpaties(g.omschrijving);
  return uit;
}

}  // namespace

bool HeeftBankLabels(const std::string& tekst) { return HeeftLabels(tekst); }
Mt940Tekst LeesBankLabels(const std::string& tekst) { return LeesLabels(tekst); }

bool LijktOpRekeningWoord(const std::string& woord) {
  std::string w = woord;
  if (w.size() >= 15 && IsLetter(w[0]) && IsLetter(w[1]) && IsCijfer(w[2]) && IsCijfer(w[3])) {
    if (w.size() > 34) return false;
    for (char c : w)
      if (!IsCijfer(c) && !(c >= 'A' && c <= 'Z')) return false;
    return true;
  }
  if (!w.empty() && w[0] == 'P') w.erase(0, 1);
  int cijfers = 0;
  for (char c : w) {
    if (IsCijfer(c)) ++cijfers;
    else if (c != '.') return false;
  }
  return cijfers >= 7 && cijfers <= 10;
}

std::string EnkeleSpaties(const std::string& tekst) {
  std::string uit;
  for (char c : tekst) {
    const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
    if (blank) {
      if (!uit.empty() && uit.back() != ' ') uit += ' ';
    } else {
      uit += c;
    }
  }
  if (!uit.empty() && uit.back() == ' ') uit.pop_back();
  return uit;
}

Mt940Tekst LeesMt940Omschrijving(const std::vector<std::vector<std::string>>& blokken) {
  std::vector<std::string> regels;
  for (const auto& blok : blokken)
    for (const std::string& r : blok) regels.push_back(r);
  if (regels.empty()) return {};

  const std::string aaneen = Getrimd(Aaneen(regels));
  if (BegintMetSleutel(aaneen)) return VanGestructureerd(aaneen);
  if (const char teken = SubveldTeken(aaneen)) return LeesSubvelden(aaneen, teken);

  // de Volksbank: the counter account and name on the first line, the text
  // (plain or structured) on the lines after it.
  const std::string eerste = Getrimd(regels.front());
  const auto spatie = eerste.find(' ');
  if (LijktOpRekeningWoord(eerste.substr(0, spatie))) {
    Mt940Tekst uit;
    std::vector<std::string> rest(regels.begin() + 1, regels.end());
    const std::string restAaneen = Getrimd(Aaneen(rest));
    if (BegintMetSleutel(restAaneen)) uit = VanGestructureerd(restAaneen);
    else uit.omschrijving = EnkeleSpaties(VoegRegelsSamen(rest, kMt940Regelbreedte));
    if (uit.tegenRekening.empty()) uit.tegenRekening = eerste.substr(0, spatie);
    if (uit.naam.empty() && spatie != std::string::npos) uit.naam = EnkeleSpaties(eerste.substr(spatie));
    return uit;
  }

  // A labelled field that ends short ends with its line; a full line runs on.
  std::string metRegels;
  for (std::size_t i = 0; i < regels.size(); ++i) {
    if (i > 0) {
      const std::size_t vol = i == 1 ? kMt940Regelbreedte - kTagBreedte : kMt940Regelbreedte;
      const std::string& vorige = regels[i - 1];
      metRegels += vorige.size() < vol || vorige.back() == ' ' ? '\n' : kVolleRegel;
    }
    metRegels += RechtsGetrimd(regels[i]);
  }
  if (HeeftLabels(metRegels)) return LeesLabels(metRegels);

  // Plain text; several ":86:" tags under one transaction each add theirs.
  Mt940Tekst uit;
  std::string tekst;
  for (const auto& blok : blokken) {
    if (!tekst.empty()) tekst += ' ';
    tekst += VoegRegelsSamen(blok, kMt940Regelbreedte, true);
  }
  LeesAbnVrijeTekst(tekst, uit);
  uit.omschrijving = EnkeleSpaties(tekst);
  return uit;
}

}  // namespace valdero
