#pragma once
// The records of a CSV text as RFC 4180 defines them: fields between
// separators, a field in double quotes may hold separators, line breaks and
// doubled quotes (one quote each). The current banks' CSV exports are read
// this way, over the whole text, so a description with a line break stays
// one field of one record.

#include <string>
#include <vector>

namespace valdero {

struct CsvRecord {
  std::size_t regel = 0;  // the line of the file (from 0) the record starts on
  std::vector<std::string> velden;
};

// `regels` are the file's lines (broken at CR LF, LF or CR); a line break
// inside quotes comes back as LF. Empty lines outside quotes give no record.
std::vector<CsvRecord> LeesCsvRecords(const std::vector<std::string>& regels, char scheiding);

// The separator of a header line: the one of ';', ',' and TAB that occurs
// most outside quotes (';' on a tie, as the Dutch banks write it).
char CsvScheiding(const std::string& kop);

}  // namespace valdero
