// Answers 1 to 4 of the second set: the frame, the figures with their derived points and marks,
// and the texts where the steps put them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "MasterSet.h"
#include "support/MathTextLog.h"

namespace pendrel_test {
namespace {

using pendrel::MasterAnswer1;
using pendrel::MasterAnswer2;
using pendrel::MasterAnswer2Page2;
using pendrel::MasterAnswer2Page3;
using pendrel::MasterAnswer3;
using pendrel::MasterAnswer3Page2;
using pendrel::MasterAnswer3Page3;
using pendrel::MasterAnswer4;

bool IsArc(const Op& o, float x, float y, float r, float start, float end, int colour, float tol = 0.1f) {
  return IsCircleAt(o, x, y, r, tol) && Near(o.start, start, 0.0005f) && Near(o.end, end, 0.0005f) &&
         o.colour == colour && o.fill == platform::kNoFill;
}
bool IsNonEmptyText(const Op& o) { return o.kind == OpKind::Text && !o.text.empty(); }

TEST(MasterAnswer1, FrameAndBothDividedCirclesBeforeTheFirstKey) {
  TestRun run;
  ShowPageUpTo(run, MasterAnswer1, 0);
  Log boxes = OpsOf(run.log, [](const Op& o) { return o.kind == OpKind::Box && o.fill != 15; });
  ASSERT_GE(boxes.size(), 2u);
  EXPECT_EQ(BoxOf(boxes[0]), (BoxSeen{40, 30, 296, 78, 3, 13, 5}));
  EXPECT_EQ(BoxOf(boxes[1]), (BoxSeen{306, 30, 350, 78, 4, 3, 5}));
  EXPECT_EQ(GlyphsAt(run.log, 30, 306, 350), "1");
  EXPECT_FALSE(OpsOf(run.log, [](const Op& o) { return IsCircleAt(o, 870, 170, 150) && o.start == 0; }).empty());
  EXPECT_FALSE(OpsOf(run.log, [](const Op& o) { return IsCircleAt(o, 870, 480, 150) && o.start == 0; }).empty());
  EXPECT_FALSE(OpsOf(run.log, [](const Op& o) { return IsArc(o, 870, 170, 150, 0.8333333f, 0.5f, 3); }).empty());
  EXPECT_FALSE(OpsOf(run.log, [](const Op& o) { return IsArc(o, 870, 480, 150, 0.8f, 0.2f, 3); }).empty());
  // No text of the column yet: nothing left of the figures below the boxes.
  EXPECT_TRUE(OpsOf(run.log, [](const Op& o) { return IsNonEmptyText(o) && o.y1 > 78 && o.y1 < 657 && o.x1 < 700; })
                  .empty());
}

TEST(MasterAnswer1, TheTextColumnAfterSixKeys) {
  TestRun run;
  ASSERT_EQ(ShowAnswer(run, 1), shell::Screen{pendrel::MasterLearningSubMenu});
  EXPECT_TRUE(HasMathText(run.log, "(1)", 40, 110, 3));
  EXPECT_TRUE(HasMathText(run.log, "(2)", 40, 390, 3));
  EXPECT_TRUE(HasMathText(run.log, "に対する中心角は、", 121, 170, 0));
  std::string answer;
  for (const Op& t : OpsOf(run.log, [](const Op& o) { return IsNonEmptyText(o) && Near(o.y1, 590) && o.colour == 5; }))
    answer += t.text;
  EXPECT_EQ(answer, "72°");
  // The central angles: one arc of radius 52 in colour 3 each, over the asked-for arcs.
  Log thirds = ArcsAbout(run.log, 870, 170, 52);
  ASSERT_EQ(thirds.size(), 1u);
  EXPECT_NEAR(SweepDegrees(thirds[0]), 240, 0.1);
  Log fifths = ArcsAbout(run.log, 870, 480, 52);
  ASSERT_EQ(fifths.size(), 1u);
  EXPECT_NEAR(SweepDegrees(fifths[0]), 144, 0.1);
}

TEST(MasterAnswer2, ThreePagesWithWideNumberBoxes) {
  TestRun run;
  ASSERT_EQ(ShowAnswer(run, 2), shell::Screen{pendrel::MasterLearningSubMenu});
  auto pages = IndexesOf(run.log, IsPageClear);
  ASSERT_EQ(pages.size(), 3u);
  const char* numbers[] = {"2(1)", "2(2)", "2(3)"};
  for (size_t p = 0; p < 3; ++p) {
    Log boxes = OpsOf(run.log, [](const Op& o) { return o.kind == OpKind::Box && o.fill == 3; }, pages[p]);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(BoxOf(boxes[0]), (BoxSeen{306, 30, 426, 78, 4, 3, 5}));
    size_t end = p + 1 < 3 ? pages[p + 1] : run.log.size();
    EXPECT_EQ(GlyphsAt(Log(run.log.begin() + pages[p], run.log.begin() + end), 30, 306, 426), numbers[p]);
  }
}

TEST(MasterAnswer2, PageTwoIsNotToScale) {
  TestRun run;
  ASSERT_EQ(run.runScreen(MasterAnswer2, Repeat("k", 5)), shell::Screen{MasterAnswer2Page2});
  size_t from = run.log.size();
  ShowPageUpTo(run, MasterAnswer2Page2, 2);
  ExpectPoint(run, 4, 891.8f, 365.0f);  // D, where OA crosses BC
  // The "15°" mark at B spans the drawn 30°.
  Log atB = ArcsAbout(run.log, 1001.8f, 457.3f, 52, from);
  ASSERT_EQ(atB.size(), 1u);
  EXPECT_NEAR(SweepDegrees(atB[0]), 30, 0.2);
  // The sector at D: radius 40, outline 0, fill 3, and no label after it.
  auto sector = IndexesOf(run.log, [](const Op& o) { return IsCircleAt(o, 891.8f, 365.0f, 40, 0.1f); }, from);
  ASSERT_EQ(sector.size(), 1u);
  const Op& s = run.log[sector[0]];
  EXPECT_EQ(s.colour, 0);
  EXPECT_EQ(s.fill, 3);
  auto wait = IndexesOf(run.log, IsWaitBox, sector[0]);
  ASSERT_FALSE(wait.empty());
  EXPECT_TRUE(IndexesOf(run.log, IsNonEmptyText, sector[0] + 1, wait[0]).empty());
}

TEST(MasterAnswer2, PageOneArcSignsAtWidthThreeThenFive) {
  TestRun run;
  ShowPageUpTo(run, MasterAnswer2, 3);
  // The arc signs are dotted half-ellipses over "AB" from x 40 and over "CD" after "AB=".
  Log dots = OpsOf(run.log, [](const Op& o) { return o.kind == OpKind::Circle && Near(o.r, 0.5f) && o.y1 < 210; });
  ASSERT_FALSE(dots.empty());
  for (const Op& d : dots) EXPECT_EQ(d.width, 3);
  float left = 2000;
  for (const Op& d : dots) left = std::min(left, d.x1);
  EXPECT_NEAR(left, 40, 1);
  // The radii to C and D drawn after the signs are at width 5 again.
  Log toD = OpsOf(run.log, [](const Op& o) {
    return o.kind == OpKind::Line && Near(o.x1, 930) && Near(o.y1, 260) && Near(o.x2, 748.1f, 0.1f);
  });
  ASSERT_EQ(toD.size(), 1u);
  EXPECT_EQ(toD[0].width, 5);
}

TEST(MasterAnswer3, DerivedPointsArcsAndSectors) {
  TestRun run;
  // 3(1): the circle only after the first key.
  ShowPageUpTo(run, MasterAnswer3, 0);
  auto circleO = [](const Op& o) { return IsCircleAt(o, 930, 310, 210) && o.start == 0 && o.end == 0; };
  EXPECT_TRUE(IndexesOf(run.log, circleO).empty());
  ASSERT_EQ(run.runScreen(MasterAnswer3, Repeat("k", 5)), shell::Screen{MasterAnswer3Page2});
  EXPECT_EQ(IndexesOf(run.log, circleO).size(), 1u);

  // 3(2): arc AC in colour 3 (62°), arc ABD in colour 7 through B (250°), the reflex sector at O.
  size_t from = run.log.size();
  ASSERT_EQ(run.runScreen(MasterAnswer3Page2, Repeat("k", 6)), shell::Screen{MasterAnswer3Page3});
  EXPECT_EQ(OpsOf(run.log, [](const Op& o) { return IsArc(o, 930, 260, 210, 0.5f, 0.6722222f, 3); }, from).size(), 1u);
  EXPECT_EQ(OpsOf(run.log, [](const Op& o) { return IsArc(o, 930, 260, 210, 0.8055556f, 0.5f, 7); }, from).size(), 1u);
  Log reflex = OpsOf(run.log, [](const Op& o) { return IsCircleAt(o, 930, 260, 40, 0.1f) && o.fill == 3; }, from);
  ASSERT_EQ(reflex.size(), 1u);
  EXPECT_NEAR(SweepDegrees(reflex[0]), 250, 0.2);

  // 3(3): P where the tangents at A and B meet, left of the grid; the tangents run on past A, B.
  ASSERT_EQ(run.runScreen(MasterAnswer3Page3, Repeat("k", 5)), shell::Screen{pendrel::MasterLearningSubMenu});
  ExpectPoint(run, 4, 581.4f, 200.0f);
  ExpectPoint(run, 5, 1046.2f, 30.9f);
  ExpectPoint(run, 6, 1046.2f, 369.1f);
  EXPECT_EQ(OpsOf(run.log, [](const Op& o) {
              return o.text == "P" && Near(o.x1, 551.4f, 0.2f) && Near(o.y1, 175.0f, 0.2f);
            }).size(), 1u);
  Log atP = ArcsAbout(run.log, 581.4f, 200.0f, 52);
  ASSERT_EQ(atP.size(), 1u);
  EXPECT_NEAR(SweepDegrees(atP[0]), 40, 0.2);
}

TEST(MasterAnswer4, TwoSetsOfConcyclicPointsWithNoCircle) {
  TestRun run;
  ShowPageUpTo(run, MasterAnswer4, 3);
  ExpectPoint(run, 1, 929.61f, 136.94f);  // A on BE and CD
  ExpectPoint(run, 6, 929.61f, 413.17f);  // P on BD and CE
  EXPECT_TRUE(run.ops(OpKind::Circle).empty());
  EXPECT_TRUE(OpsOf(run.log, [](const Op& o) { return o.kind == OpKind::Text && o.text == "O"; }).empty());
  Log bc = OpsOf(run.log, [](const Op& o) {
    return o.kind == OpKind::Line && Near(o.x1, 720) && Near(o.y1, 500) && Near(o.x2, 1080) && Near(o.y2, 500);
  });
  ASSERT_EQ(bc.size(), 2u);  // black at first, colour 5 after the third key
  EXPECT_EQ(bc[0].colour, 0);
  EXPECT_EQ(bc[1].colour, 5);
  EXPECT_FALSE(HasMathText(run.log, "∠BDC=∠BEC=90°だから", 80, 410, 0));

  TestRun whole;
  ASSERT_EQ(ShowAnswer(whole, 4), shell::Screen{pendrel::MasterLearningSubMenu});
  EXPECT_TRUE(HasMathText(whole.log, "点A,E,P,D", 80, 100, 5));
  EXPECT_TRUE(HasMathText(whole.log, "∠AEP=∠ADP=90° だから", 80, 160, 0));
  EXPECT_TRUE(HasMathText(whole.log, "∠BDC=∠BEC=90°だから", 80, 410, 0));
}

}  // namespace
}  // namespace pendrel_test
