#pragma once
// The printer as the program sees it: measuring, pages, text and lines in
// printer pixels. A printer pixel is 1/600 inch on every printer, whatever
// its own resolution: the margins and line height kept in a configuration
// then mean the same on the next printer, the PDF and the preview. The
// desktop program wraps the platform's printer; tests and the command-line
// tool use a fixed one (or none).

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
  // False when the document did not reach the printer or the file (a print
  // service that is down, a file that could not be written).
  virtual bool EindDocument() = 0;
  virtual void Tekst(int x, int y, const std::string& tekst) = 0;
  virtual void Lijn(int x1, int y1, int x2, int y2) = 0;
  // A picture (the bytes of a PNG file) scaled into the rectangle; charts
  // print this way. A printer that cannot draw pictures leaves it out.
  virtual void Afbeelding(int x, int y, int breedte, int hoogte, const std::string& png) {
    static_cast<void>(x), static_cast<void>(y), static_cast<void>(breedte), static_cast<void>(hoogte),
        static_cast<void>(png);
  }
};

inline constexpr int kPrinterPixelsPerInch = 600;

// A printer of fixed measures that prints nowhere: what the program uses where
// no printer is installed. At 600 pixels per inch, on A4, a point is 600/72
// pixels; a sans-serif font is about 1.15 times its size high and its
// average character about half its size wide.
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
  int TekstHoogte(const std::string& tekst) const override;
  int PaginaBreedte() const override { return liggend_ ? 7016 : 4961; }
  int PaginaHoogte() const override { return liggend_ ? 4961 : 7016; }
  bool BeginDocument(const std::string&) override { return true; }
  void NieuwePagina() override {}
  bool EindDocument() override { return true; }
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
