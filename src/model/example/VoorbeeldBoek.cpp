#include "model/example/VoorbeeldBoek.h"
#include "model/core/Domein.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <set>
#include <system_error>
#include <vector>

#include "model/storage/Bestanden.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/ConfigBestand.h"
#include "model/core/Datum.h"
#include "model/core/KasVolgorde.h"
#include "model/core/Kasboek.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/TekstHulp.h"

namespace valdero {
namespace {

// A small generator of our own: the standard distributions differ between
// libraries, and the example must be the same everywhere.
class Toeval {
 public:
  explicit Toeval(std::uint64_t zaad) : staat_(zaad) {}
  std::uint64_t Volgende() {
    std::uint64_t z = (staat_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  // van..tot inclusive
  int Tussen(int van, int tot) {
    return van + static_cast<int>(Volgende() % static_cast<std::uint64_t>(tot - van + 1));
  }
  // An amount in cents between van and tot euros.
  double Bedrag(double van, double tot) {
    const auto centen = Tussen(static_cast<int>(van * 100), static_cast<int>(tot * 100));
    return centen / 100.0;
  }

 private:
  std::uint64_t staat_;
};

double Centen(double bedrag) { return std::round(bedrag * 100) / 100; }

// An account name holds at most this many characters in the file.
constexpr std::size_t kRekNaamTekens = 32;

struct Rekening {
  int nr;
  const char* naam;
  const char* soort;
};
constexpr std::array<Rekening, 4> kRekeningen = {{
    {1, "Betaalrekening", "BT"},
    {2, "Spaarrekening", "SP"},
    {3, "Beleggingsrekening", kEffectenSoort},
    {99, "TRANSFER REKENING", kTransferSoort},
}};
constexpr int kBetaal = 1;
constexpr int kSpaar = 2;
constexpr int kBeleg = 3;
constexpr int kTransfer = 99;

struct Groep {
  const char* kode;
  const char* naam;
  double budget;
  const char* klasse;
};
// In code order, so that the book keeps its order when it is loaded.
constexpr std::array<Groep, 33> kGroepen = {{
    {"201", "Kasgeld", -1200, " U "},
    {"210", "Salaris, netto", 38400, " I "},
    {"210a", "Vakantiegeld", 2600, " I "},
    {"220", "Kinderbijslag", 1300, " I "},
    {"230", "Zorgtoeslag", 600, " I "},
    {"300", "Levensonderhoud", -2400, " U "},
    {"310", "Boodschappen", -7800, " U "},
    {"310a", "Drogisterij", -600, " U "},
    {"400", "Huis algemeen", -1000, " U "},
    {"410", "Huur", -11400, " V "},
    {"420", "Inboedelverzekering", -180, " V "},
    {"460", "Energie", -2100, " V "},
    {"470", "Water", -240, " V "},
    {"480", "Zorgverzekering", -3000, " V "},
    {"480a", "Eigen risico", -385, " L "},
    {"490", "Gemeentelijke belastingen", -900, " B "},
    {"500", "Telefoon en internet", -840, " U "},
    {"510", "Auto brandstof", -1800, " U "},
    {"520", "Auto verzekering", -700, " V "},
    {"525", "Motorrijtuigenbelasting", -500, " B "},
    {"530", "Kranten en tijdschriften", -300, " U "},
    {"540", "Boeken en apparaten", -500, " U "},
    {"550", "Meubelen en huisraad", -800, " U "},
    {"560", "Sport en hobby", -600, " U "},
    {"570", "Kleding en schoeisel", -1200, " U "},
    {"580", "Vakantie", -2500, " U "},
    {"600", "Diversen", -500, " U "},
    {"610", "Giften", -300, " U "},
    {"700", "Spaarrente", 150, " R "},
    {"800", "Omzet bijverdiensten", 4800, " K "},
    {"810", "Kantoorkosten", -900, " K "},
    {"E10", "Aandelen Noordfonds", 0, " E "},
    {"E20", "Dividend en coupons", 200, " E "},
}};
// The class whose groups carry VAT: kosten, high rate.
constexpr const char* kBtwKlasse = " K ";
constexpr int kBtwHoog = 2;

struct Relatie {
  const char* naam;
  const char* rekening;
  const char* adres;
  const char* postcode;
  const char* plaats;
  const char* telefoon;
};
constexpr std::array<Relatie, 12> kRelaties = {{
    {"Werkgever Noorderlicht BV", "NL12BANK0001", "Stationsweg 12", "9711AB", "Groningen", "050-3123456"},
    {"Woonstichting De Linde", "NL34BANK0002", "Lindelaan 3", "9712CD", "Groningen", "050-3654321"},
    {"Energie Noord", "NL56BANK0003", "Postbus 100", "8000AA", "Zwolle", "038-4000000"},
    {"Waterbedrijf Groningen", "NL78BANK0004", "Postbus 24", "9700AA", "Groningen", "050-3688688"},
    {"Zorgverzekeraar Vitaal", "NL90BANK0005", "Postbus 5", "3500AA", "Utrecht", "030-2000000"},
    {"Supermarkt Vers", "NL11BANK0006", "Markt 1", "9711AA", "Groningen", "050-3111111"},
    {"Bakkerij Café de Zwaan", "NL22BANK0007", "Brugstraat 8", "9711HX", "Groningen", "050-3222222"},
    {"Tankstation De Pomp", "NL33BANK0008", "Ringweg 40", "9723AA", "Groningen", "050-3333333"},
    {"Telecom Plus", "NL44BANK0009", "Postbus 9", "2500AA", "Den Haag", "070-4444444"},
    {"Gemeente Groningen", "NL55BANK0010", "Kreupelstraat 1", "9712HW", "Groningen", "14050"},
    {"Drogist Gezond", "NL66BANK0011", "Herestraat 20", "9711LD", "Groningen", "050-3555555"},
    {"Klant Jansen Advies", "NL77BANK0012", "Kerkpad 2", "9471AA", "Zuidlaren", "050-4090909"},
}};
constexpr const char* kMaanden[] = {"januari", "februari", "maart",     "april",   "mei",      "juni",
                                    "juli",    "augustus", "september", "oktober", "november", "december"};

class Bouwer {
 public:
  Bouwer(Kasboek& kb, const VoorbeeldOpties& opties)
      : kb_(kb), jaar_(opties.jaar), betaalNummer_(opties.betaalNummer), toeval_(opties.zaad) {}

  void Bouw(int aantal) {
    Rekeningen();
    Groepen();
    RelatiesLijst();
    Vast();
    // Fill up with daily spending until the number asked for.
    while (static_cast<int>(nieuw_.size()) < aantal) Dagelijks();
    const auto n = static_cast<std::size_t>(std::max(aantal, 0));
    nieuw_.resize(n);
    // A short book must not end in half a transfer.
    if (n > 0 && paarBegin_.count(n - 1)) {
      nieuw_.pop_back();
      Dagelijks();
    }
    Transacties();
  }

 private:
  double Dag(int maand, int dag) const {
    return MaakDatum(jaar_, maand, std::min(dag, MaandLengte(maand)));
  }
  int MaandLengte(int maand) const {
    int d = 31;
    while (!GeldigeDatum(jaar_, maand, d)) --d;
    return d;
  }
  double WillekeurigeDag() {
    const int maand = toeval_.Tussen(1, 12);
    return Dag(maand, toeval_.Tussen(1, MaandLengte(maand)));
  }
  // Statement number: the week of the year, sheet by account, so records of
  // one day on one statement keep their order.
  int VolgBlad(double datum, int rekNr) const {
    const int week = static_cast<int>((datum - MaakDatum(jaar_, 1, 1)) / 7) + 1;
    return TKas::MaakVolgBlad(week, rekNr % 64);
  }
  const char* RekeningNaam(int nr) const {
    for (const auto& r : kRekeningen)
      if (r.nr == nr) return r.naam;
    return "";
  }

  TKas& Boek(double datum, int rekNr, const char* groep, const char* actie, double bedrag,
             const std::string& relatie, const std::string& omschrijving, int modus) {
    TKas k;
    k.RekNr = rekNr;
    k.VolgBlad = VolgBlad(datum, rekNr);
    k.GroepKode = groep;
    k.ActieKode = actie;
    k.Datum = datum;
    k.Relatie = relatie;
    k.Bedrag = bedrag;
    k.MuntKoers = 1.0f;
    k.Omschrijving = omschrijving;
    k.Munt = kb_.BasisMunt;
    k.BoekSoort = modus;
    k.PayDate = datum;
    for (const auto& r : kRelaties)
      if (relatie == r.naam) k.TegenRekNr = r.rekening;
    nieuw_.push_back(k);
    return nieuw_.back();
  }
  TKas& Bij(double datum, int rek, const char* groep, const char* actie, double bedrag,
            const std::string& relatie, const std::string& omschrijving) {
    return Boek(datum, rek, groep, actie, std::fabs(bedrag), relatie, omschrijving, 1);
  }
  TKas& Af(double datum, int rek, const char* groep, const char* actie, double bedrag,
           const std::string& relatie, const std::string& omschrijving) {
    return Boek(datum, rek, groep, actie, -std::fabs(bedrag), relatie, omschrijving, 2);
  }

  // The two legs of a cross-posting: `bedragOpA` on account a and minus it on
  // account b (the counter leg, booked first), both on kKruispostKode, each pointing
  // at the other by account and statement word.
  void Kruispost(double datum, int a, int b, double bedragOpA, int modus, const std::string& opmA,
                 const std::string& opmB) {
    const std::string naamA = RekeningNaam(a);
    paarBegin_.insert(nieuw_.size());
    Boek(datum, b, kKruispostKode, "OB", -bedragOpA, naamA, opmB, modus);
    Boek(datum, a, kKruispostKode, "OB", bedragOpA, naamA, opmA, modus);
    TKas& tegen = nieuw_[nieuw_.size() - 2];
    TKas& eigen = nieuw_[nieuw_.size() - 1];
    tegen.TegenRek = a;
    tegen.TegenVolgBlad = eigen.VolgBlad;
    eigen.TegenRek = b;
    eigen.TegenVolgBlad = tegen.VolgBlad;
  }

  // Money from account van to account naar, as the "Af rekening naar
  // tegenrek." mode books it.
  void Overboeking(double datum, int van, int naar, double bedrag) {
    Kruispost(datum, van, naar, -bedrag, 6, std::string("Overboeken naar ") + RekeningNaam(naar),
              std::string("Overboeken van ") + RekeningNaam(van));
  }

  void Effect(TKas& k, float aantal, float prijs) {
    k.Belegging = 1;
    k.Aantal = aantal;
    k.Prijs = prijs;
  }

  // Buying shares through the payments account: the transfer legs, the cash
  // leg out of the securities account's own group and the main leg into the
  // investment group.
  void Aankoop(double datum, float aantal, float prijs) {
    const double bedrag = Centen(static_cast<double>(aantal) * static_cast<double>(prijs));
    const std::string naam = kGroepen[31].naam;
    Kruispost(datum, kBeleg, kBetaal, bedrag, 15, std::string("Overboeken van ") + RekeningNaam(kBetaal),
              std::string("Overboeken naar ") + RekeningNaam(kBeleg));
    for (std::size_t i = nieuw_.size() - 2; i < nieuw_.size(); ++i) Effect(nieuw_[i], aantal, prijs);
    const std::string rek = RekeningNaam(kBeleg);
    Effect(Boek(datum, kBeleg, "3", "BS", -bedrag, rek, "Aankoop Aandeel" + naam, 15), aantal, prijs);
    Effect(Boek(datum, kBeleg, "E10", "AS", bedrag, rek, "Aanschaf Aandeel" + naam, 15), aantal, prijs);
  }

  void Rekeningen() {
    kb_.RekLijst.clear();
    TBank kop;
    kop.Naam = std::to_string(jaar_);
    kop.RekNrTekst = "1";
    kop.Soort = "Rt";  // relations follow the transactions
    kb_.RekLijst.push_back(kop);
    for (const auto& r : kRekeningen) {
      TBank b;
      b.Index = static_cast<int>(kb_.RekLijst.size());
      b.RekNr = r.nr;
      b.Naam = r.naam;
      b.RekNrTekst = std::to_string(r.nr);
      b.Soort = r.soort;
      b.Munt = kb_.BasisMunt;
      // Only the account's own name carries the number: the texts that
      // name the account (groups, transfers) stay as they are.
      if (r.nr == kBetaal && !betaalNummer_.empty()) b.Naam = Kap(b.Naam + " " + betaalNummer_, static_cast<int>(kRekNaamTekens));
      kb_.RekLijst.push_back(b);
    }
  }

  void Groepen() {
    kb_.GroepLijst.clear();
    TBudget kop;
    kop.Kode = "-1";
    kb_.GroepLijst.push_back(kop);
    auto voegToe = [this](const std::string& kode, const std::string& naam, double budget,
                          const char* klasse) {
      TBudget g;
      g.Nummer = static_cast<int>(kb_.GroepLijst.size());
      g.Kode = kode;
      g.Naam = naam.substr(0, 32);
      g.Budget = budget;
      g.Klasse = klasse;
      kb_.GroepLijst.push_back(g);
    };
    for (const auto& r : kRekeningen)
      voegToe(std::to_string(r.nr), std::string("Saldo ") + r.naam, 0, " C ");
    for (const auto& g : kGroepen) voegToe(g.kode, g.naam, g.budget, g.klasse);
    voegToe(kKruispostKode, kKruispostNaam, 0, " - ");
    kb_.GroepLijst.back().Nummer = 0;
    kb_.GroepLijst[0].Klasse = std::to_string(kb_.GroepLijst.size() - 1);
  }

  void RelatiesLijst() {
    kb_.RelatieLijst.assign(1, TRelat{});
    for (const auto& r : kRelaties) {
      TRelat rel;
      rel.KasIndex = static_cast<int>(kb_.RelatieLijst.size());
      rel.Naam = r.naam;
      rel.Rekening = r.rekening;
      rel.Adres = r.adres;
      rel.Postcode = r.postcode;
      rel.Woonplaats = r.plaats;
      rel.Telefoon = r.telefoon;
      kb_.RelatieLijst.push_back(rel);
    }
  }

  // What happens every year: opening balances, the yearly events, the
  // securities and the agenda first, so that even a short book shows every
  // kind of record; then the monthly fixed costs, income and savings.
  void Vast() {
    const double nieuwjaar = Dag(1, 1);
    Bij(nieuwjaar, kBetaal, "1", "--", 2450.75, RekeningNaam(kBetaal), "Saldo");
    Bij(nieuwjaar, kSpaar, "2", "--", 8120.00, RekeningNaam(kSpaar), "Saldo");
    Effect(Boek(nieuwjaar, kBeleg, "E10", "--", 5000.00, RekeningNaam(kBeleg), "Saldo Aandelen Noordfonds", 12),
           200.0f, 25.0f);

    Bij(Dag(5, 24), kBetaal, "210a", "OV", 2598.10, kRelaties[0].naam, "Vakantiegeld");
    Af(Dag(2, 28), kBetaal, "490", "AC", 897.36, kRelaties[9].naam, "Aanslag gemeentelijke belastingen");
    Af(Dag(7, 12), kBetaal, "580", "BA", 1840.00, "Reisbureau Zon", "Zomervakantie");
    Overboeking(Dag(7, 1), kSpaar, kBetaal, 1500.00);
    Bij(Dag(12, 31), kSpaar, "700", "OV", 152.37, RekeningNaam(kSpaar), "Rente " + std::to_string(jaar_));

    Aankoop(Dag(3, 14), 40.0f, 26.5f);
    Aankoop(Dag(9, 18), 25.0f, 24.2f);
    Effect(Boek(Dag(6, 1), kBeleg, "E20", "ID", 187.50, RekeningNaam(kBeleg), "Dividend Noordfonds", 17), 0.0f,
           1.0f);
    // Revaluation at the end of the year: the old value out, the new in.
    const double oud = Centen(5000.00 + 40 * 26.5 + 25 * 24.2);
    const double nieuw = Centen(265.0 * 27.1);
    const std::string naam = kGroepen[31].naam;
    Effect(Boek(Dag(12, 31), kBeleg, "E10", "VS", -oud, RekeningNaam(kBeleg), "Oorspronkelijke waarde van " + naam, 14),
           265.0f, 25.0f);
    Effect(Boek(Dag(12, 31), kBeleg, "E10", "VS", nieuw, RekeningNaam(kBeleg),
                (nieuw > oud ? "Toename waarde van " : "Afname waarde van ") + naam, 14),
           265.0f, 27.1f);

    // Planned payments on the transfer account (the agenda).
    Af(Dag(11, 1), kTransfer, "580", "AC", 650.00, "Reisbureau Zon", "Aanbetaling wintervakantie");
    Af(Dag(12, 15), kTransfer, "550", "AC", 1200.00, "Woonwinkel", "Nieuwe bank");
    Bij(Dag(12, 20), kTransfer, "210", "OV", 850.00, kRelaties[0].naam, "Eindejaarsuitkering");

    for (int m = 1; m <= 12; ++m) {
      const std::string maand = kMaanden[m - 1];
      Af(Dag(m, 1), kBetaal, "410", "AC", 950.00, kRelaties[1].naam, "Huur " + maand);
      Af(Dag(m, 1), kBetaal, "480", "AC", 251.40, kRelaties[4].naam, "Premie zorgverzekering " + maand);
      Af(Dag(m, 3), kBetaal, "520", "AC", 58.25, "Autoverzekeraar", "Premie auto " + maand);
      Af(Dag(m, 5), kBetaal, "460", "AC", 175.00, kRelaties[2].naam, "Voorschot energie " + maand);
      Af(Dag(m, 10), kBetaal, "470", "AC", 19.80, kRelaties[3].naam, "Voorschot water");
      Af(Dag(m, 20), kBetaal, "500", "AC", 69.95, kRelaties[8].naam, "Abonnement " + maand);
      Bij(Dag(m, 24), kBetaal, "210", "OV", 3187.42, kRelaties[0].naam, "Salaris " + maand);
      Bij(Dag(m, 15), kBetaal, "230", "OV", 48.00, "Belastingdienst Toeslagen", "Zorgtoeslag " + maand);
      Overboeking(Dag(m, 25), kBetaal, kSpaar, 300.00);
      if (m % 3 == 1)
        Bij(Dag(m, 2), kBetaal, "220", "OV", 324.68, "Sociale Verzekeringsbank", "Kinderbijslag kwartaal");
      if (m % 2 == 0) Af(Dag(m, 28), kBetaal, "525", "AC", 83.00, "Belastingdienst", "Motorrijtuigenbelasting");
    }
  }

  void Dagelijks() {
    const double d = WillekeurigeDag();
    switch (toeval_.Tussen(0, 11)) {
      case 0: case 1: case 2:
        Af(d, kBetaal, "310", "BA", toeval_.Bedrag(8, 140), kRelaties[5].naam, "Boodschappen");
        break;
      case 3:
        Af(d, kBetaal, "310", "BA", toeval_.Bedrag(2, 25), kRelaties[6].naam, "Brood en koffie");
        break;
      case 4:
        Af(d, kBetaal, "510", "BA", toeval_.Bedrag(35, 85), kRelaties[7].naam, "Tanken");
        break;
      case 5:
        Af(d, kBetaal, "201", "GM", toeval_.Tussen(1, 4) * 50.0, "Geldautomaat", "Opname contant");
        break;
      case 6:
        Af(d, kBetaal, "310a", "BA", toeval_.Bedrag(3, 40), kRelaties[10].naam, "Drogisterij");
        break;
      case 7:
        Af(d, kBetaal, toeval_.Tussen(0, 1) ? "570" : "560", "BA", toeval_.Bedrag(15, 120), "Winkelcentrum",
           "Aankoop");
        break;
      case 8:
        Af(d, kBetaal, toeval_.Tussen(0, 1) ? "540" : "530", "BA", toeval_.Bedrag(5, 60), "Boekhandel", "Boeken");
        break;
      case 9:
        Af(d, kBetaal, "600", "BA", toeval_.Bedrag(2, 75), "Diverse winkels", "Diversen");
        break;
      case 10: {
        TKas& k = Bij(d, kBetaal, "800", "OV", toeval_.Bedrag(120, 900), kRelaties[11].naam, "Factuur advieswerk");
        k.BoekSoort += 256 * kBtwHoog;
        break;
      }
      default: {
        TKas& k = Af(d, kBetaal, "810", "BA", toeval_.Bedrag(10, 180), "Kantoorboekhandel", "Kantoorartikelen");
        k.BoekSoort += 256 * kBtwHoog;
        break;
      }
    }
  }

  void Transacties() {
    kb_.KasLijst.assign(1, TKas{});
    kb_.KasLijst[0].GroepKode = "0";
    kb_.KasLijst.reserve(nieuw_.size() + 1);
    // Records of one day and statement keep the order they were made in:
    // the index is the last key of the order.
    for (TKas& k : nieuw_) {
      // What reading the file makes of the kind; kept so that the book in
      // memory is the book on disk.
      k.Belegging = TKas::IsBeleggingsSoort(k.BoekSoort) ? 1 : 0;
      k.Index = static_cast<int>(kb_.KasLijst.size());
      kb_.KasLijst.push_back(std::move(k));
    }
    nieuw_.clear();
    SorteerKas(kb_);
  }

  Kasboek& kb_;
  int jaar_;
  std::string betaalNummer_;
  Toeval toeval_;
  std::vector<TKas> nieuw_;
  std::set<std::size_t> paarBegin_;  // positions in nieuw_ of first legs
};

std::string TweeCijfers(int jaar) {
  const int yy = ((jaar % 100) + 100) % 100;
  return std::string(1, static_cast<char>('0' + yy / 10)) + static_cast<char>('0' + yy % 10);
}

}  // namespace

void MaakVoorbeeldBoek(Kasboek& kb, const VoorbeeldOpties& opties) {
  kb.sessie.KasNaam = "Valdr" + TweeCijfers(opties.jaar);
  kb.sessie.KasPad = kb.sessie.KasNaam + ".vdr";
  kb.sessie.ConfigPad = kb.sessie.KasNaam + ".cfg";
  kb.KasJaar = std::to_string(opties.jaar);
  kb.StartDatum = MaakDatum(opties.jaar, 1, 1);
  kb.MuntOmzetten = false;

  // The configuration first: the transactions carry the base currency.
  StandaardConfig(kb);
  for (TKlasse02& k : kb.KlasseLijst)
    if (k.Letter == kBtwKlasse) {
      k.BtwSoort = kBtwHoog;
      k.BtwPerc = 21.0f;
    }
  kb.BtwActief = true;
  kb.weergave.HulpMunt = kb.BasisMunt;
  // Someone showing the program off wants its tool bars in view.
  kb.Config.Vlaggen |= vlag::TransactieBalk | vlag::BeleggingBalk | vlag::ValutaBalk;

  Bouwer(kb, opties).Bouw(opties.transacties);
  kb.FormaatVlag = true;
  kb.RelatiesAanwezig = true;
  kb.RekGelezen = kb.GroepGelezen = kb.KasGelezen = true;
  kb.sessie.EersteBewaring = true;
  // The generator books only on accounts and groups it made.
  HerbouwSaldoMatrix(kb);
}

bool SchrijfVoorbeeldBoek(Kasboek& kb, const VoorbeeldOpties& opties, std::string& fout) {
  MaakVoorbeeldBoek(kb, opties);
  const std::filesystem::path pad = kb.Pad(kb.sessie.KasPad);
  std::error_code ec;
  if (std::filesystem::exists(pad, ec)) {
    fout = pad.string() + " bestaat al; een bestaand boek wordt niet overschreven";
    return false;
  }
  const std::vector<std::uint8_t> beeld = SchrijfBoek(kb);
  if (kb.IOStatus != 0) {
    fout = "het boek kon niet worden opgemaakt";
    return false;
  }
  // Written beside its place and renamed into it, so that no half book is
  // ever found under the book's name.
  if (!SchrijfAtomisch(pad, beeld, kb.bestanden())) {
    fout = "kon " + pad.string() + " niet schrijven";
    return false;
  }
  if (!SchrijfConfig(kb).Gelukt()) {
    fout = "de configuratie " + kb.sessie.ConfigPad + " kon niet worden geschreven";
    return false;
  }
  return true;
}

}  // namespace valdero
