#pragma once
// A small streaming JSON writer. Numbers are written so that they read back
// exactly (shortest round trip); text must be UTF-8 and is escaped, invalid
// bytes becoming U+FFFD. The top levels are laid out one item a line so that
// a dump can be read and compared line by line.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace valdero::cli {

class JsonSchrijver {
 public:
  // Objects and lists nested deeper than `uitgevouwen` levels stay on one line.
  explicit JsonSchrijver(std::string& uit, int uitgevouwen = 2);

  void BeginObject();
  void EindObject();
  void BeginLijst();
  void EindLijst();
  void Sleutel(std::string_view sleutel);

  void Tekst(std::string_view tekst);
  void Getal(double waarde);
  void Getal(float waarde);
  void Geheel(std::int64_t waarde);
  void Waarheid(bool waarde);
  void Null();
  // For a value the caller writes itself, whole and valid (a record of a
  // large list, laid out in one go): the separator and layout before it are
  // written, and the text to append it to is handed out.
  std::string& Waarde();

  // Sleutel followed by the value.
  void Veld(std::string_view sleutel, std::string_view tekst) { Sleutel(sleutel); Tekst(tekst); }
  void Veld(std::string_view sleutel, const char* tekst) { Sleutel(sleutel); Tekst(tekst); }
  void Veld(std::string_view sleutel, const std::string& tekst) { Sleutel(sleutel); Tekst(tekst); }
  void Veld(std::string_view sleutel, double waarde) { Sleutel(sleutel); Getal(waarde); }
  void Veld(std::string_view sleutel, float waarde) { Sleutel(sleutel); Getal(waarde); }
  void Veld(std::string_view sleutel, int waarde) { Sleutel(sleutel); Geheel(waarde); }
  void Veld(std::string_view sleutel, bool waarde) { Sleutel(sleutel); Waarheid(waarde); }
  // Sleutel followed by a list of the texts.
  template <class Teksten>
  void TekstLijst(std::string_view sleutel, const Teksten& teksten) {
    Sleutel(sleutel);
    BeginLijst();
    for (const auto& tekst : teksten) Tekst(tekst);
    EindLijst();
  }

 private:
  struct Niveau {
    bool object;
    int aantal;
  };
  void VoorWaarde();
  void Open(char teken, bool object);
  void Sluit(char teken);
  void NieuweRegel(std::size_t diepte);

  std::string& uit_;
  int uitgevouwen_;
  std::vector<Niveau> niveaus_;
  bool naSleutel_ = false;
};

// Numbers as Getal and Geheel write them, appended to `uit`.
void VoegJsonGetalToe(std::string& uit, double waarde);
void VoegJsonGetalToe(std::string& uit, float waarde);
void VoegJsonGeheelToe(std::string& uit, std::int64_t waarde);

// The text as a JSON string literal, quotes included.
std::string JsonTekst(std::string_view tekst);
// The same appended to `uit`, without a string of its own.
void VoegJsonTekstToe(std::string& uit, std::string_view tekst);

}  // namespace valdero::cli
