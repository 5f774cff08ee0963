#pragma once
// The points where the other windows and commands plug into the main window.
// Each is empty until its window or command exists; a menu entry or button
// whose hook is empty stays disabled. main.cpp fills them as it creates the
// windows, so a new window needs no edit of the main window's dispatch.

#include <functional>
#include <map>
#include <string>

#include "model/storage/BoekLaden.h"
#include "model/shell/RapportVoorschrift.h"
#include "ui/reports/SelectieAntwoord.h"

class QWidget;

namespace valdero {

class Kasboek;



// The life cycle of the open book: New, Open, Save, Save as, the password and
// the start date. They run on the main window's book and call LaadBoek
// themselves where a reload is due.
struct LevensloopHaken {
  std::function<void()> nieuw;
  std::function<void()> open;
  std::function<void()> bewaren;
  std::function<void()> bewaarAls;
  std::function<void()> herstelpunt;  // "Herstel&punt terugzetten..."
  std::function<void()> zetWachtwoord;
  std::function<void()> versleutelen;           // "Versleutelen..."
  std::function<void()> versleutelingOpheffen;  // "Versleuteling opheffen"
  // The check after a load; false when access was refused.
  std::function<bool()> controleerWachtwoord;
  // "Ok" of the start-date panel with the chosen day number.
  std::function<void(double datum)> startDatumOk;
};

// The windows reached from the menus, tool bars and the action panel.
struct VensterHaken {
  // The model part of loading (the book's file, the file, its configuration);
  // the model's LaadBoek when empty. Tests put a book of their own in place.
  std::function<LaadUitkomst(Kasboek&, bool bijStart, const std::string& argument)> laadBoek;

  std::function<void()> rekeningen;                            // window 1
  std::function<void(int mode, const RapportVoorschrift&)> budget;  // windows 2 and 3
  std::function<bool()> relaties;                              // window 10; true when it holds relations
  std::function<void(int mode)> boeking;                       // window 4
  // Overviews (window 5) and charts (window 6); keuze is the position of the
  // chosen account or group (0 when the command needs none).
  std::function<void(int mode, int keuze, const RapportVoorschrift&)> overzicht;
  std::function<void(int mode, int keuze, const RapportVoorschrift&)> grafiek;
  std::function<void(int rekNr, int aantalRegels)> btwOverzicht;  // rekNr 0: all paying accounts
  std::function<void(int rekNr)> exporteren;                   // window 9; 0: everything
  std::function<void()> zoeken;
  std::function<SelectieAntwoord(int mode)> selectieDialoog;
  // The bank import by format number; true when it succeeded (the import
  // then stays blocked until the statement window closes).
  std::function<bool(int formaat)> importeren;
  std::function<void()> mutatiesBewarenAls;
  std::function<void()> rekeningBeheer;
  std::function<void()> groepBeheer;
  std::function<void(int pagina)> opties;                      // window 7, modal
  std::function<void()> persoonsdata;
  // Writes the configuration file after a change of the options bits.
  std::function<void()> schrijfConfig;

  // The window behind each window-list number, to focus it from "Bee&ld"
  // and to see whether it is visible when it registers.
  std::map<int, QWidget*> perNummer;
};

}  // namespace valdero
