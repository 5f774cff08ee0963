#pragma once
// The ports an open book talks through: messages and file choices, the clock,
// the user's decimal separator, the printer and the file system.

#include <functional>

namespace valdero {

class Berichten;
class Bestandssysteem;
class Klok;
class Printer;

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
};

}  // namespace valdero
