// The brace and the column calculation: their points and texts, and the draw width they
// hand back.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "geometry/Plane.h"
#include "support/MathTextLog.h"
#include "support/TestRun.h"

namespace geometry_test {

using platform::Op;
using platform::OpKind;
using testsupport::ContainsRun;
using testsupport::MathTextOps;
using testsupport::MathTextWidth;
using testsupport::TestRun;

namespace {

using Points = std::vector<std::pair<float, float>>;

TEST(DrawBrace, SevenPointsOpeningToTheRight) {
  struct Case {
    float haba;
    Points points;
  } cases[] = {
      {100, {{135, 205}, {123, 208}, {123, 240.5f}, {108, 247.5f}, {123, 254.5f}, {123, 287}, {135, 290}}},
      // The straight stretches shrink to nothing.
      {35, {{135, 205}, {123, 208}, {123, 208}, {108, 215}, {123, 222}, {123, 222}, {135, 225}}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.haba);
    TestRun run;
    auto& v = run.v;
    v.X = 100, v.Y = 200, v.HABA = k.haba, v.CCC1 = 2;
    run.pf.setDrawWidth(3);
    geometry::DrawBrace(run.P);
    ASSERT_EQ(run.log.size(), 1u);
    const Op& brace = run.log[0];
    EXPECT_EQ(brace.kind, OpKind::Polyline);
    EXPECT_EQ(brace.points, k.points);
    EXPECT_EQ(brace.colour, 2);
    EXPECT_EQ(brace.fill, platform::kNoFill);
    EXPECT_EQ(brace.width, 5);
    EXPECT_EQ(run.pf.drawWidth(), 3);
    EXPECT_EQ(v.X, 100);
    EXPECT_EQ(v.Y, 200);
    EXPECT_EQ(v.Y4, k.points[3].second);
  }
}

struct ColumnCase {
  const char *upper, *op, *lower;
};

TEST(ColumnOperation, OperandsAlignedLeftOverTheBar) {
  const ColumnCase cases[] = {{"125", "*", "5"}, {"7", "+", "1234"}, {"36", "", "36"}, {"", "-", "4"}};
  for (const ColumnCase& k : cases) {
    SCOPED_TRACE(testing::Message() << k.upper << k.op << k.lower);
    TestRun run;
    auto& v = run.v;
    v.X = 100, v.Y = 200, v.TAKASA = 50, v.CCC1 = 0, v.CCC2 = 2;
    v.A1_s = k.upper, v.ENZAN_s = k.op, v.A2_s = k.lower;
    run.pf.setDrawWidth(4);
    geometry::ColumnOperation(run.P);
    float wide = std::max(MathTextWidth(k.upper), MathTextWidth(k.lower));
    std::vector<Op> texts;
    for (const auto& part : {MathTextOps(k.upper, 154, 200, 0), MathTextOps(k.op, 100, 256, 0),
                             MathTextOps(")", 100 + MathTextWidth(k.op), 256, 0), MathTextOps(k.lower, 154, 250, 0)})
      texts.insert(texts.end(), part.begin(), part.end());
    EXPECT_TRUE(ContainsRun(run.log, texts));
    std::vector<Op> lines;  // the bar, in its own colour (the signs are strokes in the text colour)
    for (const Op& op : run.ops(OpKind::Line))
      if (op.colour == 2) lines.push_back(op);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(std::vector<float>({lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}),
              (std::vector<float>{127, 300, 157 + wide, 300}));
    EXPECT_EQ(lines[0].width, 3);
    EXPECT_EQ(lines[0].colour, 2);
    EXPECT_EQ(run.pf.drawWidth(), 4);
    EXPECT_EQ(v.LT, wide);
    EXPECT_EQ(v.YI1, 250);
    EXPECT_EQ(v.XI3, 154);
    EXPECT_EQ(v.XI2, 157 + wide);
    EXPECT_EQ(v.X1, 100);
    EXPECT_EQ(v.Y1, 200);
  }
}

}  // namespace
}  // namespace geometry_test
