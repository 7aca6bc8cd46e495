// Polygons through the vertex table: the edges in order and width, the vertex names (letters
// or a list) set outside the corners, the caller's width given back, and tables too short or long.
#include <gtest/gtest.h>

#include <cmath>

#include "figures/Marks.h"
#include "mathtext/MathText.h"
#include "support/TestRun.h"

namespace figures_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

// The square of the lessons, listed counter-clockwise as seen on the page.
void Square(shell::Vars& v, float kaku = 4) {
  const float corners[4][2] = {{100, 100}, {100, 300}, {300, 300}, {300, 100}};
  for (int i = 0; i < 4; ++i) {
    v.G_a(i + 1, 1) = corners[i][0];
    v.G_a(i + 1, 2) = corners[i][1];
  }
  v.KAKU = kaku; v.SIZE1 = 5; v.CCC2 = 0; v.CCC1 = 0; v.NAGASA = 10;
}

std::vector<std::string> Labels(const TestRun& m) {
  std::vector<std::string> out;
  for (const Op& t : m.shown(OpKind::Text)) out.push_back(t.text);
  return out;
}

TEST(Polygon, SquareEdgesAndLettersOutsideTheCorners) {
  TestRun m;
  Square(m.v);
  m.v.AAA_s = "A";
  m.pf.setDrawWidth(2);
  figures::DrawPolygon(m.P);
  auto edges = m.shown(OpKind::Line);
  ASSERT_EQ(edges.size(), 4u);
  const float order[4][4] = {{100, 100, 100, 300}, {100, 300, 300, 300}, {300, 300, 300, 100}, {300, 100, 100, 100}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(edges[i].x1, order[i][0]); EXPECT_EQ(edges[i].y1, order[i][1]);
    EXPECT_EQ(edges[i].x2, order[i][2]); EXPECT_EQ(edges[i].y2, order[i][3]);
    EXPECT_EQ(edges[i].width, 5);
    EXPECT_EQ(edges[i].colour, 0);
  }
  EXPECT_EQ(Labels(m), (std::vector<std::string>{"A", "B", "C", "D"}));
  EXPECT_EQ(m.pf.drawWidth(), 2);
  EXPECT_EQ(m.v.AAA_s, "");
  EXPECT_EQ(m.v.NAGASA, 0);
  EXPECT_EQ(m.v.ITI, 0);
  EXPECT_EQ(m.v.NAGASA1, 10);
  EXPECT_EQ(m.v.ZX0, 300);  // the last vertex labelled
  EXPECT_EQ(m.v.ZY0, 100);

  // Each box stands 10 out along its corner's outward direction: 112.5 degrees at vertex 1,
  // 202.5 at vertex 2 (its arms point to the next vertex and the next but one).
  m.v.A_s = "A";
  mathtext::MeasureMathText(m.P);
  float w = m.v.LLT;
  auto texts = m.shown(OpKind::Text);
  const float outward[2] = {112.5f, 202.5f};
  for (int i = 0; i < 2; ++i) {
    float d = outward[i] * 3.14159f / 180;
    float cx = texts[i].x1 + w / 2, cy = texts[i].y1 + 22;
    EXPECT_NEAR(cx - m.v.G_a(i + 1, 1), (10 + w / 2) * std::cos(d), 0.05) << "vertex " << i + 1;
    EXPECT_NEAR(cy - m.v.G_a(i + 1, 2), -(10 + 22) * std::sin(d), 0.05) << "vertex " << i + 1;
  }
}

TEST(Polygon, LabelChoices) {
  struct Case { const char* choice; std::vector<std::string> labels; };
  const Case cases[] = {
      {"P", {"P", "Q", "R", "S"}},
      {"Pq", {"P", "Q", "R", "S"}},
      {"1", {"甲", "乙", "丙", "丁"}},
      {"12", {"1", "2", "3", "4"}},
      {"", {}},
  };
  for (const Case& c : cases) {
    TestRun m;
    Square(m.v);
    const char* list[] = {"甲", "乙", "丙", "丁"};
    for (int i = 0; i < 4; ++i) m.v.X_s_a(i + 1) = list[i];
    m.v.AAA_s = c.choice;
    figures::DrawPolygon(m.P);
    EXPECT_EQ(Labels(m), c.labels) << "choice \"" << c.choice << "\"";
    EXPECT_EQ(m.v.AAA_s, "");
    EXPECT_EQ(m.pf.drawWidth(), 3);  // as start-up left it
  }
}

TEST(Polygon, NoLabelsKeepTheLabelInputs) {
  TestRun m;
  Square(m.v);
  m.v.AAA_s = ""; m.v.ITI = 1; m.v.AAAX = 4; m.v.NAGASA = 12;
  figures::DrawPolygon(m.P);
  EXPECT_EQ(m.v.NAGASA, 12);
  EXPECT_EQ(m.v.NAGASA1, 12);
  EXPECT_EQ(m.v.ITI, 1);
  EXPECT_EQ(m.v.AAAX, 4);
}

// G() holds ten vertices and a polygon needs three: outside that nothing is drawn.
TEST(Polygon, TablesTooShortOrTooLongDrawNothing) {
  for (float kaku : {2.0f, 0.0f, -1.0f, 11.0f, 10.4f}) {
    TestRun m;
    Square(m.v, kaku);
    m.v.AAA_s = "A";
    m.pf.setDrawWidth(2);
    figures::DrawPolygon(m.P);
    EXPECT_TRUE(m.log.empty()) << "KAKU " << kaku;
    EXPECT_EQ(m.v.AAA_s, "");
    EXPECT_EQ(m.pf.drawWidth(), 2);
  }
  TestRun m;  // the bound itself is fine
  Square(m.v, 10);
  figures::DrawPolygon(m.P);
  EXPECT_EQ(m.shown(OpKind::Line).size(), 10u);
}

}  // namespace
}  // namespace figures_test
