#pragma once
// The platform's printer behind the program's printer port. The port counts
// in printer pixels of 1/600 inch whatever the printer's own resolution, so
// the margins and line heights stored in a configuration fit every printer,
// the preview and a PDF; text is measured with the font at the printer's
// real resolution. Where no printer is installed, the measures are the fixed
// ones of VastePrinter and a document cannot begin.

#include <QFont>
#include <memory>

#include "model/core/Printer.h"

class QPainter;
class QPrinter;
class QString;

namespace valdero {

class QtPrinter : public Printer {
 public:
  // The system's default printer, or none when the system has none. Its
  // printouts are shown in the print preview first.
  QtPrinter();
  // Prints straight on the given printer (a PDF file, for instance),
  // whatever the system has installed.
  explicit QtPrinter(std::unique_ptr<QPrinter> printer);
  ~QtPrinter() override;

  // Whether "Afdrukken" shows the preview first (the system's printer) or
  // prints straight away (a printer the caller chose).
  bool MetVoorbeeld() const { return metVoorbeeld_; }
  // A printer set up as this port would print with `index` (-1: the
  // default) in the given orientation; a PDF file where there is no printer.
  std::unique_ptr<QPrinter> MaakVoorbeeldPrinter(int index, bool liggend) const;

  // While it lives, everything is measured on and drawn to `doel` (the
  // preview's printer, or the PDF the user saves from it), whose printer and
  // orientation were chosen there and are left as they are.
  class Omleiding {
   public:
    Omleiding(QtPrinter& printer, QPrinter& doel);
    ~Omleiding();
    Omleiding(const Omleiding&) = delete;
    Omleiding& operator=(const Omleiding&) = delete;

   private:
    QtPrinter& printer_;
    QPrinter* vorige_;
  };

  std::vector<std::string> Printers() const override;
  void KiesPrinter(int index) override;
  void ZetLiggend(bool liggend) override;

  void ZetFont(const std::string& naam, int grootte, bool vet = false) override;
  std::string FontNaam() const override;
  int FontGrootte() const override;
  int TekstBreedte(const std::string& tekst) const override;
  int TekstHoogte(const std::string& tekst) const override;
  int PaginaBreedte() const override;
  int PaginaHoogte() const override;

  bool BeginDocument(const std::string& titel) override;
  void NieuwePagina() override;
  bool EindDocument() override;
  void Tekst(int x, int y, const std::string& tekst) override;
  void Lijn(int x1, int y1, int x2, int y2) override;
  void Afbeelding(int x, int y, int breedte, int hoogte, const std::string& png) override;

 private:
  QPrinter* Doel() const { return omgeleid_ ? omgeleid_ : printer_.get(); }
  // Device pixels per printer pixel of the printer drawn on.
  double Schaal() const;

  std::unique_ptr<QPrinter> printer_;  // null: no printer installed
  QPrinter* omgeleid_ = nullptr;       // the preview's printer, while it draws
  std::unique_ptr<QPainter> painter_;  // while a document is open
  bool metVoorbeeld_ = false;
  VastePrinter vast_;
  std::string fontNaam_ = "MS Sans Serif";
  int fontGrootte_ = 10;
  bool vet_ = false;
  QFont font_;
};

// A printer that writes A4 pages at high resolution into the PDF file at
// `pad`: what the command-line tool's --pdf and the tests print on.
std::unique_ptr<QPrinter> PdfPrinter(const QString& pad);

}  // namespace valdero
