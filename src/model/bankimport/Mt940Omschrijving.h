#pragma once
// The description field (":86:") of an MT940 transaction in the forms the
// banks write it: the structured /KEY/ form (ABN AMRO, ING, Rabobank, Knab),
// the account-and-name first line of de Volksbank (SNS, ASN, RegioBank), the
// labelled form ("IBAN: ... NAAM: ..." of ABN AMRO, "REK: .../NAAM: ..." of
// Knab), numbered subfields ("?20".."?63" of German banks, ">20".. of
// Triodos) and plain text.

#include <string>
#include <vector>

namespace valdero {

struct Mt940Tekst {
  std::string soort;          // the transaction kind in words, when the text names it
  std::string tegenRekening;  // the counter account as written
  std::string naam;           // the counter party
  std::string omschrijving;   // the payment text, or the payment reference
};

// `blokken` holds one entry per ":86:" tag of the transaction, each with its
// lines (the first without the tag).
Mt940Tekst LeesMt940Omschrijving(const std::vector<std::vector<std::string>>& blokken);

// The labelled form on its own ("Naam: ... Omschrijving: ... IBAN: ..."), as
// ING's CSV export writes it too; lines of `tekst` are kept apart by LF.
bool HeeftBankLabels(const std::string& tekst);
Mt940Tekst LeesBankLabels(const std::string& tekst);

// Whether a word is an account number: an IBAN, or a Dutch account of 7 to
// 10 digits (dots allowed, "P" before a giro number).
bool LijktOpRekeningWoord(const std::string& woord);

// Runs of blanks become one blank; blanks at both ends go.
std::string EnkeleSpaties(const std::string& tekst);

}  // namespace valdero
