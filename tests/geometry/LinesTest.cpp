// Feet of perpendiculars and crossings of two lines, vertical, horizontal and slope-1000
// lines included, and parallel lines reported through KOUTEN.
#include <gtest/gtest.h>

#include "geometry/Lines.h"
#include "platform/Errors.h"
#include "support/TestRun.h"

namespace geometry_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

struct Pt {
  float x, y;
};

struct FootCase {
  const char* name;
  Pt a, b, c, foot;
  bool general;  // computed through the slopes (AA1 to BB2 written)
};

TEST(FootOfPerpendicular, FeetOfGeneralAndSpecialLines) {
  const FootCase cases[] = {
      {"slope 1", {0, 0}, {2, 2}, {2, 0}, {1, 1}, true},
      {"vertical", {5, 0}, {5, 10}, {1, 3}, {5, 3}, false},
      {"horizontal", {0, 4}, {9, 4}, {3, 8}, {3, 4}, false},
      {"A on B", {5, 5}, {5, 5}, {1, 2}, {5, 2}, false},
      {"C on the line", {0, 0}, {4, 2}, {2, 1}, {2, 1}, true},
      {"page figure", {400, 300}, {700, 500}, {650, 250}, {550, 400}, true},
  };
  for (const FootCase& k : cases) {
    SCOPED_TRACE(k.name);
    TestRun run;
    auto& v = run.v;
    v.AX = k.a.x, v.AY = k.a.y, v.BX = k.b.x, v.BY = k.b.y, v.CX = k.c.x, v.CY = k.c.y;
    v.AA1 = v.BB1 = v.AA2 = v.BB2 = 77;
    v.AX2 = v.AY2 = 55;
    geometry::FootOfPerpendicular(run.P);
    EXPECT_NEAR(v.EX, k.foot.x, 1e-3);
    EXPECT_NEAR(v.EY, k.foot.y, 1e-3);
    if (!k.general) {
      EXPECT_EQ(v.AA1 + v.BB1 + v.AA2 + v.BB2, 4 * 77);
    }
    EXPECT_EQ(v.AX2, 55);
    EXPECT_EQ(v.AY2, 55);
    // A page-coloured dot over whatever lies at the foot.
    auto dots = run.ops(OpKind::Circle);
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_FLOAT_EQ(dots[0].x1, v.EX);
    EXPECT_FLOAT_EQ(dots[0].y1, v.EY);
    EXPECT_EQ(dots[0].r, 2);
    EXPECT_EQ(dots[0].colour, 15);
    EXPECT_EQ(dots[0].fill, 15);
  }
}

TEST(FootOfPerpendicular, SlopesAndInterceptsOfTheGeneralCase) {
  TestRun run;
  auto& v = run.v;
  v.AX = 0, v.AY = 0, v.BX = 2, v.BY = 2, v.CX = 2, v.CY = 0;
  geometry::FootOfPerpendicular(run.P);
  EXPECT_EQ(v.AA1, 1);
  EXPECT_EQ(v.BB1, 0);
  EXPECT_EQ(v.AA2, -1);
  EXPECT_EQ(v.BB2, 2);
}

struct CrossCase {
  const char* name;
  Pt a, b, c, d;
  bool found;
  Pt at;
};

