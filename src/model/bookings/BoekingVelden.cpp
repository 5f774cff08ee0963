// The field handlers: each reads its field's text into the working record or
// reports why it refuses it, plus the extra work and focus move of Enter.

#include <cctype>
#include <cmath>
#include <optional>

#include "model/bookings/BoekModi.h"
#include "model/core/Domein.h"
#include "model/bookings/BoekingModel.h"
#include "model/bookings/GroepHulp.h"
#include "model/core/Bedragen.h"
#include "model/core/Berichten.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/TekstHulp.h"
#include "model/core/Windows1252.h"
#include "model/core/BoekNaam.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

// The first or last n characters (characters, not bytes).
std::string Eind(const std::string& s, int n) {
  // Walk back over UTF-8 continuation bytes.
  int tel = 0;
  std::size_t i = s.size();
  while (i > 0 && tel < n) {
    --i;
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) ++tel;
  }
  return s.substr(i);
}

// A whole number; nullopt for a text that is none.
std::optional<int> AlsGetal(const std::string& s) {
  const std::string t = Getrimd(s);
  if (t.empty()) return std::nullopt;
  std::size_t i = 0;
  if (t[0] == '-' || t[0] == '+') i = 1;
  if (i == t.size()) return std::nullopt;
  long waarde = 0;
  for (std::size_t j = i; j < t.size(); ++j) {
    if (!std::isdigit(static_cast<unsigned char>(t[j]))) return std::nullopt;
    waarde = waarde * 10 + (t[j] - '0');
    if (waarde > 1000000000L) return std::nullopt;
  }
  return static_cast<int>(t[0] == '-' ? -waarde : waarde);
}

constexpr int kHoogsteVolgnr = 1023;
constexpr int kEersteJaar = 1900;
constexpr int kLaatsteJaar = 2099;
constexpr double kHoogsteBedrag = 1e10;


}  // namespace

// A text with characters the book's file cannot hold would be saved with
// question marks in their place; the user is told which ones, and the field
// keeps its value.
bool BoekingModel::PastInBestand(const std::string& veldNaam, const std::string& tekst) {
  const std::string vreemd = NietInCp1252(tekst);
  if (vreemd.empty()) return true;
  kb.berichten().BerichtDlg(veldNaam + " bevat tekens die niet bewaard kunnen worden: " + vreemd,
                            BerichtSoort::Fout, knop::OK);
  return false;
}

bool BoekingModel::Handler(int tag, bool stil) {
  std::string& tekst = velden[tag].tekst;
  switch (tag) {
    case veld::Rekening: return RekeningVeld();
    case veld::Volgnr:
    case veld::Volgnr2: return VolgnrVeld(tag);
    case veld::Blad:
    case veld::Blad2: return BladVeld(tag);
    case veld::Groep: return GroepVeld(stil);
    case veld::Actie: {
      std::string a = Kap(tekst, 2);
      for (char& c : a) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      werk.ActieKode = a;
      return true;
    }
    case veld::Datum: return DatumVeld();
    case veld::TegenRek: return TegenRekVeld();
    case veld::Relatie:
      if (!PastInBestand("Relatie", tekst)) return false;
      werk.Relatie = Getrimd(Kap(tekst, 24));
      return true;
    case veld::Munt: return MuntVeld(stil);
    case veld::Koers: return KoersVeld();
    case veld::Aantal: return AantalVeld();
    case veld::Prijs: return PrijsVeld();
    case veld::Bedrag: return BedragVeld();
    case veld::Omschrijving:
      if (!PastInBestand("Omschrijving", tekst)) return false;
      werk.Omschrijving = Kap(tekst, 255);
      return true;
    default: return true;
  }
}

int BoekingModel::RekeningUitTekst(const std::string& tekst, bool opNaam) {
  const std::string deel = opNaam ? Eind(tekst, 2) : Kap(tekst, 2);
  return AlsGetal(deel).value_or(0);
}

bool BoekingModel::RekeningVeld() {
  const int nr = RekeningUitTekst(velden[veld::Rekening].tekst, kb.weergave.RekeningenOpNaam);
  if (!kb.ZoekRekening(nr)) {
    Foutmelding(kb, "RekeningNummer ", FoutNr::BestaatNiet, HintNr::CorrigeerRekening);
    return false;
  }
  if (nr != werk.RekNr) {
    werk.RekNr = nr;
    if (gridModus == 0) TekenGrid();
  }
  onthoudRek = werk.RekNr;
  return true;
}

