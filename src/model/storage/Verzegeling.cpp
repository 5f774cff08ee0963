#include "model/storage/Verzegeling.h"

#include <sodium.h>

#include <algorithm>
#include <cstring>

namespace valdero {
namespace {

constexpr std::array<std::uint8_t, 8> kMagie = {'V', 'A', 'L', 'D', 'Z', 'E', 'G', 'L'};
constexpr std::uint8_t kVersie = 1;
constexpr std::uint8_t kArgon2id = crypto_pwhash_ALG_ARGON2ID13;

// Where the header's fields are.
constexpr std::size_t kVersiePlek = 8;
constexpr std::size_t kKdfPlek = 9;
constexpr std::size_t kRekenwerkPlek = 10;
constexpr std::size_t kGeheugenPlek = 18;
constexpr std::size_t kZoutPlek = 26;
constexpr std::size_t kStroomKopPlek = kZoutPlek + BoekSleutel::kZoutGrootte;
constexpr std::size_t kKopGrootte =
    kStroomKopPlek + crypto_secretstream_xchacha20poly1305_HEADERBYTES;

// The content is sealed in pieces, so that no piece's tag covers more than
// libsodium's secretstream is meant for and a large book needs no second
// copy of itself in one block.
constexpr std::size_t kStuk = 64 * 1024;
constexpr std::size_t kExtra = crypto_secretstream_xchacha20poly1305_ABYTES;

static_assert(BoekSleutel::kSleutelGrootte == crypto_secretstream_xchacha20poly1305_KEYBYTES);
static_assert(BoekSleutel::kZoutGrootte == crypto_pwhash_SALTBYTES);

bool SodiumKlaar() {
  static const bool klaar = sodium_init() >= 0;
  return klaar;
}

void SchrijfU64(std::uint8_t* plek, std::uint64_t waarde) {
  for (int i = 0; i < 8; ++i) plek[i] = static_cast<std::uint8_t>(waarde >> (8 * i));
}

std::uint64_t LeesU64(const std::uint8_t* plek) {
  std::uint64_t waarde = 0;
  for (int i = 7; i >= 0; --i) waarde = waarde << 8 | plek[i];
  return waarde;
}

KdfKosten KostenUit(std::span<const std::uint8_t> kop) {
  return {LeesU64(kop.data() + kRekenwerkPlek), LeesU64(kop.data() + kGeheugenPlek)};
}

bool KostenToegestaan(KdfKosten kosten) {
  const KdfKosten laag = MinimaleKosten();
  const KdfKosten hoog = HoogsteKosten();
  return kosten.rekenwerk >= laag.rekenwerk && kosten.rekenwerk <= hoog.rekenwerk &&
         kosten.geheugen >= laag.geheugen && kosten.geheugen <= hoog.geheugen;
}

std::shared_ptr<BoekSleutel> LeidAf(std::string_view wachtwoordzin,
                                    std::span<const std::uint8_t, BoekSleutel::kZoutGrootte> zout,
                                    KdfKosten kosten) {
  if (!SodiumKlaar() || !KostenToegestaan(kosten)) return nullptr;
  auto sleutel = std::make_shared<BoekSleutel>();
  std::copy(zout.begin(), zout.end(), sleutel->zout.begin());
  sleutel->kosten = kosten;
  if (crypto_pwhash(sleutel->sleutel.data(), sleutel->sleutel.size(), wachtwoordzin.data(),
                    wachtwoordzin.size(), sleutel->zout.data(), kosten.rekenwerk,
                    static_cast<std::size_t>(kosten.geheugen), kArgon2id) != 0)
    return nullptr;
  return sleutel;
}

}  // namespace

KdfKosten StandaardKosten() {
  return {crypto_pwhash_argon2id_OPSLIMIT_INTERACTIVE, crypto_pwhash_argon2id_MEMLIMIT_INTERACTIVE};
}

KdfKosten MinimaleKosten() {
  return {crypto_pwhash_argon2id_OPSLIMIT_MIN, crypto_pwhash_argon2id_MEMLIMIT_MIN};
}

KdfKosten HoogsteKosten() {
  return {crypto_pwhash_argon2id_OPSLIMIT_SENSITIVE, crypto_pwhash_argon2id_MEMLIMIT_MODERATE};
}

BoekSleutel::~BoekSleutel() {
  sodium_memzero(sleutel.data(), sleutel.size());
}

std::shared_ptr<const BoekSleutel> NieuweSleutel(std::string_view wachtwoordzin, KdfKosten kosten) {
  if (!SodiumKlaar()) return nullptr;
  std::array<std::uint8_t, BoekSleutel::kZoutGrootte> zout{};
  randombytes_buf(zout.data(), zout.size());
  return LeidAf(wachtwoordzin, zout, kosten);
}

bool IsVerzegeld(std::span<const std::uint8_t> inhoud) {
  return inhoud.size() >= kMagie.size() && std::equal(kMagie.begin(), kMagie.end(), inhoud.begin());
}

std::string KopGebrek(std::span<const std::uint8_t> verzegeld) {
  if (verzegeld.size() < kKopGrootte + kExtra) return "te kort";
  if (verzegeld[kVersiePlek] != kVersie) return "onbekende versie";
  if (verzegeld[kKdfPlek] != kArgon2id) return "onbekende sleutelafleiding";
  if (!KostenToegestaan(KostenUit(verzegeld))) return "te hoge kosten";
  return {};
}

std::shared_ptr<const BoekSleutel> SleutelVoor(std::span<const std::uint8_t> verzegeld,
                                               std::string_view wachtwoordzin) {
  if (!IsVerzegeld(verzegeld) || !KopGebrek(verzegeld).empty()) return nullptr;
  return LeidAf(wachtwoordzin, verzegeld.subspan<kZoutPlek, BoekSleutel::kZoutGrootte>(),
                KostenUit(verzegeld));
}

bool PastBij(const BoekSleutel& sleutel, std::span<const std::uint8_t> verzegeld) {
  return IsVerzegeld(verzegeld) && KopGebrek(verzegeld).empty() &&
         KostenUit(verzegeld) == sleutel.kosten &&
         std::equal(sleutel.zout.begin(), sleutel.zout.end(), verzegeld.begin() + kZoutPlek);
}

std::vector<std::uint8_t> Verzegel(const BoekSleutel& sleutel, std::span<const std::uint8_t> open) {
  if (!SodiumKlaar()) return {};
  const std::size_t stukken = open.size() / kStuk + 1;
  std::vector<std::uint8_t> uit(kKopGrootte + open.size() + stukken * kExtra);
  std::copy(kMagie.begin(), kMagie.end(), uit.begin());
  uit[kVersiePlek] = kVersie;
  uit[kKdfPlek] = kArgon2id;
  SchrijfU64(uit.data() + kRekenwerkPlek, sleutel.kosten.rekenwerk);
  SchrijfU64(uit.data() + kGeheugenPlek, sleutel.kosten.geheugen);
  std::copy(sleutel.zout.begin(), sleutel.zout.end(), uit.begin() + kZoutPlek);

  crypto_secretstream_xchacha20poly1305_state staat;
  crypto_secretstream_xchacha20poly1305_init_push(&staat, uit.data() + kStroomKopPlek,
                                                  sleutel.sleutel.data());
  std::size_t gelezen = 0;
  std::size_t geschreven = kKopGrootte;
  for (std::size_t stuk = 0; stuk < stukken; ++stuk) {
    const std::size_t n = std::min(kStuk, open.size() - gelezen);
    const bool laatste = stuk + 1 == stukken;
    // The first piece carries the header's fields as associated data.
    const std::uint8_t* extra = stuk == 0 ? uit.data() : nullptr;
    const std::size_t extraLengte = stuk == 0 ? kStroomKopPlek : 0;
    crypto_secretstream_xchacha20poly1305_push(
        &staat, uit.data() + geschreven, nullptr, open.data() + gelezen, n, extra, extraLengte,
        laatste ? crypto_secretstream_xchacha20poly1305_TAG_FINAL
                : crypto_secretstream_xchacha20poly1305_TAG_MESSAGE);
    gelezen += n;
    geschreven += n + kExtra;
  }
  sodium_memzero(&staat, sizeof staat);
  return uit;
}

std::optional<std::vector<std::uint8_t>> Ontzegel(const BoekSleutel& sleutel,
                                                  std::span<const std::uint8_t> verzegeld) {
  if (!SodiumKlaar() || !PastBij(sleutel, verzegeld)) return std::nullopt;
  crypto_secretstream_xchacha20poly1305_state staat;
  if (crypto_secretstream_xchacha20poly1305_init_pull(&staat, verzegeld.data() + kStroomKopPlek,
                                                      sleutel.sleutel.data()) != 0)
    return std::nullopt;
  std::vector<std::uint8_t> open;
  open.reserve(verzegeld.size() - kKopGrootte);
  std::size_t plek = kKopGrootte;
  bool goed = false;
  for (bool eerste = true; plek < verzegeld.size(); eerste = false) {
    const std::size_t n = std::min(kStuk + kExtra, verzegeld.size() - plek);
    if (n < kExtra) break;
    const std::size_t begin = open.size();
    open.resize(begin + n - kExtra);
    unsigned long long lengte = 0;
    unsigned char merk = 0;
    if (crypto_secretstream_xchacha20poly1305_pull(
            &staat, open.data() + begin, &lengte, &merk, verzegeld.data() + plek, n,
            eerste ? verzegeld.data() : nullptr, eerste ? kStroomKopPlek : 0) != 0)
      break;
    plek += n;
    // The end mark on the last piece and on no other: a file cut short at a
    // piece's border, or with pieces added, is refused.
    const bool einde = merk == crypto_secretstream_xchacha20poly1305_TAG_FINAL;
    if (einde != (plek == verzegeld.size())) break;
    if (einde) goed = true;
  }
  sodium_memzero(&staat, sizeof staat);
  if (!goed) {
    sodium_memzero(open.data(), open.size());
    return std::nullopt;
  }
  return open;
}

}  // namespace valdero
