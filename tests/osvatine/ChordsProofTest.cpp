// Item 2's third screen: two chords meeting at P, triangles PAC and PDB similar, the figure in
// eight steps and the proof's four blanks filled one per key.
#include <gtest/gtest.h>

#include "ScreenChecks.h"
#include "Support.h"
#include "osvatine/ConstructProve.h"

namespace osvatine_test {
namespace {

const std::string kEnterChords = "2{Enter}3{Enter}";

bool IsSector(const Op& o, float x, float y, int fill) {
  return IsCircleAt(o, x, y, 50, 0.05f) && o.fill == fill && o.colour == 0;
}

TEST(ChordsProof, ThirteenKeysThenTheSubMenuOverTheFinishedScreen) {
  auto r = Play(kEnterChords + Repeat("x", 13));
  const Log& log = r.log;
  size_t start = ScreenStart(log);
  auto waits = IndexesOf(log, IsWaitBox, start);
  ASSERT_EQ(waits.size(), 13u);
  // The choice line right after the last step, and nothing cleared since.
  auto choice = IndexesOf(log, [](const Op& o) { return IsText(o, "⑥"); }, waits.back());
  EXPECT_EQ(choice.size(), 1u);
  ExpectTextLine(log, waits.back(), 44, 590, 0, "教科書P174問5　をやってみよう。", 1440);
  ExpectTextLine(log, start, 36, 30, 3, "例題1△PAC∽△PDBを証明しなさい。", 1440);

  // The circle, P on both chords, and the two arcs in their colours.
  EXPECT_EQ(OpsOf(log, [](const Op& o) { return IsCircleAt(o, 900, 280, 180) && o.start == 0 && o.end == 0; },
                  start).size(), 1u);
  EXPECT_EQ(OpsOf(log, [](const Op& o) { return IsCircleAt(o, 927.07f, 264.37f, 7, 0.01f) && o.fill == 0; },
                  start).size(), 1u);
  struct Arc { float start, end; int colour; };
  const Arc arcs[] = {{5.0f / 36, 5.0f / 12, 3}, {25.0f / 36, 11.0f / 12, 7}};
  for (const Arc& a : arcs) {
    auto found = OpsOf(log, [&](const Op& o) {
      return IsCircleAt(o, 900, 280, 180) && Near(o.start, a.start, 1e-5f) && Near(o.end, a.end, 1e-5f);
    }, start);
    ASSERT_EQ(found.size(), 1u) << a.colour;
    EXPECT_EQ(found[0].colour, a.colour);
  }
  // Each inscribed angle's sector at its vertex, in its arc's colour, across the triangle's angle.
  struct Sector { const char* angle; float x, y; int fill; float degrees; };
  const Sector sectors[] = {{"CAP", 838.44f, 110.86f, 3, 50},
                            {"ACP", 744.12f, 370.0f, 7, 40},
                            {"BDP", 1055.88f, 190.0f, 3, 50},
                            {"DBP", 1015.70f, 417.89f, 7, 40}};
  for (const Sector& s : sectors) {
    SCOPED_TRACE(s.angle);
    auto found = OpsOf(log, [&](const Op& o) { return IsSector(o, s.x, s.y, s.fill); }, start);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_NEAR(SweepDegrees(found[0]), s.degrees, 0.01);
  }
  // Letters and chords: A and C are points 1 and 2, B and D points 3 and 4.
  struct Label { const char* letter; float x, y; };
  const Label labels[] = {{"A", 818.44f, 70.86f}, {"B", 1025.70f, 401.89f}, {"C", 704.12f, 354.0f},
                          {"D", 1061.88f, 154.0f}, {"P", 921.07f, 212.37f}};
  for (const Label& l : labels) {
    auto found = OpsOf(log, [&](const Op& o) {
      return o.kind == OpKind::Text && o.text == l.letter && Near(o.x1, l.x, 0.01f) && Near(o.y1, l.y, 0.01f);
    }, start);
    EXPECT_EQ(found.size(), 1u) << l.letter;
  }
}

TEST(ChordsProof, ProofLinesAndBlanksStandWhereTheCursorLeavesThem) {
  auto r = Play(kEnterChords + Repeat("x", 8));
  const Log& log = r.log;
  size_t start = ScreenStart(log);
  const float ys[] = {90, 150, 210, 270, 330, 385, 445};
  for (float y : ys) {
    auto line = IndexesOf(log, [&](const Op& o) { return o.kind == OpKind::Text && o.y1 == y && o.x1 < 700; }, start);
    EXPECT_FALSE(line.empty()) << y;
  }
  ExpectTextLine(log, start, 36, 385, 0, "がそれぞれ等しいから");
  ExpectTextLine(log, start, 36, 445, 7, "△PAC∽△PDB");
  // The blanks with their letters, and the pens kept for their answers.
  struct Blank { int k; float x, y, width; const char* letter; };
  const Blank blanks[] = {{1, 46, 150, 396, "ア"}, {2, 193, 210, 144, "イ"}, {3, 193, 270, 144, "ウ"},
                          {4, 243, 330, 144, "エ"}};
  for (const Blank& b : blanks) {
    ExpectAnswerBox(log, start, log.size(), b.x, b.y, b.width, b.letter);
    EXPECT_EQ(r.v.T_a(b.k), b.x);
    EXPECT_EQ(r.v.F_a(b.k), b.y);
  }
  EXPECT_EQ(r.v.YI1, 445);
}

// The answers fill their blanks in the answer colours, even after an angle mark left CCC1 = 3
// and CCC3 = 3 or 7; the mark of step 11 comes before its answer, that of step 12 after it.
TEST(ChordsProof, AnswersFillTheBlanksInTheirOwnColoursOnePerKey) {
  auto r = Play(kEnterChords + Repeat("x", 13));
  const Log& log = r.log;
  size_t start = ScreenStart(log);
  auto waits = IndexesOf(log, IsWaitBox, start);
  ASSERT_EQ(waits.size(), 13u);
  struct Fill { size_t afterWait; float x, y, width; const char* text; };
  const Fill fills[] = {{8, 46, 150, 396, "等しい弧に対する円周角"},
                        {9, 193, 210, 144, "∠BDP"},
                        {10, 193, 270, 144, "∠DBP"},
                        {11, 243, 330, 144, "2組の角"}};
  for (const Fill& f : fills)
    ExpectAnswerBox(log, waits[f.afterWait] + 1, waits[f.afterWait + 1], f.x, f.y, f.width, f.text);
  auto step = [&](size_t afterWait, const OpTest& pick) {
    return IndexesOf(log, pick, waits[afterWait] + 1, waits[afterWait + 1]);
  };
  auto markD = step(9, [](const Op& o) { return IsSector(o, 1055.88f, 190.0f, 3); });
  auto boxI = step(9, [](const Op& o) { return IsFilledBox(o, 193, 207, 337, 257, 13); });
  auto markB = step(10, [](const Op& o) { return IsSector(o, 1015.70f, 417.89f, 7); });
  auto boxU = step(10, [](const Op& o) { return IsFilledBox(o, 193, 267, 337, 317, 13); });
  ASSERT_EQ(markD.size(), 1u);
  ASSERT_EQ(boxI.size(), 1u);
  ASSERT_EQ(markB.size(), 1u);
  ASSERT_EQ(boxU.size(), 1u);
  EXPECT_LT(markD[0], boxI[0]);
  EXPECT_GT(markB[0], boxU[0]);
}

// Called on its own, the screen takes exactly its thirteen keys and returns to the sub-menu,
// leaving its points in page units and the blanks' pens.
TEST(ChordsProof, ReturnsToTheSubMenuWithItsLeftovers) {
  Bare b(Repeat("x", 14));
  EXPECT_EQ(osvatine::ChordsSimilarityProof(b.P), shell::Screen{osvatine::ConstructProveSubMenu});
  EXPECT_EQ(b.keysLeft(), 1u);
  const auto& v = b.P.v;
  EXPECT_EQ(v.X_a(0), 900);
  EXPECT_EQ(v.Y_a(0), 280);
  EXPECT_NEAR(v.X_a(5), 927.07, 0.01);
  EXPECT_NEAR(v.Y_a(5), 264.37, 0.01);
  ExpectBlankPens(v, {{46, 150}, {193, 210}, {193, 270}, {243, 330}});
}

// Entered again after its end, the screen starts from a cleared page and draws the same.
TEST(ChordsProof, SecondRunDrawsTheSame) {
  auto once = Play(kEnterChords + Repeat("x", 13));
  auto twice = Play(kEnterChords + Repeat("x", 13) + kEnterChords.substr(8) + Repeat("x", 13));
  size_t a = ScreenStart(once.log), b = ScreenStart(twice.log);
  ASSERT_EQ(once.log.size() - a, twice.log.size() - b);
  Log first(once.log.begin() + static_cast<long>(a), once.log.end());
  EXPECT_TRUE(ContainsRun(twice.log, first, b));
}

}  // namespace
}  // namespace osvatine_test
