#pragma once
// The account or group a report or chart command is about, as the position
// the windows pass on: --rekening NR or --groep KODE (the group wins when
// both are given, as in the windows, where the last choice counts).

#include <optional>
#include <ostream>
#include <string>

#include "app/cli/Opdrachten.h"
#include "app/cli/Opties.h"
#include "model/core/Kasboek.h"

namespace valdero::cli {

// What `rapport` and `grafiek` share of the window's selection panel and
// period panel, and where they print.
struct SelectieOpties {
  std::optional<int> rekening, periode;
  std::optional<std::string> groep, klassen, soorten, pdf;
  // Declares --rekening, --periode, --groep, --klassen, --soorten and --pdf.
  void Declareer(OptieLezer& lezer);
  // With --pdf: the printing, loaded before the book, so that a tool that
  // cannot print says so at once. False after saying so.
  bool LaadAfdrukker(Omgeving& omgeving, std::string_view opdracht, PdfAfdrukker& afdrukker) const;
};

// The position, 0 for neither; nothing, with the reason on `fout`, when the
// account or group does not exist.
std::optional<int> KeuzeIndex(const Kasboek& kb, std::optional<int> rekNr, const std::string* groep,
                              std::ostream& fout);

}  // namespace valdero::cli
