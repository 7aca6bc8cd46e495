// Screen 1, the ship problem: the map at once, the ship after one key, the two observed angles
// after two more, then the sub-menu under the finished screen.
#include <gtest/gtest.h>

#include "ScreenChecks.h"

namespace osvatine_test {
namespace {

const std::string kScreen1 = "1{Enter}1{Enter}";

TEST(ShipProblem, TheMapBeforeAnyKeyAndNoShip) {
  auto r = Play(kScreen1);
  const Log& log = r.log;
  size_t from = ScreenStart(log);
  ExpectShipMap(log, from);
  EXPECT_TRUE(OpsOf(log, [](const Op& o) { return o.kind == OpKind::Circle && o.colour == 5 && o.r == 6; }, from)
                  .empty());
}

TEST(ShipProblem, TheShipAfterOneKey) {
  auto r = Play(kScreen1 + "a");
  size_t from = ScreenStart(r.log);
  auto ship = OpsOf(r.log, [](const Op& o) { return IsCircleAt(o, 852.2f, 183.8f, 6, 0.05f); }, from);
  ASSERT_EQ(ship.size(), 1u);
  EXPECT_EQ(ship[0].colour, 5);
  auto p = OpsOf(r.log, [](const Op& o) { return o.kind == OpKind::Text && o.text == "P" && o.x1 > 440; }, from);
  ASSERT_EQ(p.size(), 1u);
  EXPECT_NEAR(p[0].x1, 862.2, 0.05);
  EXPECT_NEAR(p[0].y1, 158.8, 0.05);
  EXPECT_EQ(p[0].colour, 5);
}

TEST(ShipProblem, TheTwoAnglesAfterThreeKeysThenTheSubMenu) {
  auto r = Play(kScreen1 + "abc");
  const Log& log = r.log;
  size_t from = ScreenStart(log);
  ExpectShipAngles(log, from);
  // The last key wait is the third; the choice line follows the finished screen.
  auto waits = IndexesOf(log, IsWaitBox, from);
  EXPECT_EQ(waits.size(), 3u);
  auto choice = IndexesOf(log, IsChoiceLine, from);
  ASSERT_EQ(choice.size(), 1u);
  EXPECT_GT(choice[0], waits.back());
}

}  // namespace
}  // namespace osvatine_test
