#include <gtest/gtest.h>

#include "BoekingTestBoek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"

namespace valdero {
namespace {

// The configuration section and an invalid date are both number 4 in
// IOStatus, yet a failed load must never read as a refused date.
TEST(Status, AnErrorNumberIsNoSectionOfTheSameNumber) {
  EXPECT_NE(Status(Sectie::Configuratie), Status(FoutNr::GeenGeldigeDatum));
  EXPECT_EQ(Status(Sectie::Configuratie).Nummer(), Status(FoutNr::GeenGeldigeDatum).Nummer());
  EXPECT_EQ(Status(FoutNr::Geen), Status());
  EXPECT_EQ(Status(Sectie::Geen), Status());
  EXPECT_EQ(Status(FoutNr::BestaatNiet).En(Status(Sectie::Groepen)), Status(FoutNr::BestaatNiet));
}

// Showing a report is not the end of a command: IOStatus is the command's.
TEST(Status, AReportLeavesIOStatusToTheCommand) {
  test::BoekingBoek b;
  Foutmelding(b.kb, "x", FoutNr::VerkeerdFormaat, HintNr::FilenaamMetJaartal);
  EXPECT_EQ(b.kb.IOStatus, 0);
  EXPECT_EQ(EindeOpdracht(b.kb, FoutNr::InlezenMislukt), Status(FoutNr::InlezenMislukt));
  EXPECT_EQ(b.kb.IOStatus, 7);
  // The first failure of the command stays.
  static_cast<void>(EindeOpdracht(b.kb, FoutNr::BestaatNiet));
  EXPECT_EQ(b.kb.IOStatus, 7);
}

}  // namespace
}  // namespace valdero
