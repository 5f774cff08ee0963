#include "model/core/Klok.h"

#include <chrono>
#include <ctime>

#include "model/core/Datum.h"

namespace valdero {

double SysteemKlok::Nu() const {
  const std::time_t t = std::time(nullptr);
  std::tm lokaal{};
  localtime_r(&t, &lokaal);
  const double dag = MaakDatum(lokaal.tm_year + 1900, lokaal.tm_mon + 1, lokaal.tm_mday);
  const double seconden = lokaal.tm_hour * 3600.0 + lokaal.tm_min * 60.0 + lokaal.tm_sec;
  return dag + seconden / 86400.0;
}

}  // namespace valdero
