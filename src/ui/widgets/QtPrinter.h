#pragma once
// The platform's printer behind the program's printer port. Measures are in
// the printer's own pixels, so the margins and line heights stored in the
// configuration fit the paper. Where no printer is installed, the measures
// are the fixed ones of VastePrinter and a document cannot begin.

#include <QFont>
#include <memory>

#include "model/core/Printer.h"

class QPainter;
class QPrinter;

namespace valdero {

class QtPrinter : public Printer {
 public:
  // The system's default printer, or none when the system has none.
  QtPrinter();
  // Prints on the given printer (a PDF file, for instance), whatever the
  // system has installed.
  explicit QtPrinter(std::unique_ptr<QPrinter> printer);
  ~QtPrinter() override;

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
  void EindDocument() override;
  void Tekst(int x, int y, const std::string& tekst) override;
  void Lijn(int x1, int y1, int x2, int y2) override;
  void Afbeelding(int x, int y, int breedte, int hoogte, const std::string& png) override;

 private:
  std::unique_ptr<QPrinter> printer_;  // null: no printer installed
  std::unique_ptr<QPainter> painter_;  // while a document is open
  VastePrinter vast_;
  std::string fontNaam_ = "MS Sans Serif";
  int fontGrootte_ = 10;
  bool vet_ = false;
  QFont font_;
};

}  // namespace valdero
