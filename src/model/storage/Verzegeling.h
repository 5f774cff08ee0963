#pragma once
// A file sealed under a passphrase: an encrypted book, its configuration,
// its backup and its restore points. The layout (docs/file-format.md):
//
//   magic "VALDZEGL" (8) | version 1 (1) | KDF 2 = Argon2id (1) |
//   opslimit (8, LE) | memlimit in bytes (8, LE) | salt (16) |
//   stream header (24) | the content in pieces of 64 KiB, each sealed with
//   XChaCha20-Poly1305 (libsodium's secretstream, 17 bytes more each), the
//   last one tagged as the end.
//
// The key is derived from the passphrase with Argon2id at the costs the
// header names, so a file opens with the costs it was made with. The
// header's bytes before the stream header are bound into the first piece:
// a changed cost, salt or version makes the file unreadable, never weaker.
// All of it is libsodium's; nothing here is a cipher of our own.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace valdero {

// What deriving a key costs: Argon2id's passes and memory.
struct KdfKosten {
  std::uint64_t rekenwerk = 0;  // opslimit
  std::uint64_t geheugen = 0;   // memlimit, bytes
  friend bool operator==(const KdfKosten&, const KdfKosten&) = default;
};

// What a new key costs: libsodium's interactive level (64 MiB, a fraction
// of a second), paid once per opening.
KdfKosten StandaardKosten();
// The cheapest costs Argon2id allows: for tests, which derive keys by the
// hundred. A file made with them is as sealed, only cheaper to guess at.
KdfKosten MinimaleKosten();
// The highest costs a header may ask for: a damaged or forged header must
// not make the program claim gigabytes or compute for minutes.
KdfKosten HoogsteKosten();

// A passphrase has at least this many characters.
inline constexpr std::size_t kMinimaleWachtwoordzin = 8;

// The key of a book with the salt and costs it was derived with. Its bytes
// are wiped when the last holder lets go.
class BoekSleutel {
 public:
  static constexpr std::size_t kSleutelGrootte = 32;
  static constexpr std::size_t kZoutGrootte = 16;

  BoekSleutel() = default;
  BoekSleutel(const BoekSleutel&) = delete;
  BoekSleutel& operator=(const BoekSleutel&) = delete;
  ~BoekSleutel();

  std::array<std::uint8_t, kSleutelGrootte> sleutel{};
  std::array<std::uint8_t, kZoutGrootte> zout{};
  KdfKosten kosten;
};

// A new key for a passphrase, with a fresh random salt. None when the
// derivation could not get its memory.
std::shared_ptr<const BoekSleutel> NieuweSleutel(std::string_view wachtwoordzin,
                                                 KdfKosten kosten = StandaardKosten());

// The file starts like a sealed file (its magic).
bool IsVerzegeld(std::span<const std::uint8_t> inhoud);

// Why a sealed file's header cannot be used; empty when it can.
// "onbekende versie", "onbekende sleutelafleiding", "te hoge kosten", "te kort".
std::string KopGebrek(std::span<const std::uint8_t> verzegeld);

// The key for a sealed file and a passphrase, derived with the file's salt
// and costs. None when the header is not usable (KopGebrek) or the
// derivation failed; whether the passphrase is right shows only when
// opening.
std::shared_ptr<const BoekSleutel> SleutelVoor(std::span<const std::uint8_t> verzegeld,
                                               std::string_view wachtwoordzin);

// The key was derived with this file's salt and costs: it can be tried on
// the file without asking for the passphrase again.
bool PastBij(const BoekSleutel& sleutel, std::span<const std::uint8_t> verzegeld);

// The content sealed under the key.
std::vector<std::uint8_t> Verzegel(const BoekSleutel& sleutel, std::span<const std::uint8_t> open);

// The content of a sealed file; none when the key is not the file's or any
// byte of the file was changed, removed or added.
std::optional<std::vector<std::uint8_t>> Ontzegel(const BoekSleutel& sleutel,
                                                  std::span<const std::uint8_t> verzegeld);

}  // namespace valdero
