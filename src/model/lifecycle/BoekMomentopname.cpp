#include "model/lifecycle/BoekMomentopname.h"

#include "model/core/Kasboek.h"

namespace valdero {

BoekMomentopname::BoekMomentopname(const Kasboek& kb)
    : rekLijst_(kb.RekLijst),
      groepLijst_(kb.GroepLijst),
      kasLijst_(kb.KasLijst),
      relatieLijst_(kb.RelatieLijst),
      wachtwoord_(kb.Wachtwoord),
      sleutel_(kb.Sleutel),
      relatiesAanwezig_(kb.RelatiesAanwezig),
      maxRek_(kb.MaxRek()),
      maxGroep_(kb.MaxGroep()),
      maxKas_(kb.MaxKas()),
      rekGelezen_(kb.RekGelezen),
      groepGelezen_(kb.GroepGelezen),
      kasGelezen_(kb.KasGelezen),
      formaatVlag_(kb.FormaatVlag),
      rekeningenOpNaam_(kb.weergave.RekeningenOpNaam),
      groepenOpNaam_(kb.weergave.GroepenOpNaam),
      vlaggen_(kb.Config.Vlaggen),
      kasNaam_(kb.sessie.KasNaam),
      kasPad_(kb.sessie.KasPad),
      kasJaar_(kb.KasJaar) {}

void BoekMomentopname::Herstel(Kasboek& kb) const {
  kb.RekLijst = rekLijst_;
  kb.GroepLijst = groepLijst_;
  kb.KasLijst = kasLijst_;
  kb.RelatieLijst = relatieLijst_;
  kb.Wachtwoord = wachtwoord_;
  kb.Sleutel = sleutel_;
  kb.RelatiesAanwezig = relatiesAanwezig_;
  kb.RekGelezen = rekGelezen_;
  kb.GroepGelezen = groepGelezen_;
  kb.KasGelezen = kasGelezen_;
  kb.FormaatVlag = formaatVlag_;
  kb.weergave.RekeningenOpNaam = rekeningenOpNaam_;
  kb.weergave.GroepenOpNaam = groepenOpNaam_;
  kb.Config.Vlaggen = vlaggen_;
  kb.sessie.KasNaam = kasNaam_;
  kb.sessie.KasPad = kasPad_;
  kb.KasJaar = kasJaar_;
}

}  // namespace valdero
