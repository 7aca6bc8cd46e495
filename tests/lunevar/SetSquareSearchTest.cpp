// Item 6, choice 1: the set-square search. The task, A and B where the circle's placement puts
// them, set squares laid one P at a time and wiped whole, and a circle at the end that passes
// through every P dotted.
#include <gtest/gtest.h>

#include "lunevar/ConverseSupport.h"

namespace lunevar_test {
namespace {

constexpr int kWaits = 26;
constexpr float kOx = 840, kOy = 240, kR = 180;

bool IsDot(const Op& o) { return o.kind == OpKind::Circle && Near(o.r, 4) && o.colour == 0 && o.fill == 0; }
bool IsSetSquare(const Op& o) { return o.kind == OpKind::Polyline && o.fill == 13; }

TEST(SetSquareSearch, TaskAndPointsAB) {
  ScreenPlay s = PlayChoice(1, kWaits);
  const Log& log = s.log();
  auto before = s.step(0);
  ExpectText(log, before, 36, 30, "教科書P167ひろげよう", 7);
  // "∠APB=45°" ends at x 249, where the rest of the line goes on in colour 0.
  ExpectText(log, before, 36, 80, "∠APB=45°", 3);
  ExpectText(log, before, 249, 80, "となるような点Pを", 0);
  ExpectText(log, before, 36, 130, "三角定規を使って10個とろう。", 0);
  ExpectText(log, before, 36, 180, "点Pはどんな図形の上にあるだろう。", 0);

  auto dots = s.opsOfStep(0, IsDot);
  ASSERT_EQ(dots.size(), 2u);
  EXPECT_TRUE(IsCircleAt(dots[0], 702.1f, 355.7f, 4, 0.05f));
  EXPECT_TRUE(IsCircleAt(dots[1], 977.9f, 355.7f, 4, 0.05f));
  auto letters = s.opsOfStep(0, [](const Op& o) { return o.kind == OpKind::Text && o.y1 > 300; });
  ASSERT_EQ(letters.size(), 2u);
  EXPECT_TRUE(Near(letters[0].x1, dots[0].x1 - 40) && Near(letters[0].y1, dots[0].y1 - 25, 3));
  EXPECT_TRUE(Near(letters[1].x1, dots[1].x1 + 20) && Near(letters[1].y1, dots[1].y1 - 25, 3));
  for (const Op& l : letters) EXPECT_EQ(l.colour, 3);
}

TEST(SetSquareSearch, SetSquaresOneAtATimeThenWipedWhole) {
  ScreenPlay s = PlayChoice(1, kWaits);
  // The first P's set square before the second key, then one for each of the ten Ps of the
  // first sequence, each on its own step, its dot one key later.
  EXPECT_EQ(s.opsOfStep(1, IsSetSquare).size(), 1u);
  for (size_t k = 2; k <= 20; k += 2) {
    SCOPED_TRACE(k);
    EXPECT_EQ(s.opsOfStep(k, IsSetSquare).size(), 1u);
    EXPECT_EQ(s.opsOfStep(k + 1, IsDot).size(), 1u);
  }
  auto squares = s.ops(IsSetSquare);
  ASSERT_EQ(squares.size(), 11u);
  // The first P (95 degrees) lays its corner at (824.3, 60.7).
  EXPECT_TRUE(Near(squares[0].points[0].first, 824.3f) && Near(squares[0].points[0].second, 60.7f));
  // The wipe after the last set square takes everything from x 600 rightwards, so all of them.
  EXPECT_TRUE(s.opsOfStep(22, [](const Op&) { return true; }).empty());
  auto wipe = s.opsOfStep(23, [](const Op& o) { return IsFilledBox(o, 600, 0, 2360, 1800, 15); });
  ASSERT_EQ(wipe.size(), 1u);
  for (const Op& sq : squares)
    for (auto [x, y] : sq.points) EXPECT_GE(x - 5, 600);
  EXPECT_TRUE(s.opsOfStep(24, IsSetSquare).empty());
}

TEST(SetSquareSearch, TheLastCircleRunsThroughEveryP) {
  ScreenPlay s = PlayChoice(1, kWaits);
  auto circles = s.ops([](const Op& o) { return o.kind == OpKind::Circle && Near(o.r, kR); });
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_TRUE(IsCircleAt(circles[0], kOx, kOy, kR));
  EXPECT_EQ(s.opsOfStep(kWaits - 1, [](const Op& o) { return o.kind == OpKind::Circle && Near(o.r, kR); }).size(), 1u);
  // Every dot but A's and B's lies on it: 11 of the set squares, 10 of the chords, 20 more.
  auto dots = s.ops(IsDot);
  int onCircle = 0;
  for (const Op& d : dots)
    if (Near(Distance(d.x1, d.y1, kOx, kOy), kR, 0.05f) && !Near(d.y1, 355.7f)) ++onCircle;
  EXPECT_EQ(onCircle, 41);
  // The chords' Ps are drawn at width 2, then the dots again at 5; the screen leaves 5.
  auto chords = s.ops([](const Op& o) { return o.kind == OpKind::Line; });
  ASSERT_EQ(chords.size(), 20u);
  for (const Op& c : chords) EXPECT_EQ(c.width, 2);
  EXPECT_EQ(s.r.pf.drawWidth(), 5);
  // The closing line under the task, right after the circle's key, and the sub-menu at once.
  ExpectText(s.log(), s.step(kWaits), 36, 250, "円周上にありそうだ！", 5);
}

}  // namespace
}  // namespace lunevar_test
