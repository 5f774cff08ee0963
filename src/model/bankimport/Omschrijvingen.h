#pragma once
// The structured descriptions banks write today ("/TRTP/SEPA OVERBOEKING
// /IBAN/NL12ABNA0123456789/NAME/J JANSEN/REMI/Factuur 12/") and the
// two-letter action code of a transaction family.

#include <string>

namespace valdero {

struct GestructureerdeTekst {
  bool gestructureerd = false;  // the text was of the /KEY/value form
  std::string soort;            // TRTP
  std::string naam;             // NAME of the counter party, or the third part of CNTP
  std::string iban;             // IBAN, or the first part of CNTP
  std::string omschrijving;     // REMI: the free text, or the payment reference
  std::string kenmerk;          // the payment reference of a structured REMI
};

// Splits at the keys the banks' guides define (/TRTP/, /CNTP/, /REMI/,
// /EREF/, /NAME/, /IBAN/ ...); a slash inside a value is part of the value.
// A text that does not start with such a key is no structured text.
GestructureerdeTekst LeesGestructureerd(const std::string& tekst);

// Whether the text starts with one of those keys.
bool BegintMetSleutel(const std::string& tekst);

// The action code of a transaction family described in words or codes:
// credit transfer "OV", direct debit "IC", card payment "BA", cash
// withdrawal "GA", interest "RE", anything else "DV".
std::string ActieKodeVanSoort(const std::string& soort);

// The same for a CAMT.053 bank transaction code (family and sub-family).
std::string ActieKodeVanCamt(const std::string& familie, const std::string& subFamilie);

}  // namespace valdero
