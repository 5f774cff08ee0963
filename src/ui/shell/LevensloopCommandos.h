#pragma once
// The life cycle of the open book as the main window starts it: New, Open,
// Save, Save as, the restore points, the password, the encryption and the
// start date. They run on the main window's book and load it again
// themselves where a reload is due. The shell's wiring implements it
// (`LevensloopKoppeling`); a command that is not `Heeft` leaves its entry
// disabled.

namespace valdero {

class LevensloopCommandos {
 public:
  enum class Commando {
    Nieuw,
    Open,
    Bewaren,
    BewaarAls,
    Herstelpunt,
    ZetWachtwoord,
    Versleutelen,
    VersleutelingOpheffen,
    ControleerWachtwoord,
    StartDatum,
  };

  virtual ~LevensloopCommandos() = default;
  virtual bool Heeft(Commando commando) const = 0;

  virtual void Nieuw() = 0;
  virtual void Open() = 0;
  virtual void Bewaren() = 0;
  virtual void BewaarAls() = 0;
  virtual void Herstelpunt() = 0;  // "Herstel&punt terugzetten..."
  virtual void ZetWachtwoord() = 0;
  virtual void Versleutelen() = 0;           // "Versleutelen..."
  virtual void VersleutelingOpheffen() = 0;  // "Versleuteling opheffen"
  // The check after a load; false when access was refused.
  virtual bool ControleerWachtwoord() = 0;
  // "Ok" of the start-date panel with the chosen day number.
  virtual void StartDatumOk(double datum) = 0;
};

}  // namespace valdero
