#pragma once
// An open book that owns its ports: scripted messages, a clock that stands
// still and the printer of fixed measures. What the command-line tool, the
// tests and the benchmarks work on; the desktop program gives its book the
// real dialogs, the system clock and the platform's printer instead.

#include "model/core/Kasboek.h"
#include "model/core/Klok.h"
#include "model/core/Printer.h"
#include "model/core/ScriptBerichten.h"

namespace valdero {

class BoekMetPoorten {
 public:
  // `nu`: the moment the clock shows, as a TDateTime.
  explicit BoekMetPoorten(double nu, char decimaalTeken = ',')
      : klok(nu), kb(Poorten{berichten, klok, printer, decimaalTeken}) {}
  // The book points at its ports; a copy would point at another's.
  BoekMetPoorten(const BoekMetPoorten&) = delete;
  BoekMetPoorten& operator=(const BoekMetPoorten&) = delete;

  ScriptBerichten berichten;
  VasteKlok klok;
  VastePrinter printer;
  Kasboek kb;
};

}  // namespace valdero
