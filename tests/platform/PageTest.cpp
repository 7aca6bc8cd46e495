// The retained page stays as short as what can still be seen: a filled box hides what lies
// wholly under it, so screens that erase and redraw again and again do not grow the page.
#include <gtest/gtest.h>

#include <functional>

#include "platform/Platform.h"
#include "platform/ScriptDevice.h"

namespace platform {
namespace {

struct HideCase {
  const char* name;
  std::function<void(Platform&)> earlier;
  bool hidden;
};

TEST(Page, AFilledBoxHidesOnlyWhatLiesWhollyUnderIt) {
  const HideCase cases[] = {
      {"the same erase box again", [](Platform& p) { p.fillBox(0, 657, 992, 720, 15, 15); }, true},
      {"the key-wait box under its strip",
       [](Platform& p) { p.fillBox(96, 657, 400, 693, 13, 4); }, true},
      {"a line inside", [](Platform& p) { p.line(10, 670, 300, 700, 0); }, true},
      {"a wider pen along the edge", [](Platform& p) { p.setDrawWidth(8); p.line(0, 657, 400, 657, 0); }, false},
      {"a line leaving the box", [](Platform& p) { p.line(10, 670, 1200, 700, 0); }, false},
      {"text inside", [](Platform& p) { p.text("何", 16, 666, 1, 1, 0); }, true},
      {"a tall glyph whose ink starts below the top edge",
       [](Platform& p) { p.text("P", 600, 657.5f, 3, 3, 5); }, true},
      {"text across the lower edge", [](Platform& p) { p.text("何", 16, 712, 1, 1, 0); }, false},
      {"a disc inside", [](Platform& p) { p.circle(200, 680, 4, 5, 0, 0, kFillLineColour); }, true},
      {"a polyline inside", [](Platform& p) { p.polyline({{10, 670}, {50, 700}, {90, 670}}, 0); }, true},
  };
  for (const auto& c : cases) {
    ScriptDevice device;
    Platform pf(device);
    pf.setDrawWidth(3);
    c.earlier(pf);
    pf.setDrawWidth(3);
    pf.fillBox(0, 657, 992, 720, 15, 15);
    EXPECT_EQ(pf.page().ops().size(), c.hidden ? 1u : 2u) << c.name;
  }
}

TEST(Page, RepeatedDrawAndEraseKeepsThePageShort) {
  ScriptDevice device;
  Platform pf(device);
  pf.setDrawWidth(3);
  pf.text("見出し", 264, 30, 2, 3, 0);
  for (int i = 0; i < 1000; ++i) {
    pf.fillBox(16, 657, 496, 693, 13, 4);
    pf.text("何かキーを押して下さい。", 48, 666, 1, 1, 9);
    pf.fillBox(0, 657, 992, 720, 15, 15);
    pf.circle(784, 350, 208, 0);
    pf.line(784, 350, 900, 200 + i % 100, 0);
    pf.fillBox(0, 90, 1440, 640, 15, 15);
  }
  EXPECT_LE(pf.page().ops().size(), 4u);
}

}  // namespace
}  // namespace platform
