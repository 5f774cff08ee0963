#pragma once
// The main window's menu entries that the program looks up after building
// its menus, each by a name of its own. Their paths (captions from the menu
// bar down, joined by "|") stand in one table, so no other code spells a
// caption to find an entry.

#include <string_view>

namespace valdero {

enum class MenuItem {
  Bestand,
  Nieuw,
  OpenRekening,
  OpenGroep,
  OpenBudget,
  OpenRelatie,
  Bewaren,
  BewarenAls,
  Importeren,
  Wachtwoord,
  Transacties,
  Transfereren,
  Beleggingen,
  Overzichten,
  OverzichtRekeningen,
  OverzichtGroepen,
  BtwBerekening,
  Grafieken,
  GrafiekRekeningen,
  GrafiekGroepen,
  Beeld,
  BeeldTransactie,
  BeeldBelegging,
  BeeldValuta,
  StartupToggle,
};

inline constexpr MenuItem kAlleMenuItems[] = {
    MenuItem::Bestand,         MenuItem::Nieuw,           MenuItem::OpenRekening,
    MenuItem::OpenGroep,       MenuItem::OpenBudget,      MenuItem::OpenRelatie,
    MenuItem::Bewaren,         MenuItem::BewarenAls,      MenuItem::Importeren,
    MenuItem::Wachtwoord,      MenuItem::Transacties,     MenuItem::Transfereren,
    MenuItem::Beleggingen,     MenuItem::Overzichten,     MenuItem::OverzichtRekeningen,
    MenuItem::OverzichtGroepen, MenuItem::BtwBerekening,  MenuItem::Grafieken,
    MenuItem::GrafiekRekeningen, MenuItem::GrafiekGroepen, MenuItem::Beeld,
    MenuItem::BeeldTransactie, MenuItem::BeeldBelegging,  MenuItem::BeeldValuta,
    MenuItem::StartupToggle,
};

// The entry's path in the menu bar, as the menus are built.
std::string_view MenuPad(MenuItem item);

}  // namespace valdero
