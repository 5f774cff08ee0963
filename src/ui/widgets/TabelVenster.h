#pragma once
// What the table windows of accounts and groups do alike with their model
// (RekeningTabel, GroepTabel): "OK" keeps the changes or, when the model
// refuses, shows the table again with the grid in focus; closing asks the
// model first.

#include <QCloseEvent>
#include <QWidget>

namespace valdero {

template <class Model, class ToonTabel>
void TabelOk(QWidget& venster, Model& model, QWidget& raster, ToonTabel toonTabel) {
  if (!model.Ok()) {
    toonTabel();
    raster.setFocus();
    return;
  }
  venster.close();
}

// False (the close refused) when the model keeps the window open.
template <class Model>
bool TabelMagSluiten(Model& model, QCloseEvent* e) {
  if (!model.MagSluiten()) {
    e->ignore();
    return false;
  }
  e->accept();
  return true;
}

}  // namespace valdero
