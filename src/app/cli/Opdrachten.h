#pragma once
// The commands of the command-line tool. Adding a command: write its
// function in a file of its own and add one line to the table in
// Opdrachten.cpp.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <optional>
#include <string_view>
#include <vector>

namespace valdero {
class Bestandssysteem;
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
// Done and written, but the disk did not confirm a file it wrote (the
// folder's flush after the rename failed): the change is in the file, so a
// script must not do it again; it may want to check the disk.
inline constexpr int kOnbevestigd = 3;

// Reads a password from the user's terminal without showing it; none when
// there is no terminal.
using WachtwoordLezer = std::function<std::optional<std::string>(const std::string& vraag)>;

// Draws a chart as the bytes of a PNG file with the book's decimal
// separator; true when it was drawn. The command writes the file.
using GrafiekTekenaar = std::function<bool(const Grafiek&, char decimaalTeken, std::string& png)>;

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
  // Where a protected book's password is asked when no --wachtwoord-bestand
  // names it; none: there is nobody to ask.
  WachtwoordLezer leesWachtwoord = {};
  // The books' file-system port (none: the system's); a test fails its steps.
  Bestandssysteem* bestanden = nullptr;
  PdfAfdrukkerLader laadPdf = {};  // none: this valdero-cli cannot print
  // A file was written that the disk did not confirm: the command ends
  // with kOnbevestigd instead of kGelukt.
  bool onbevestigd = false;
};

struct Opdracht {
  std::string_view naam;
  std::string_view gebruik;  // the usage lines of the command, Dutch
  int (*voerUit)(Omgeving& omgeving);
};

const std::vector<Opdracht>& Opdrachten();

// Runs the command named by the first argument; the usage text goes to the
// error stream when there is none or it is unknown. Output that could not
// be written (a full disk, a closed pipe) ends the command with kMislukt
// and a message on the error stream, whatever the command itself came to.
int VoerUit(const std::vector<std::string>& args, const std::filesystem::path& map,
            std::ostream& uit, std::ostream& fout, GrafiekTekenaarLader laadTekenaar = {},
            Voortgang* voortgang = nullptr, WachtwoordLezer leesWachtwoord = {},
            Bestandssysteem* bestanden = nullptr, PdfAfdrukkerLader laadPdf = {});
// The same with the drawing at hand (or none).
int VoerUit(const std::vector<std::string>& args, const std::filesystem::path& map,
            std::ostream& uit, std::ostream& fout, GrafiekTekenaar tekenaar, Voortgang* voortgang = nullptr,
            WachtwoordLezer leesWachtwoord = {});

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
int VersleutelOpdracht(Omgeving& omgeving);
int OntsleutelOpdracht(Omgeving& omgeving);

}  // namespace valdero::cli
