// Equal-length strokes and parallel arrowheads on a segment: where they stand, the clamps of
// their counts and spacing, the spacing left grown, and segments on which nothing can be marked.
#include <gtest/gtest.h>

#include "figures/Marks.h"
#include "support/TestRun.h"

namespace figures_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

void Segment(shell::Vars& v, float ax, float ay, float bx, float by) {
  v.AX = ax; v.AY = ay; v.BX = bx; v.BY = by; v.CCC2 = 2;
}

std::vector<float> StrokeXs(const TestRun& m) {
  std::vector<float> xs;
  for (const Op& l : m.shown(OpKind::Line)) xs.push_back(l.x1);
  return xs;
}

TEST(EqualLengthTicks, StrokesBeyondTheMidpoint) {
  TestRun m;
  Segment(m.v, 100, 300, 300, 300);
  m.v.HONSU = 2; m.v.AIDA = 8; m.v.ITI = 0; m.v.NAGASA = 15;
  m.pf.setDrawWidth(4);
  figures::DrawEqualLengthTicks(m.P);
  auto lines = m.shown(OpKind::Line);
  ASSERT_EQ(lines.size(), 2u);
  const float xs[] = {208, 216};
  for (int i = 0; i < 2; ++i) {
    EXPECT_FLOAT_EQ(lines[i].x1, xs[i]); EXPECT_FLOAT_EQ(lines[i].y1, 285);
    EXPECT_FLOAT_EQ(lines[i].x2, xs[i]); EXPECT_FLOAT_EQ(lines[i].y2, 315);
    EXPECT_EQ(lines[i].colour, 2);
    EXPECT_EQ(lines[i].width, 4);
  }
  EXPECT_EQ(m.v.AIDA, 24);  // left grown
  EXPECT_EQ(m.v.AIDA1, 8);
  // Working storage shared with the geometry routines is left as the marks used it.
  EXPECT_EQ(m.v.CX, 200); EXPECT_EQ(m.v.CY, 0); EXPECT_EQ(m.v.D, 200);
  EXPECT_EQ(m.v.DX, 1); EXPECT_EQ(m.v.DY, 0);
  EXPECT_EQ(m.v.EX, 200); EXPECT_EQ(m.v.EY, 300);
  EXPECT_EQ(m.v.AX2, 216); EXPECT_EQ(m.v.AY2, 315);
  EXPECT_EQ(m.v.HONSU, 2);
  EXPECT_EQ(m.v.NAGASA, 15);  // nothing is cleared
  EXPECT_EQ(m.pf.drawWidth(), 4);
}

TEST(EqualLengthTicks, ShiftSpacingAndCountClamps) {
  struct Case { const char* name; float honsu, aida, iti; std::vector<float> xs; float aidaAfter, honsuAfter; };
  const Case cases[] = {
      {"shifted back", 2, 8, -30, {178, 186}, 24, 2},
      {"spacing 0", 1, 0, 0, {208}, 16, 1},
      {"spacing 31", 1, 31, 0, {208}, 16, 1},
      {"spacing 30 kept", 1, 30, 0, {230}, 60, 1},
      {"negative spacing", 2, -8, 0, {192, 184}, -24, 2},
      {"count 0 still one stroke", 0, 8, 0, {208}, 16, 0},
      {"count -1", -1, 8, 0, {208}, 16, 1},
      {"count 7", 7, 8, 0, {208}, 16, 1},
  };
  for (const Case& c : cases) {
    TestRun m;
    Segment(m.v, 100, 300, 300, 300);
    m.v.HONSU = c.honsu; m.v.AIDA = c.aida; m.v.ITI = c.iti; m.v.NAGASA = 15;
    figures::DrawEqualLengthTicks(m.P);
    EXPECT_EQ(StrokeXs(m), c.xs) << c.name;
    EXPECT_EQ(m.v.AIDA, c.aidaAfter) << c.name;
    EXPECT_EQ(m.v.HONSU, c.honsuAfter) << c.name;
  }
}

TEST(EqualLengthTicks, SpacingCarriesOverToTheNextCall) {
  TestRun m;
  Segment(m.v, 100, 300, 300, 300);
  m.v.HONSU = 1; m.v.AIDA = 8; m.v.NAGASA = 15;
  std::vector<float> firstStroke;
  for (int call = 0; call < 3; ++call) {
    m.log.clear();
    figures::DrawEqualLengthTicks(m.P);
    firstStroke.push_back(StrokeXs(m).at(0));
  }
  EXPECT_EQ(firstStroke, (std::vector<float>{208, 216, 208}));  // 8, then 16, then 32 falls back
  EXPECT_EQ(m.v.AIDA, 16);
}

