#pragma once

// A day number of the book as the date Qt's date widgets show.

#include <QDate>

#include "model/core/Datum.h"

namespace valdero {

inline QDate AlsQDate(double datum) {
  const DatumDelen d = SplitsDatum(datum);
  return QDate(d.jaar, d.maand, d.dag);
}

}  // namespace valdero
