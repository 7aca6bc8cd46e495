// Item 6, choice 2: P on, inside and outside the circle. The first page adds the three Ps to
// one figure without erasing any; the panel page sets the cases side by side and fills each
// relation box in place, its reason coming one key later with the marks it names.
#include <gtest/gtest.h>

#include "lunevar/ConverseSupport.h"

namespace lunevar_test {
namespace {

constexpr int kWaits = 10;

bool IsSector(const Op& o) { return o.kind == OpKind::Circle && o.fill == 5 && (o.start != 0 || o.end != 0); }
bool IsArc(const Op& o, float r, int colour) {
  return o.kind == OpKind::Circle && o.fill == platform::kNoFill && Near(o.r, r) && o.colour == colour &&
         (o.start != 0 || o.end != 0);
}
bool IsRelationBox(const Op& o) { return o.kind == OpKind::Box && o.fill == 13 && o.colour == 3; }

TEST(PositionCases, FirstPageAddsEachPWithoutErasing) {
  ScreenPlay s = PlayChoice(2, kWaits);
  const Log& log = s.log();
  ExpectText(log, s.step(0), 40, 30, "直線AB", 3);
  ExpectText(log, s.step(0), 40, 80, "∠ACBと∠APBの大きさ", 3);
  auto arc = s.opsOfStep(0, [](const Op& o) { return IsArc(o, 42, 3); });
  ASSERT_EQ(arc.size(), 1u);
  EXPECT_TRUE(IsCircleAt(arc[0], 391.44f, 286.79f, 42, 0.05f));
  EXPECT_NEAR(SweepDegrees(arc[0]), 50, 0.05f);
  auto ab = s.opsOfStep(0, [](const Op& o) { return o.kind == OpKind::Line && Near(o.x1, 320); });
  ASSERT_EQ(ab.size(), 1u);
  EXPECT_TRUE(Near(ab[0].y1, 568.56f) && Near(ab[0].x2, 720) && Near(ab[0].y2, 568.56f));
  EXPECT_TRUE(s.opsOfStep(0, IsSector).empty());
  ExpectText(log, s.step(0), 40, 150, "(1)", 3);
  ExpectText(log, s.step(0), 121, 150, "円周上", 0);

  struct Spot { float x, y; };
  const Spot ps[] = {{701.26f, 355.48f}, {609.99f, 332.75f}, {660.00f, 197.51f}};
  for (size_t k = 1; k <= 3; ++k) {
    SCOPED_TRACE(k);
    auto sectors = s.opsOfStep(k, IsSector);
    ASSERT_EQ(sectors.size(), 1u);
    EXPECT_TRUE(IsCircleAt(sectors[0], ps[k - 1].x, ps[k - 1].y, 50, 0.05f));
    EXPECT_TRUE(s.opsOfStep(k, [](const Op& o) { return o.kind == OpKind::Box; }).empty());
    auto letter = s.opsOfStep(k, [](const Op& o) { return o.kind == OpKind::Text && o.text == "P"; });
    ASSERT_EQ(letter.size(), 1u);
    EXPECT_TRUE(Near(letter[0].x1, ps[k - 1].x + 8, 0.05f));
  }
  // The sector on the circle spans the same 50 degrees as the arc at C; inside wider, outside narrower.
  auto sectors = s.ops(IsSector);
  EXPECT_NEAR(SweepDegrees(sectors[0]), 50, 0.05f);
  EXPECT_NEAR(SweepDegrees(sectors[1]), 60.9f, 0.1f);
  EXPECT_NEAR(SweepDegrees(sectors[2]), 40.4f, 0.1f);
  EXPECT_EQ(s.opsOfStep(4, IsPageClear).size(), 1u);
}

TEST(PositionCases, ThreePanelsStandSideBySide) {
  ScreenPlay s = PlayChoice(2, kWaits);
  auto& v = s.r.v;
  // The panels' points, as the placement puts them.
  EXPECT_TRUE(Near(v.X_a(11), 600) && Near(v.Y_a(11), 320));
  EXPECT_TRUE(Near(v.X_a(16), 629.72f) && Near(v.Y_a(16), 244.06f));
  EXPECT_TRUE(Near(v.X_a(21), 990) && Near(v.Y_a(21), 320));
  EXPECT_TRUE(Near(v.X_a(27), 1116.14f) && Near(v.Y_a(27), 129.15f));
  const float left[] = {60, 450, 840};
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(v.T_a(10 + n), left[n - 1]);

  // All three drawn on the page after the fourth key: circles, Os, heading rows with their boxes.
  auto circles = s.opsOfStep(4, [](const Op& o) { return o.kind == OpKind::Circle && Near(o.r, 150); });
  ASSERT_EQ(circles.size(), 3u);
  const float ox[] = {210, 600, 990};
  for (int n = 0; n < 3; ++n) EXPECT_TRUE(IsCircleAt(circles[n], ox[n], 320, 150));
  auto boxes = s.opsOfStep(4, IsRelationBox);
  ASSERT_EQ(boxes.size(), 3u);
  for (int n = 0; n < 3; ++n) {
    SCOPED_TRACE(n + 1);
    EXPECT_TRUE(Near(boxes[n].y1, 27) && Near(boxes[n].y2, 77) && Near(boxes[n].x2 - boxes[n].x1, 72));
    EXPECT_EQ(boxes[n].x1, v.T_a(n + 1));
    EXPECT_EQ(v.F_a(n + 1), 30);
  }
  const Log& log = s.log();
  ExpectText(log, s.step(4), 30, 30, "(1)", 3);
  ExpectText(log, s.step(4), 450, 30, "(2)", 3);
  ExpectText(log, s.step(4), 840, 30, "(3)", 3);
  EXPECT_EQ(GlyphsAt(log, 30, 0, 440, s.step(4).first, s.step(4).second), "(1)∠APB①∠a");
  EXPECT_EQ(GlyphsAt(log, 30, 450, 830, s.step(4).first, s.step(4).second), "(2)∠APB②∠a");
  // P's sector at 40 in the panels inside and outside, at 50 on the circle.
  auto sectors = s.opsOfStep(4, IsSector);
  ASSERT_EQ(sectors.size(), 3u);
  EXPECT_TRUE(IsCircleAt(sectors[0], 285, 190.10f, 50, 0.05f));
  EXPECT_TRUE(IsCircleAt(sectors[1], 629.72f, 244.06f, 40, 0.05f));
  EXPECT_TRUE(IsCircleAt(sectors[2], 1116.14f, 129.15f, 40, 0.05f));
  EXPECT_NEAR(SweepDegrees(sectors[1]), 66.3f, 0.1f);
  EXPECT_NEAR(SweepDegrees(sectors[2]), 37.8f, 0.1f);
}

TEST(PositionCases, EachRelationInItsBoxThenItsReason) {
  ScreenPlay s = PlayChoice(2, kWaits);
  const Log& log = s.log();
  auto first = s.opsOfStep(4, IsRelationBox);
  ASSERT_EQ(first.size(), 3u);
  // The reasons' "+" is drawn as two strokes, not as a glyph.
  struct Reveal { const char* sign; float x; const char* reason; int marks; float bSweep; };
  const Reveal reveals[] = {
      {"=", 60, "円周角の定理より", 0, 0},
      {">", 450, "∠APB=∠a∠b", 2, 16.3f},
      {"<", 840, "∠a=∠APB∠b", 2, 12.2f},
  };
  for (size_t n = 0; n < 3; ++n) {
    SCOPED_TRACE(n + 1);
    size_t boxStep = 5 + 2 * n, reasonStep = boxStep + 1;
    auto box = s.opsOfStep(boxStep, IsRelationBox);
    ASSERT_EQ(box.size(), 1u);
    EXPECT_TRUE(Near(box[0].x1, first[n].x1) && Near(box[0].y1, first[n].y1) && Near(box[0].x2, first[n].x2) &&
                Near(box[0].y2, first[n].y2));
    EXPECT_EQ(GlyphsAt(log, 30, 0, 2000, s.step(boxStep).first, s.step(boxStep).second), reveals[n].sign);
    ExpectText(log, s.step(reasonStep), reveals[n].x, 500, reveals[n].reason, 3);
    auto arcs = s.opsOfStep(reasonStep, [](const Op& o) { return o.kind == OpKind::Circle; });
    ASSERT_EQ(arcs.size(), static_cast<size_t>(reveals[n].marks));
    if (reveals[n].marks == 0) continue;
    EXPECT_TRUE(IsArc(arcs[0], 42, 3));
    EXPECT_NEAR(SweepDegrees(arcs[0]), 50, 0.05f);
    EXPECT_TRUE(IsArc(arcs[1], 62, 5));
    EXPECT_NEAR(SweepDegrees(arcs[1]), reveals[n].bSweep, 0.1f);
  }
}

}  // namespace
}  // namespace lunevar_test
