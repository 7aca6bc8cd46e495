// Screen 6, the angle-sum discussion: its own points on the ship map, the reasoning over one
// figure, the erase that keeps the text column, and the construction of P, then the sub-menu.
#include <gtest/gtest.h>

#include "ScreenChecks.h"
#include "kit/Marks.h"
#include "osvatine/Osvatine.h"
#include "osvatine/ShipPosition.h"

namespace osvatine_test {
namespace {

const std::string kScreen6 = "1{Enter}6{Enter}";

size_t ScreenStart(const Log& log) { return AfterLast(log, [](const Op& o) { return IsPageClear(o); }); }
bool IsErase(const Op& o) { return IsFilledBox(o, 730, 135, 1300, 780, 15); }

TEST(AngleSumDiscussion, ItsPointsOnTheScreensGrid) {
  Bare b;
  auto& v = b.P.v;
  kit::GridPaper(b.P, 400, 150, 10, 7, 15, 90);
  osvatine::SetUpShipFigure(b.P);
  osvatine::SetUpDiscussionPoints(b.P);
  struct Point { int i; float x, y; };
  const Point points[] = {{2, 760, 195},        {3, 985, 510},        {4, 1165, 450},      {0, 1075, 480},
                          {7, 1023.0f, 324.1f}, {6, 1057.7f, 428.0f}, {8, 1038.1f, 424.0f}, {9, 1070.9f, 413.1f},
                          {41, 990.9f, 340.4f}};
  for (const Point& p : points) {
    EXPECT_NEAR(v.X_a(p.i), p.x, 0.05) << p.i;
    EXPECT_NEAR(v.Y_a(p.i), p.y, 0.05) << p.i;
  }
  EXPECT_NEAR(v.R2, 189.7, 0.05);
  EXPECT_NEAR(v.R1, 109.5, 0.05);
  EXPECT_NEAR(osvatine::Os(b.P).R3, 205.7, 0.05);
  EXPECT_TRUE(b.log.empty());  // nothing drawn
}

TEST(AngleSumDiscussion, TheObservedAnglesAndTheAngleAtO) {
  auto r = Play(kScreen6 + Repeat("k", 13));
  const Log& log = r.log;
  size_t from = ScreenStart(log);
  EXPECT_TRUE(IndexesOf(log, [](const Op& o) { return o.kind == OpKind::Line && o.width < 5; }, from,
                        IndexesOf(log, IsWaitBox, from).front())
                  .empty());  // no grid line
  // One arc per mark (radius NAGASA - 8), on the interior side, in its label's colour.
  struct Mark { float x, y, r, degrees; int colour; };
  const Mark marks[] = {{990.9f, 340.4f, 52, 120.2f, 3}, {990.9f, 340.4f, 52, 59.8f, 3}, {1057.7f, 428.0f, 22, 120.0f, 7}};
  auto arcs = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Circle && o.start != o.end; }, from);
  ASSERT_EQ(arcs.size(), std::size(marks));
  for (size_t i = 0; i < arcs.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(IsCircleAt(arcs[i], marks[i].x, marks[i].y, marks[i].r, 0.06f));
    EXPECT_NEAR(testsupport::SweepDegrees(arcs[i]), marks[i].degrees, 0.06);
    EXPECT_EQ(arcs[i].colour, marks[i].colour);
  }
}

TEST(AngleSumDiscussion, TheTextColumn) {
  auto r = Play(kScreen6 + Repeat("k", 13));
  const Log& log = r.log;
  size_t from = ScreenStart(log);
  // The heading runs on into the figure's width; "+" is drawn in strokes.
  ExpectTextLine(log, from, 30, 20, 7, "P172∠BPC=120°,∠CPD=60°となる点Pをさがそう。", 1440);
  ExpectTextLine(log, from, 30, 70, 7, "①∠BPC∠CPD=180°だから");
  ExpectTextLine(log, from, 66, 120, 3, "点Pは直線BD上にある");
  ExpectTextLine(log, from, 30, 170, 7, "②3点C,D,Pを通る円をかくと");
  ExpectTextLine(log, from, 66, 220, 0, "∠CPD=60°だから∠COD=120°");
  ExpectTextLine(log, from, 66, 270, 0, "△OCDは底角30°の二等辺三角形");
  ExpectTextLine(log, from, 30, 320, 7, "③点Oの作図");
  ExpectTextLine(log, from, 66, 370, 0, "CDを1辺とする正三角形をかくと");
  ExpectTextLine(log, from, 66, 420, 0, "底角C,Dの二等分線の交点");
  ExpectTextLine(log, from, 30, 480, 7, "点Pを作図しよう。");
  ExpectTextLine(log, from, 30, 530, 7, "①直線BDをひく　②正三角形をかく");
  ExpectTextLine(log, from, 30, 580, 7, "③角の二等分線をかく　④交点を中心として円をかく　⑤交点をPとする", 1440);
  // The circled numerals in colour 7, the rest of each numbered line in 0.
  auto plus = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Line && o.y1 > 70 && o.y1 < 114; }, from);
  EXPECT_EQ(plus.size(), 2u);  // the "+" of line ①
  for (const char* numeral : {"①", "②", "③", "④", "⑤"})
    for (const Op& o : OpsOf(log, [&](const Op& o) { return o.kind == OpKind::Text && o.text == numeral && o.y1 < 657; },
                             from))
      EXPECT_EQ(o.colour, 7) << numeral;
  for (const char* word : {"直", "正", "角", "交"})
    for (const Op& o : OpsOf(log, [&](const Op& o) { return o.kind == OpKind::Text && o.text == word && o.y1 >= 530; },
                             from))
      EXPECT_EQ(o.colour, 0) << word;
}

