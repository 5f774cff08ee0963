#pragma once
// An editable grid of texts with the keys of the program's tables: Enter
// and Tab are reported with whether a cell was being typed in (the typed
// text is then already reported through CelGetypt), and the owner decides
// what they do. Rows are numbered from 1 as in the lists; the column titles
// are the header.

#include <QColor>
#include <QTableWidget>
#include <map>
#include <string>
#include <vector>

namespace valdero {

class TekstRaster : public QTableWidget {
  Q_OBJECT
 public:
  explicit TekstRaster(QWidget* parent = nullptr);

  void ZetKolommen(const std::vector<std::string>& titels, const std::vector<int>& breedtes);
  // Cells of the column are right-aligned on the given background.
  void ZetBedragKolom(int kolom, const QColor& achtergrond);
  // Fills the grid; the owner's rows 1..n become the grid's lines.
  void Vul(const std::vector<std::vector<std::string>>& rijen);
  void ZetRij(int rij, const std::vector<std::string>& cellen);
  void ZetHuidig(int rij, int kolom);
  int HuidigeRij() const { return currentRow() + 1; }
  bool EditorOpen() const { return state() == QAbstractItemView::EditingState; }
  QString Tekst(int rij, int kolom) const;

 signals:
  void CelGetypt(int rij, int kolom, const QString& tekst);
  void Enter(bool editorOpen);
  void Tab(bool editorOpen);
  void HuidigGewijzigd(int rij, int kolom);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

 private:
  bool vullen_ = false;
  std::map<int, QColor> bedragKolommen_;
};

}  // namespace valdero
