#pragma once
// The numbers and codes that mean something in every part of a book: the
// transfer account, the special groups and the account kinds with a rule of
// their own. Every rule that tests for one of them names it from here.

namespace valdero {

// The transfer account, through which money moves between own accounts
// (kind kTransferSoort, name kTransferNaam). It has no group of its own, and
// its transactions are also the agenda's plans.
inline constexpr int kTransferRekening = 99;
inline constexpr const char* kTransferNaam = "TRANSFER REKENING";

// Account kinds with a rule of their own.
inline constexpr const char* kTransferSoort = "TR";
inline constexpr const char* kEffectenSoort = "EF";  // securities

// The cross-posting group: a transaction on it is one leg of a transfer.
inline constexpr const char* kKruispostKode = "xxxx";
inline constexpr const char* kKruispostNaam = "KRUISPOSTEN";
// The group a booking falls into when its typed group did not exist and the
// user chose not to create it.
inline constexpr const char* kAlgemeenKode = "aaaa";
inline constexpr const char* kAlgemeenNaam = "Algemeen";
// The group of an imported bank line that matched nothing ("Nomen Nescio").
inline constexpr const char* kOnbekendeGroepKode = "nnnn";

// The highest account number; numbers run from 1.
inline constexpr int kHoogsteRekening = kTransferRekening;

}  // namespace valdero
