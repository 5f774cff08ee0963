#pragma once
// An open book that owns its ports: scripted messages, a clock that stands
// still, a fixed decimal separator, the printer of fixed measures, the
// operating system's files and no progress. What the command-line tool, the
// tests and the benchmarks work on; the desktop program gives its book the
// real dialogs, the system clock, the machine's notation, the platform's
// printer and a progress bar instead.

#include "model/core/Getalnotatie.h"
#include "model/core/Kasboek.h"
#include "model/core/Klok.h"
#include "model/core/Printer.h"
#include "model/core/ScriptBerichten.h"
#include "model/core/SysteemBestanden.h"
#include "model/core/Voortgang.h"

namespace valdero {

class BoekMetPoorten {
 public:
  // `nu`: the moment the clock shows, as a TDateTime.
  explicit BoekMetPoorten(double nu, char decimaalTeken = ',')
      : klok(nu),
        getalnotatie(decimaalTeken),
        kb(Poorten{berichten, klok, getalnotatie, printer, bestanden, voortgang}) {}
  // The book points at its ports; a copy would point at another's.
  BoekMetPoorten(const BoekMetPoorten&) = delete;
  BoekMetPoorten& operator=(const BoekMetPoorten&) = delete;

  ScriptBerichten berichten;
  VasteKlok klok;
  VasteGetalnotatie getalnotatie;
  VastePrinter printer;
  SysteemBestanden bestanden;
  GeenVoortgang voortgang;
  Kasboek kb;
};

}  // namespace valdero
