// Item 6, choices 4 and 5: the worked answers on four points of one circle. The exercise never
// draws its circle; the practice answer draws it only with its conclusion.
#include <gtest/gtest.h>

#include "lunevar/ConverseSupport.h"

namespace lunevar_test {
namespace {

bool IsArc(const Op& o) { return o.kind == OpKind::Circle && (o.start != 0 || o.end != 0); }
bool IsWholeCircle(const Op& o) { return o.kind == OpKind::Circle && o.start == 0 && o.end == 0; }
bool IsLabel(const Op& o, const char* text) { return o.kind == OpKind::Text && o.text == text && o.x1 > 700; }

TEST(ConverseExercise, FigureWithTheThirdKeyFoundAngleWithTheFourth) {
  ScreenPlay s = PlayChoice(4, 8);
  const Log& log = s.log();
  EXPECT_TRUE(s.ops(IsWholeCircle).empty());
  for (size_t k = 0; k < 3; ++k) EXPECT_TRUE(s.opsOfStep(k, IsArc).empty()) << k;
  ExpectText(log, s.step(2), 84, 130, "4点A,B,C,Dは同じ円周上にない。", 5);
  auto given = s.opsOfStep(3, IsArc);
  ASSERT_EQ(given.size(), 4u);
  for (const Op& a : given) EXPECT_EQ(a.colour, 3);
  EXPECT_NEAR(SweepDegrees(given[0]), 45, 0.05f);
  EXPECT_NEAR(SweepDegrees(given[3]), 60, 0.05f);
  auto found = s.opsOfStep(4, IsArc);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_TRUE(IsCircleAt(found[0], 849.1f, 207.1f, 52, 0.05f));
  EXPECT_EQ(found[0].colour, 7);
  EXPECT_NEAR(SweepDegrees(found[0]), 60, 0.05f);
  constexpr float kTextColumn = 760;  // the figure stands right of the text
  ExpectText(log, s.step(3), 96, 240, "=180°120°=60°で、", 0, kTextColumn);
  ExpectText(log, s.step(8), 240, 600, "教科書P169練習問題　をしなさい。", 7);
}

TEST(ConversePractice, AllMarksFirstTheCircleWithTheConclusion) {
  ScreenPlay s = PlayChoice(5, 6);
  const Log& log = s.log();
  auto marks = s.opsOfStep(0, IsArc);
  ASSERT_EQ(marks.size(), 6u);
  const float sweeps[] = {54, 33, 48, 33, 48, 54};
  for (size_t i = 0; i < 6; ++i) EXPECT_NEAR(SweepDegrees(marks[i]), sweeps[i], 0.05f) << i;
  auto x = s.opsOfStep(0, [](const Op& o) { return IsLabel(o, "x"); });
  auto y = s.opsOfStep(0, [](const Op& o) { return IsLabel(o, "y"); });
  ASSERT_EQ(x.size(), 1u);
  ASSERT_EQ(y.size(), 1u);
  EXPECT_EQ(x[0].colour, 5);
  EXPECT_EQ(y[0].colour, 5);
  EXPECT_GT(x[0].x1, 1000);  // at D
  EXPECT_LT(y[0].x1, 900);   // at B
  EXPECT_TRUE(s.opsOfStep(1, IsWholeCircle).empty());
  auto circle = s.opsOfStep(2, IsWholeCircle);
  ASSERT_EQ(circle.size(), 1u);
  EXPECT_TRUE(IsCircleAt(circle[0], 987, 345, 195));
  EXPECT_EQ(circle[0].colour, 7);
  auto& v = s.r.v;
  for (int i = 1; i <= 4; ++i) EXPECT_NEAR(Distance(v.X_a(i), v.Y_a(i), 987, 345), 195, 0.05f) << i;
  ExpectText(log, s.step(6), 88, 360, "∠y=∠ACD=48°", 5);
}

// Every screen draws the same page whatever came before it, and when chosen twice in a row.
TEST(ConverseScreens, DrawTheSamePageAfterAnyOther) {
  const int waits[] = {26, 10, 8, 8, 6};
  // From just after the page clear, whose outline takes the draw width the last screen left.
  auto page = [](const ScreenPlay& s) {
    std::vector<std::string> out;
    EXPECT_TRUE(s.start < s.end && IsPageClear(s.log()[s.start]));
    for (size_t i = s.start + 1; i < s.end; ++i) out.push_back(platform::opToJson(s.log()[i]));
    return out;
  };
  for (int c = 1; c <= 5; ++c) {
    SCOPED_TRACE(c);
    auto first = page(PlayChoice(c, waits[c - 1]));
    for (int before = 1; before <= 5; ++before) {
      SCOPED_TRACE(before);
      std::string keys = kToConverse + Choose(before) + Repeat("1", waits[before - 1]);
      EXPECT_EQ(page(PlayChoice(c, waits[c - 1], keys)), first);
    }
  }
}

}  // namespace
}  // namespace lunevar_test
