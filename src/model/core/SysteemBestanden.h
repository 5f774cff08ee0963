#pragma once
// The operating system's files behind the file-system port: what the program
// and the command-line tool hand their book. Each call is retried when a
// signal interrupted it.

#include "model/core/Bestandssysteem.h"

namespace valdero {

class SysteemBestanden final : public Bestandssysteem {
 public:
  int MaakNieuw(const std::filesystem::path& pad, unsigned rechten, int& bestand) override;
  int OpenLezen(const std::filesystem::path& pad, int& bestand) override;
  int Schrijf(int bestand, const std::uint8_t* data, std::size_t n, std::size_t& geschreven) override;
  int Lees(int bestand, std::uint8_t* data, std::size_t n, std::size_t& gelezen) override;
  int Flush(int bestand) override;
  int Sluit(int bestand) override;
  int Koppel(const std::filesystem::path& bestaand, const std::filesystem::path& nieuw) override;
  int Hernoem(const std::filesystem::path& van, const std::filesystem::path& naar) override;
  int Verwijder(const std::filesystem::path& pad) override;
  int FlushMap(const std::filesystem::path& map) override;
  int MaakMap(const std::filesystem::path& map) override;
};

}  // namespace valdero