bool BoekingModel::VolgnrVeld(int tag) {
  const std::string& tekst = velden[tag].tekst;
  auto n = AlsGetal(tekst);
  // An empty field is a plain 0; only a text that is no number beeps.
  if (!n) {
    if (!Getrimd(tekst).empty()) kb.berichten().Piep();
    n = 0;
  }
  if (*n < 0) {
    Foutmelding(kb, "Volgnummer ", FoutNr::BestaatNiet, HintNr::CorrigeerGetal);
    return false;
  }
  // The sequence number has ten bits in the statement word: a larger one
  // would be stored as another number. Refused like a sheet above 63.
  if (*n > kHoogsteVolgnr) {
    Foutmelding(kb, "Volgnummer " + Getrimd(tekst), FoutNr::TeGroot, HintNr::CorrigeerAfschrift);
    return false;
  }
  int& woord = tag == veld::Volgnr ? werk.VolgBlad : werk.TegenVolgBlad;
  woord = TKas::MaakVolgBlad(*n, woord & 0x3F);
  (tag == veld::Volgnr ? onthoudVolgBlad : onthoudTegenVolgBlad) = woord;
  return true;
}

bool BoekingModel::BladVeld(int tag) {
  const std::string& tekst = velden[tag].tekst;
  auto n = AlsGetal(tekst);
  if (!n) {
    if (!Getrimd(tekst).empty()) kb.berichten().Piep();
    n = 0;
  }
  // The sheet has six bits in the statement word.
  if (*n < 0 || *n > 63) {
    Foutmelding(kb, "Bladnummer " + Getrimd(tekst), FoutNr::TeGroot, HintNr::CorrigeerAfschrift);
    return false;
  }
  int& woord = tag == veld::Blad ? werk.VolgBlad : werk.TegenVolgBlad;
  woord = (woord & ~0x3F) | *n;
  (tag == veld::Blad ? onthoudVolgBlad : onthoudTegenVolgBlad) = woord;
  return true;
}

bool BoekingModel::GroepVeld(bool stil) {
  const std::string tekst = velden[veld::Groep].tekst;
  std::string kode = Getrimd(kb.weergave.GroepenOpNaam ? Eind(tekst, 4) : Kap(tekst, 4));
  const bool kruis = kode == kKruispostKode;
  const bool toegestaan =
      modus::IsOverboeking(boekModus) ? kruis : (!kruis || boekModus == modus::Wijzigen);
  if (!toegestaan) {
    ToonGroep();
    if (!stil) Waarschuw("Groepkode(wijziging) niet toegestaan\rgroep niet gewijzigd!");
    return true;
  }
  if (!kb.ZoekGroep(kode)) {
    kb.berichten().Piep();
    if (Vraag(kb, "Groep " + tekst + " bestaat niet\r" + " wilt u groep opvoeren")) {
      const auto nieuw = vensters_.NieuweGroep(kb, kode, Kap(tekst, 32), " -");
      if (!nieuw) {
        Waarschuw("Groep niet opgevoerd!");
        return true;
      }
      kode = *nieuw;
    } else {
      Waarschuw("Groep wordt: Algemeen!");
      kode = kAlgemeenKode;
      if (!kb.ZoekGroep(kode)) VoegGroepToe(kb, kode, kAlgemeenNaam, " -");
    }
    SorteerGroepenEnMatrix(kb);
    VulGroepLijst();
  }
  const bool gewijzigd = kode != werk.GroepKode;
  werk.GroepKode = kode;
  ToonGroep();
  const auto g = kb.ZoekGroep(kode);
  klasseTekst = g ? kb.GroepLijst[static_cast<std::size_t>(*g)].Klasse : "";
  // Saving re-reads the group quietly: keep the user's own choice of the VAT
  // box unless the group itself changed.
  ToonBtwVanGroep(kode, !stil || gewijzigd);
  if (boekModus > 10 && modus::IsEffecten(boekModus) && kode < "100")
    Mededeling(kb, "Gebruik rekening groep alleen voor saldo transacties");
  return true;
}

