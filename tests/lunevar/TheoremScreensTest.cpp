// Choices 4 and 5 of item 1: six inscribed angles on one arc, and the theorem's statements.
// Both set the figure up again, clear their own rectangle and go straight back to the sub-menu.
#include <gtest/gtest.h>

#include "lunevar/Support.h"

namespace lunevar_test {
namespace {

bool IsSubMenuLine(const Op& o) { return o.kind == OpKind::Text && o.text == "①" && Near(o.y1, 666, 5); }

TEST(SeveralInscribedAngles, SixChordPairsOnTheArcOppositeAB) {
  // After moving the points: the screen starts from the set-up's positions all the same.
  auto r = Play(kToExplorer + "{Down}{Down}{Right}{Enter}4{Enter}");
  const Log& log = r.log;
  size_t screen = AfterLast(log, [](const Op& o) { return IsFilledBox(o, 544, 90, 1264, 650, 15); });
  ASSERT_GT(screen, 0u);
  const float ax = 650.30f, ay = 509.34f, bx = 888.00f, by = 530.13f;
  auto radii = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Line && o.colour == 3; }, screen);
  ASSERT_EQ(radii.size(), 2u);
  EXPECT_TRUE(Near(radii[0].x1, ax, 0.02f) && Near(radii[0].x2, 784, 0.02f));
  EXPECT_TRUE(Near(radii[1].x1, bx, 0.02f) && Near(radii[1].x2, 784, 0.02f));

  struct Pos { float x, y; };
  const Pos ps[] = {{979.46f, 421.14f}, {979.46f, 278.86f}, {888.00f, 169.87f},
                    {747.88f, 145.16f}, {624.66f, 216.30f}, {576.00f, 350.00f}};
  auto chords = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Line && o.colour == 0; }, screen);
  ASSERT_EQ(chords.size(), 12u);
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i + 1);
    const Op& fromA = chords[2 * i];
    const Op& fromB = chords[2 * i + 1];
    EXPECT_TRUE(Near(fromA.x1, ax, 0.02f) && Near(fromA.y1, ay, 0.02f));
    EXPECT_TRUE(Near(fromB.x1, bx, 0.02f) && Near(fromB.y1, by, 0.02f));
    EXPECT_TRUE(Near(fromA.x2, ps[i].x, 0.02f) && Near(fromA.y2, ps[i].y, 0.02f));
    EXPECT_TRUE(Near(fromB.x2, ps[i].x, 0.02f) && Near(fromB.y2, ps[i].y, 0.02f));
  }
  // No dots at A, B or P, no angle marks: only the centre dot and the circle.
  auto inFigure = [](const Op& o) { return o.kind == OpKind::Circle && o.y1 < 650; };
  EXPECT_EQ(OpsOf(log, inFigure, screen).size(), 2u);
  EXPECT_EQ(State(r).DHP, 310);
  EXPECT_EQ(State(r).IJ, 7);
  EXPECT_FALSE(IndexesOf(log, IsSubMenuLine, screen).empty());
}

TEST(TheoremSummary, HeadingAndTwoStatements) {
  auto r = Play(kToExplorer + "{Left}{Enter}5{Enter}");
  const Log& log = r.log;
  size_t screen = AfterLast(log, [](const Op& o) { return IsFilledBox(o, 544, 0, 1364, 640, 15); });
  ASSERT_GT(screen, 0u);
  struct Line { float y; const char* glyphs; int colour; float x; };
  const Line lines[] = {
      {30, "<円周角の定理>", 5, 560},
      {80, "①１つの弧に対する円周角の大きさは、", 0, 576},
      {130, "　その弧に対する中心角の大きさの", 0, 576},
      {180, "　半分である。", 0, 576},
      {250, "②同じ弧に対する円周角の大きさは等しい。", 0, 576},
  };
  for (const Line& l : lines) {
    SCOPED_TRACE(l.glyphs);
    EXPECT_EQ(GlyphsAt(log, l.y, 544, 1440, screen), l.glyphs);
    auto glyphs = OpsOf(log, [&](const Op& o) { return o.kind == OpKind::Text && Near(o.y1, l.y) && o.x1 >= 544; }, screen);
    ASSERT_FALSE(glyphs.empty());
    EXPECT_TRUE(Near(glyphs.front().x1, l.x));
    for (const Op& g : glyphs) EXPECT_EQ(g.colour, l.colour);
  }
  // The explorer's start positions are back for a later redraw.
  EXPECT_EQ(State(r).DHP, 280);
  EXPECT_EQ(State(r).DHB, 70);
  EXPECT_FALSE(IndexesOf(log, IsSubMenuLine, screen).empty());
}

// The angle texts taken right after either screen leave nothing of it: the explorer opens with
// its title box and P on its start, not where the six positions or the summary's set-up left it.
TEST(TheoremScreens, AnOptionAfterThemOpensTheExplorer) {
  for (const char* choice : {"4", "5"}) {
    SCOPED_TRACE(choice);
    auto r = Play(kToSubMenu + choice + "{Enter}2{Enter}1{Enter}");
    const Log& log = r.log;
    size_t title = AfterLast(log, [](const Op& o) { return IsFilledBox(o, 640, 30, 1072, 80, 13); });
    ASSERT_GT(title, 0u);
    EXPECT_GT(AfterLastFigureErase(log), title);
    auto dotOfP = OpsOf(log, [](const Op& o) { return IsCircleAt(o, 603.87f, 246.00f, 5, 0.02f) && o.colour == 5; }, title);
    EXPECT_EQ(dotOfP.size(), 2u) << "drawn on opening, then again with the text switched on";
    EXPECT_EQ(GlyphsAt(log, 90, 974, 1300, title), "∠APB=35°");
  }
}

}  // namespace
}  // namespace lunevar_test
