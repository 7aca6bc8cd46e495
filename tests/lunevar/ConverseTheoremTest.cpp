// Item 6, choice 3: the converse stated on four points, its circle coming only with the
// conclusion, then the right-angle case with Q added on the far side of the diameter.
#include <gtest/gtest.h>

#include "lunevar/ConverseSupport.h"

namespace lunevar_test {
namespace {

constexpr int kWaits = 8;

bool IsWholeCircle(const Op& o) { return o.kind == OpKind::Circle && o.start == 0 && o.end == 0; }
// A corner mark in colour 5 whose corner lies within a side's length of (x, y).
bool IsCornerNear(const Op& o, float x, float y) {
  if (o.kind != OpKind::Polyline || o.colour != 5 || o.points.size() != 3) return false;
  for (auto [px, py] : o.points)
    if (Distance(px, py, x, y) > 30 * 1.5f) return false;
  return true;
}

TEST(ConverseTheorem, TheCircleComesWithTheConclusion) {
  ScreenPlay s = PlayChoice(3, kWaits);
  const Log& log = s.log();
  for (size_t k = 0; k < 3; ++k) EXPECT_TRUE(s.opsOfStep(k, IsWholeCircle).empty()) << k;
  constexpr float kTextColumn = 600;  // figure 1 stands right of the statement
  ExpectText(log, s.step(0), 36, 30, "<円周角の定理の逆>", 3, kTextColumn);
  ExpectText(log, s.step(0), 36, 90, "4点A,B,C,Pについて", 0, kTextColumn);
  // The equal angles, one filled sector each at C and P, before the first key.
  auto sectors = s.opsOfStep(1, [](const Op& o) { return o.kind == OpKind::Circle && o.fill == 3; });
  ASSERT_EQ(sectors.size(), 2u);
  EXPECT_TRUE(IsCircleAt(sectors[0], 675.0f, 70.1f, 50, 0.05f));
  EXPECT_TRUE(IsCircleAt(sectors[1], 825.0f, 70.1f, 50, 0.05f));
  EXPECT_NEAR(SweepDegrees(sectors[0]), 50, 0.05f);
  EXPECT_NEAR(SweepDegrees(sectors[1]), 50, 0.05f);
  EXPECT_EQ(GlyphsAt(log, 210, 0, 2000, s.step(2).first, s.step(2).second), "　ならば　");

  auto circle = s.opsOfStep(3, IsWholeCircle);
  ASSERT_EQ(circle.size(), 1u);
  EXPECT_TRUE(IsCircleAt(circle[0], 750, 200, 150));
  EXPECT_EQ(circle[0].width, 5);
  ExpectText(log, s.step(3), 36, 270, "この4点は同じ円周上にある。", 5);
}

TEST(ConverseTheorem, RightAngleCaseThenQ) {
  ScreenPlay s = PlayChoice(3, kWaits);
  const Log& log = s.log();
  auto fig2 = s.opsOfStep(4, IsWholeCircle);
  ASSERT_EQ(fig2.size(), 2u);  // the circle and O's dot
  EXPECT_TRUE(IsCircleAt(fig2[0], 215, 485, 135));
  EXPECT_EQ(s.opsOfStep(4, [](const Op& o) { return IsCornerNear(o, 282.5f, 368.1f); }).size(), 1u);
  ExpectText(log, s.step(4), 450, 400, "∠APB=90°のとき", 3);
  // Just past "∠APB=90%のとき " and its trailing blank: 342 wide.
  ExpectText(log, s.step(5), 450 + 342, 400, "ABは直径", 5);
  // Q's letter, right angle and chords come together, after the sixth key.
  for (size_t k = 4; k <= 5; ++k)
    EXPECT_TRUE(s.opsOfStep(k, [](const Op& o) { return o.kind == OpKind::Text && o.text == "Q" && o.y1 > 550; }).empty());
  auto q = s.opsOfStep(6, [](const Op& o) { return o.kind == OpKind::Text && o.text == "Q" && o.y1 > 550; });
  ASSERT_EQ(q.size(), 1u);
  EXPECT_NEAR(q[0].x1, 238.4f + 8, 0.1f);
  EXPECT_EQ(s.opsOfStep(6, [](const Op& o) { return IsCornerNear(o, 238.4f, 618.0f); }).size(), 1u);
  auto abq = s.opsOfStep(6, [](const Op& o) { return o.kind == OpKind::Polyline && o.colour == 0; });
  ASSERT_EQ(abq.size(), 1u);
  ASSERT_EQ(abq[0].points.size(), 4u);
  EXPECT_TRUE(Near(abq[0].points[2].first, 238.4f, 0.1f) && Near(abq[0].points[2].second, 618.0f, 0.1f));
  ExpectText(log, s.step(6), 450, 450, "点QがABの反対側にあっても", 0);
  ExpectText(log, s.step(6), 450, 500, "∠AQB=90°ならば", 3);
  ExpectText(log, s.step(7), 450, 550, "4点A,B,P,Qは同じ円周上にある。", 5);
  ExpectText(log, s.step(8), 450, 610, "教科書P169問1　をしなさい。", 0);
}

}  // namespace
}  // namespace lunevar_test
