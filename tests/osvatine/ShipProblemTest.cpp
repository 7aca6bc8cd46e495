// Screen 1, the ship problem: the map at once, the ship after one key, the two observed angles
// after two more, then the sub-menu under the finished screen.
#include <gtest/gtest.h>

#include "Support.h"

namespace osvatine_test {
namespace {

const std::string kScreen1 = "1{Enter}1{Enter}";

TEST(ShipProblem, TheMapBeforeAnyKeyAndNoShip) {
  auto r = Play(kScreen1);
  const Log& log = r.log;
  size_t from = ScreenStart(log);
  auto land = IndexesOf(log, [](const Op& o) { return IsFilledBox(o, 440, 50, 1210, 540, 13); }, from);
  ASSERT_EQ(land.size(), 1u);
  EXPECT_EQ(log[land[0]].colour, 0);
  // The grid lines come before the land box that hides them.
  auto gridLines = IndexesOf(log, [](const Op& o) { return o.kind == OpKind::Line; }, from, land[0]);
  EXPECT_EQ(gridLines.size(), 12u + 8u);
  const Op& sea = log[land[0] + 1];
  ASSERT_EQ(sea.kind, OpKind::Polyline);
  EXPECT_EQ(sea.colour, 11);
  EXPECT_EQ(sea.fill, 11);
  const std::pair<float, float> corners[] = {{790, 50}, {790, 120}, {440, 190}, {475, 540},
                                             {1000, 225}, {1140, 50}, {790, 50}};
  ASSERT_EQ(sea.points.size(), 7u);
  for (size_t i = 0; i < 7; ++i) {
    EXPECT_NEAR(sea.points[i].first, corners[i].first, 0.01) << i;
    EXPECT_NEAR(sea.points[i].second, corners[i].second, 0.01) << i;
  }
  const Op& frame = log[land[0] + 2];
  EXPECT_EQ(frame.kind, OpKind::Box);
  EXPECT_EQ(frame.fill, platform::kNoFill);
  struct Landmark { float x, y; const char* letter; };
  const Landmark marks[] = {{510, 155, "A"}, {720, 85, "B"}, {895, 330, "C"}, {1035, 283.3f, "D"}};
  size_t at = land[0] + 3;
  for (const Landmark& m : marks) {
    SCOPED_TRACE(m.letter);
    ASSERT_LT(at + 1, log.size());
    EXPECT_TRUE(IsCircleAt(log[at], m.x, m.y, 6, 0.1f));
    EXPECT_EQ(log[at].fill, 0);
    EXPECT_EQ(log[at + 1].text, m.letter);
    EXPECT_NEAR(log[at + 1].x1, m.x, 0.1);
    EXPECT_NEAR(log[at + 1].y1, m.y, 0.1);
    at += 2;
  }
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
  auto sectors = OpsOf(log, [](const Op& o) { return IsCircleAt(o, 852.2f, 183.8f, 60, 0.05f); }, from);
  ASSERT_EQ(sectors.size(), 2u);
  EXPECT_NEAR(sectors[0].start, 0.513, 0.001);
  EXPECT_NEAR(sectors[0].end, 0.602, 0.001);
  EXPECT_NEAR(sectors[1].start, 0.079, 0.001);
  EXPECT_NEAR(sectors[1].end, 0.205, 0.001);
  for (const Op& s : sectors) {
    EXPECT_EQ(s.colour, 0);
    EXPECT_EQ(s.fill, 5);
  }
  // The last key wait is the third; the choice line follows the finished screen.
  auto waits = IndexesOf(log, IsWaitBox, from);
  EXPECT_EQ(waits.size(), 3u);
  auto choice = IndexesOf(log, IsChoiceLine, from);
  ASSERT_EQ(choice.size(), 1u);
  EXPECT_GT(choice[0], waits.back());
}

}  // namespace
}  // namespace osvatine_test
