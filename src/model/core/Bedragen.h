#pragma once
// Amounts are kept in the base currency and shown and typed in the display
// currency (HulpMunt). Typed numbers tolerate the other decimal separator.

#include <optional>
#include <string>

namespace valdero {

class Kasboek;

// Today as dd-mm-yyyy.
std::string Vandaag(const Kasboek& kb);
int DagenInJaar(int jaar);

// Base amount in the display currency, two decimals, no thousands separators.
std::string BedragTekst(Kasboek& kb, double bedrag);
std::string BedragTekstIn(Kasboek& kb, int munt, double bedrag);
// Fixed notation with the given decimals and the book's decimal separator.
std::string GetalTekst(const Kasboek& kb, double getal, int decimalen);

// Reads a typed amount in the display currency and returns it in the base
// currency; the text is normalised in place (with the warning about a changed
// separator when asked). An empty text is 0. A text that is no number gives
// nothing and no report: the caller decides what it means and shows
// MeldGeenGetal where the user must hear of it.
[[nodiscard]] std::optional<double> LeesBedrag(Kasboek& kb, std::string& tekst, bool waarschuw);
[[nodiscard]] std::optional<double> LeesGetal(Kasboek& kb, std::string& tekst);
// For share counts, prices and rates: also an empty text gives nothing, and
// so does a number beyond four bytes.
[[nodiscard]] std::optional<float> LeesGetal4(Kasboek& kb, std::string& tekst);
// The error report of a text that gave no number: "Bedrag="leeg"" for an
// empty text, else "Getal " + text + " is geen geldig bedrag".
void MeldGeenGetal(Kasboek& kb, const std::string& tekst);

// Completes a half-typed date (7, 0703, 070308, 07032008, 7-3) and writes it
// back as d-m-yyyy. Returns false after reporting a text that is no date; an
// empty text is left alone and accepted.
bool DatumAanvullen(Kasboek& kb, std::string& tekst);

}  // namespace valdero
