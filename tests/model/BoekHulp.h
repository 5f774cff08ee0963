#pragma once
// Small helpers that build books for the life-cycle and account tests: a book
// with scripted messages, a fixed clock and printer, and one-line builders
// for accounts, groups, transactions, kinds and currencies.

#include <filesystem>
#include <memory>
#include <string>

#include "core/Datum.h"
#include "core/Kasboek.h"
#include "core/Klok.h"
#include "core/Printer.h"
#include "core/ScriptBerichten.h"

namespace valdero::test {

struct TestBoek {
  ScriptBerichten berichten;
  VasteKlok klok{MaakDatum(2026, 3, 15)};
  VastePrinter printer;
  std::unique_ptr<Kasboek> kb;

  TestBoek() {
    Poorten p;
    p.berichten = &berichten;
    p.klok = &klok;
    p.printer = &printer;
    kb = std::make_unique<Kasboek>(p);
    kb->RekLijst.emplace_back();
    kb->GroepLijst.emplace_back();
    kb->GroepLijst[0].Kode = "-1";
    kb->KasLijst.emplace_back();
    kb->RekGelezen = kb->GroepGelezen = kb->KasGelezen = true;
    for (const char* s : {"BT betalingen", "BZ bezittingen", "EF effecten", "LN leningen",
                          "SP sparen ", "TR tranferrek.", "ZN zonder naam"}) {
      TRekSoort soort;
      soort.Naam = s;
      kb->SoortLijst.push_back(soort);
      kb->SoortKodes.push_back(std::string(s, 2));
    }
    kb->AantalSoorten = static_cast<int>(kb->SoortLijst.size());
    Valuta("Eur", 1.0f, true);
    Valuta("USD", 0.8f);
    Valuta("ENP", 1.48f);
  }

  Kasboek& operator*() { return *kb; }
  Kasboek* operator->() { return kb.get(); }

  void Valuta(const std::string& kode, float koers, bool basis = false) {
    TValut v;
    v.Kode = kode;
    v.Naam = kode;
    v.Koers = koers;
    v.Basis = basis ? 1 : 0;
    kb->ValutaLijst.push_back(v);
    kb->AantalValuta = static_cast<int>(kb->ValutaLijst.size());
  }

  TBank& Rekening(int nr, const std::string& naam, const std::string& soort = "BT", int munt = 0) {
    TBank b;
    b.Index = static_cast<int>(kb->RekLijst.size());
    b.RekNr = nr;
    b.Naam = naam;
    b.RekNrTekst = std::to_string(nr);
    b.Soort = soort;
    b.Munt = munt;
    kb->RekLijst.push_back(b);
    kb->MaxRek = static_cast<int>(kb->RekLijst.size()) - 1;
    return kb->RekLijst.back();
  }

  TBudget& Groep(const std::string& kode, const std::string& naam, const std::string& klasse = " U ") {
    TBudget g;
    g.Nummer = static_cast<int>(kb->GroepLijst.size());
    g.Kode = kode;
    g.Naam = naam;
    g.Klasse = klasse;
    kb->GroepLijst.push_back(g);
    kb->MaxGroep = static_cast<int>(kb->GroepLijst.size()) - 1;
    return kb->GroepLijst.back();
  }

  TKas& Boeking(int rekNr, const std::string& kode, double bedrag, double datum = MaakDatum(2025, 6, 1)) {
    TKas k;
    k.Index = static_cast<int>(kb->KasLijst.size());
    k.RekNr = rekNr;
    k.GroepKode = kode;
    k.Bedrag = bedrag;
    k.Datum = datum;
    k.Omschrijving = "boeking";
    kb->KasLijst.push_back(k);
    kb->MaxKas = static_cast<int>(kb->KasLijst.size()) - 1;
    return kb->KasLijst.back();
  }
};

// A fresh empty folder for one test, removed afterwards.
struct TijdelijkeMap {
  std::filesystem::path pad;
  TijdelijkeMap() {
    pad = std::filesystem::temp_directory_path() /
          ("valdero-test-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + "-" +
           std::to_string(std::rand()));
    std::filesystem::create_directories(pad);
  }
  ~TijdelijkeMap() {
    std::error_code ec;
    std::filesystem::remove_all(pad, ec);
  }
};

}  // namespace valdero::test