TEST(LineIntersection, CrossingsAndParallels) {
  const CrossCase cases[] = {
      {"diagonals", {0, 0}, {4, 4}, {0, 4}, {4, 0}, true, {2, 2}},
      {"vertical AB, horizontal CD", {3, 0}, {3, 10}, {0, 7}, {10, 7}, true, {3, 7}},
      {"horizontal AB, vertical CD", {0, 7}, {10, 7}, {3, 0}, {3, 10}, true, {3, 7}},
      {"vertical AB, sloped CD", {3, 0}, {3, 10}, {0, 0}, {2, 4}, true, {3, 6}},
      {"sloped AB, vertical CD", {0, 0}, {2, 4}, {3, 0}, {3, 10}, true, {3, 6}},
      {"chords of a page figure", {400, 300}, {700, 500}, {650, 250}, {450, 520}, true, {542.5620f, 395.0413f}},
      // A real slope of 1000 is a slope, not the mark of a vertical line.
      {"slope 1000 with horizontal", {0, 0}, {1, 1000}, {0, 500}, {10, 500}, true, {0.5f, 500}},
      {"slope 1000 with vertical", {0, 0}, {1, 1000}, {3, 0}, {3, 1}, true, {3, 3000}},
      {"vertical with slope 1000", {3, 0}, {3, 1}, {0, 0}, {1, 1000}, true, {3, 3000}},
      {"parallel sloped", {0, 0}, {4, 4}, {0, 1}, {4, 5}, false, {}},
      {"both vertical", {1, 0}, {1, 5}, {4, 0}, {4, 5}, false, {}},
      {"both horizontal", {0, 1}, {5, 1}, {0, 4}, {5, 4}, false, {}},
      {"one line twice", {0, 0}, {4, 4}, {1, 1}, {3, 3}, false, {}},
      {"two slope-1000 lines", {0, 0}, {1, 1000}, {5, 0}, {6, 1000}, false, {}},
  };
  for (const CrossCase& k : cases) {
    SCOPED_TRACE(k.name);
    TestRun run;
    auto& v = run.v;
    v.AX = k.a.x, v.AY = k.a.y, v.BX = k.b.x, v.BY = k.b.y;
    v.CX = k.c.x, v.CY = k.c.y, v.DX = k.d.x, v.DY = k.d.y;
    v.AX2 = v.AY2 = 55;
    v.KOUTEN = k.found ? 0 : 1;
    v.EX = v.EY = 66;
    geometry::LineIntersection(run.P);
    EXPECT_EQ(v.KOUTEN, k.found ? 1 : 0);
    if (k.found) {
      EXPECT_NEAR(v.AX2, k.at.x, 1e-3);
      EXPECT_NEAR(v.AY2, k.at.y, 1e-2);
    } else {
      EXPECT_EQ(v.AX2, 55);
      EXPECT_EQ(v.AY2, 55);
    }
    EXPECT_EQ(v.EX, 66);
    EXPECT_EQ(v.EY, 66);
    EXPECT_TRUE(run.log.empty());
  }
}

TEST(LineIntersection, SlopeCodesAndIntercepts) {
  TestRun run;
  auto& v = run.v;
  v.AX = 0, v.AY = 0, v.BX = 4, v.BY = 4, v.CX = 0, v.CY = 4, v.DX = 4, v.DY = 0;
  geometry::LineIntersection(run.P);
  EXPECT_EQ(v.A1, 1);
  EXPECT_EQ(v.B1, 0);
  EXPECT_EQ(v.A2, -1);
  EXPECT_EQ(v.B2, 4);
  // A vertical line keeps the code 1000 in its slope, a horizontal one 0 with its y.
  v.AX = 3, v.AY = 0, v.BX = 3, v.BY = 10, v.CX = 0, v.CY = 7, v.DX = 10, v.DY = 7;
  geometry::LineIntersection(run.P);
  EXPECT_EQ(v.A1, 1000);
  EXPECT_EQ(v.A2, 0);
  EXPECT_EQ(v.B2, 7);
}

TEST(LineIntersection, ASlopeBeyondTheFloatRangeIsAnOverflow) {
  TestRun run;
  auto& v = run.v;
  v.AX = 0, v.AY = 0, v.BX = 1e-38f, v.BY = 1e5f, v.CX = 0, v.CY = 4, v.DX = 4, v.DY = 0;
  try {
    geometry::LineIntersection(run.P);
    ADD_FAILURE() << "no error";
  } catch (const platform::RuntimeError& e) {
    EXPECT_EQ(e.code, platform::Overflow);
  }
}

}  // namespace
}  // namespace geometry_test
