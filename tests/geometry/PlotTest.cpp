// Points, curves and vertical lines on the plane: where they land, their labels, the band the
// dots keep to, and the scales, shifts and draw width left behind.
#include <gtest/gtest.h>

#include <vector>

#include "geometry/Plane.h"
#include "support/MathTextLog.h"
#include "support/TestRun.h"

namespace geometry_test {

using platform::Op;
using platform::OpKind;
using testsupport::HasMathText;
using testsupport::TestRun;

namespace {

// The default plane's placement globals, without drawing it.
void Plane(shell::Vars& v) {
  v.GX0 = 790, v.GY0 = 330, v.GY1 = 180, v.GY2 = 480, v.SIZE = 30;
  v.BAIX = v.BAIY = 1;
  v.CCC3 = 4;
}

TEST(PlotPoint, DotAndLabelAboveItsLeft) {
  TestRun run;
  auto& v = run.v;
  Plane(v);
  v.BAIX = 0, v.BAIY = 2;
  v.XG = 2, v.YG = 4, v.R = 5;
  v.AAA_s = "P";
  v.KASANARIX = 3;
  geometry::PlotPoint(run.P);
  EXPECT_EQ(v.GX, 850);
  EXPECT_EQ(v.GY, 270);
  ASSERT_FALSE(run.log.empty());
  const Op& dot = run.log[0];
  EXPECT_EQ(dot.kind, OpKind::Circle);
  EXPECT_EQ(std::vector<float>({dot.x1, dot.y1, dot.r}), (std::vector<float>{850, 270, 5}));
  EXPECT_EQ(dot.colour, 4);
  EXPECT_EQ(dot.fill, 4);
  EXPECT_TRUE(HasMathText(run.log, "P", 833, 230, 4));
  EXPECT_EQ(v.CCC1, 4);
  EXPECT_EQ(v.BAIX, 1);
  EXPECT_EQ(v.BAIY, 2);
  EXPECT_EQ(v.KASANARIX, 0);
  EXPECT_EQ(v.AAA_s, "P");
  EXPECT_EQ(v.AA_s, "");
}

TEST(PlotPoint, OutsideTheFrameAndWithoutALabel) {
  TestRun run;
  auto& v = run.v;
  Plane(v);
  v.XG = 20, v.YG = 0, v.R = 3;
  geometry::PlotPoint(run.P);
  ASSERT_EQ(run.log.size(), 1u);
  EXPECT_EQ(run.log[0].x1, 1390);
}

std::vector<Op> Dots(const TestRun& run) {
  std::vector<Op> out;
  for (const Op& op : run.ops(OpKind::Circle))
    if (op.r == 1) out.push_back(op);
  return out;
}

struct CurveCase {
  const char* name;
  float kind, aa, bb, from, to;
  size_t dots;
  float firstX, firstY;  // page centre of the first dot
};

TEST(PlotGraph, CurvesAsRunsOfDotsWithinTheBand) {
  const CurveCase cases[] = {
      // Both edges of the band are inside it.
      {"y = 5 on the top edge", 3, 0, 5, -5, 5, 5001, 640, 180},
      {"y = -5 on the bottom edge", 3, 0, -5, -5, 5, 5001, 640, 480},
      {"y = 5.1 above the band", 3, 0, 5.1f, -5, 5, 0, 0, 0},
      // x = 0 is stepped over for every kind but the straight line.
      {"parabola from 0", 2, 1, 0, 0, 2, 0, 790.06f, 330},
      {"straight line from 0", 3, 1, 0, 0, 2, 0, 790, 330},
      {"kind 7 from 0", 7, 1, 0, 0, 2, 0, 790.06f, 329.94f},
      // The first dots of y = 6/x lie above the band.
      {"hyperbola", 1, 6, 0, 1, 5, 0, 826, 180},
      {"one x only", 3, 1, 0, 2, 2, 5001, 850, 270},
  };
  for (const CurveCase& k : cases) {
    SCOPED_TRACE(k.name);
    TestRun run;
    auto& v = run.v;
    Plane(v);
    v.IROIRO = k.kind, v.AA = k.aa, v.BB = k.bb, v.AA1 = k.from, v.AA2 = k.to;
    geometry::PlotGraph(run.P);
    auto dots = Dots(run);
    if (k.dots) {
      EXPECT_EQ(dots.size(), k.dots);
    }
    if (k.firstX) {
      ASSERT_FALSE(dots.empty());
      EXPECT_NEAR(dots[0].x1, k.firstX, 1e-3);
      EXPECT_NEAR(dots[0].y1, k.firstY, 1e-3);
      EXPECT_EQ(dots[0].colour, 4);
      EXPECT_EQ(dots[0].fill, 4);
      EXPECT_EQ(v.X, dots.back().x1);
      EXPECT_EQ(v.Y, dots.back().y1);
    } else if (!k.dots) {
      EXPECT_TRUE(dots.empty());
    }
    for (const Op& d : dots) EXPECT_TRUE(d.y1 >= 180 && d.y1 <= 480);
    EXPECT_EQ(v.HABA, 5000);
    EXPECT_EQ(v.II, 5001);
  }
}

TEST(PlotCurveDots, AnXThatTheStepsBringToZeroIsSteppedOver) {
  // Steps of 1/1024 from -2500/1024 add up exactly: the 2500th lands on 0.
  struct Case {
    float kind;
    bool dotAtZero;
    float lastX;  // in plane units: one step further on when x = 0 was stepped over
  } cases[] = {{1, false, 2501 / 1024.0f}, {2, false, 2501 / 1024.0f}, {3, true, 2500 / 1024.0f}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.kind);
    TestRun run;
    auto& v = run.v;
    Plane(v);
    v.IROIRO = k.kind, v.AA = 0.5f, v.BB = 0, v.AA1 = -2500 / 1024.0f, v.AA2 = 2500 / 1024.0f;
    geometry::PlotCurveDots(run.P);
    auto dots = Dots(run);
    ASSERT_FALSE(dots.empty());
    bool atZero = false;
    for (const Op& d : dots) atZero = atZero || d.x1 == 790;
    EXPECT_EQ(atZero, k.dotAtZero);
    EXPECT_EQ(dots.back().x1, 790 + 30 * k.lastX);
  }
}

TEST(PlotGraph, TheLabelFollowsTheLastDotOrTheCallersPen) {
  TestRun run;
  auto& v = run.v;
  Plane(v);
  v.IROIRO = 3, v.AA = 0, v.BB = 9, v.AA1 = -5, v.AA2 = 5;
  v.X = 100, v.Y = 600;
  v.AAA_s = "y=9";
  v.KASANARIX = 5, v.KASANARIY = -7;
  geometry::PlotGraph(run.P);
  EXPECT_TRUE(HasMathText(run.log, "y=9", 105, 593, 4));
  EXPECT_EQ(v.KASANARIX + v.KASANARIY, 0);
}

TEST(PlotGraph, GeneralLinesBecomeSlopeAndIntercept) {
  TestRun run;
  auto& v = run.v;
  Plane(v);
  v.IROIRO = 4, v.AA = 2, v.BB = 4, v.CC = 8, v.AA1 = -5, v.AA2 = 5;
  geometry::PlotGraph(run.P);
  EXPECT_EQ(v.IROIRO, 3);
  EXPECT_EQ(v.AA, -0.5f);
  EXPECT_EQ(v.BB, 2);
  auto dots = Dots(run);
  ASSERT_FALSE(dots.empty());
  EXPECT_FLOAT_EQ(dots[0].y1, 330 - 30 * 4.5f);
}

TEST(PlotGraph, VerticalLinesAndTheDrawWidthFound) {
  TestRun run;
  auto& v = run.v;
  Plane(v);
  v.BAIX = 0, v.BAIY = 2;
  v.IROIRO = 4, v.AA = 2, v.BB = 0, v.CC = 6, v.BB1 = -4, v.BB2 = 4;
  v.AAA_s = "x=3";
  run.pf.setDrawWidth(2);
  geometry::PlotGraph(run.P);
  EXPECT_EQ(v.CC, 3);
  auto lines = run.ops(OpKind::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(std::vector<float>({lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}),
            (std::vector<float>{880, 390, 880, 270}));
  EXPECT_EQ(lines[0].width, 5);
  EXPECT_EQ(lines[0].colour, 4);
  EXPECT_TRUE(HasMathText(run.log, "x=3", 890, 270, 4));
  EXPECT_EQ(run.pf.drawWidth(), 2);
  EXPECT_EQ(v.BAIX, 1);
  EXPECT_EQ(v.BAIY, 1);
}

TEST(PlotGraph, NoEquationDrawsNothing) {
  TestRun run;
  auto& v = run.v;
  Plane(v);
  v.BAIX = 3;
  v.IROIRO = 4, v.AA = 0, v.BB = 0, v.CC = 6;
  v.AAA_s = "?";
  v.KASANARIX = 4;
  run.pf.setDrawWidth(2);
  geometry::PlotGraph(run.P);
  EXPECT_TRUE(run.log.empty());
  EXPECT_EQ(v.BAIX, 1);
  EXPECT_EQ(v.KASANARIX, 0);
  EXPECT_EQ(run.pf.drawWidth(), 2);
}

TEST(PlotWorkers, AScaleOfZeroCountsAsOne) {
  TestRun run;
  auto& v = run.v;
  Plane(v);
  v.BAIX = v.BAIY = 0;
  v.CC = 2, v.BB1 = -1, v.BB2 = 1;
  geometry::PlotVerticalLine(run.P);
  v.IROIRO = 3, v.AA = 1, v.BB = 0, v.AA1 = -1, v.AA2 = 1;
  geometry::PlotCurveDots(run.P);
  auto lines = run.ops(OpKind::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].x1, 850);
  EXPECT_EQ(lines[0].y2, 300);
  EXPECT_EQ(run.pf.drawWidth(), 5);
  EXPECT_EQ(Dots(run).size(), 5001u);
  EXPECT_EQ(v.BAIX, 0);
}

}  // namespace
}  // namespace geometry_test
