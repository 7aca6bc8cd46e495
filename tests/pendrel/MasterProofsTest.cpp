// Answers 5 to 9 of the second set: the pentagon's ticks and angles, the similar triangles of
// answers 6 and 7, the midpoint marks of answer 8 and the two pages of answer 9.
#include <gtest/gtest.h>

#include <cmath>

#include "MasterSet.h"
#include "support/MathTextLog.h"

namespace pendrel_test {
namespace {

using pendrel::MasterAnswer5;
using pendrel::MasterAnswer6;
using pendrel::MasterAnswer7;
using pendrel::MasterAnswer8;
using pendrel::MasterAnswer9;
using pendrel::MasterAnswer9Page2;

constexpr float kPi = 3.14159f;

bool IsLine(const Op& o, float x1, float y1, float x2, float y2, float tol = 0.1f) {
  return o.kind == OpKind::Line && Near(o.x1, x1, tol) && Near(o.y1, y1, tol) && Near(o.x2, x2, tol) &&
         Near(o.y2, y2, tol);
}

TEST(MasterAnswer5, PentagonTicksAndTheAngleAtF) {
  TestRun run;
  ShowPageUpTo(run, MasterAnswer5, 0);
  ExpectPoint(run, 6, 872.3f, 254.3f);
  EXPECT_EQ(OpsOf(run.log, [](const Op& o) { return o.text == "F" && Near(o.x1, 880.3f, 0.1f); }).size(), 1u);
  EXPECT_TRUE(OpsOf(run.log, [](const Op& o) { return IsCircleAt(o, 872.3f, 254.3f, 6, 0.1f); }).empty());
  EXPECT_EQ(OpsOf(run.log, [](const Op& o) { return o.kind == OpKind::Circle && Near(o.r, 6); }).size(), 5u);
  // Two strokes 4° apart in each arc, radially from 225 to 195 about O.
  for (float middle : {132.0f, 204.0f, 276.0f, 348.0f, 420.0f}) {
    for (float a : {middle - 2, middle + 2}) {
      float c = std::cos(a * kPi / 180), s = std::sin(a * kPi / 180);
      EXPECT_EQ(OpsOf(run.log, [&](const Op& o) {
                  return IsLine(o, 930 + 225 * c, 310 - 225 * s, 930 + 195 * c, 310 - 195 * s) && o.colour == 3;
                }).size(), 1u) << a << "°";
    }
  }
  Log x = ArcsAbout(run.log, 872.3f, 254.3f, 52);
  ASSERT_EQ(x.size(), 1u);
  EXPECT_NEAR(SweepDegrees(x[0]), 72, 0.2);
  EXPECT_EQ(x[0].colour, 3);

  TestRun whole;
  ASSERT_EQ(ShowAnswer(whole, 5), shell::Screen{pendrel::MasterLearningSubMenu});
  std::string answer = GlyphsInColour(whole.log, 460, 5);  // "∠x=" and "72%" in colour 5
  EXPECT_EQ(answer.substr(answer.size() - std::string("72°").size()), "72°");
  EXPECT_TRUE(HasMathText(whole.log, "∠x=", 40, 460, 5));
  // The two filled 36° angles at A (fill 3) and at B (fill 7).
  Log atA = OpsOf(whole.log, [](const Op& o) { return o.kind == OpKind::Circle && Near(o.r, 40) && o.fill == 3; });
  Log atB = OpsOf(whole.log, [](const Op& o) { return o.kind == OpKind::Circle && Near(o.r, 40) && o.fill == 7; });
  ASSERT_EQ(atA.size(), 1u);
  ASSERT_EQ(atB.size(), 1u);
  EXPECT_NEAR(SweepDegrees(atA[0]), 36, 0.2);
  EXPECT_NEAR(SweepDegrees(atB[0]), 36, 0.2);
}

TEST(MasterAnswer6, EqualAngleDotsAndTheProofLines) {
  TestRun run;
  ASSERT_EQ(ShowAnswer(run, 6), shell::Screen{pendrel::MasterLearningSubMenu});
  ExpectPoint(run, 4, 939.2f, 415.0f);
  struct Dot { float x, y; };
  for (Dot d : {Dot{949.4f, 150.2f}, Dot{975.1f, 152.4f}, Dot{796.4f, 427.9f}}) {
    Log dots = OpsOf(run.log, [&](const Op& o) { return IsCircleAt(o, d.x, d.y, 8, 0.1f); });
    ASSERT_EQ(dots.size(), 1u) << d.x << "," << d.y;
    EXPECT_EQ(dots[0].colour, 3);
    EXPECT_EQ(dots[0].fill, 3);
  }
  const char* lines[] = {"∠Eは共通　　　　 　　　…①", "仮定より ∠BAE＝∠CAE", "弧ECに対する円周角は等しいので",
                         "∠CBE＝∠CAE", "したがって、∠BAE＝∠DBE　…②", "①，②から，",
                         "2組の角がそれぞれ等しいので，", "△ABE∽△BDE"};
  float y = 150;
  for (const char* line : lines) {
    EXPECT_TRUE(HasMathText(run.log, line, 40, y, 0)) << line;
    y += 60;
  }
  // The thick outline of ABE lies over the filled BED, and the width is 5 again after it.
  auto filled = IndexesOf(run.log, [](const Op& o) { return o.kind == OpKind::Polyline && o.fill == 13; });
  auto thick = IndexesOf(run.log, [](const Op& o) { return o.kind == OpKind::Polyline && o.width == 8; });
  ASSERT_EQ(filled.size(), 1u);
  ASSERT_EQ(thick.size(), 1u);
  EXPECT_LT(filled[0], thick[0]);
  EXPECT_EQ(run.log[thick[0]].colour, 9);
  Log arcEC = OpsOf(run.log, [](const Op& o) { return IsCircleAt(o, 930, 310, 210) && o.colour == 3; });
  ASSERT_EQ(arcEC.size(), 1u);
  EXPECT_NEAR(SweepDegrees(arcEC[0]), 60, 0.1);
}

TEST(MasterAnswer7, CommonPointsRatiosArcsAndSectors) {
  TestRun run;
  ASSERT_EQ(ShowAnswer(run, 7), shell::Screen{pendrel::MasterLearningSubMenu});
  ExpectPoint(run, 1, 907.3f, 173.3f);  // A, the upper common point
  ExpectPoint(run, 2, 907.3f, 416.7f);  // B
  ExpectPoint(run, 4, 1100.1f, 431.3f);  // D by its ratio on CB
  ExpectPoint(run, 6, 1176.5f, 287.3f);  // F by its ratio on EB
  // The filled triangle AEF comes before the circles.
  auto filled = IndexesOf(run.log, [](const Op& o) { return o.kind == OpKind::Polyline && o.fill == 13; });
  auto circles = IndexesOf(run.log, [](const Op& o) { return IsCircleAt(o, 755, 295, 195) && o.start == 0; });
  ASSERT_EQ(filled.size(), 1u);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_LT(filled[0], circles[0]);
  Log arcO = ArcsAbout(run.log, 755, 295, 195);
  Log arcO2 = ArcsAbout(run.log, 1015, 295, 162.5f);
  ASSERT_EQ(arcO.size(), 1u);
  ASSERT_EQ(arcO2.size(), 1u);
  EXPECT_EQ(arcO[0].colour, 3);
  EXPECT_EQ(arcO2[0].colour, 7);
  EXPECT_NEAR(SweepDegrees(arcO[0]), 77, 1);
  EXPECT_NEAR(SweepDegrees(arcO2[0]), 97, 1);
  struct Sector { int point, fill; float degrees; };
  for (Sector s : {Sector{3, 3, 38.6f}, Sector{5, 3, 38.6f}, Sector{4, 7, 48.9f}, Sector{6, 7, 48.6f}}) {
    float x = run.v.X_a(s.point), y = run.v.Y_a(s.point);
    Log at = OpsOf(run.log, [&](const Op& o) { return IsCircleAt(o, x, y, 60, 0.01f) && o.fill == s.fill; });
    ASSERT_EQ(at.size(), 1u) << "point " << s.point;
    EXPECT_NEAR(SweepDegrees(at[0]), s.degrees, 0.2) << "point " << s.point;
  }
  EXPECT_TRUE(HasMathText(run.log, "△ACD∽△AEF", 40, 610, 3));
}

TEST(MasterAnswer8, TicksAndTheParallelMark) {
  TestRun run;
  ShowPageUpTo(run, MasterAnswer8, 4);
  for (float x : {833.0f, 841.0f, 849.0f, 1043.0f, 1051.0f, 1059.0f})
    EXPECT_EQ(OpsOf(run.log, [&](const Op& o) { return IsLine(o, x, 295, x, 325) && o.colour == 3; }).size(), 1u)
        << "x " << x;

  TestRun five;
  ShowPageUpTo(five, MasterAnswer8, 5);
  // The arrowhead on OM: two strokes to the tip, from behind it (below and right of it).
  Log strokes = OpsOf(five.log, [](const Op& o) {
    return o.kind == OpKind::Line && Near(o.x2, 904.5f, 0.1f) && Near(o.y2, 255.3f, 0.1f);
  });
  ASSERT_EQ(strokes.size(), 2u);
  for (const Op& s : strokes) {
    EXPECT_EQ(s.colour, 3);
    EXPECT_GT(s.y1, s.y2);
    EXPECT_NEAR(std::hypot(s.x1 - s.x2, s.y1 - s.y2), std::hypot(20.0f, 10.0f), 0.1);
  }
}

TEST(MasterAnswer9, TwoPagesOnOneFigure) {
  TestRun run;
  ShowPageUpTo(run, MasterAnswer9, 0);
  ExpectPoint(run, 5, 994.3f, 296.6f);  // P on the chords
  ExpectPoint(run, 6, 1219.2f, 417.9f);  // Q on the lines AD and BC
  EXPECT_TRUE(HasMathText(run.log, "(1)", 30 + 256 + 10 + 44, 30, 0));
  EXPECT_TRUE(HasMathText(run.log, "<証明>", 30, 90, 7));
  // No point has a dot and the centre no letter.
  EXPECT_TRUE(OpsOf(run.log, [](const Op& o) { return o.kind == OpKind::Circle && Near(o.r, 6); }).empty());

  ASSERT_EQ(run.runScreen(MasterAnswer9, Repeat("k", 8)), shell::Screen{MasterAnswer9Page2});
  Log arcs = ArcsAbout(run.log, 900, 280, 180);
  ASSERT_EQ(arcs.size(), 2u);
  EXPECT_EQ(arcs[0].colour, 3);
  EXPECT_NEAR(arcs[0].start, 0.3611f, 0.0001);
  EXPECT_NEAR(arcs[0].end, 0.8056f, 0.0001);
  EXPECT_EQ(arcs[1].colour, 7);
  EXPECT_NEAR(SweepDegrees(arcs[1]), 60, 0.1);  // CD is the short arc through the fraction 1

  size_t page2 = run.log.size();
  ASSERT_EQ(run.runScreen(MasterAnswer9Page2, Repeat("k", 8)), shell::Screen{pendrel::MasterLearningSubMenu});
  EXPECT_EQ(IndexesOf(run.log, IsPageClear, page2).size(), 1u);
  EXPECT_TRUE(HasMathText(run.log, "(2)", 340, 30, 0));
  EXPECT_TRUE(HasMathText(run.log, "と、弧CDに対する円周角の差と等しくなる。", 30, 510, 0));
  Log thick = OpsOf(run.log, [](const Op& o) { return o.kind == OpKind::Polyline && o.width == 8; }, page2);
  ASSERT_EQ(thick.size(), 1u);
  EXPECT_EQ(thick[0].colour, 9);
}

}  // namespace
}  // namespace pendrel_test
