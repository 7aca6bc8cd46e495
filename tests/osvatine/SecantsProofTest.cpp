// Item 2's fourth screen: two secants from A, triangles ABE and ACD similar, the figure in six
// steps and the proof's three blanks filled one per key.
#include <gtest/gtest.h>

#include "ScreenChecks.h"
#include "Support.h"
#include "osvatine/ConstructProve.h"

namespace osvatine_test {
namespace {

const std::string kEnterSecants = "2{Enter}4{Enter}";

bool IsSector(const Op& o, float x, float y, float r, int fill) {
  return IsCircleAt(o, x, y, r, 0.05f) && o.fill == fill && o.colour == 0;
}

TEST(SecantsProof, TenKeysBuildTheFigureAndProofThenTheSubMenu) {
  auto r = Play(kEnterSecants + Repeat("x", 10));
  const Log& log = r.log;
  size_t start = ScreenStart(log);
  auto waits = IndexesOf(log, IsWaitBox, start);
  ASSERT_EQ(waits.size(), 10u);
  EXPECT_EQ(IndexesOf(log, [](const Op& o) { return IsText(o, "⑥"); }, waits.back()).size(),
            1u);
  ExpectTextLine(log, start, 36, 30, 3, "<問5解答>", 1440);
  ExpectTextLine(log, waits.back(), 40, 590, 7, "教科書P174問6　をやろう。", 1440);

  // B and D on the horizontal secant (B the farther), E on the secant AC; O has no letter.
  struct Label { const char* letter; float x, y; };
  const Label labels[] = {{"A", 676, 510}, {"B", 1108.29f, 510}, {"C", 1010.73f, 103.04f}, {"D", 843.71f, 510},
                          {"E", 758.41f, 351.77f}};
  for (const Label& l : labels) {
    auto found = OpsOf(log, [&](const Op& o) {
      return o.kind == OpKind::Text && o.text == l.letter && Near(o.x1, l.x, 0.01f) && Near(o.y1, l.y, 0.01f);
    }, start, waits[0]);
    EXPECT_EQ(found.size(), 1u) << l.letter;
  }
  // The short arc DE in colour 3, not the long one.
  auto arcs = OpsOf(log, [](const Op& o) { return IsCircleAt(o, 990, 350, 200) && o.colour == 3; }, start);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_NEAR(arcs[0].start, 0.365, 0.001);
  EXPECT_NEAR(arcs[0].end, 0.467, 0.001);
  EXPECT_NEAR(SweepDegrees(arcs[0]), 36.5, 0.1);
  // Triangle ACD stressed at width 8 in colour 9, then the marks at width 5 again.
  auto stressed = IndexesOf(log, [](const Op& o) { return o.kind == OpKind::Polyline && o.colour == 9; }, start);
  ASSERT_EQ(stressed.size(), 1u);
  EXPECT_EQ(log[stressed[0]].width, 8);
  EXPECT_GT(stressed[0], waits[1]);
  EXPECT_LT(stressed[0], waits[2]);
  // The common angle at A (50, colour 7) and the equal angles at B and C (80, colour 3).
  struct Sector { const char* at; float x, y, r; int fill; float degrees; };
  const Sector sectors[] = {{"A", 690, 500, 50, 7, 46.0f}, {"B", 1122.29f, 500, 80, 3, 18.3f},
                            {"C", 1024.73f, 153.04f, 80, 3, 18.3f}};
  for (const Sector& s : sectors) {
    SCOPED_TRACE(s.at);
    auto found = OpsOf(log, [&](const Op& o) { return IsSector(o, s.x, s.y, s.r, s.fill); }, start);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].width, 5);
    EXPECT_NEAR(SweepDegrees(found[0]), s.degrees, 0.1);
  }
}

// The blanks stand where the cursor leaves them (ア after an empty line at the margin, ウ at the
// start of its own line 55 lower), and each answer later fills its blank in the answer colours.
TEST(SecantsProof, BlanksAndTheirAnswersOnePerKey) {
  auto r = Play(kEnterSecants + Repeat("x", 10));
  const Log& log = r.log;
  size_t start = ScreenStart(log);
  auto waits = IndexesOf(log, IsWaitBox, start);
  ASSERT_EQ(waits.size(), 10u);
  struct Blank { float x, y, width; const char* letter; const char* answer; };
  const Blank blanks[] = {{46, 150, 108, "ア", "∠A"},
                          {193, 270, 180, "イ", "∠ACD"},
                          {36, 385, 432, "ウ", "2組の角がそれぞれ等しい"}};
  for (size_t k = 0; k < 3; ++k) {
    const Blank& b = blanks[k];
    ExpectAnswerBox(log, waits[5] + 1, waits[6], b.x, b.y, b.width, b.letter);
    ExpectAnswerBox(log, waits[6 + k] + 1, waits[7 + k], b.x, b.y, b.width, b.answer);
  }
  ExpectTextLine(log, start, 36, 210, 0, "等しい弧に対する円周角は等しいから");
  ExpectTextLine(log, start, 36, 330, 0, "①②より");
  ExpectTextLine(log, start, 36, 445, 0, "△ABE∽△ACD");
}

// Called on its own, the screen takes exactly its ten keys and returns to the sub-menu, leaving
// its points in page units and the blanks' pens.
TEST(SecantsProof, ReturnsToTheSubMenuWithItsLeftovers) {
  Bare b(Repeat("x", 11));
  EXPECT_EQ(osvatine::Problem5Answer(b.P), shell::Screen{osvatine::ConstructProveSubMenu});
  EXPECT_EQ(b.keysLeft(), 1u);
  const auto& v = b.P.v;
  const float points[][2] = {{990, 350}, {690, 500}, {1122.29f, 500}, {1024.73f, 153.04f}, {857.71f, 500},
                             {794.41f, 391.77f}};
  for (int i = 0; i <= 5; ++i) {
    EXPECT_NEAR(v.X_a(i), points[i][0], 0.01) << i;
    EXPECT_NEAR(v.Y_a(i), points[i][1], 0.01) << i;
  }
  ExpectBlankPens(v, {{46, 150}, {193, 270}, {36, 385}});
  EXPECT_EQ(v.R1, 200);
}

}  // namespace
}  // namespace osvatine_test
