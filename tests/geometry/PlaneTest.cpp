// The coordinate plane: where its lines, numbers and axis letters fall, the globals it sets,
// and the values NumberAxisTicks writes beside the axes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "geometry/Plane.h"
#include "support/MathTextLog.h"
#include "support/TestRun.h"

namespace geometry_test {

using platform::Op;
using platform::OpKind;
using testsupport::ContainsRun;
using testsupport::MathTextOps;
using testsupport::OnPage;
using testsupport::TestRun;

namespace {

struct Text {
  std::string text;
  float x, y;
};

std::vector<Text> Texts(const std::vector<Op>& log) {
  std::vector<Text> out;
  for (const Op& op : log)
    if (op.kind == OpKind::Text) out.push_back({op.text, op.x1, op.y1});
  return out;
}

bool operator==(const Text& a, const Text& b) { return a.text == b.text && a.x == b.x && a.y == b.y; }
void PrintTo(const Text& t, std::ostream* os) { *os << '"' << t.text << "\" at (" << t.x << ", " << t.y << ")"; }

void DefaultPlane(shell::Vars& v) {
  v.GGX = v.GGY = 0;
  v.SIZE = 30;
  v.AA1 = -5, v.AA2 = 5, v.BB1 = -5, v.BB2 = 5;
  v.BAIX = v.BAIY = 0;
  v.CCC2 = 1;
  v.NASI = 0;
}

TEST(DrawCoordinatePlane, TheDefaultPlane) {
  TestRun run;
  auto& v = run.v;
  DefaultPlane(v);
  run.pf.setDrawWidth(2);
  geometry::DrawCoordinatePlane(run.P);
  EXPECT_EQ(v.GGX, 640);
  EXPECT_EQ(v.GGY, 180);
  EXPECT_EQ(v.BAIX, 1);
  EXPECT_EQ(v.BAIY, 1);
  EXPECT_EQ(v.GX0, 790);
  EXPECT_EQ(v.GY0, 330);
  EXPECT_EQ(v.GX1, 640);
  EXPECT_EQ(v.GY1, 180);
  EXPECT_EQ(v.GX2, 940);
  EXPECT_EQ(v.GY2, 480);
  EXPECT_EQ(v.SIZE1, 26);
  EXPECT_EQ(v.NASI, 0);
  EXPECT_EQ(v.DR, 2);

  std::vector<float> thinX, thinY, boldX, boldY;
  for (const Op& op : run.ops(OpKind::Line)) {
    bool vertical = op.x1 == op.x2;
    if (op.width == 1 && op.colour == 0) (vertical ? thinX : thinY).push_back(op.x1 + (vertical ? 0 : op.y1 - op.x1));
    if (op.width == 3 && op.colour == 1) (vertical ? boldX : boldY).push_back(vertical ? op.x1 : op.y1);
  }
  std::vector<float> wantThinX, wantThinY;
  for (int i = -5; i <= 5; ++i) wantThinX.push_back(790 + 30 * i - 0.5f), wantThinY.push_back(330 - 30 * i - 0.5f);
  EXPECT_EQ(thinX, wantThinX);
  EXPECT_EQ(thinY, wantThinY);
  EXPECT_EQ(boldX, (std::vector<float>{640, 790, 940}));
  EXPECT_EQ(boldY, (std::vector<float>{480, 330, 180}));
  auto lines = run.ops(OpKind::Line);
  ASSERT_GE(lines.size(), 2u);
  // The axes come last, at width 4.
  const Op& yAxis = lines[lines.size() - 2];
  const Op& xAxis = lines.back();
  EXPECT_EQ(yAxis.width, 4);
  EXPECT_EQ(std::vector<float>({yAxis.x1, yAxis.y1, yAxis.x2, yAxis.y2}), (std::vector<float>{790, 180, 790, 480}));
  EXPECT_EQ(std::vector<float>({xAxis.x1, xAxis.y1, xAxis.x2, xAxis.y2}), (std::vector<float>{640, 330, 940, 330}));

  std::vector<Text> want = {{"-5", 614, 330}, {"5", 927, 330}, {"-5", 738, 463}, {"5", 764, 163},
                            {"x", 919.2f, 291}, {"0", 764, 330}, {"y", 790, 167}};
  EXPECT_EQ(Texts(run.log), want);
  for (const Op& op : run.ops(OpKind::Text)) {
    EXPECT_EQ(op.colour, 0);
    if (op.text == "x") {
      EXPECT_EQ(op.font, (platform::Font{"Times New Roman", 0.8f * 26, true, true}));
      EXPECT_EQ(op.h, 3);
      EXPECT_EQ(op.v, 2);
    } else {
      EXPECT_EQ(op.font.size, 26);
      EXPECT_EQ(op.h, 2);
      EXPECT_EQ(op.v, 1);
    }
  }
  EXPECT_EQ(run.pf.drawWidth(), 2);
  EXPECT_EQ(run.pf.font(), (platform::Font{"ゴシック", 16, false, false}));
  EXPECT_EQ(v.AA_s, "y");
  EXPECT_EQ(v.X, 790);
  EXPECT_EQ(v.Y, 167);
  EXPECT_EQ(v.CCC1, 0);
}

struct PlaneCase {
  const char* name;
  void (*set)(shell::Vars&);
  std::vector<Text> texts;
  size_t lines;
};

TEST(DrawCoordinatePlane, SwitchesScalesAndCorners) {
  const PlaneCase cases[] = {
      {"no grid", [](shell::Vars& v) { v.CCC2 = 0; }, {{"x", 919.2f, 291}, {"0", 764, 330}, {"y", 790, 167}}, 2},
      {"no numbers", [](shell::Vars& v) { v.NASI = -1; }, {{"x", 919.2f, 291}, {"0", 764, 330}, {"y", 790, 167}}, 30},
      // With a scale of 2 the plane's own numbers are cell indexes.
      {"scale -2", [](shell::Vars& v) { v.BAIX = -2, v.AA1 = -10, v.AA2 = 10; },
       {{"-5", 614, 330}, {"5", 927, 330}, {"-5", 738, 463}, {"5", 764, 163}, {"x", 919.2f, 291}, {"0", 764, 330},
        {"y", 790, 167}},
       30},
      // Only both corners 0 select the default corner.
      {"left edge 0", [](shell::Vars& v) { v.CCC2 = 0, v.GGY = 100; },
       {{"x", 279.2f, 211}, {"0", 124, 250}, {"y", 150, 87}}, 2},
      {"cells of 40", [](shell::Vars& v) { v.CCC2 = 0, v.SIZE = 40; },
       {{"x", 1016, 335}, {"0", 810, 380}, {"y", 840, 165}}, 2},
      // The lower end past the upper one still draws its thin line (and its bold one).
      {"range 5 to 1", [](shell::Vars& v) { v.AA1 = 5, v.AA2 = 1; },
       {{"5", 927, 330}, {"-5", 738, 463}, {"5", 764, 163}, {"x", 799.2f, 291}, {"0", 764, 330}, {"y", 790, 167}},
       1 + 11 + 1 + 3 + 2},
  };
  for (const PlaneCase& k : cases) {
    SCOPED_TRACE(k.name);
    TestRun run;
    DefaultPlane(run.v);
    k.set(run.v);
    geometry::DrawCoordinatePlane(run.P);
    EXPECT_EQ(Texts(run.log), k.texts);
    EXPECT_EQ(run.ops(OpKind::Line).size(), k.lines);
    EXPECT_EQ(run.v.NASI, 0);
  }
}

TEST(DrawCoordinatePlane, RangesBecomeCells) {
  TestRun run;
  auto& v = run.v;
  DefaultPlane(v);
  v.BAIX = -2, v.AA1 = -10, v.AA2 = 10;
  v.BAIY = 0.5f, v.BB1 = -2.5f, v.BB2 = 5;
  geometry::DrawCoordinatePlane(run.P);
  EXPECT_EQ(v.BAIX, 2);
  EXPECT_EQ(v.AA1, -5);
  EXPECT_EQ(v.AA2, 5);
  EXPECT_EQ(v.BB1, -5);
  EXPECT_EQ(v.BB2, 10);
  EXPECT_EQ(v.GY0, 180 + 300);
  EXPECT_EQ(v.GY2, 480 + 150);
}

struct TickCase {
  const char* name;
  void (*set)(shell::Vars&);
  std::vector<Text> values;  // text and pen of each value written
};

TEST(NumberAxisTicks, ValuesOfTheFifthLines) {
  const TickCase cases[] = {
      {"default", [](shell::Vars&) {}, {{"-5", 620, 334}, {"5", 930, 334}, {"-5", 740, 467}, {"5", 760, 167}}},
      {"scale 2 across", [](shell::Vars& v) { v.BAIX = 2, v.AA1 = -10, v.AA2 = 10; },
       {{"-10", 610, 334}, {"10", 920, 334}, {"-5", 740, 467}, {"5", 760, 167}}},
      {"half a unit up", [](shell::Vars& v) { v.BAIY = 0.5f, v.BB1 = -2.5f, v.BB2 = 5; },
       {{"-5", 620, 484}, {"5", 930, 484}, {"-2.5", 712, 617}, {"2.5", 732, 317}, {"5", 760, 167}}},
      {"tenths", [](shell::Vars& v) { v.BAIX = 0.1f, v.AA1 = -0.5f, v.AA2 = 0.5f; },
       {{"-0.5", 606, 334}, {"0.5", 916, 334}, {"-5", 740, 467}, {"5", 760, 167}}},
  };
  for (const TickCase& k : cases) {
    SCOPED_TRACE(k.name);
    TestRun run;
    DefaultPlane(run.v);
    k.set(run.v);
    geometry::DrawCoordinatePlane(run.P);
    size_t planeOps = run.log.size();
    geometry::NumberAxisTicks(run.P);
    std::vector<Op> ticks(run.log.begin() + static_cast<long>(planeOps), run.log.end());
    std::vector<Op> want;
    for (const Text& t : k.values) {
      auto ops = MathTextOps(t.text, t.x, t.y, 0, true, "ゴシック");
      want.insert(want.end(), ops.begin(), ops.end());
    }
    EXPECT_TRUE(ContainsRun(ticks, want)) << testing::PrintToString(Texts(ticks));
    EXPECT_EQ(OnPage(ticks).size(), OnPage(want).size());
    EXPECT_EQ(run.v.CCC1, 0);
  }
}

}  // namespace
}  // namespace geometry_test
