#pragma once
// Today's date and the time of day, injectable so that tests and the
// command-line tool can fix them.

namespace valdero {

class Klok {
 public:
  virtual ~Klok() = default;
  // The current moment as a TDateTime: days since 30-12-1899, fraction = time.
  virtual double Nu() const = 0;
};

class SysteemKlok : public Klok {
 public:
  double Nu() const override;
};

class VasteKlok : public Klok {
 public:
  explicit VasteKlok(double moment) : moment_(moment) {}
  double Nu() const override { return moment_; }
  void Zet(double moment) { moment_ = moment; }

 private:
  double moment_;
};

}  // namespace valdero
