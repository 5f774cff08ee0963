#pragma once
// The series of every chart kind, computed once from the open book: the
// line charts walk the transactions once, the budget and balance charts read
// one cell of the balance matrix per group or account.

#include <string>

#include "model/charts/Grafiek.h"

namespace valdero {

class Kasboek;
struct ReportSelection;

// The chart of the kind. `index` is the account position (kind 101), the
// group position (kind 105) or 0. The date error of the line charts and
// "Fout in Chart" of the budget chart go through the book's message port; an
// index that names no account or group gives a chart without points.
Grafiek BouwGrafiek(Kasboek& kb, const ReportSelection& selectie, int soort, int index);

// The date axis of the line charts: from the first to the last transaction
// date, labels at least 30 days apart and never more than 14 of them, so a
// year shows its months and ten years stay readable; a single day still
// spans one step. Dates of 0 (no date at all) are left out.
GrafiekAs DatumAs(const Kasboek& kb);

// "Geen records voor deze rekening" (or "groep", "klasse") when a line chart
// ends on a running total of 0; empty otherwise.
std::string LeegMelding(const Grafiek& grafiek);

}  // namespace valdero
