#pragma once
// The bank layouts the import reads, the menu tags that choose them (the tag
// modulo 10 is the layout) and what each tag proposes as file.

#include <string>

namespace valdero {

namespace bankformaat {
constexpr int Rabobank = 0;
constexpr int Girotel = 1;
constexpr int AbnAmro = 2;
constexpr int Sns = 3;
constexpr int Ing1 = 4;
constexpr int IngDatum = 5;  // "ING (dd-mm-jjjj)"
constexpr int Camt053 = 6;
constexpr int Mt940 = 7;
constexpr int RaboCsv = 8;
constexpr int IngCsv = 9;
// History from other bookkeeping programs: their menu tags are their numbers.
constexpr int Qif = 20;
constexpr int Ofx = 21;
}  // namespace bankformaat

// The "&Automatisch" entry: the layout is recognised from the file's content.
inline constexpr int kAutomatischTag = 99;

// Tags 10 to 19 choose the layouts 0 to 9 again (the "&Keuze" entries).
inline int FormaatVanTag(int tag) { return tag >= bankformaat::Qif && tag != kAutomatischTag ? tag : tag % 10; }

// The file that a tag opens without asking when it lies in the current folder;
// empty when the tag always asks.
std::string StandaardBankBestand(int tag);
// The open dialog's filter for a tag; empty when the tag leaves it as it was.
std::string BankBestandFilter(int tag);
inline constexpr const char* kBeginFilter = "Mutatiefile |*.txt; *.TXT|*.TAB|Alle files|*.*";

// The layout's name as the messages say it.
std::string FormaatNaam(int formaat);

}  // namespace valdero
