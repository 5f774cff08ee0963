#pragma once
// The ports an open book talks through: messages and file choices, the clock,
// the user's decimal separator and the printer.

namespace valdero {

class Berichten;
class Klok;
class Printer;

// References: a book always has every port. Where there is no printer, the
// printer of fixed measures stands in (VastePrinter).
struct Poorten {
  Berichten& berichten;
  const Klok& klok;
  Printer& printer;
  char decimaalTeken = ',';
};

}  // namespace valdero
