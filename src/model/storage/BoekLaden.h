#pragma once
// Loading a book as the program does at start-up and after Open, New and the
// start date: the steps that decide which file to read, read it with its
// configuration and bring the book's derived data up to date. The main window
// shows what these steps leave behind (flags, IOStatus, KasJaar, ...); the
// widgets themselves are its business.
//
// A window runs, in this order:
//   LaadUitkomst u = LaadBoek(kb, bijStart, argument);
//   if (u != LaadUitkomst::Geladen) -> show the start panel / nothing loaded
//   VernieuwBoek(kb);                 -> then enable menus from the flags
//   if (kb.IOStatus != 0) stop;
//   PasConfigToe(kb);                 -> then tool bars, currency buttons
// StartBoek does the same for callers without windows (command line, tests,
// benchmarks).

#include <string>

#include "model/core/Status.h"
#include "model/storage/BoekBestand.h"

namespace valdero {

class Kasboek;

enum class LaadUitkomst {
  // The load ran to its end: the book file was read (or its reading was
  // reported) and the configuration is in place. Whether the sections were
  // read shows in RekGelezen, GroepGelezen, KasGelezen and IOStatus.
  Geladen,
  // Neither the named book nor the default books exist and the open dialog
  // was cancelled: KasPad is "*.vdr" and nothing was read.
  NietsGekozen,
  // Stopped on purpose: the user declined to go on with a name without a
  // year, refused to open a file from before 2007 (IOStatus 4), or would
  // not open read-only a book another program holds.
  Gestopt,
};

// Determines the book's file and loads it with its configuration.
//  - HuidigJaar and KasJaar from the clock; the password is reset.
//  - bijStart: KasNaam := Valdr + two digits of the year, or the argument when
//    one is given (a trailing ".vdr" is dropped). Otherwise KasNaam is taken
//    as the caller left it: the Open command sets KasNaam to the chosen
//    file's name and Map to its folder before calling.
//  - When KasNaam + ".vdr" does not exist, Valdr + four digits is tried, then
//    the open dialog "Ópen Valdero" asks for a file; its folder becomes Map.
//  - KasJaar := JaarUitNaam(KasNaam); a name without a year asks whether to
//    go on.
//  - StartDatum, the load flags, the first-save mark; OpenBoek, which reports
//    success only when not at start-up; the per-book settings; the printer
//    measures; LeesConfig when the book was read, else StandaardConfig.
LaadUitkomst LaadBoek(Kasboek& kb, bool bijStart, const std::string& argument = {});
// The same reading the transactions as `wijze` says; afterwards `wijze`
// says how they were read (a balance-only load can become a whole one).
LaadUitkomst LaadBoek(Kasboek& kb, bool bijStart, const std::string& argument, Laadwijze& wijze);

// The data part of refreshing the main window after a load: rebuilds the
// balance matrix when accounts and groups were read; otherwise empties it and,
// when the transactions were read, reports the damaged account or group
// section.
Status VernieuwBoek(Kasboek& kb);

// The data part of applying the configuration: the display currency becomes
// the base currency, the account and group lists are sorted in the orders of
// Config.Vlaggen bits 9 and 10, and the account kind codes are collected for
// the account dialog.
void PasConfigToe(Kasboek& kb);

// LaadBoek, then VernieuwBoek and, when that succeeded, PasConfigToe:
// everything a start-up does to the book, without windows. With
// Laadwijze::AlleenSaldi the balance matrix, the accounts, groups and
// configuration are as after a whole load, but the transactions are not in
// memory (unless the book needed a whole load after all) and the book is
// then never saved: GeenSlot says why.
LaadUitkomst StartBoek(Kasboek& kb, bool bijStart, const std::string& argument = {},
                       Laadwijze wijze = Laadwijze::Volledig);

// Takes the book out of memory, as if nothing had been loaded: what a
// refused password leaves, so that nothing of the book can be shown or
// saved. The lock is released.
void VergeetBoek(Kasboek& kb);

// Some transaction on the transfer account 99 has a non-zero amount.
bool TransferActief(const Kasboek& kb);
// Some account holds securities (kind "EF", kEffectenSoort).
bool BeleggingActief(const Kasboek& kb);

}  // namespace valdero
