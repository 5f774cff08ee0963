#pragma once
// How the user writes numbers: the decimal separator of the machine's
// settings, read once by the program; the command-line tool and the tests
// fix it.

namespace valdero {

class Getalnotatie {
 public:
  virtual ~Getalnotatie() = default;
  // ',' or '.'.
  virtual char DecimaalTeken() const = 0;
};

class VasteGetalnotatie : public Getalnotatie {
 public:
  explicit VasteGetalnotatie(char decimaalTeken = ',') : teken_(decimaalTeken == '.' ? '.' : ',') {}
  char DecimaalTeken() const override { return teken_; }
  void Zet(char decimaalTeken) { teken_ = decimaalTeken == '.' ? '.' : ','; }

 private:
  char teken_;
};

}  // namespace valdero
