#pragma once
// The owner's six lines of personal data, kept in the configuration record
// and printed above overviews when the print option "Eigenaar" is on.

#include <array>
#include <string>
#include <vector>

namespace valdero {

class Kasboek;

inline constexpr int kPersoonsRegels = 6;
inline constexpr int kPersoonsLengte = 24;

// "Naam", "Adres", "Postcode", "Plaats", "Telefoon", "Sofi Nr.".
const std::array<std::string, kPersoonsRegels>& PersoonsLabels();

// What the dialog shows: the six strings of the configuration.
std::array<std::string, kPersoonsRegels> LeesPersoonsdata(const Kasboek& kb);
// The dialog's "OK": each text, cut to 24 characters, into its string.
void BewaarPersoonsdata(Kasboek& kb, const std::array<std::string, kPersoonsRegels>& velden);

// The lines that head a printed overview: the non-empty personal-data lines
// in their order when "Eigenaar" (Config.Vlaggen bit 3) is on, otherwise none.
std::vector<std::string> EigenaarRegels(const Kasboek& kb);

}  // namespace valdero
