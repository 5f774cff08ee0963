#include "model/bookings/BoekModi.h"

namespace valdero::modus {

std::string PanelKop(int m) {
  switch (m) {
    case Wijzigen:
    case VolgendWijzigen:
    case ExternWijzigen: return "W I J Z I G E N ";
    case Bijboeken:
    case SplitBij: return "B I J B O E K E N";
    case Afboeken:
    case SplitAf: return "A F B O E K E N  ";
    case Verwijderen: return "V E R W I J D E R E N";
    case Kopieren: return "K O P I E R E N  ";
    case OverboekenNaar: return "O V E R B O E K E N NAAR...";
    case OverboekenVan: return "O V E R B O E K E N VAN...";
    case Transfereren: return "P R E D I C T I E";
    case EffWijzigen:
    case ExternEffWijzigen: return "W I J Z I G E N";
    case Aanschaffen: return "T O E V O E G E N  EFFECTEN";
    case Inwisselen: return "A F V O E R E N van EFFECTEN ";
    case Waarderen: return "W A A R D E R E N van EFFECTEN";
    case Kopen: return "A A N K O O P van EFFECTEN";
    case Verkopen: return "V E R K O O P van EFFECTEN";
    case RenteDividend: return "R E N T E / D I V I D E N D   B I J B O E K E N";
    default: return "";
  }
}

const std::vector<std::string>& ActieLijst(bool effecten) {
  static const std::vector<std::string> gewoon = {
      "AC acceptgiro",     "AF afschrijving",  "BA betaalautomaat", "BY bijschrijving",
      "CH cheque (EC, GB)", "DA div.afboeking", "DV diversen",       "EO Elect opdrcht",
      "GA geldautomaat",   "GB geldopn.balie", "GE gldopn.elders",  "GF girofoon",
      "GM giromaat",       "GT girotel",       "IC incasso",        "MA machtiging",
      "OB overboeking",    "OV overschrijvng", "PB period. bet.",   "PK gldopn.postkr",
      "PO period.overs.",  "RE rente",         "TB telebankieren",  "VZ verzameling"};
  static const std::vector<std::string> beleg = {"BS buy shares",   "SS sale shares",
                                                 "AS add shares",   "RS remove shares",
                                                 "VS value shares", "ID Interest/Div. shares"};
  return effecten ? beleg : gewoon;
}

std::string StandaardActie(int m) {
  if (IsOverboeking(m)) return "OB overboeking";
  if (m == Waarderen) return "VS value shares";
  if (m == RenteDividend) return "ID Interest/Div. shares";
  return "AC acceptgiro";
}

}  // namespace valdero::modus
