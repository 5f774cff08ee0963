#include "model/bankimport/CsvRecords.h"

namespace valdero {

std::vector<CsvRecord> LeesCsvRecords(const std::vector<std::string>& regels, char scheiding) {
  std::vector<CsvRecord> records;
  CsvRecord huidig;
  std::string veld;
  bool inAanhalingstekens = false;
  bool veldBegonnen = false;  // the record has a field, if only an empty one
  for (std::size_t r = 0; r < regels.size(); ++r) {
    const std::string& regel = regels[r];
    if (!inAanhalingstekens) {
      huidig.regel = r;
      veldBegonnen = false;
    } else {
      veld += '\n';  // a line break inside quotes is part of the field
    }
    for (std::size_t i = 0; i < regel.size(); ++i) {
      const char c = regel[i];
      if (inAanhalingstekens) {
        if (c == '"') {
          if (i + 1 < regel.size() && regel[i + 1] == '"') {
            veld += '"';
            ++i;
          } else {
            inAanhalingstekens = false;
          }
        } else {
          veld += c;
        }
        continue;
      }
      veldBegonnen = true;
      if (c == scheiding) {
        huidig.velden.push_back(std::move(veld));
        veld.clear();
      } else if (c == '"' && veld.find_first_not_of(" \t") == std::string::npos) {
        // A quote opens a field only at its start (blanks before it allowed).
        veld.clear();
        inAanhalingstekens = true;
      } else {
        veld += c;
      }
    }
    if (inAanhalingstekens) continue;
    if (veldBegonnen) {
      huidig.velden.push_back(std::move(veld));
      records.push_back(std::move(huidig));
    }
    veld.clear();
    huidig = CsvRecord{};
  }
  // A quote never closed: the rest of the file is that field.
  if (inAanhalingstekens) {
    huidig.velden.push_back(std::move(veld));
    records.push_back(std::move(huidig));
  }
  return records;
}

char CsvScheiding(const std::string& kop) {
  int puntkomma = 0, komma = 0, tab = 0;
  bool binnen = false;
  for (char c : kop) {
    if (c == '"') binnen = !binnen;
    if (binnen) continue;
    if (c == ';') ++puntkomma;
    if (c == ',') ++komma;
    if (c == '\t') ++tab;
  }
  if (tab > puntkomma && tab > komma) return '\t';
  return komma > puntkomma ? ',' : ';';
}

}  // namespace valdero
