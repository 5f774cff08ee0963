#pragma once
// The ports an open book talks through: messages and file choices, the clock,
// the user's number notation, the printer, the file system and the progress
// of long work.
//
// One design for all of them (docs/architecture.md, "Ports"): each port is an
// abstract class of model/core; the book holds each as a reference that is
// never empty, and whoever makes the book (the program, the command-line
// tool, a test's BoekMetPoorten) owns the objects behind them. "No printer"
// or "no progress" is an object that does nothing (GeenPrinter,
// GeenVoortgang), never a null pointer. A test exchanges one port for
// another by assigning it: `kb.poorten.bestandssysteem = schijf;`.

#include <functional>

namespace valdero {

class Berichten;
class Bestandssysteem;
class Getalnotatie;
class Klok;
class Printer;
class Voortgang;

struct Poorten {
  std::reference_wrapper<Berichten> berichten;
  std::reference_wrapper<Klok> klok;
  std::reference_wrapper<Getalnotatie> getalnotatie;
  std::reference_wrapper<Printer> printer;
  std::reference_wrapper<Bestandssysteem> bestandssysteem;
  std::reference_wrapper<Voortgang> voortgang;
};

}  // namespace valdero
