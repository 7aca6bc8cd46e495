// The drawing operations' rules as the recording page keeps them: circle ends and fills, what
// draws nothing, what is run-time error 5, the point limit, clipping and the pen and font state.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/ErrorOf.h"
#include "platform/Platform.h"
#include "platform/ScriptDevice.h"

namespace platform {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

class Drawing : public ::testing::Test {
 protected:
  Drawing() {
    pf.page().onOp = [this](const Op& op) { log.push_back(op); };
    pf.setDrawWidth(3);
  }
  ScriptDevice device;
  Platform pf{device};
  std::vector<Op> log;
};

TEST_F(Drawing, CircleEndsAndFills) {
  struct Case {
    float start, end;
    int fill;
    bool drawn;
    float keptStart, keptEnd;
    int keptFill;
  } cases[] = {
      {0, 0, kNoFill, true, 0, 0, kNoFill},                 // the whole circle
      {0, 0, kFillLineColour, true, 0, 0, 2},               // "fill colour 0, mask 1": the line colour
      {0, 0, 11, true, 0, 0, 11},                           // an explicit fill colour
      {0.8056f, 0.5f, kNoFill, true, 0.8056f, 0.5f, kNoFill},  // across 1 to 0
      {0.25f, 0.5f, kFillLineColour, true, 0.25f, 0.5f, 2},    // a sector
      {1.25f, -0.5f, kNoFill, true, 0.25f, 0.5f, kNoFill},     // ends wrap to one turn
      {0.25f, 0.25f, kNoFill, false, 0, 0, 0},              // computed equal ends: nothing
      {0.25f, 0.25f, 11, false, 0, 0, 0},
      {0, 1, kNoFill, true, 0, 0, kNoFill},                 // a full turn between the ends
  };
  for (const auto& c : cases) {
    log.clear();
    pf.circle(100, 100, 40, 2, c.start, c.end, c.fill);
    ASSERT_EQ(log.size(), c.drawn ? 1u : 0u) << c.start << " " << c.end;
    if (!c.drawn) continue;
    EXPECT_EQ(log[0].kind, OpKind::Circle);
    EXPECT_FLOAT_EQ(log[0].start, c.keptStart);
    EXPECT_FLOAT_EQ(log[0].end, c.keptEnd);
    EXPECT_EQ(log[0].fill, c.keptFill);
    EXPECT_EQ(log[0].colour, 2);
    EXPECT_EQ(log[0].width, 3);
  }
}

TEST_F(Drawing, NoRadiusDrawsNothing) {
  pf.circle(100, 100, 0, 0);
  pf.circle(100, 100, -5, 0, 0, 0, 11);
  EXPECT_TRUE(log.empty());
}

TEST_F(Drawing, NonFiniteCoordinatesAreError5) {
  EXPECT_EQ(errorOf([&] { pf.circle(kNaN, 100, 40, 0); }), IllegalFunctionCall);
  EXPECT_EQ(errorOf([&] { pf.circle(100, 100, kInf, 0); }), IllegalFunctionCall);
  EXPECT_EQ(errorOf([&] { pf.circle(100, 100, 40, 0, kNaN, 0.5f); }), IllegalFunctionCall);
  EXPECT_EQ(errorOf([&] { pf.circle(100, 100, kNaN, 0); }), IllegalFunctionCall) << "checked before the radius";
  EXPECT_EQ(errorOf([&] { pf.line(0, 0, kInf, 10, 0); }), IllegalFunctionCall);
  EXPECT_EQ(errorOf([&] { pf.fillBox(0, -kInf, 10, 10, 0, 15); }), IllegalFunctionCall);
  EXPECT_EQ(errorOf([&] { pf.polyline({{0, 0}, {kNaN, 1}, {2, 2}}, 0); }), IllegalFunctionCall);
  EXPECT_EQ(errorOf([&] { pf.text("a", kNaN, 10, 1, 1, 0); }), IllegalFunctionCall);
  EXPECT_EQ(errorOf([&] { pf.line(0, 0, 10, 10, 16); }), IllegalFunctionCall) << "no colour 16";
  EXPECT_TRUE(log.empty());
}

TEST_F(Drawing, PolylineTakesUpToSevenPoints) {
  std::vector<std::pair<float, float>> pts;
  for (int i = 0; i < 8; ++i) pts.push_back({10.0f * i, 10.0f * (i % 2)});
  EXPECT_EQ(errorOf([&] { pf.polyline(pts, 0); }), IllegalFunctionCall);
  pts.pop_back();
  EXPECT_EQ(errorOf([&] { pf.polyline(pts, 0, 13); }), 0);
  EXPECT_EQ(errorOf([&] { pf.polyline({{1, 1}}, 0); }), IllegalFunctionCall);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].points.size(), 7u);
  EXPECT_EQ(log[0].fill, 13);
}

