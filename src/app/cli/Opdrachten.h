#pragma once
// The commands of the command-line tool. Adding a command: write its
// function in a file of its own and add one line to the table in
// Opdrachten.cpp.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace valdero {
class Kasboek;
class Printer;
class Voortgang;
struct GetoondBericht;
struct Grafiek;
}

namespace valdero::cli {

// Exit codes.
inline constexpr int kGelukt = 0;
inline constexpr int kMislukt = 1;     // the book could not be loaded or saved
inline constexpr int kGebruiksfout = 2;

// Draws a chart into a PNG file with the book's decimal separator; true when
// the file was written.
using GrafiekTekenaar = std::function<bool(const Grafiek&, char decimaalTeken, const std::filesystem::path&)>;

// Hands `grafiek --png` the drawing when it asks for one, so that no other
// command pays for loading it (valdero-cli loads it from a module). Empty
// when there is none, with the reason in Dutch in `waarom`.
using GrafiekTekenaarLader = std::function<GrafiekTekenaar(std::string& waarom)>;

// What `rapport --pdf` and `grafiek --pdf` print with: the printer port of
// the desktop program on a PDF file at the path (none when it cannot be
// made), and a chart drawn as PNG bytes with its width and height.
struct PdfAfdrukker {
  std::function<std::unique_ptr<Printer>(const std::filesystem::path&)> printer;
  std::function<bool(const Grafiek&, char decimaalTeken, std::string& png, int& breedte, int& hoogte)> grafiekPng;
  explicit operator bool() const { return printer && grafiekPng; }
};

// Hands `--pdf` the printing when it asks for it (valdero-cli loads it from
// the chart module). Empty when there is none, with the reason in Dutch in
// `waarom`.
using PdfAfdrukkerLader = std::function<PdfAfdrukker(std::string& waarom)>;

// What a command works with: its arguments (after the command name), the
// folder that relative names are resolved against, and the output streams.
struct Omgeving {
  std::vector<std::string> args;
  std::filesystem::path map;
  std::ostream& uit;
  std::ostream& fout;
  GrafiekTekenaarLader laadTekenaar = {};  // none: this valdero-cli cannot draw
  // Where the books of the command show the progress of long work; none
  // when standard error is no terminal.
  Voortgang* voortgang = nullptr;
  PdfAfdrukkerLader laadPdf = {};  // none: this valdero-cli cannot print
};

struct Opdracht {
  std::string_view naam;
  std::string_view gebruik;  // the usage lines of the command, Dutch
  int (*voerUit)(Omgeving& omgeving);
};

const std::vector<Opdracht>& Opdrachten();

// Runs the command named by the first argument; the usage text goes to the
// error stream when there is none or it is unknown.
int VoerUit(const std::vector<std::string>& args, const std::filesystem::path& map,
            std::ostream& uit, std::ostream& fout, GrafiekTekenaarLader laadTekenaar = {},
            Voortgang* voortgang = nullptr, PdfAfdrukkerLader laadPdf = {});
// The same with the drawing at hand (or none).
int VoerUit(const std::vector<std::string>& args, const std::filesystem::path& map,
            std::ostream& uit, std::ostream& fout, GrafiekTekenaar tekenaar, Voortgang* voortgang = nullptr);

// Reports a usage error of the command on the error stream and returns
// kGebruiksfout.
int Gebruiksfout(Omgeving& omgeving, std::string_view opdracht, const std::string& melding);

// The commands.
int DumpOpdracht(Omgeving& omgeving);
int BewaarOpdracht(Omgeving& omgeving);
int SaldiOpdracht(Omgeving& omgeving);
int VoorbeeldOpdracht(Omgeving& omgeving);
int BoekOpdracht(Omgeving& omgeving);
int RapportOpdracht(Omgeving& omgeving);
int AfschriftOpdracht(Omgeving& omgeving);
int ImporteerOpdracht(Omgeving& omgeving);
int RelatiesOpdracht(Omgeving& omgeving);
int ExporteerOpdracht(Omgeving& omgeving);
int GrafiekOpdracht(Omgeving& omgeving);

}  // namespace valdero::cli
