#pragma once
// The selection dialog's model: what it lists for a report or chart kind
// (classes, relations or account kinds, with the period choices) and how
// "&Ok" turns the ticked items into the shared ReportSelection.

#include <string>
#include <vector>

namespace valdero {

class Kasboek;
struct ReportSelection;

enum class SelectieModus { Klassen, Relaties, Soorten };

struct SelectieInhoud {
  SelectieModus modus = SelectieModus::Klassen;
  std::string kader;                    // "Klassen", "Relaties ", "Rekening Typen"
  std::vector<std::string> instructie;  // the four lines beside the list
  std::vector<std::string> items;       // the lines of the list, each with a check box
  std::vector<std::string> waarden;     // what a ticked item puts in its slot
  std::vector<std::string> perioden;    // the period choices
  bool periodeZichtbaar = true;
  int lijstHoogte = 305;
};

// The mode of a kind: classes (10 to 15, 25, 110 to 115), relations (16 to
// 19) or account kinds (32, 132).
SelectieModus ModusVoor(int soort);

// Fills the dialog for a kind. The relations are the distinct names of the
// transactions (two names are one when their first 20 characters agree; the
// first one met names it), sorted, without the empty name.
SelectieInhoud VulSelectie(const Kasboek& kb, int soort);

// "&Ok": `aangevinkt` holds one flag per item, `periode` the chosen period
// item (-1 for none). Fills the selection and returns an empty text, or
// returns the message that keeps the dialog open when nothing was ticked
// ("Kies minstens één klasse", ...); the selection is then unchanged.
std::string BevestigSelectie(const Kasboek& kb, const SelectieInhoud& inhoud, const std::vector<bool>& aangevinkt,
                             int periode, ReportSelection& selectie);

}  // namespace valdero
