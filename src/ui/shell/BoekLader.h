#pragma once
// The model part of loading a book into the main window (the book's file,
// the file and its configuration): the model's LaadBoek. A test derives to
// put a book of its own in place.

#include <string>

#include "model/storage/BoekLaden.h"

namespace valdero {

class Kasboek;

class BoekLader {
 public:
  virtual ~BoekLader() = default;
  virtual LaadUitkomst Laad(Kasboek& kb, bool bijStart, const std::string& argument) {
    return LaadBoek(kb, bijStart, argument);
  }
};

}  // namespace valdero
