#include "model/bankimport/BankLezer.h"

#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/HistorieFormaten.h"
#include "model/bankimport/HuidigeFormaten.h"
#include "model/bankimport/OudeFormaten.h"

namespace valdero {

const BankLezer* LezerVoorFormaat(int formaat) {
  switch (formaat) {
    case bankformaat::Rabobank:
    case bankformaat::Girotel:
    case bankformaat::AbnAmro:
    case bankformaat::Sns:
    case bankformaat::Ing1:
    case bankformaat::IngDatum: return &OudeLezer(formaat);
    case bankformaat::Camt053: return &CamtLezerInstantie();
    case bankformaat::Mt940: return &Mt940LezerInstantie();
    case bankformaat::RaboCsv: return &RaboCsvLezerInstantie();
    case bankformaat::IngCsv: return &IngCsvLezerInstantie();
    case bankformaat::Qif: return &QifLezerInstantie();
    case bankformaat::Ofx: return &OfxLezerInstantie();
    default: return nullptr;
  }
}

const BankLezer* HerkenLezer(const std::vector<std::string>& regels) {
  // The layouts with a header or tags of their own first: their marks are
  // certain; the old layouts are told apart by the form of their fields.
  for (int formaat : {bankformaat::Ofx, bankformaat::Qif, bankformaat::Camt053, bankformaat::Mt940, bankformaat::RaboCsv, bankformaat::IngCsv,
                      bankformaat::Ing1, bankformaat::IngDatum, bankformaat::AbnAmro, bankformaat::Rabobank,
                      bankformaat::Girotel, bankformaat::Sns}) {
    const BankLezer* lezer = LezerVoorFormaat(formaat);
    if (lezer && lezer->Herkent(regels)) return lezer;
  }
  return nullptr;
}

}  // namespace valdero
