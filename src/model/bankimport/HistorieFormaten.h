#pragma once
// The readers of history brought along from other bookkeeping programs: QIF
// (the Bank, CCard and Cash sections) and OFX bank and card statements, in
// the SGML of version 1 and the XML of version 2.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace valdero {

class BankLezer;

const BankLezer& QifLezerInstantie();
const BankLezer& OfxLezerInstantie();

// The order of day and month in a QIF file's dates. Programs write them as
// their country does, so the order is decided once per file from all its
// dates: a first part above 12 is a day, a second part above 12 is a day;
// the apostrophe before the year ("1/31'24") is the American form; without
// any sign the Dutch order is taken.
enum class QifVolgorde { DagMaand, MaandDag };
QifVolgorde QifDatumVolgorde(const std::vector<std::string>& datums);
// A QIF date in the order of its file; nothing when it is no date. A year
// of two digits is 19yy before the apostrophe's 2000s, and the four-digit
// year-first form (2024-01-31) needs no order.
std::optional<double> QifDatum(std::string_view tekst, QifVolgorde volgorde);
// A QIF amount as text with a decimal point: thousands separators dropped,
// the last of "," and "." taken as the decimal sign when it has one or two
// digits behind it.
std::string QifBedrag(std::string_view tekst);

// OFX 1 is SGML: a field's end tag may be left out. The result is the same
// document as XML (every field closed, a bare "&" escaped, the header lines
// before <OFX> dropped), for the XML reader.
std::string OfxAlsXml(std::string_view tekst);

}  // namespace valdero
