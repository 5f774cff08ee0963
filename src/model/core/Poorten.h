#pragma once
// The ports an open book talks through: messages and file choices, the clock,
// the user's decimal separator, the printer, the file system and
// the progress of long work.

#include <functional>

namespace valdero {

class Berichten;
class Bestandssysteem;
class Klok;
class Printer;
class Voortgang;

// References: a book always has every port. Where there is no printer, the
// printer of fixed measures stands in (VastePrinter). The printer can be
// exchanged for another, as a test does to see what is printed.
struct Poorten {
  Berichten& berichten;
  const Klok& klok;
  std::reference_wrapper<Printer> printer;
  char decimaalTeken = ',';
  // None: the operating system's files (BestandenVan in model/storage). A
  // test puts in one that fails a chosen step of a save.
  Bestandssysteem* bestandssysteem = nullptr;
  // None: long work shows no progress (model/core/Voortgang.h).
  Voortgang* voortgang = nullptr;
};

}  // namespace valdero
