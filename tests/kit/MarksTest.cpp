// The figure marks: an unset option keeping its variable, and a path that the page cannot draw.
#include <gtest/gtest.h>

#include "kit/Marks.h"
#include "platform/Errors.h"
#include "support/TestRun.h"

namespace {

using testsupport::TestRun;

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

}  // namespace
