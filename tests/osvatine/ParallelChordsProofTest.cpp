// Item 2's fifth screen: parallel chords cut off equal arcs, and the converse, two proofs on one
// figure drawn twice with its colours exchanged, each with numbered blanks filled one per key.
#include <gtest/gtest.h>

#include <algorithm>

#include "ScreenChecks.h"
#include "Support.h"
#include "osvatine/ConstructProve.h"
#include "osvatine/Osvatine.h"

namespace osvatine_test {
namespace {

const std::string kEnterParallel = "2{Enter}5{Enter}";

bool IsClear(const Op& o) { return IsPageClear(o); }

// The figure as a proof draws it: from its page clear to its first key wait.
Log FigureOf(const Log& log, size_t clear) {
  auto wait = IndexesOf(log, IsWaitBox, clear);
  return wait.empty() ? Log{} : Log(log.begin() + static_cast<long>(clear), log.begin() + static_cast<long>(wait[0]));
}

TEST(ParallelChordsProof, TheFigureChordsArcsMarksAndColoursOfEachProof) {
  auto r = Play(kEnterParallel + Repeat("x", 12));
  const Log& log = r.log;
  auto clears = IndexesOf(log, IsClear);
  ASSERT_GE(clears.size(), 2u);
  Log first = FigureOf(log, clears[clears.size() - 2]), second = FigureOf(log, clears.back());
  ASSERT_FALSE(first.empty());
  ASSERT_EQ(first.size(), second.size());
  // The chords are horizontal, the centre dot on O.
  auto chords = OpsOf(first, [](const Op& o) { return o.kind == OpKind::Line && o.colour == 0 && o.x2 - o.x1 > 300; });
  ASSERT_EQ(chords.size(), 2u);
  EXPECT_NEAR(chords[0].y1, 225.00, 0.005);
  EXPECT_NEAR(chords[0].y2, 225.00, 0.005);
  EXPECT_NEAR(chords[1].y1, 401.82, 0.005);
  EXPECT_NEAR(chords[1].y2, 401.82, 0.005);
  EXPECT_EQ(OpsOf(first, [](const Op& o) { return IsCircleAt(o, 996, 330, 3) && o.fill == 0; }).size(), 1u);
  // Arcs AB and CD: the short 50° arcs between the chords, in the colour of what each proof proves.
  struct Arc { float start, end; };
  const Arc arcs[] = {{4.0f / 9, 7.0f / 12}, {11.0f / 12, 1.0f / 18}};
  struct Proof { const Log& figure; int arcColour, markColour; };
  const Proof proofs[] = {{first, 5, 3}, {second, 3, 5}};
  for (const Proof& p : proofs) {
    SCOPED_TRACE(p.arcColour);
    for (const Arc& a : arcs) {
      auto found = OpsOf(p.figure, [&](const Op& o) {
        return IsCircleAt(o, 996, 330, 210) && Near(o.start, a.start, 1e-6f) && Near(o.end, a.end, 1e-6f);
      });
      ASSERT_EQ(found.size(), 1u);
      EXPECT_EQ(found[0].colour, p.arcColour);
      EXPECT_NEAR(SweepDegrees(found[0]), 50, 0.01);
    }
    // One arrowhead (two strokes) at the middle of each chord.
    auto marks = OpsOf(p.figure, [](const Op& o) { return o.kind == OpKind::Line && o.x2 - o.x1 < 40 && o.x1 > 980; });
    ASSERT_EQ(marks.size(), 4u);
    for (const Op& m : marks) EXPECT_EQ(m.colour, p.markColour);
  }
  // Apart from those colours, the two figures are the same drawing.
  for (size_t i = 0; i < first.size(); ++i) {
    const Op &a = first[i], &b = second[i];
    if (a.kind == OpKind::Text && a.y1 == 30) continue;  // the headings differ
    EXPECT_EQ(a.kind, b.kind) << i;
    EXPECT_EQ(a.x1, b.x1) << i;
    EXPECT_EQ(a.y1, b.y1) << i;
    EXPECT_EQ(a.x2, b.x2) << i;
    EXPECT_EQ(a.y2, b.y2) << i;
    EXPECT_EQ(a.text, b.text) << i;
  }
  // The letters outside the circle and O below its centre.
  for (const char* letter : {"A", "B", "C", "D", "O"})
    EXPECT_EQ(OpsOf(first, [&](const Op& o) { return o.kind == OpKind::Text && o.text == letter && o.x1 > 700; }).size(),
              1u) << letter;
}

TEST(ParallelChordsProof, FirstProofBlanksAnswersAndArcSigns) {
  auto r = Play(kEnterParallel + Repeat("x", 12));
  const Log& log = r.log;
  auto clears = IndexesOf(log, IsClear);
  ASSERT_GE(clears.size(), 2u);
  size_t start = clears[clears.size() - 2], end = clears.back();
  auto waits = IndexesOf(log, IsWaitBox, start, end);
  ASSERT_EQ(waits.size(), 7u);
  const Log proof(log.begin() + static_cast<long>(start), log.begin() + static_cast<long>(end));
  ExpectTextLine(proof, 0, 36, 30, 3, "<問6(1)証明>", 1440);
  ExpectTextLine(proof, 0, 36, 80, 0, "直線ACをひくと");
  // The alternate angles: 25° sectors in colour 9 at A and at C, a key after the line AC.
  auto sectors = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Circle && o.r == 60 && o.fill == 9; },
                       waits[1], waits[2]);
  ASSERT_EQ(sectors.size(), 2u);
  for (const Op& s : sectors) EXPECT_NEAR(SweepDegrees(s), 25, 0.01);
  EXPECT_NEAR(sectors[0].x1, 814.13, 0.01);
  EXPECT_NEAR(sectors[1].x1, 1193.34, 0.01);
  // The blanks at width 5 with their numerals, then the answers over them at width 3.
  struct Blank { float x, y, width; const char* numeral; const char* answer; };
  const Blank blanks[] = {{392, 140, 108, "①", "錯角"},
                          {193, 200, 144, "②", "∠CAD"},
                          {46, 320, 396, "③", "等しい円周角に対する弧"}};
  for (size_t k = 0; k < 3; ++k) {
    const Blank& b = blanks[k];
    size_t blank = ExpectAnswerBox(log, waits[2], waits[3], b.x, b.y, b.width, b.numeral);
    if (blank < log.size()) {
      EXPECT_EQ(log[blank].width, 5);
    }
    size_t answer = ExpectAnswerBox(log, waits[3 + k], waits[4 + k], b.x, b.y, b.width, b.answer);
    if (answer < log.size()) {
      EXPECT_EQ(log[answer].width, 3);
    }
  }
  // "AB=CD" on y 390 with an arc sign 54 across over each pair of letters.
  ExpectTextLine(proof, 0, 36, 390, 0, "AB=CD");
  auto dots = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Circle && o.r == 0.5f; }, waits[2], waits[3]);
  ASSERT_FALSE(dots.empty());
  float left = 2000, right = 0;
  for (const Op& d : dots) {
    left = std::min(left, d.x1);
    right = std::max(right, d.x1);
    EXPECT_LE(d.y1, 390);
    EXPECT_GE(d.y1, 379);
  }
  EXPECT_NEAR(left, 36, 0.5);
  auto equals = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && o.text == "=" && o.y1 == 390; }, start, end);
  ASSERT_EQ(equals.size(), 1u);
  EXPECT_GT(right, equals[0].x1 + 54 - 1);
}

