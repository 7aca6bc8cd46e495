// Item 1's goal screen and introductory figure: what each step draws, the four key waits
// between the five steps, the arc AB, the two filled sectors and the definition's arc signs.
#include <gtest/gtest.h>

#include <algorithm>

#include "lunevar/Support.h"

namespace lunevar_test {
namespace {

bool IsCircleOfIntro(const Op& o) { return IsCircleAt(o, 228, 410, 150) && o.start == 0 && o.end == 0; }
bool IsArcAB(const Op& o) { return IsCircleAt(o, 228, 410, 150) && o.colour == 3 && o.start != o.end; }
bool IsSectorAtP(const Op& o) { return IsCircleAt(o, 153.04f, 280.1f, 50, 0.1f) && o.fill == 5; }
bool IsSectorAtO(const Op& o) { return IsCircleAt(o, 228, 410, 50) && o.fill == 3; }

TEST(GoalScreen, ShowsTheGoalAndWaitsForOneKey) {
  auto r = Play("1{Enter}");
  const Log& log = r.log;
  size_t page = AfterLast(log, IsPageClear);
  EXPECT_EQ(GlyphsAt(log, 240, 44, 2000, page), "<めあて>");
  EXPECT_EQ(GlyphsAt(log, 305, 44, 2000, page), "円周角と中心角の大きさを調べよう。");
  for (const Op& g : OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && Near(o.y1, 240); }, page))
    EXPECT_EQ(g.colour, 3);
  EXPECT_EQ(IndexesOf(log, IsWaitBox).size(), 1u);
  EXPECT_TRUE(IndexesOf(log, IsCircleOfIntro).empty());
}

TEST(IntroFigure, FiveStepsWithAKeyBetweenThemAndNoneAfterTheLast) {
  // The goal screen's key, then four keys; the fifth step runs on into the sub-menu, which
  // takes "4" and Enter and draws the six chords of choice 4.
  auto r = Play("1{Enter}abcde4{Enter}");
  const Log& log = r.log;
  auto waits = IndexesOf(log, IsWaitBox);
  ASSERT_EQ(waits.size(), 5u);
  auto circle = IndexesOf(log, IsCircleOfIntro);
  auto arcAB = IndexesOf(log, IsArcAB);
  auto sectorP = IndexesOf(log, IsSectorAtP);
  auto sectorO = IndexesOf(log, IsSectorAtO);
  ASSERT_EQ(circle.size(), 1u);
  ASSERT_EQ(arcAB.size(), 1u);
  ASSERT_EQ(sectorP.size(), 1u);
  ASSERT_EQ(sectorO.size(), 1u);
  EXPECT_TRUE(waits[0] < circle[0] && circle[0] < waits[1]);   // step 1
  EXPECT_TRUE(waits[1] < arcAB[0] && arcAB[0] < waits[2]);     // step 2
  EXPECT_TRUE(waits[3] < sectorP[0] && sectorP[0] < waits[4]); // step 4
  EXPECT_GT(sectorO[0], waits[4]);                             // step 5, with no wait after it
  // Choice 4 was reached: its figure is cleared and drawn.
  EXPECT_FALSE(IndexesOf(log, [](const Op& o) { return IsFilledBox(o, 544, 90, 1264, 650, 15); }).empty());
  // Step 3 drew P's dot in colour 3; nothing else of the figure is a line before step 4.
  EXPECT_EQ(OpsOf(log, [](const Op& o) { return o.kind == OpKind::Line; }, waits[0], waits[3]).size(), 0u);
}

