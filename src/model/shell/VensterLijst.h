#pragma once
// The list of open windows under the main window's "Bee&ld" menu: each
// visible window registers with its number when it opens and unregisters when
// it closes.

#include <string>
#include <vector>

namespace valdero {

class Kasboek;

// The VAT overview's number: a window of its own beside the overviews (5).
inline constexpr int kBtwVenster = 11;

struct VensterRegel {
  int nummer;
  std::string naam;  // the window's caption
  std::string hint;
};

// The hint of a window number ("" for an unknown number).
const std::string& VensterHint(int nummer);

class VensterLijst {
 public:
  // Appends an entry for a visible window; an invisible one is not listed,
  // nor one that is listed already.
  void Registreer(int nummer, const std::string& naam, bool zichtbaar);
  // Removes the entry of the number; "Venster al gesloten" when none is
  // listed. The main window's own entry (the first) is never removed.
  void MeldAf(Kasboek& kb, int nummer);

  bool Geregistreerd(int nummer) const;
  const std::vector<VensterRegel>& Regels() const { return regels_; }

 private:
  std::vector<VensterRegel> regels_;
};

}  // namespace valdero
