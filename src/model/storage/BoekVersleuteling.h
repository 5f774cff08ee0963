#pragma once
// An encrypted book: every file of it is sealed under the book's key
// (Kasboek::Sleutel) — the book, its configuration, the ".~VD" backup and
// its restore points, and the save's own temporary files with them, since
// those hold what the atomic write is given. The format is in
// model/storage/Verzegeling.h. A book that is not encrypted is written
// exactly as before.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/core/Status.h"
#include "model/storage/Verzegeling.h"

namespace valdero {

class Bestandssysteem;
class Kasboek;

// The bytes a file of this book goes to disk as: sealed when the book is
// encrypted, else the content itself.
std::vector<std::uint8_t> VoorSchijf(const Kasboek& kb, std::vector<std::uint8_t> inhoud);

// The content of a file of this book as read from disk: a plain file as it
// is, a sealed one opened with the book's key. None when it is sealed and
// the book's key does not open it.
std::optional<std::vector<std::uint8_t>> VanSchijf(const Kasboek& kb, std::vector<std::uint8_t> inhoud);

// The file on disk starts as a sealed file does (only its first bytes are
// read).
bool IsVerzegeldBestand(const std::filesystem::path& pad, Bestandssysteem& bestanden);

// Opens the sealed book file `verzegeld` of the book being loaded: with the
// key the book holds when that is the file's, else with the passphrase
// asked through the message port (three tries). The key becomes the book's;
// a passphrase that opened the book counts as its password too. None, after
// saying why, when the passphrase was wrong, the file damaged or changed,
// or the user stopped.
std::optional<std::vector<std::uint8_t>> OntsluitBoek(Kasboek& kb,
                                                      std::span<const std::uint8_t> verzegeld);

// The backup of the file `boek` as it was opened, at `reserve`: a copy of it
// as it is, sealed first when the book is encrypted now and the file was
// not (the first encrypted save). False when it could not be made.
bool MaakReserve(const Kasboek& kb, const std::filesystem::path& boek,
                 const std::filesystem::path& reserve, Bestandssysteem& bestanden);

// Seals the configuration, the backup and the restore points of the
// encrypted book that are still plain (left by the save that encrypted it,
// or by one torn off). Returns how many files could not be sealed.
int VerzegelBijlagen(Kasboek& kb);

// The passphrase rule: at least kMinimaleWachtwoordzin characters. The
// reason in Dutch when it is not met, else empty.
std::string WachtwoordzinGebrek(std::string_view wachtwoordzin);

// Encrypts the book under a new passphrase: the book is saved sealed, then
// its configuration, backup and restore points. A save that fails leaves
// the book on disk as it was (and the book in memory not encrypted).
// `kosten` of the key's derivation: the tests use the lowest.
Status VersleutelBoek(Kasboek& kb, std::string_view wachtwoordzin, KdfKosten kosten = StandaardKosten());

// "Versleutelen...": asks for a new passphrase through the message port
// (typed twice by the dialog) and encrypts the book with it.
Status VraagEnVersleutel(Kasboek& kb, KdfKosten kosten = StandaardKosten());

// "Versleuteling opheffen": the configuration and the book are written
// plain again, then the backup and restore points sealed under the book's
// key. A save that fails leaves the book encrypted.
Status HefVersleutelingOp(Kasboek& kb);

}  // namespace valdero
