#pragma once
// How the open book is shown: the currency amounts are shown in, the order
// the accounts and groups are listed in, and the measures of the printer the
// printouts are laid out for. None of it changes the book's data; the two
// listing orders are kept in the configuration's flags (bits 9 and 10).

#include <cstdint>

namespace valdero {

struct BoekWeergave {
  // The position of the currency amounts are shown in (the auxiliary
  // currency); the base currency unless the user chose another.
  std::int32_t HulpMunt = 0;

  // Listing order of the accounts (by name, else by number) and of the groups
  // (by title, else by code).
  bool RekeningenOpNaam = false;
  bool GroepenOpNaam = false;

  // Printer measures, recomputed by MeetPrinter.
  int TekenBreedte = 0;
  int PrinterRegelHoogte = 0;
  int PaginaRegels = 0;
  int PixelsPerCm = 0;
};

}  // namespace valdero