TEST(EqualLengthTicks, SwappedEndsMoveToTheOtherSide) {
  TestRun m;
  Segment(m.v, 300, 300, 100, 300);
  m.v.HONSU = 2; m.v.AIDA = 8; m.v.NAGASA = 15;
  figures::DrawEqualLengthTicks(m.P);
  EXPECT_EQ(StrokeXs(m), (std::vector<float>{192, 184}));
}

TEST(ParallelMarks, ArrowheadsPointingToTheSecondEnd) {
  TestRun m;
  Segment(m.v, 100, 300, 300, 300);
  m.v.A = 1; m.v.B = 1; m.v.HONSU = 1; m.v.NAGASA = 20;
  m.pf.setDrawWidth(3);
  figures::DrawParallelMarks(m.P);
  auto lines = m.shown(OpKind::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_FLOAT_EQ(lines[0].x1, 196); EXPECT_FLOAT_EQ(lines[0].y1, 310);
  EXPECT_FLOAT_EQ(lines[1].x1, 196); EXPECT_FLOAT_EQ(lines[1].y1, 290);
  for (const Op& l : lines) {
    EXPECT_FLOAT_EQ(l.x2, 216); EXPECT_FLOAT_EQ(l.y2, 300);
    EXPECT_EQ(l.colour, 2);
    EXPECT_EQ(l.width, 3);
  }
  EXPECT_EQ(m.v.NAGASA, 20);
  EXPECT_EQ(m.v.A, 1);
  EXPECT_EQ(m.v.BX1, 216); EXPECT_EQ(m.v.BY1, 300);  // the last tip
  EXPECT_EQ(m.v.EX, 180); EXPECT_EQ(m.v.EY, 300);
  EXPECT_EQ(m.v.AX2, 196); EXPECT_EQ(m.v.AY2, 290);
  EXPECT_EQ(m.v.DX, 1); EXPECT_EQ(m.v.CX, 200);
}

TEST(ParallelMarks, CountsRatiosAndDirections) {
  struct Case { const char* name; float ax, bx, a, b, honsu; std::vector<float> tips; float honsuAfter; };
  const Case cases[] = {
      {"count 0", 100, 300, 1, 1, 0, {216}, 1},
      {"count -2", 100, 300, 1, 1, -2, {216}, 1},
      {"count 7", 100, 300, 1, 1, 7, {216}, 1},
      {"count 6", 100, 300, 1, 1, 6, {216, 232, 248, 264, 280, 296}, 6},
      {"ratio point on the first end", 100, 300, 0, 1, 1, {116}, 1},
      {"ratio point on the second end", 100, 300, 1, 0, 1, {316}, 1},
      {"one to three", 100, 300, 1, 3, 1, {166}, 1},
      {"swapped ends", 300, 100, 1, 1, 2, {184, 168}, 2},
  };
  for (const Case& c : cases) {
    TestRun m;
    Segment(m.v, c.ax, 300, c.bx, 300);
    m.v.A = c.a; m.v.B = c.b; m.v.HONSU = c.honsu; m.v.NAGASA = 20;
    figures::DrawParallelMarks(m.P);
    auto lines = m.shown(OpKind::Line);
    std::vector<float> tips;
    for (size_t i = 0; i < lines.size(); i += 2) tips.push_back(lines[i].x2);
    EXPECT_EQ(tips, c.tips) << c.name;
    EXPECT_EQ(m.v.HONSU, c.honsuAfter) << c.name;
  }
}

// A segment of no length has no direction; A + B = 0 has no ratio point. The clamps still apply.
TEST(SegmentMarks, NothingOnASegmentThatCannotBeMarked) {
  {
    TestRun m;
    Segment(m.v, 200, 300, 200, 300);
    m.v.HONSU = 7; m.v.AIDA = 0; m.v.NAGASA = 15;
    figures::DrawEqualLengthTicks(m.P);
    EXPECT_TRUE(m.log.empty());
    EXPECT_EQ(m.v.AIDA, 8);
    EXPECT_EQ(m.v.HONSU, 1);
  }
  struct Case { const char* name; float bx, a, b; };
  for (Case c : {Case{"no length", 100, 1, 1}, Case{"A + B = 0", 300, 1, -1}}) {
    TestRun m;
    Segment(m.v, 100, 300, c.bx, 300);
    m.v.A = c.a; m.v.B = c.b; m.v.HONSU = 0; m.v.NAGASA = 20;
    figures::DrawParallelMarks(m.P);
    EXPECT_TRUE(m.log.empty()) << c.name;
    EXPECT_EQ(m.v.HONSU, 1) << c.name;
  }
}

}  // namespace
}  // namespace figures_test
