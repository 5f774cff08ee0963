// Pictures of the accounts and budget windows on the example book, for a
// person to look at. No test: scripts/screenshots-vensters.sh runs it under
// a virtual X server with VALDERO_SCHERMAFDRUK naming the folder.
#include <QApplication>
#include <cstdio>

#include "Schermafdruk.h"
#include "TestBoek.h"
#include "model/core/Datum.h"
#include "model/example/VoorbeeldBoek.h"
#include "ui/accounts/TRekbeheerForm.h"
#include "ui/accounts/TRekenForm.h"
#include "ui/groups/TBudgetForm.h"
#include "ui/widgets/TekstRaster.h"

using namespace valdero;

namespace {

// No picture asks for the account dialog.
struct GeenDialoog : RekeningDialoogVoerder {
  void Voer(RekeningDialoog&) override {}
};

struct VoorbeeldBoek : test::BoekMetPoorten {
  VoorbeeldBoek() : BoekMetPoorten(MaakDatum(2026, 12, 10)) { MaakVoorbeeldBoek(kb, {}); }
};

bool Rekeningen() {
  VoorbeeldBoek b;
  GeenDialoog d;
  TRekenForm f(b.kb, d);
  f.Open();
  test::Afdruk(f, "rekeningen");
  auto* raster = f.findChild<TekstRaster*>("RekenGrid");
  if (!raster) return false;
  emit raster->cellDoubleClicked(1, 3);
  test::Afdruk(f, "rekeningen-soortlijst");
  TRekbeheerForm m(b.kb, d);
  m.Begin();
  m.show();
  test::Afdruk(m, "rekeningen-overzicht");
  return true;
}

void Budget() {
  VoorbeeldBoek b;
  TBudgetForm f(b.kb);
  f.Open(1, 0, {});
  test::Afdruk(f, "budget-1-groepen");
  f.close();
  f.Open(3, 0, {});
  test::Afdruk(f, "budget-3-maand");
  f.close();
  f.Open(5, 4, {});
  test::Afdruk(f, "budget-5-periode");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (test::SchermafdrukMap().isEmpty()) {
    std::fputs("voorbeeldvensters: zet VALDERO_SCHERMAFDRUK op de map voor de plaatjes\n", stderr);
    return 2;
  }
  if (!Rekeningen()) {
    std::fputs("voorbeeldvensters: het rekeningenvenster heeft geen RekenGrid\n", stderr);
    return 1;
  }
  Budget();
  return 0;
}
