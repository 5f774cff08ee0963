#pragma once
// What the main window opens from its menus, tool bars and action panel:
// the other windows of the program and the commands on them. The shell's
// wiring implements it with the windows the program made (`Vensters`); a
// test records what was asked. A window that does not exist is not `Heeft`,
// and the entries and buttons that open it stay disabled.

#include "model/shell/RapportVoorschrift.h"
#include "ui/reports/SelectieAntwoord.h"

class QWidget;

namespace valdero {

class VensterOpeners {
 public:
  enum class Venster {
    Rekeningen,
    Budget,
    Relaties,
    Boeking,
    Rapport,
    Grafiek,
    BtwRapport,
    Exporteren,
    Zoeken,
    Selectie,
    Importeren,
    RekeningBeheer,
    GroepBeheer,
    Opties,
    Persoonsdata,
  };

  virtual ~VensterOpeners() = default;
  virtual bool Heeft(Venster venster) const = 0;

  virtual void OpenRekeningen() = 0;                                      // window 1
  virtual void OpenBudget(int mode, const RapportVoorschrift& voorschrift) = 0;  // windows 2 and 3
  virtual bool OpenRelaties() = 0;  // window 10; true when it holds relations
  virtual void OpenBoeking(int mode) = 0;  // window 4
  // Overviews (window 5) and charts (window 6); keuze is the position of
  // the chosen account or group (0 when the command needs none).
  virtual void OpenRapport(int mode, int keuze, const RapportVoorschrift& voorschrift) = 0;
  virtual void OpenGrafiek(int mode, int keuze, const RapportVoorschrift& voorschrift) = 0;
  virtual void OpenBtwRapport(int rekNr, int aantalRegels) = 0;  // rekNr 0: all paying accounts
  virtual void Exporteer(int rekNr) = 0;                           // window 9; 0: everything
  virtual void OpenZoeken() = 0;
  virtual SelectieAntwoord VraagSelectie(int mode) = 0;
  // The bank import by format number; true when it succeeded (the import
  // then stays blocked until the statement window closes). The statement
  // window's "Mutaties Bewaren als..." goes with it.
  virtual bool Importeer(int formaat) = 0;
  virtual void BewaarMutatiesAls() = 0;
  virtual void OpenRekeningBeheer() = 0;
  virtual void OpenGroepBeheer() = 0;
  virtual void OpenOpties(int pagina) = 0;  // window 7, modal
  virtual void OpenPersoonsdata() = 0;
  // Writes the configuration file after a change of the options bits.
  virtual void SchrijfConfig() = 0;

  // The window behind a window-list number, to focus it from "Bee&ld" and
  // to see whether it is visible when it registers; null when none.
  virtual QWidget* VensterVan(int nummer) const = 0;
};

}  // namespace valdero
