#pragma once
// Connects the life of a book (New, Open, Save, Save as, the new year, the
// password) to the main window: it is the window's life-cycle commands and
// plays the window's part for them. The dialogs that run the account
// questions and the password are handed in, so tests can answer them through
// the widgets without a modal wait.

#include <memory>

#include "model/accounts/RekeningDialoog.h"
#include "model/lifecycle/Levensloop.h"
#include "ui/shell/LevensloopCommandos.h"

namespace valdero {

class TValdero;
class WachtwoordVoerder;

class LevensloopKoppeling : public LevensloopVenster, public LevensloopCommandos {
 public:
  // Plugs itself into the main window, which must outlive it.
  LevensloopKoppeling(TValdero& hoofd, RekeningDialoogVoerder& rekeningVoerder, WachtwoordVoerder& wachtwoord);
  ~LevensloopKoppeling() override;

  // The account dialog's model, shared with the other callers of New.
  RekeningDialoog& Rekeningen() { return rekeningDialoog_; }
  Levensloop& Commandos() { return levensloop_; }

  void LaadBoek() override;
  void VernieuwHoofdvenster() override;
  void NieuweRekeningGemaakt() override;
  void NieuweGroepenGemaakt() override;
  void ToonStartDatum(double van, double tot) override;
  void WachtwoordToegestaan() override;

  bool Heeft(Commando) const override { return true; }
  void Nieuw() override { levensloop_.NieuwBoek(); }
  void Open() override;
  void Bewaren() override { levensloop_.Bewaren(); }
  void BewaarAls() override;
  void Herstelpunt() override;
  void ZetWachtwoord() override { levensloop_.ZetWachtwoord(); }
  void Versleutelen() override;
  void VersleutelingOpheffen() override;
  bool ControleerWachtwoord() override { return levensloop_.ControleerWachtwoord(); }
  void StartDatumOk(double datum) override { levensloop_.StartDatumOk(datum); }

 private:

  TValdero& hoofd_;
  RekeningDialoog rekeningDialoog_;
  Levensloop levensloop_;
};

}  // namespace valdero
