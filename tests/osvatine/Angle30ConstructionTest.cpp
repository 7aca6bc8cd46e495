// Screen 2, the 30° construction: P on the other crossing, the eight sample points with their
// sixteen segments in one step, and the three compass strokes.
#include <gtest/gtest.h>

#include "Support.h"

namespace osvatine_test {
namespace {

const std::string kScreen2 = "1{Enter}2{Enter}";

TEST(Angle30Construction, PIsTheOtherCrossing) {
  auto r = Play(kScreen2);
  size_t from = ScreenStart(r.log);
  auto p = OpsOf(r.log, [](const Op& o) { return IsCircleAt(o, 1160.5f, 321.2f, 6, 0.05f); }, from);
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].colour, 0);
  auto sector = OpsOf(r.log, [](const Op& o) { return IsCircleAt(o, 1160.5f, 321.2f, 60, 0.05f); }, from);
  ASSERT_EQ(sector.size(), 1u);
  EXPECT_NEAR(testsupport::SweepDegrees(sector[0]), 31.6, 0.1);
}

TEST(Angle30Construction, EightSamplePointsAndSixteenSegmentsInOneStep) {
  auto r = Play(kScreen2 + Repeat("a", 5));
  const Log& log = r.log;
  auto lines = LastStep(log, [](const Op& o) { return o.kind == OpKind::Line; });
  ASSERT_EQ(lines.size(), 16u);
  const std::pair<float, float> samples[] = {{1025.3f, 92.5f},  {1136.9f, 186.1f}, {1162.2f, 329.5f},
                                             {1089.4f, 455.6f}, {952.5f, 505.4f},  {815.7f, 455.6f},
                                             {742.8f, 329.5f},  {768.1f, 186.1f}};
  for (size_t i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    const Op& toA = lines[2 * i];
    const Op& toB = lines[2 * i + 1];
    EXPECT_EQ(toA.colour, 7);
    EXPECT_NEAR(toA.x1, 790, 0.01); EXPECT_NEAR(toA.y1, 155, 0.01);
    EXPECT_NEAR(toB.x1, 1000, 0.01); EXPECT_NEAR(toB.y1, 85, 0.01);
    for (const Op* l : {&toA, &toB}) {
      EXPECT_NEAR(l->x2, samples[i].first, 0.06);
      EXPECT_NEAR(l->y2, samples[i].second, 0.06);
    }
  }
  EXPECT_EQ(IndexesOf(log, IsWaitBox, ScreenStart(log)).size(), 6u);  // the sixth waits for a key
}

TEST(Angle30Construction, CompassStrokesOneKeyEach) {
  // The keys that lead to the stroke's step.
  struct Stroke { int keys; float cx, cy, r, start, end; bool dot; };
  const Stroke strokes[] = {
      {13, 790, 155, 221.36f, 0.9188f, 0.9788f, true},
      {14, 790, 155, 212.90f, 0.0818f, 0.1418f, false},
      {15, 1000, 85, 212.90f, 0.2558f, 0.3158f, true},
  };
  for (const Stroke& s : strokes) {
    SCOPED_TRACE(s.keys);
    auto r = Play(kScreen2 + Repeat("a", s.keys));
    const Log& log = r.log;
    auto drawn = LastStep(log, [](const Op& o) { return o.kind == OpKind::Circle && o.r > 4; });
    ASSERT_EQ(drawn.size(), s.dot ? 2u : 1u);
    if (s.dot) {
      EXPECT_TRUE(IsCircleAt(drawn[0], s.cx, s.cy, 6));
      EXPECT_EQ(drawn[0].fill, 7);
    }
    const Op& arc = drawn.back();
    EXPECT_TRUE(IsCircleAt(arc, s.cx, s.cy, s.r, 0.01f));
    EXPECT_NEAR(arc.r, s.r, 0.01);
    EXPECT_NEAR(arc.start, s.start, 0.0001);
    EXPECT_NEAR(arc.end, s.end, 0.0001);
    EXPECT_EQ(arc.colour, 7);
    EXPECT_EQ(arc.fill, platform::kNoFill);
  }
}

}  // namespace
}  // namespace osvatine_test
