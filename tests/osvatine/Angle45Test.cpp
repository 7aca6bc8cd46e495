// Screens 3 and 4, the 45° circle and its construction: P on the circle with the inside of its
// angle marked, the circle about O' with its digit label, the text column of the construction
// and its five compass strokes.
#include <gtest/gtest.h>

#include "Support.h"

namespace osvatine_test {
namespace {

const std::string kScreen3 = "1{Enter}3{Enter}", kScreen4 = "1{Enter}4{Enter}";

TEST(Angle45Circle, PAndTheInsideOfItsAngle) {
  auto r = Play(kScreen3);
  size_t from = ScreenStart(r.log);
  auto p = OpsOf(r.log, [](const Op& o) { return IsCircleAt(o, 869.2f, 194.6f, 6, 0.05f); }, from);
  ASSERT_EQ(p.size(), 1u);
  auto sector = OpsOf(r.log, [](const Op& o) { return IsCircleAt(o, 869.2f, 194.6f, 50, 0.05f); }, from);
  ASSERT_EQ(sector.size(), 1u);
  EXPECT_NEAR(sector[0].start, 0.148, 0.001);
  EXPECT_NEAR(sector[0].end, 0.273, 0.001);
  EXPECT_EQ(sector[0].fill, 3);
}

TEST(Angle45Circle, TheCircleAboutOPrimeLabelledWithTheDigit) {
  auto r = Play(kScreen3 + "a");
  auto circle = LastStep(r.log, [](const Op& o) { return o.kind == OpKind::Circle && o.r > 100; });
  ASSERT_EQ(circle.size(), 1u);
  EXPECT_TRUE(IsCircleAt(circle[0], 900.2f, 370.5f, 178.54f, 0.05f));
  EXPECT_EQ(circle[0].colour, 0);
  EXPECT_EQ(circle[0].fill, platform::kNoFill);
  auto label = LastStep(r.log, [](const Op& o) { return o.kind == OpKind::Text && o.y1 < 600; });
  ASSERT_EQ(label.size(), 1u);
  EXPECT_EQ(label[0].text, "0");
  EXPECT_NEAR(label[0].x1, 886.2, 0.05);
  EXPECT_NEAR(label[0].y1, 322.5, 0.05);
}

TEST(Angle45Construction, TextColumnOfStagesAndSubSteps) {
  auto r = Play(kScreen4 + Repeat("a", 17));
  const Log& log = r.log;
  struct Line { float x, y, colour; };
  const Line lines[] = {{40, 30, 3},  {40, 80, 7},  {67, 130, 0}, {67, 180, 0}, {40, 230, 7},
                        {67, 280, 0}, {67, 330, 0}, {40, 380, 7}, {67, 430, 0}};
  size_t from = ScreenStart(log);
  for (const Line& l : lines) {
    SCOPED_TRACE(l.y);
    auto glyphs = OpsOf(log, [&](const Op& o) { return o.kind == OpKind::Text && o.y1 == l.y && o.x1 < 600; }, from);
    ASSERT_FALSE(glyphs.empty());
    EXPECT_EQ(glyphs[0].x1, l.x);
    for (const Op& g : glyphs) EXPECT_EQ(g.colour, l.colour) << g.text;
  }
}

TEST(Angle45Construction, FiveCompassStrokes) {
  // The keys that lead to each stroke's step, its centre, radius, ends and colour.
  struct Stroke { int keys; float cx, cy, r, start, end; int colour; };
  const Stroke strokes[] = {
      {4, 890, 383.33f, 210.82f, 0.4188f, 0.9788f, 7},
      {5, 690, 450, 297.56f, 0.0435f, 0.1035f, 7},
      {6, 1090, 316.67f, 297.56f, 0.2941f, 0.3541f, 7},
      {12, 690, 450, 178.94f, 0.6997f, 0.9481f, 3},
      {13, 823.59f, 184.11f, 178.94f, 0.1997f, 0.4481f, 3},
  };
  for (const Stroke& s : strokes) {
    SCOPED_TRACE(s.keys);
    auto r = Play(kScreen4 + Repeat("a", s.keys));
    auto drawn = LastStep(r.log, [](const Op& o) { return o.kind == OpKind::Circle && o.r > 4; });
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_TRUE(IsCircleAt(drawn[0], s.cx, s.cy, 6, 0.01f));
    EXPECT_EQ(drawn[0].fill, s.colour);
    const Op& arc = drawn[1];
    EXPECT_TRUE(IsCircleAt(arc, s.cx, s.cy, arc.r, 0.01f));
    EXPECT_NEAR(arc.r, s.r, 0.01);
    EXPECT_NEAR(arc.start, s.start, 0.0001);
    EXPECT_NEAR(arc.end, s.end, 0.0001);
    EXPECT_EQ(arc.colour, s.colour);
  }
}

TEST(Angle45Construction, EndsWithTheCircleAboutOPrime) {
  auto r = Play(kScreen4 + Repeat("a", 17));
  size_t from = AfterLast(r.log, IsWaitBox);
  auto circle = OpsOf(r.log, [](const Op& o) { return o.kind == OpKind::Circle && o.r > 100; }, from);
  ASSERT_EQ(circle.size(), 1u);
  EXPECT_TRUE(IsCircleAt(circle[0], 756.8f, 317.05f, 148.78f, 0.05f));
  EXPECT_EQ(circle[0].colour, 5);
  EXPECT_EQ(circle[0].start, 0);
  EXPECT_EQ(circle[0].end, 0);
}

}  // namespace
}  // namespace osvatine_test
