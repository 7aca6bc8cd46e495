// Screen 5, the ship's position constructed: the map under its heading, one compass stroke per
// key (never two keys per stroke), the two circles, and the ship with its sight lines and angles,
// then the sub-menu at once.
#include <gtest/gtest.h>

#include "ScreenChecks.h"
#include "osvatine/Osvatine.h"

namespace osvatine_test {
namespace {

const std::string kScreen5 = "1{Enter}5{Enter}";

bool IsArc(const Op& o) { return o.kind == OpKind::Circle && o.fill == platform::kNoFill && o.start != o.end; }

TEST(ShipConstruction, TheMapUnderItsHeadingWithNoGridLineLeft) {
  auto r = Play(kScreen5);
  const Log& log = r.log;
  size_t from = ScreenStart(log);
  ExpectTextLine(log, from, 40, 30, 3, "問3");
  ExpectTextLine(log, from, 40, 80, 3, "船の位置はどこ？");
  ExpectTextLine(log, from, 40, 130, 7, "Pの位置を作図しよう。");
  size_t end = ExpectShipMap(log, from);
  ASSERT_LT(end, log.size());
  EXPECT_TRUE(IsWaitBox(log[end]));  // the landmarks end the map
}

TEST(ShipConstruction, OneKeyDrawsOneStroke) {
  // After the map and the step-① heading, the first stroke: about A, opened to AB, with its dot.
  auto r = Play(kScreen5 + "ab");
  const Log& log = r.log;
  size_t from = ScreenStart(log);
  ExpectTextLine(log, from, 40, 180, 0, "①∠APB=30°の円");
  auto arcs = OpsOf(log, IsArc, from);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_TRUE(IsCircleAt(arcs[0], 510, 155, 221.36f, 0.01f));
  EXPECT_EQ(arcs[0].colour, 7);
  EXPECT_NEAR(arcs[0].start, 0.9188, 0.0005);
  EXPECT_NEAR(arcs[0].end, 0.9788, 0.0005);
  auto dots = OpsOf(log, [](const Op& o) { return IsCircleAt(o, 510, 155, 6) && o.colour == 7; }, from);
  ASSERT_EQ(dots.size(), 1u);
  EXPECT_EQ(dots[0].fill, 7);

  // After six keys the circle O stands whole, and nothing more.
  auto r6 = Play(kScreen5 + "abcdef");
  const Log& log6 = r6.log;
  from = ScreenStart(log6);
  auto circles = OpsOf(log6, [](const Op& o) { return o.kind == OpKind::Circle && o.r > 100 && o.start == o.end; },
                       from);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_TRUE(IsCircleAt(circles[0], 672.5f, 292.5f, 212.9f, 0.1f));
  EXPECT_EQ(circles[0].colour, 0);
  EXPECT_EQ(circles[0].fill, platform::kNoFill);
  EXPECT_EQ(OpsOf(log6, IsArc, from).size(), 3u);
  auto o = OpsOf(log6, [](const Op& op) { return op.kind == OpKind::Text && op.text == "O"; }, from);
  ASSERT_EQ(o.size(), 1u);
  EXPECT_NEAR(o[0].x1, 672.5, 0.1);
  EXPECT_NEAR(o[0].y1, 292.5, 0.1);
  EXPECT_EQ(o[0].colour, 5);
}

TEST(ShipConstruction, TheStrokesOfBothCircles) {
  auto r = Play(kScreen5 + Repeat("k", 22));
  const Log& log = r.log;
  size_t from = ScreenStart(log);
  struct Stroke { float x, y, r, start, end; int colour; };
  const Stroke strokes[] = {
      {510, 155, 221.36f, 0.9188f, 0.9788f, 7},     // about A, opened to AB
      {510, 155, 212.90f, 0.0818f, 0.1418f, 7},     // about A, opened to OA
      {720, 85, 212.90f, 0.2558f, 0.3158f, 7},      // about B
      {1035, 283.33f, 147.6f, 0.4188f, 0.9788f, 7},  // about D through C and C reflected in D
      {895, 330, 208.3f, 0.0435f, 0.1035f, 7},      // about C across point 11
      {1175, 236.67f, 208.3f, 0.2941f, 0.3541f, 7}, // about point 9 across point 11
      {895, 330, 125.3f, 0.6997f, 0.9481f, 3},      // about C through 14 and 15
      {988.5f, 143.9f, 125.3f, 0.1997f, 0.4481f, 3}, // about point 12 through 14 and 15
  };
  auto arcs = OpsOf(log, IsArc, from);
  ASSERT_EQ(arcs.size(), std::size(strokes));
  for (size_t i = 0; i < arcs.size(); ++i) {
    SCOPED_TRACE(i);
    const Stroke& s = strokes[i];
    EXPECT_TRUE(IsCircleAt(arcs[i], s.x, s.y, s.r, 0.1f)) << arcs[i].x1 << "," << arcs[i].y1 << " " << arcs[i].r;
    EXPECT_NEAR(arcs[i].r, s.r, 0.1);
    EXPECT_NEAR(arcs[i].start, s.start, 0.0005);
    EXPECT_NEAR(arcs[i].end, s.end, 0.0005);
    EXPECT_EQ(arcs[i].colour, s.colour);
  }
  EXPECT_NEAR(osvatine::Os(r.P).R3, 104.1, 0.05);
  auto circleO2 = OpsOf(log, [](const Op& o) { return IsCircleAt(o, 941.8f, 236.9f, 104.15f, 0.1f); }, from);
  ASSERT_EQ(circleO2.size(), 1u);
  EXPECT_EQ(circleO2[0].colour, 0);
  EXPECT_EQ(circleO2[0].start, circleO2[0].end);
}

TEST(ShipConstruction, TheSecondHeadingAfterNineKeys) {
  auto r = Play(kScreen5 + Repeat("k", 9));
  const Log& log = r.log;
  size_t from = ScreenStart(log);
  ExpectTextLine(log, from, 40, 230, 0, "②∠CPD=45°の円");
  auto arcs = OpsOf(log, IsArc, from);
  ASSERT_EQ(arcs.size(), 4u);
  EXPECT_TRUE(IsCircleAt(arcs.back(), 1035, 283.33f, 147.6f, 0.1f));
}

TEST(ShipConstruction, TheShipItsAnglesThenTheSubMenu) {
  auto r = Play(kScreen5 + Repeat("k", 22));
  const Log& log = r.log;
  size_t from = ScreenStart(log);
  ExpectTextLine(log, from, 40, 280, 0, "③点Pの位置");
  ExpectTextLine(log, from, 40, 330, 0, "　海にある円の交点");
  auto ship = OpsOf(log, [](const Op& o) { return IsCircleAt(o, 852.2f, 183.8f, 6, 0.05f); }, from);
  ASSERT_EQ(ship.size(), 1u);
  EXPECT_EQ(ship[0].colour, 5);
  auto sectors = ExpectShipAngles(log, from);
  ASSERT_EQ(sectors.size(), 2u);
  // 22 key waits, the last before the 45° angle; the choice line follows it at once.
  auto waits = IndexesOf(log, IsWaitBox, from);
  EXPECT_EQ(waits.size(), 22u);
  auto choice = IndexesOf(log, IsChoiceLine, from);
  ASSERT_EQ(choice.size(), 1u);
  EXPECT_GT(sectors.back(), waits.back());
  EXPECT_GT(choice[0], sectors.back());
}

}  // namespace
}  // namespace osvatine_test