TEST(AngleSumDiscussion, TheConstructionOnAnErasedFigureThenTheSubMenu) {
  auto r = Play(kScreen6 + Repeat("k", 13));
  const Log& log = r.log;
  size_t from = ScreenStart(log);
  auto erase = IndexesOf(log, IsErase, from);
  ASSERT_EQ(erase.size(), 1u);
  // After the erase, nothing of the reasoning in the box: no angle arcs, no "120°", no O.
  auto inBox = [](const Op& o) { return o.bx2 > 730 && o.by2 > 135 && o.bx1 < 1300 && o.by1 < 780; };
  EXPECT_TRUE(OpsOf(log, [&](const Op& o) { return o.kind == OpKind::Circle && o.start != o.end && inBox(o); },
                    erase[0])
                  .empty());
  std::string letters;
  for (const Op& o : OpsOf(log, [&](const Op& o) { return o.kind == OpKind::Text && o.x1 > 720 && o.y1 < 520 && inBox(o); }, erase[0]))
    letters += o.text;
  EXPECT_EQ(letters, "BCDP");
  // The bisectors 9-C and 8-D in colour 9 cross at O, inside circle O.
  auto bisector = [&](float x, float y) {
    auto l = OpsOf(log, [&](const Op& o) { return o.kind == OpKind::Line && Near(o.x1, x) && Near(o.y1, y); }, erase[0]);
    EXPECT_EQ(l.size(), 1u) << x;
    return l.empty() ? Op{} : l[0];
  };
  Op fromC = bisector(1070.9f, 413.1f), fromD = bisector(1038.1f, 424.0f);
  EXPECT_EQ(fromC.colour, 9);
  EXPECT_EQ(fromD.colour, 9);
  EXPECT_TRUE(Near(fromC.x2, 985) && Near(fromC.y2, 510));
  EXPECT_TRUE(Near(fromD.x2, 1165) && Near(fromD.y2, 450));
  // Where the two segments cross: O (1057.7, 428.0).
  float ax = fromC.x2 - fromC.x1, ay = fromC.y2 - fromC.y1, bx = fromD.x2 - fromD.x1, by = fromD.y2 - fromD.y1;
  float t = ((fromD.x1 - fromC.x1) * by - (fromD.y1 - fromC.y1) * bx) / (ax * by - ay * bx);
  EXPECT_NEAR(fromC.x1 + t * ax, 1057.7, 0.1);
  EXPECT_NEAR(fromC.y1 + t * ay, 428.0, 0.1);
  auto circle = OpsOf(log, [](const Op& o) { return IsCircleAt(o, 1057.7f, 428.0f, 109.5f, 0.06f); }, erase[0]);
  ASSERT_EQ(circle.size(), 1u);
  EXPECT_EQ(circle[0].colour, 7);
  EXPECT_EQ(circle[0].start, circle[0].end);
  // P in colour 5 and its letter; then the choice line without another key wait.
  auto ship = IndexesOf(log, [](const Op& o) { return IsCircleAt(o, 990.9f, 340.4f, 6, 0.06f) && o.colour == 5; },
                        erase[0]);
  ASSERT_EQ(ship.size(), 1u);
  auto p = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && o.text == "P" && o.colour == 5; }, erase[0]);
  ASSERT_EQ(p.size(), 1u);
  EXPECT_NEAR(p[0].x1, 976.9, 0.06);
  EXPECT_NEAR(p[0].y1, 290.4, 0.06);
  auto waits = IndexesOf(log, IsWaitBox, from);
  EXPECT_EQ(waits.size(), 13u);
  auto choice = IndexesOf(log, IsChoiceLine, from);
  ASSERT_EQ(choice.size(), 1u);
  EXPECT_LT(waits.back(), ship[0]);
  EXPECT_GT(choice[0], ship[0]);
}

TEST(AngleSumDiscussion, TheSameScreenOnEveryVisit) {
  // After screen 5 and after screen 6 itself, the screen draws the same operations.
  auto once = Play(kScreen6 + Repeat("k", 13));
  auto after = Play("1{Enter}5{Enter}" + Repeat("k", 22) + "6{Enter}" + Repeat("k", 13) + "6{Enter}" + Repeat("k", 13));
  size_t a = ScreenStart(once.log), b = ScreenStart(after.log);
  ASSERT_EQ(once.log.size() - a, after.log.size() - b);
  for (size_t i = 0; a + i < once.log.size(); ++i) {
    const Op &x = once.log[a + i], &y = after.log[b + i];
    ASSERT_TRUE(x.kind == y.kind && x.x1 == y.x1 && x.y1 == y.y1 && x.x2 == y.x2 && x.y2 == y.y2 && x.r == y.r &&
                x.start == y.start && x.end == y.end && x.text == y.text && x.colour == y.colour)
        << i;
  }
}

}  // namespace
}  // namespace osvatine_test