TEST(ParallelChordsProof, SecondProofFillsItsBlanksThenTheSubMenu) {
  auto r = Play(kEnterParallel + Repeat("x", 12));
  const Log& log = r.log;
  size_t start = ScreenStart(log);
  auto waits = IndexesOf(log, IsWaitBox, start);
  ASSERT_EQ(waits.size(), 5u);
  EXPECT_EQ(IndexesOf(log, [](const Op& o) { return IsText(o, "⑥"); }, waits.back()).size(),
            1u);
  ExpectTextLine(log, start, 36, 30, 3, "<問6(2)証明>", 1440);
  ExpectTextLine(log, start, 36, 150, 0, "AB=CDだから");
  ExpectTextLine(log, start, 36, 330, 0, "AD∥BC");
  ExpectTextLine(log, start, 36, 390, 0, "したがって、(1)の逆は成り立つ。");
  // Blank ① keeps its pen in T(2), F(2) and blank ② in T(1), F(1); the answers come one per key.
  struct Blank { float x, y, width; const char* numeral; const char* answer; size_t from, to; };
  const Blank blanks[] = {{193, 210, 144, "①", "∠CAD", waits[3], waits[4]},
                          {46, 270, 108, "②", "錯角", waits[4], log.size()}};
  for (const Blank& b : blanks) {
    ExpectAnswerBox(log, waits[2], waits[3], b.x, b.y, b.width, b.numeral);
    ExpectAnswerBox(log, b.from, b.to, b.x, b.y, b.width, b.answer);
  }
}

// Called on its own, the screen takes exactly its twelve keys and returns to the sub-menu,
// leaving the second proof's colours, its blanks' pens and the draw width 3.
TEST(ParallelChordsProof, ReturnsToTheSubMenuWithItsLeftovers) {
  Bare b(Repeat("x", 13));
  EXPECT_EQ(osvatine::ParallelChordsProof(b.P), shell::Screen{osvatine::ConstructProveSubMenu});
  EXPECT_EQ(b.keysLeft(), 1u);
  const auto& v = b.P.v;
  const auto& o = osvatine::Os(b.P);
  EXPECT_EQ(o.IRO1, 5);
  EXPECT_EQ(o.IRO2, 3);
  EXPECT_EQ(v.R1, 210);
  EXPECT_EQ(v.XI1, 36);
  ExpectBlankPens(v, {{46, 270}, {193, 210}, {46, 320}});
  b.log.clear();
  b.P.pf.line(0, 0, 1, 1, 0);
  ASSERT_EQ(b.log.size(), 1u);
  EXPECT_EQ(b.log[0].width, 3);
}

}  // namespace
}  // namespace osvatine_test
