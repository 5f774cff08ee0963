#pragma once
// The readers of the layouts Dutch banks give today (formats 6 to 9).

namespace valdero {

class BankLezer;

const BankLezer& CamtLezerInstantie();
const BankLezer& Mt940LezerInstantie();
const BankLezer& RaboCsvLezerInstantie();
const BankLezer& IngCsvLezerInstantie();

}  // namespace valdero