TEST(IntroFigure, ArcABAndTheSectorsAtPAndO) {
  auto r = Play(kToSubMenu);
  const Log& log = r.log;
  auto arc = OpsOf(log, IsArcAB);
  ASSERT_EQ(arc.size(), 1u);
  EXPECT_NEAR(arc[0].start, 1.0f / 12, 1e-5);
  EXPECT_NEAR(arc[0].end, 5.0f / 12, 1e-5);
  EXPECT_EQ(arc[0].fill, platform::kNoFill);

  // Each sector covers the angle itself, from the arm towards B clockwise on the page to the
  // arm towards A: 60 degrees at P and 120 at O.
  struct Sector { bool (*pick)(const Op&); float start, end; int fill; };
  const Sector sectors[] = {{IsSectorAtP, 0.125f, 0.291667f, 5}, {IsSectorAtO, 1.0f / 12, 5.0f / 12, 3}};
  for (const Sector& s : sectors) {
    auto ops = OpsOf(log, s.pick);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_NEAR(ops[0].start, s.start, 1e-3);
    EXPECT_NEAR(ops[0].end, s.end, 1e-3);
    EXPECT_EQ(ops[0].colour, 0);
    EXPECT_EQ(ops[0].fill, s.fill);
  }
  // The chords and radii meet the circle at A, B and P.
  struct Seg { float x1, y1, x2, y2; };
  const Seg segs[] = {{98.1f, 485.0f, 153.0f, 280.1f}, {153.0f, 280.1f, 357.9f, 485.0f},
                      {98.1f, 485.0f, 228, 410},       {228, 410, 357.9f, 485.0f}};
  auto lines = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Line && o.colour == 0 && o.width == 5; });
  ASSERT_EQ(lines.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_TRUE(Near(lines[i].x1, segs[i].x1, 0.1f) && Near(lines[i].y1, segs[i].y1, 0.1f) &&
                Near(lines[i].x2, segs[i].x2, 0.1f) && Near(lines[i].y2, segs[i].y2, 0.1f))
        << "segment " << i;
  }
}

// The definition, piece by piece with its colour: ∠APB in the colour of P, the word for the
// inscribed angle in the colour of its sector. Each arc sign spans 54 units from where the
// letters AB begin and rises 10 above the line.
TEST(IntroFigure, DefinitionPiecesAndArcSigns) {
  auto r = Play(kToSubMenu);
  const Log& log = r.log;
  size_t page = AfterLast(log, IsPageClear);
  struct Piece { float y; const char* text; int colour; };
  const Piece pieces[] = {
      {30, "円Oで、", 0}, {30, "ABを除いた円周上に", 0},
      {80, "点Pをとるとき、", 0}, {80, "∠APBを", 3},
      {140, "ABに対する", 0}, {140, "円周角", 5}, {140, "という。", 0},
  };
  std::vector<Op> glyphs;
  float lineY = -1;
  size_t next = 0;
  for (const Piece& p : pieces) {
    SCOPED_TRACE(p.text);
    if (p.y != lineY) {
      lineY = p.y;
      next = 0;
      glyphs = OpsOf(log, [&](const Op& o) {
        return o.kind == OpKind::Text && o.y1 >= p.y - 24 && o.y1 <= p.y + 16 && o.x1 >= 40 && o.x1 < 700;
      }, page);
      ASSERT_FALSE(glyphs.empty());
      EXPECT_TRUE(Near(glyphs[0].x1, 40));
    }
    std::string drawn;
    while (drawn.size() < std::string(p.text).size() && next < glyphs.size()) {
      EXPECT_EQ(glyphs[next].colour, p.colour) << glyphs[next].text;
      drawn += glyphs[next++].text;
    }
    EXPECT_EQ(drawn, p.text);
  }

  for (float y : {30.0f, 140.0f}) {
    SCOPED_TRACE(y);
    auto dots = OpsOf(log, [&](const Op& o) {
      return o.kind == OpKind::Circle && o.r == 0.5f && o.y1 >= y - 12 && o.y1 <= y + 1;
    }, page);
    ASSERT_FALSE(dots.empty());
    float left = 2000, right = -1, top = 2000;
    for (const Op& d : dots) {
      left = std::min(left, d.x1); right = std::max(right, d.x1); top = std::min(top, d.y1);
      EXPECT_EQ(d.width, 3);
      EXPECT_EQ(d.colour, 0);
    }
    // The letters AB begin where the sign does.
    auto a = OpsOf(log, [&](const Op& o) { return o.kind == OpKind::Text && o.text == "A" && Near(o.y1, y); }, page);
    ASSERT_FALSE(a.empty());
    EXPECT_TRUE(Near(left, a[0].x1, 0.01f));
    EXPECT_NEAR(right - left, 54, 0.01);
    EXPECT_NEAR(top, y - 10, 0.01);
  }
}

}  // namespace
}  // namespace lunevar_test