TEST_F(Drawing, OutsideThePageIsClippedNeverAnError) {
  pf.text("測る", 0, 1800, 1, 1, 0);
  pf.text(std::string(500, 'x'), 0, 2400, 4, 4, 0);
  pf.fillBox(1500, 0, 1700, 100, 0, 14);
  pf.line(-100, -100, 2000, 2000, 0);
  pf.circle(2000, 2000, 10, 0);
  EXPECT_EQ(log.size(), 5u) << "every operation is logged";
  ASSERT_EQ(pf.page().ops().size(), 1u) << "only what can show is kept";
  EXPECT_EQ(pf.page().ops()[0].kind, OpKind::Line);
}

TEST_F(Drawing, PenAndFontPersistUntilSetAgain) {
  pf.setFontName("Times New Roman");
  pf.setFontSize(8);
  pf.setFontItalic(true);
  pf.text("a", 10, 10, 1, 1, 0);
  pf.setDrawWidth(5);
  pf.line(0, 0, 5, 5, 0);
  pf.text("b", 20, 10, 1, 1, 0);
  pf.setFontBold(true);
  pf.setFontItalic(false);
  pf.text("c", 30, 10, 1, 1, 0);
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[0].font, (Font{"Times New Roman", 8, false, true}));
  EXPECT_EQ(log[1].width, 5);
  EXPECT_EQ(log[2].font, (Font{"Times New Roman", 8, false, true}));
  EXPECT_EQ(log[3].font, (Font{"Times New Roman", 8, true, false}));
  EXPECT_EQ(pf.drawWidth(), 5);
}

TEST_F(Drawing, OpaqueBoxesHideWhatLiesUnderThem) {
  pf.line(10, 10, 50, 50, 0);
  pf.text("番号", 100, 100, 1, 1, 0);
  pf.line(300, 300, 900, 300, 0);  // runs out of the box below
  pf.fillBox(0, 0, 400, 400, 0, 15);
  pf.box(500, 500, 600, 600, 0);   // outline only: hides nothing
  pf.line(510, 510, 520, 520, 0);
  ASSERT_EQ(pf.page().ops().size(), 4u);
  EXPECT_EQ(pf.page().ops()[0].x2, 900);
  pf.cls();
  EXPECT_TRUE(pf.page().ops().empty());
}

TEST_F(Drawing, ADiscHidesTheCursorItCovers) {
  pf.circle(100, 100, 6, 5, 0, 0, kFillLineColour);
  pf.circle(100, 100, 6, 15, 0, 0, kFillLineColour);
  pf.circle(100, 100, 6, 5, 0, 0, kFillLineColour);
  EXPECT_EQ(pf.page().ops().size(), 1u);
}

TEST_F(Drawing, CutHalvesOfATextJoinWhenDrawn) {
  pf.text(std::string("\xEF\x9E\x95") + "\\", 10, 10, 1, 1, 0);  // the two bytes of "表", cut apart
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].text, "表");
}

}  // namespace
}  // namespace platform
