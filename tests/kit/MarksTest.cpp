// The figure marks: an unset option keeping its variable, a path that the page cannot draw, and
// a lettered dot's two colours.
#include <gtest/gtest.h>

#include "kit/Marks.h"
#include "platform/Errors.h"
#include "support/OpsLog.h"
#include "support/TestRun.h"

namespace {

using namespace testsupport;

TEST(KitFigures, AnOptionNotGivenKeepsItsVariable) {
  TestRun r;
  auto& v = r.P.v;
  v.X_a(1) = 100; v.Y_a(1) = 100; v.X_a(2) = 200; v.Y_a(2) = 100;
  v.ITI = 7; v.AIDA = 12;
  kit::DrawTicks(r.P, 1, 2, 20, 1, 3);
  EXPECT_EQ(v.ITI, 7);
  EXPECT_EQ(v.AIDA, 24);  // grown by the mark for the next call, from the spacing left before
  kit::DrawTicks(r.P, 1, 2, 20, 1, 3, 0, 8);
  EXPECT_EQ(v.ITI, 0);
  EXPECT_EQ(v.AIDA, 16);
}

TEST(KitFigures, APathOfMoreThanSevenPointsIsAnIllegalCall) {
  TestRun r;
  EXPECT_THROW(kit::DrawPath(r.P, {1, 2, 3, 4, 5, 6, 7}, 0, kit::PathKind::Closed), platform::RuntimeError);
  EXPECT_NO_THROW(kit::DrawPath(r.P, {1, 2, 3, 4, 5, 6}, 0, kit::PathKind::Closed));
}

// The dot comes first and takes its own colour; the letter, placed from the point, takes the other.
TEST(KitFigures, ALetteredDotDrawsTheDotThenTheLetterEachInItsColour) {
  TestRun r;
  auto& v = r.P.v;
  v.X_a(3) = 400; v.Y_a(3) = 300;
  kit::LetteredDot(r.P, 3, 6, 3, -14, -50, "O", 0);
  ASSERT_EQ(r.log.size(), 2u);
  EXPECT_EQ(r.log[0].kind, OpKind::Circle);
  EXPECT_EQ(r.log[0].x1, 400); EXPECT_EQ(r.log[0].y1, 300); EXPECT_EQ(r.log[0].r, 6);
  EXPECT_EQ(r.log[0].colour, r.log[0].fill);
  EXPECT_EQ(r.log[1].kind, OpKind::Text);
  EXPECT_EQ(r.log[1].x1, 386); EXPECT_EQ(r.log[1].y1, 250);
  EXPECT_NE(r.log[1].colour, r.log[0].colour);
  EXPECT_EQ(v.CCC1, 0);
}

}  // namespace
