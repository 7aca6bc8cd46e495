// The display options of the interactive figure: the angle texts (choice 2) and the diameter
// through P (choice 3). Both compare the typed text itself and redraw the figure at once.
#include <gtest/gtest.h>

#include "lunevar/Support.h"

namespace lunevar_test {
namespace {

const std::string kBothOn = kToExplorer + "{Enter}2{Enter}1{Enter}{Enter}2{Enter}2{Enter}";

bool IsDiameter(const Op& o) { return o.kind == OpKind::Line && o.colour == 7; }
bool IsTextLineErase(const Op& o, float y) { return IsFilledBox(o, 974, y, 1294, y + 50, 15); }

TEST(AngleOptions, TypedTextSwitchesTheTexts) {
  struct Case { const char* from; const char* typed; const char* kaku1; const char* kaku2; };
  const Case cases[] = {
      {"off", "1", "on", ""},   // the other text stays as it was
      {"off", "2", "", "on"},
      {"both", "1", "on", "on"},
      {"both", "-1", "", "on"},
      {"both", "-2", "on", ""},
      {"both", "-3", "", ""},
      {"both", "3", "", ""},
      {"both", "1.0", "", ""},  // the text is compared, not its value
      {"both", "01", "", ""},
      {"both", "2/2", "", ""},
      {"both", "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " then \"" + c.typed + "\"");
    std::string start = std::string(c.from) == "both" ? kBothOn : kToExplorer;
    auto r = Play(start + "{Enter}2{Enter}" + c.typed + "{Enter}");
    EXPECT_EQ(State(r).KAKU1_s, c.kaku1);
    EXPECT_EQ(State(r).KAKU2_s, c.kaku2);
    // The figure is drawn again at once: a text switched off has its line erased, and a
    // text switched on is written.
    size_t redraw = AfterLast(r.log, [](const Op& o) { return IsFilledBox(o, 0, 657, 992, 720, 15); });
    bool erased1 = !IndexesOf(r.log, [](const Op& o) { return IsTextLineErase(o, 90); }, redraw).empty();
    bool erased2 = !IndexesOf(r.log, [](const Op& o) { return IsTextLineErase(o, 140); }, redraw).empty();
    EXPECT_EQ(erased1, std::string(c.kaku1).empty());
    EXPECT_EQ(erased2, std::string(c.kaku2).empty());
    EXPECT_EQ(GlyphsAt(r.log, 90, 974, 1300, redraw).empty(), std::string(c.kaku1).empty());
  }
}

TEST(AngleOptions, RedrawOverTheFigureWithPositionsKept) {
  auto r = Play(kToExplorer + "{Left}{Left}{Up}{Enter}2{Enter}2{Enter}");
  EXPECT_EQ(State(r).DHB, 60);
  EXPECT_EQ(State(r).DHP, 300);
  EXPECT_EQ(r.v.HH_a(3), 60);
  // Choice 2 does not erase the figure area: the last erase is the one of the last arrow key,
  // and after it the figure is drawn twice (the key, then choice 2).
  size_t fig = AfterLastFigureErase(r.log);
  auto circles = OpsOf(r.log, [](const Op& o) { return IsCircleAt(o, 784, 350, 208); }, fig);
  EXPECT_EQ(circles.size(), 2u);
  EXPECT_EQ(GlyphsAt(r.log, 140, 974, 1300, fig), "∠AOB=60°");
}

TEST(AngleOptions, ChoiceOneStartsWithBothTextsOff) {
  auto r = Play(kBothOn + "{Left}{Enter}1{Enter}");
  EXPECT_TRUE(State(r).KAKU1_s.empty());
  EXPECT_TRUE(State(r).KAKU2_s.empty());
  EXPECT_EQ(State(r).DHP, 280);
}

TEST(DiameterOption, OnlyOneShowsTheDiameterThroughP) {
  struct Case { const char* typed; bool shown; };
  const Case cases[] = {{"1", true}, {"-1", false}, {"01", false}, {"1.0", false}, {"2", false}, {"", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
    auto r = Play(kToExplorer + "{Enter}3{Enter}1{Enter}{Enter}3{Enter}" + c.typed + "{Enter}");
    EXPECT_EQ(State(r).TKEI_s, c.shown ? "on" : "");
    size_t fig = AfterLastFigureErase(r.log);
    auto diameters = IndexesOf(r.log, IsDiameter, fig);
    ASSERT_EQ(diameters.size(), c.shown ? 1u : 0u);
    if (c.shown) {
      // From P (603.87, 246.00) through O to the far end (964.13, 454.00), drawn last of the
      // figure, just before the banner.
      const Op& d = r.log[diameters[0]];
      EXPECT_TRUE(Near(d.x1, 603.87f, 0.02f) && Near(d.y1, 246.00f, 0.02f));
      EXPECT_TRUE(Near(d.x2, 964.13f, 0.02f) && Near(d.y2, 454.00f, 0.02f));
      auto banner = IndexesOf(r.log, [](const Op& o) { return IsFilledBox(o, 16, 657, 496, 693, 4); }, fig);
      ASSERT_FALSE(banner.empty());
      EXPECT_EQ(diameters[0] + 1, banner[0]);
    }
  }
}

TEST(DiameterOption, LastsForTheRestOfTheRun) {
  // Switched on, then the explorer opened again, the item left and entered again.
  auto r = Play(kToExplorer + "{Enter}3{Enter}1{Enter}{Enter}6{Enter}" + kToExplorer + "{Right}");
  EXPECT_EQ(State(r).TKEI_s, "on");
  EXPECT_EQ(OpsOf(r.log, IsDiameter, AfterLastFigureErase(r.log)).size(), 1u);
}

}  // namespace
}  // namespace lunevar_test
