// The interactive figure of item 1: its start, the arrow keys with their clamps, the three
// position cases with the angles they give and the arcs drawn for them, and ignored keys.
#include <gtest/gtest.h>

#include "lunevar/Support.h"

namespace lunevar_test {
namespace {

constexpr float kOX = 784, kOY = 350;

bool IsBanner(const Op& o) { return IsFilledBox(o, 16, 657, 496, 693, 4) && o.colour == 13; }

TEST(Explorer, OpensWithTitleCircleAndStartPositions) {
  auto r = Play(kToExplorer);
  const Log& log = r.log;
  size_t opened = AfterLast(log, [](const Op& o) { return IsFilledBox(o, 520, 21, 1720, 91, 15); });
  ASSERT_GT(opened, 0u);
  auto title = OpsOf(log, [](const Op& o) { return IsFilledBox(o, 640, 30, 1072, 80, 13); }, opened);
  ASSERT_EQ(title.size(), 1u);
  EXPECT_EQ(title[0].colour, 3);
  EXPECT_EQ(GlyphsAt(log, 33, 640, 1072, opened), "円周角と中心角の関係");

  size_t fig = AfterLastFigureErase(log);
  ASSERT_GT(fig, opened);
  EXPECT_EQ(OpsOf(log, [](const Op& o) { return IsCircleAt(o, kOX, kOY, 208) && o.fill == platform::kNoFill; },
                  fig).size(), 1u);
  struct Dot { float x, y; int colour; };
  const Dot dots[] = {{650.30f, 509.34f, 0}, {888.00f, 530.13f, 0}, {603.87f, 246.00f, 5}};
  for (const Dot& d : dots) {
    auto found = OpsOf(log, [&](const Op& o) { return IsCircleAt(o, d.x, d.y, 5, 0.02f) && o.colour == d.colour; }, fig);
    EXPECT_EQ(found.size(), 1u) << d.x << "," << d.y;
  }
  auto& L = State(r);
  EXPECT_EQ(L.DHB, 70);
  EXPECT_EQ(L.DHP, 280);
  EXPECT_EQ(r.v.HH_a(5), 35);
  EXPECT_EQ(r.v.HH_a(3), 70);
  EXPECT_TRUE(L.KAKU1_s.empty() && L.KAKU2_s.empty());
  EXPECT_EQ(IndexesOf(log, IsBanner, fig).size(), 1u);
}

// Arrow keys: down and up move B on and back, left and right move P on and back.
std::string Moves(int downs, int ups, int lefts, int rights) {
  return Repeat("{Down}", downs) + Repeat("{Up}", ups) + Repeat("{Left}", lefts) + Repeat("{Right}", rights);
}

// Both angle texts on, then the moves.
std::string WithTexts(const std::string& moves) {
  return kToExplorer + "{Enter}2{Enter}1{Enter}{Enter}2{Enter}2{Enter}" + moves;
}

TEST(Explorer, CasesAnglesAndArcsOverThePositions) {
  enum Case { Beyond, Between, OnAOrB };
  struct Row {
    const char* what;
    std::string moves;
    float dhb, dhp;
    Case c;
    float hh5, hh3;
  };
  const Row rows[] = {
      {"P one step on", Moves(0, 0, 1, 0), 70, 290, Beyond, 35, 70},
      {"P between A and B", Moves(0, 0, 0, 24), 70, 40, Between, 145, 290},
      {"P on B", Moves(0, 0, 0, 21), 70, 70, OnAOrB, 0, 70},
      {"P clamped at 0", Moves(0, 0, 0, 30), 70, 0, OnAOrB, 0, 70},
      {"P clamped at 360", Moves(0, 0, 10, 0), 70, 360, OnAOrB, 0, 70},
      {"B half way, P beyond", Moves(11, 0, 0, 0), 180, 280, Beyond, 90, 180},
      {"B half way, P between", Moves(11, 0, 0, 20), 180, 80, Between, 90, 180},
      {"B past P", Moves(22, 0, 0, 0), 290, 280, Between, 35, 70},
      {"B clamped at 0 (on A)", Moves(0, 10, 0, 0), 0, 280, Beyond, 0, 0},
      {"B clamped at 360 (on A)", Moves(30, 0, 0, 0), 360, 280, Between, 0, 0},
      {"B at 360, P at 0", Moves(30, 0, 0, 30), 360, 0, OnAOrB, 0, 360},
      {"B at 360, P at 360", Moves(30, 0, 10, 0), 360, 360, OnAOrB, 0, 360},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    auto r = Play(WithTexts(row.moves));
    auto& L = State(r);
    auto& v = r.v;
    EXPECT_EQ(L.DHB, row.dhb);
    EXPECT_EQ(L.DHP, row.dhp);
    EXPECT_EQ(v.HH_a(5), row.hh5);
    EXPECT_EQ(v.HH_a(3), row.hh3);

    const Log& log = r.log;
    size_t fig = AfterLastFigureErase(log);
    float px = v.X_a(5), py = v.Y_a(5);
    auto arcsAtP = OpsOf(log, [&](const Op& o) { return IsCircleAt(o, px, py, 32, 0.01f) && o.colour == 5; }, fig);
    auto arcsAtO = OpsOf(log, [&](const Op& o) { return IsCircleAt(o, kOX, kOY, 32, 0.01f) && o.colour == 3; }, fig);
    if (row.c == OnAOrB) {
      EXPECT_TRUE(arcsAtP.empty());
      EXPECT_TRUE(arcsAtO.empty());
    } else {
      // Each arc covers the angle it marks: never the reflex side at P, and at O the central
      // angle on the arc without P. B on A gives no arc, or one of no length, never a full turn.
      ASSERT_LE(arcsAtP.size(), 1u);
      ASSERT_LE(arcsAtO.size(), 1u);
      if (row.hh5 > 0) {
        ASSERT_EQ(arcsAtP.size(), 1u);
      }
      if (row.hh3 > 0) {
        ASSERT_EQ(arcsAtO.size(), 1u);
      }
      for (const Op& arc : arcsAtP) EXPECT_NEAR(SweepDegrees(arc), row.hh5, 0.5);
      for (const Op& arc : arcsAtO) EXPECT_NEAR(SweepDegrees(arc), row.hh3, 0.5);
    }
    // The values as text, with the blank of the number's text form after "=".
    std::string hh5 = std::to_string(static_cast<int>(row.hh5)), hh3 = std::to_string(static_cast<int>(row.hh3));
    EXPECT_EQ(GlyphsAt(log, 90, 974, 1300, fig), "∠APB=" + hh5 + "°");
    EXPECT_EQ(GlyphsAt(log, 140, 974, 1300, fig), "∠AOB=" + hh3 + "°");
  }
}

TEST(Explorer, AngleTextKeepsTheBlankOfTheNumber) {
  auto r = Play(WithTexts("{Left}"));
  size_t fig = AfterLastFigureErase(r.log);
  auto glyphs = OpsOf(r.log, [](const Op& o) { return o.kind == OpKind::Text && Near(o.y1, 90) && o.x1 >= 974; }, fig);
  ASSERT_EQ(GlyphsAt(r.log, 90, 974, 1300, fig), "∠APB=35°");
  // "=", "3", "5": a blank's width more between "=" and "3" than between "3" and "5".
  float eqTo3 = glyphs[5].x1 - glyphs[4].x1, threeTo5 = glyphs[6].x1 - glyphs[5].x1;
  EXPECT_GT(eqTo3, threeTo5 + 15);
}

TEST(Explorer, OtherKeysAtTheBannerOnlyShowItAgain) {
  auto r = Play(kToExplorer + "a{Backspace}{Esc}5");
  const Log& log = r.log;
  size_t fig = AfterLastFigureErase(log);
  EXPECT_EQ(IndexesOf(log, [](const Op& o) { return IsFilledBox(o, 544, 90, 1364, 640, 15); }).size(), 1u);
  EXPECT_EQ(IndexesOf(log, IsBanner, fig).size(), 5u);
  EXPECT_EQ(State(r).DHB, 70);
  EXPECT_EQ(State(r).DHP, 280);
}

TEST(Explorer, EnterGoesBackToTheSubMenuLeavingTheFigure) {
  auto r = Play(kToExplorer + "{Left}{Down}{Enter}");
  const Log& log = r.log;
  size_t fig = AfterLastFigureErase(log);
  // The sub-menu line follows in the foot band; the figure is not erased again.
  size_t band = AfterLast(log, [](const Op& o) { return IsFilledBox(o, 0, 657, 992, 720, 15); });
  EXPECT_GT(band, fig);
  EXPECT_EQ(GlyphsAt(log, 666, 16, 992, band).substr(0, 9), "①操作");
  EXPECT_EQ(State(r).DHB, 80);
  EXPECT_EQ(State(r).DHP, 290);
}

TEST(Explorer, AThousandArrowKeysRunInTheScreenLoop) {
  auto r = Play(kToExplorer + Repeat("{Left}{Right}", 500) + "{Enter}6{Enter}8{Enter}");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.device.remaining(), 0u);
  EXPECT_EQ(State(r).DHP, 280);
}

}  // namespace
}  // namespace lunevar_test