bool BoekingModel::DatumVeld() {
  std::string tekst = velden[veld::Datum].tekst;
  if (Getrimd(tekst).empty()) return true;
  if (!DatumAanvullen(kb, tekst)) return false;
  velden[veld::Datum].tekst = tekst;
  const auto datum = LeesDatum(tekst, JaarVan(kb.Vandaag()));
  if (!datum) return false;
  // A date the program's date arithmetic cannot carry (before 1900, after
  // 2099) is no date for a cash book.
  const int jaar = JaarVan(*datum);
  if (jaar < kEersteJaar || jaar > kLaatsteJaar) {
    Foutmelding(kb, tekst, FoutNr::GeenGeldigeDatum, HintNr::ProbeerOpnieuw);
    return false;
  }
  // A book holds one year; a date outside it is booked only when the user
  // says so (once per date, not again when the save re-reads the field).
  if (jaar != BoekJaar(kb) && *datum != buitenJaarBevestigd) {
    if (!Vraag(kb, "Datum " + tekst + " valt buiten boekjaar " + std::to_string(BoekJaar(kb)) +
                       "\rToch boeken?"))
      return false;
    buitenJaarBevestigd = *datum;
  }
  werk.Datum = *datum;
  laatsteDatum = *datum;
  if (boekModus == modus::Aanschaffen || boekModus == modus::Kopen) werk.PayDate = *datum;
  return true;
}

bool BoekingModel::BedragVeld() {
  std::string tekst = velden[veld::Bedrag].tekst;
  const auto gelezen = LeesBedrag(kb, tekst, true);
  if (!gelezen) {
    MeldGeenGetal(kb, tekst);
    return false;
  }
  double v = *gelezen;
  // 1e23 reads as a number, but no report, balance or file column holds it.
  if (!(std::fabs(v) < kHoogsteBedrag)) {
    Foutmelding(kb, "Getal " + tekst, FoutNr::TeGroot, HintNr::CorrigeerBedrag);
    return false;
  }
  if (kb.weergave.HulpMunt != kb.BasisMunt) v /= RecordKoers();
  const int f = modus::Familie(boekModus);
  if ((f == 2 || f == 6) && v > 0) v = -v;
  werk.Bedrag = v;
  velden[veld::Bedrag].tekst = WerkBedragTekst(v);
  velden[veld::Bedrag].rood = v < 0 || boekModus == modus::Afboeken ||
                              boekModus == modus::Inwisselen || boekModus == modus::Verkopen;
  const double opgeslagen = v * werk.MuntKoers;
  const auto [som, tekstSaldo] = NieuwSaldo(werk.RekNr, opgeslagen + oud.bedrag);
  saldoTekst = tekstSaldo;
  saldoRood = som < 0;
  if (v != 0 && opgeslagen == 0) Waarschuw("Geen Koers gedefinieerd");
  return true;
}

void BoekingModel::ExtraWerk(int tag) {
  switch (tag) {
    case veld::Rekening:
      if (modus::ToontBestaand(boekModus)) {
        const auto [som, tekst] = NieuwSaldo(werk.RekNr, oud.bedrag);
        saldoTekst = tekst;
        saldoRood = som < 0;
      }
      VulGroepLijst();
      if (modus::IsOverboeking(boekModus)) VulGeschiedenis();
      break;
    case veld::Volgnr:
      if (!modus::IsBestaandRecord(boekModus) && kb.weergave.HulpMunt == kb.BasisMunt) {
        const auto a = kb.ZoekRekening(werk.RekNr);
        const int m = a ? kb.RekLijst[static_cast<std::size_t>(*a)].Munt : -1;
        if (m >= 0 && m < static_cast<int>(kb.ValutaLijst.size()))
          velden[veld::Munt].tekst = kb.ValutaLijst[static_cast<std::size_t>(m)].Kode;
      }
      break;
    case veld::Groep:
      VulGeschiedenis();
      if (boekModus == modus::Waarderen) Herwaardeer();
      break;
    case veld::Omschrijving: bewaarAan = true; break;
    default: break;
  }
}

int BoekingModel::VolgendeFocus(int tag) const {
  const int f = modus::Familie(boekModus);
  const bool aandelen = velden[veld::Aantal].zichtbaar;
  switch (tag) {
    case veld::TegenRek: return (f == 5 || f == 6) ? veld::Volgnr2 : veld::Relatie;
    case veld::Relatie: return veld::Munt;
    case veld::Blad2: return veld::Munt;
    case veld::Munt:
      if (velden[veld::Koers].zichtbaar) return veld::Koers;
      return aandelen ? veld::Aantal : veld::Bedrag;
    case veld::Koers: return aandelen ? veld::Aantal : veld::Bedrag;
    case veld::Omschrijving: return veld::BewaarKnop;
    default: return tag + 1;
  }
}

void BoekingModel::Invoer(int tag) {
  if (tag < 1 || tag > veld::Omschrijving) return;
  if (Handler(tag, false)) {
    ExtraWerk(tag);
    focus = VolgendeFocus(tag);
  } else {
    focus = tag;
  }
  bewaarAan = herstelAan = true;
  okAan = false;
}

void BoekingModel::TabRekening() {
  static_cast<void>(Handler(veld::Rekening, false));
}

}  // namespace valdero
