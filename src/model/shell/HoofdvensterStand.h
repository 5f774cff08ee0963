#pragma once
// What the main window offers for the book it holds: which menus and entries
// can be used and which panels show, decided from what the load read. The
// window applies it; the rules live here.

namespace valdero {

class Kasboek;

struct HoofdvensterStand {
  bool rekeningenGelezen = false;  // "Open &Rekening", the book's name shown
  bool groepenGelezen = false;     // "Open &Groep", "Open &Budget"
  // Relations, Save, Save as, the charts, overviews and the import: a book
  // whose transactions were read.
  bool transactiesGelezen = false;
  bool transfereren = false;       // some transfer is planned on account 99
  // Bookings and securities: accounts and groups were both read.
  bool boeken = false;
  bool menuPaneel = false;         // the action panel
  bool nieuwKasPaneel = false;     // nothing read at all: offer a new book
  bool kasOpen = false;            // "Kasboek ... is open" with its year
  bool btwActief = false;          // some class carries VAT
};

HoofdvensterStand BepaalHoofdvensterStand(const Kasboek& kb);

// Whether any class of the configuration carries VAT: the one rule behind
// the VAT label, the VAT menu entry and the VAT columns.
bool BtwActiefIn(const Kasboek& kb);

}  // namespace valdero
