// The figure marks: an unset option keeping its variable, ticks between page places, a path that
// the page cannot draw, the equal-arcs line's signs over the letters they name, at their own draw
// width, and a lettered dot's two colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "kit/Marks.h"
#include "kit/Text.h"
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

TEST(KitFigures, TicksBetweenPagePlacesAreTheTicksBetweenTablePointsThere) {
  struct Case {
    kit::Pen from, to;
    float count;
  };
  const Case cases[] = {{{100, 100}, {300, 100}, 1}, {{120, 340}, {260, 180}, 2}, {{400, 50}, {400, 250}, 3}};
  for (const Case& c : cases) {
    TestRun byPoints, byPlaces;
    auto& v = byPoints.P.v;
    v.X_a(1) = c.from.x; v.Y_a(1) = c.from.y; v.X_a(2) = c.to.x; v.Y_a(2) = c.to.y;
    kit::DrawTicks(byPoints.P, 1, 2, 20, c.count, 5, 0, 8);
    kit::DrawTicksBetween(byPlaces.P, c.from.x, c.from.y, c.to.x, c.to.y, 20, c.count, 5, 0, 8);
    auto& w = byPlaces.P.v;
    EXPECT_EQ(w.AX, c.from.x);
    EXPECT_EQ(w.AY, c.from.y);
    EXPECT_EQ(w.BX, c.to.x);
    EXPECT_EQ(w.BY, c.to.y);
    EXPECT_EQ(w.AIDA, v.AIDA);
    auto strokes = byPoints.ops(platform::OpKind::Line), drawn = byPlaces.ops(platform::OpKind::Line);
    ASSERT_FALSE(drawn.empty());
    ASSERT_EQ(drawn.size(), strokes.size());
    for (size_t i = 0; i < drawn.size(); ++i) {
      EXPECT_EQ(drawn[i].x1, strokes[i].x1);
      EXPECT_EQ(drawn[i].y1, strokes[i].y1);
      EXPECT_EQ(drawn[i].x2, strokes[i].x2);
      EXPECT_EQ(drawn[i].y2, strokes[i].y2);
    }
  }
}

TEST(KitFigures, APathOfMoreThanSevenPointsIsAnIllegalCall) {
  TestRun r;
  EXPECT_THROW(kit::DrawPath(r.P, {1, 2, 3, 4, 5, 6, 7}, 0, kit::PathKind::Closed), platform::RuntimeError);
  EXPECT_NO_THROW(kit::DrawPath(r.P, {1, 2, 3, 4, 5, 6}, 0, kit::PathKind::Closed));
}

TEST(KitMarks, EqualArcsLineSignsTheLettersAtWidthThreeAndLeavesTheWidthAsked) {
  struct Case {
    const char* name;
    void (*write)(shell::Program&);
    int widthAfter;
  };
  const Case cases[] = {
      {"signs' width kept", [](shell::Program& P) { kit::EqualArcsLine(P, 70, "AB=", "CD"); }, 3},
      {"width 5 after", [](shell::Program& P) { kit::EqualArcsLine(P, 70, "AB=", "CD", 5); }, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestRun r;
    auto& v = r.P.v;
    r.pf.setDrawWidth(5);
    kit::TextCursorAt(r.P, 100, 200);
    v.XI2 = 400;
    r.log.clear();
    c.write(r.P);
    EXPECT_EQ(v.YI1, 270);
    EXPECT_EQ(r.pf.drawWidth(), c.widthAfter);
    auto glyphs = r.texts();
    ASSERT_FALSE(glyphs.empty());
    EXPECT_EQ(glyphs.front().x1, 100);  // the line starts at the margin, not where the last one ended
    EXPECT_EQ(glyphs.front().y1, 270);
    // The dots of the two signs: the first over "AB" at the line's start, the second over "CD".
    float cdStart = 0;
    for (const auto& op : r.log)
      if (op.kind == platform::OpKind::Text && op.text == "C") cdStart = op.x1;
    ASSERT_GT(cdStart, 154);
    std::vector<platform::Op> dots = r.ops(platform::OpKind::Circle);
    std::vector<float> overAB, overCD;
    for (const auto& d : dots) (d.x1 < cdStart - 1 ? overAB : overCD).push_back(d.x1);
    ASSERT_FALSE(overAB.empty());
    ASSERT_FALSE(overCD.empty());
    EXPECT_NEAR(*std::min_element(overAB.begin(), overAB.end()), 100, 0.5);
    EXPECT_NEAR(*std::max_element(overAB.begin(), overAB.end()), 154, 0.5);
    EXPECT_NEAR(*std::min_element(overCD.begin(), overCD.end()), cdStart, 0.5);
    EXPECT_NEAR(*std::max_element(overCD.begin(), overCD.end()), cdStart + 54, 0.5);
    for (const auto& d : dots) {
      EXPECT_EQ(d.width, 3);
      EXPECT_EQ(d.colour, 0);
      EXPECT_LE(d.y1, 270);
      EXPECT_GE(d.y1, 260);
    }
  }
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
