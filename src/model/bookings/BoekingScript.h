#pragma once
// One booking driven without a window, the way a user would make it: start
// the mode fresh, pick the given rows, press Enter in every field the mode
// shows (with the given text or what the field shows), then "Bewaar". The
// command-line tool's "boek" command is this plus option parsing and output.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/bookings/BoekingModel.h"

namespace valdero {

struct BoekOpdracht {
  int modus = 1;
  std::vector<int> indexen;  // picked list positions, for the modes that pick
  bool kopie = false;        // picked with the copy button
  // veld=tekst: rekening, volgnr, blad, groep, actie, datum, tegenrek,
  // relatie, volgnr2, blad2, munt, koers, aantal, prijs, bedrag,
  // omschrijving; opm=1 ticks the own-remark box, btw=0/1 sets the VAT box.
  std::vector<std::pair<std::string, std::string>> velden;
};

// The field tag of a field name; 0 when unknown.
int VeldTag(const std::string& naam);

// Runs the booking on the open book; the questions are answered by the
// book's message port. Returns an error text for an unusable order (an
// unknown field name), else nothing.
std::optional<std::string> VoerBoekingUit(Kasboek& kb, const BoekOpdracht& opdracht,
                                          BoekBewaarder bewaar);

}  // namespace valdero
