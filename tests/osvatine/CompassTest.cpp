// Compass strokes: the widened ends and their strict wrap into the turn, the three forms with
// ITI 1 and -1, the centre dot before the arc or none, and no key taken.
#include <gtest/gtest.h>

#include "Support.h"
#include "kit/Marks.h"

namespace osvatine_test {
namespace {

using kit::ArcForm;

TEST(Compass, EndsAreWidenedAndWrappedStrictly) {
  struct Case { float startDir, endDir, span, start, end; };
  const Case cases[] = {
      {1, 1, 0.03f, 0.97f, 0.03f},        // straight to the right: the arc crosses the seam
      {0.02f, 0.02f, 0.03f, 0.99f, 0.05f},
      {0.75f, 0.75f, 0.03f, 0.72f, 0.78f},  // straight up
      {0.02f, 0.02f, 0.05f, 0.97f, 0.07f},
      {0.25f, 0.9f, 0.05f, 0.2f, 0.95f},
  };
  for (const Case& c : cases) {
    kit::ArcEnds e = kit::CompassArcEnds(c.startDir, c.endDir, c.span);
    EXPECT_NEAR(e.start, c.start, 1e-6) << c.startDir;
    EXPECT_NEAR(e.end, c.end, 1e-6) << c.endDir;
  }
  // Exactly 1 and exactly 0 stay as they are.
  EXPECT_EQ(kit::CompassArcEnds(0.97f, 0.97f, 0.03f).end, 1.0f);
  EXPECT_EQ(kit::CompassArcEnds(0.03f, 0.03f, 0.03f).start, 0.0f);
}

// Centre 1 at (500, 500); target 2 straight to the right (direction 1), target 3 straight up (0.75).
struct StrokeRun : Bare {
  StrokeRun() : Bare("x") {
    auto& t = P.v;
    t.X_a(1) = 500; t.Y_a(1) = 500;
    t.X_a(2) = 600; t.Y_a(2) = 500;
    t.X_a(3) = 500; t.Y_a(3) = 400;
  }
};

TEST(Compass, FormsAndSidesGiveTheirArcs) {
  struct Case { ArcForm form; float side, span, start, end; };
  const Case cases[] = {
      {ArcForm::AcrossFirst, 1, 0.03f, 0.97f, 0.03f},
      {ArcForm::AcrossSecond, 1, 0.03f, 0.72f, 0.78f},
      {ArcForm::Between, 1, 0.03f, 0.72f, 0.03f},    // from the second clockwise past the first
      {ArcForm::Between, -1, 0.05f, 0.95f, 0.80f},   // exchanged: the other side of the centre
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.form) * 10 + static_cast<int>(c.side));
    StrokeRun s;
    kit::CompassArcStep(s.P, {.centre = 1, .first = 2, .second = 3, .side = c.side, .form = c.form, .span = c.span,
                              .colour = 7, .dot = 0},
                        80);
    ASSERT_EQ(s.log.size(), 1u);
    const Op& arc = s.log[0];
    EXPECT_TRUE(IsCircleAt(arc, 500, 500, 80));
    EXPECT_NEAR(arc.start, c.start, 1e-6);
    EXPECT_NEAR(arc.end, c.end, 1e-6);
    EXPECT_EQ(arc.colour, 7);
    EXPECT_EQ(arc.fill, platform::kNoFill);
    EXPECT_EQ(s.P.v.ITI, c.side);
    EXPECT_EQ(s.P.v.ZX0, 500); EXPECT_EQ(s.P.v.ZX1, 600); EXPECT_EQ(s.P.v.ZY2, 400);
  }
}

TEST(Compass, TheDotComesBeforeTheArcAndNoKeyIsTaken) {
  for (float dot : {6.0f, 8.0f}) {
    StrokeRun s;
    kit::CompassArcStep(s.P, {1, 2, 3, 1, ArcForm::AcrossFirst, 0.03f, 3, dot}, 120);
    ASSERT_EQ(s.log.size(), 2u);
    EXPECT_TRUE(IsCircleAt(s.log[0], 500, 500, dot));
    EXPECT_EQ(s.log[0].fill, 3);
    EXPECT_EQ(s.log[0].colour, 3);
    EXPECT_TRUE(IsCircleAt(s.log[1], 500, 500, 120));
    EXPECT_EQ(s.keysLeft(), 1u);
  }
}

}  // namespace
}  // namespace osvatine_test
