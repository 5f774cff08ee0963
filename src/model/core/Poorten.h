#pragma once
// The ports an open book talks through: messages and file choices, the clock,
// the user's decimal separator and the printer.

namespace valdero {

class Berichten;
class Klok;
class Printer;

struct Poorten {
  Berichten* berichten = nullptr;
  const Klok* klok = nullptr;
  Printer* printer = nullptr;
  char decimaalTeken = ',';
};

}  // namespace valdero
