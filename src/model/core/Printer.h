#pragma once
// The printer as the program sees it: measuring, pages, text and lines in
// printer pixels. The desktop program wraps the platform's printer; tests and
// the command-line tool use a fixed one (or none).

#include <string>
#include <vector>

namespace valdero {

class Printer {
 public:
  virtual ~Printer() = default;

  virtual std::vector<std::string> Printers() const = 0;
  virtual void KiesPrinter(int index) = 0;  // -1: the default printer
  virtual void ZetLiggend(bool liggend) = 0;

  virtual void ZetFont(const std::string& naam, int grootte, bool vet = false) = 0;
  virtual std::string FontNaam() const = 0;
  virtual int FontGrootte() const = 0;
  virtual int TekstBreedte(const std::string& tekst) const = 0;
  virtual int TekstHoogte(const std::string& tekst) const = 0;
  virtual int PaginaBreedte() const = 0;
  virtual int PaginaHoogte() const = 0;

  virtual bool BeginDocument(const std::string& titel) = 0;
  virtual void NieuwePagina() = 0;
  virtual void EindDocument() = 0;
  virtual void Tekst(int x, int y, const std::string& tekst) = 0;
  virtual void Lijn(int x1, int y1, int x2, int y2) = 0;
  // A picture (the bytes of a PNG file) scaled into the rectangle; charts
  // print this way. A printer that cannot draw pictures leaves it out.
  virtual void Afbeelding(int x, int y, int breedte, int hoogte, const std::string& png) {
    static_cast<void>(x), static_cast<void>(y), static_cast<void>(breedte), static_cast<void>(hoogte),
        static_cast<void>(png);
  }
};

// A printer of fixed measures that prints nowhere: what the program uses where
// no printer is installed. At 600 pixels per inch, on A4, a 10-point font is
// about 83 pixels high; the measures follow those proportions.
class VastePrinter : public Printer {
 public:
  std::vector<std::string> Printers() const override { return {"Geen printer"}; }
  void KiesPrinter(int) override {}
  void ZetLiggend(bool liggend) override { liggend_ = liggend; }
  void ZetFont(const std::string& naam, int grootte, bool) override {
    fontNaam_ = naam;
    fontGrootte_ = grootte;
  }
  std::string FontNaam() const override { return fontNaam_; }
  int FontGrootte() const override { return fontGrootte_; }
  int TekstBreedte(const std::string& tekst) const override;
  int TekstHoogte(const std::string&) const override { return fontGrootte_ * 4; }
  int PaginaBreedte() const override { return liggend_ ? 7016 : 4961; }
  int PaginaHoogte() const override { return liggend_ ? 4961 : 7016; }
  bool BeginDocument(const std::string&) override { return true; }
  void NieuwePagina() override {}
  void EindDocument() override {}
  void Tekst(int, int, const std::string&) override {}
  void Lijn(int, int, int, int) override {}

 private:
  std::string fontNaam_ = "MS Sans Serif";
  int fontGrootte_ = 10;
  bool liggend_ = false;
};

// The printer port of a machine without any printer: it measures as the
// fixed printer does, lists no printer, and every document fails to start.
class GeenPrinter : public VastePrinter {
 public:
  std::vector<std::string> Printers() const override { return {}; }
  bool BeginDocument(const std::string&) override { return false; }
};

}  // namespace valdero
