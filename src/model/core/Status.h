#pragma once
// What an operation that can fail reports back: nothing for success, else
// the number the error report and IOStatus use. The caller decides what to do
// with it; IOStatus is set from it where a command ends, never behind the
// back of an unrelated call.

#include <cstdint>

namespace valdero {

// The error numbers of the error report; each has its phrase (FoutZin).
enum class FoutNr : std::uint16_t {
  Geen = 0,
  BestaatNiet = 1,
  VerkeerdFormaat = 2,
  FoutiefAantalCoden = 3,
  GeenGeldigeDatum = 4,
  GeenGeldigBedrag = 5,
  FoutInKasValueLijst = 6,
  InlezenMislukt = 7,
  WegschrijvenMislukt = 8,
  BestaatAl = 9,
  FoutiefScheidingsteken = 10,
  TeGroot = 11,
  GeenVelden = 12,
};

// The hints that follow the phrase in the error report.
enum class HintNr : std::uint16_t {
  FoutInVeld = 0,
  ControleerBestandNaam = 1,
  MaakEerstNieuw = 2,
  FilenaamMetJaartal = 3,
  GebruikTransacties = 4,
  GebruikBudget = 5,
  GebruikWijzigen = 6,
  GebruikRekening = 7,
  ProbeerOpnieuw = 8,
  CorrigeerValuta = 9,
  GebruikExtra = 10,
  ControleerLayout = 11,
  CorrigeerBedrag = 12,
  CorrigeerRekening = 13,
  CorrigeerGetal = 14,
  CorrigeerAfschrift = 15,
};

// The sections of the book and configuration files, as a failed load or
// save reports them in IOStatus.
enum class Sectie : std::uint16_t {
  Geen = 0,
  Rekeningen = 1,
  Groepen = 2,
  Transacties = 3,
  Configuratie = 4,
  Relaties = 5,
};

// An error number and a section number are different things that both end
// up as a number in IOStatus: a status knows which of the two it carries, so
// the configuration section (4) never equals an invalid date (4).
class [[nodiscard]] Status {
 public:
  constexpr Status() = default;
  constexpr Status(FoutNr fout) : Status(Soort::Fout, static_cast<std::uint16_t>(fout)) {}
  constexpr Status(Sectie sectie) : Status(Soort::Sectie, static_cast<std::uint16_t>(sectie)) {}
  // A numbered step of a file's reading or writing that has no name of its
  // own (the configuration's array checks).
  static constexpr Status Stap(std::uint16_t nummer) { return Status(Soort::Stap, nummer); }

  constexpr bool Gelukt() const { return nummer_ == 0; }
  // The number IOStatus and the reports show.
  constexpr std::uint16_t Nummer() const { return nummer_; }
  // The first failure of two steps.
  constexpr Status En(Status volgende) const { return Gelukt() ? volgende : *this; }

  friend constexpr bool operator==(Status a, Status b) = default;

 private:
  enum class Soort : std::uint8_t { Geen, Fout, Sectie, Stap };
  // Success is one value, whatever kind of number said it.
  constexpr Status(Soort soort, std::uint16_t nummer)
      : soort_(nummer == 0 ? Soort::Geen : soort), nummer_(nummer) {}

  Soort soort_ = Soort::Geen;
  std::uint16_t nummer_ = 0;
};

}  // namespace valdero
