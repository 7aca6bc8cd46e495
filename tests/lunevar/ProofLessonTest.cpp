// Item 2, the proofs of the inscribed angle theorem: the figure and boxes of the diameter case, the step figures, answers revealed one per key, and a figure or
// answers choice that finds another proof (or none) on the page drawing its own proof first.
#include <gtest/gtest.h>

#include "lunevar/ScreenLog.h"

namespace lunevar_test {
namespace {

using lunevar::Lv;

TEST(DiameterCase, FigureOnTheCircleAndThreeNumberedBoxes) {
  auto r = Play("2{Enter}1{Enter}a");
  const Log& log = r.log;
  auto& v = r.v;
  size_t screen = AfterLastChoice(log);
  EXPECT_EQ(OpsOf(log, [](const Op& o) { return IsCircleAt(o, 960, 370, 210) && o.fill < 0; }, screen).size(), 1u);
  struct Pt { int i; float x, y; };
  for (Pt p : {Pt{2, 825.0f, 530.9f}, Pt{3, 1157.3f, 441.8f}, Pt{5, 762.7f, 298.2f}}) {
    EXPECT_TRUE(Near(v.X_a(p.i), p.x, 0.1f) && Near(v.Y_a(p.i), p.y, 0.1f)) << "point " << p.i;
  }
  struct Box { float line, width; const char* number; };
  const Box boxes[] = {{250, 144, "①"}, {370, 324, "②"}, {490, 180, "③"}};
  auto drawn = OpsOf(log, IsAnswerBox, screen);
  ASSERT_EQ(drawn.size(), 3u);
  for (int n = 1; n <= 3; ++n) {
    const Box& b = boxes[n - 1];
    SCOPED_TRACE(b.number);
    EXPECT_TRUE(IsFilledBox(drawn[n - 1], 229, b.line - 3, 229 + b.width, b.line + 47, 13));
    EXPECT_EQ(GlyphsInBox(log, drawn[n - 1], screen), b.number);
    EXPECT_EQ(v.T_a(n), 229);
    EXPECT_EQ(v.F_a(n), b.line);
  }
  EXPECT_EQ(Lv(r.P).proofOnPage, 1);
  // The fraction's 2 stands below the line.
  EXPECT_EQ(GlyphsAt(log, 570, 0, 700, screen), "したがって、∠APB=1∠AOB");
}

// The answers screen after the proof: n keys show n answers, each on its numbered box.
TEST(DiameterCase, AnswersOnePerKey) {
  const char* answers[] = {"∠OAP", "∠OPA∠OAP", "2∠OPA"};  // "+" is drawn in strokes
  for (int n = 0; n <= 3; ++n) {
    SCOPED_TRACE(n);
    auto r = Play("2{Enter}1{Enter}a3{Enter}" + Repeat("k", n));
    const Log& log = r.log;
    size_t screen = AfterLastChoice(log);
    auto boxes = OpsOf(log, IsAnswerBox, screen);
    ASSERT_EQ(boxes.size(), static_cast<size_t>(n));
    EXPECT_TRUE(IndexesOf(log, IsPageClear, screen).empty());
    for (int i = 0; i < n; ++i) EXPECT_EQ(GlyphsInBox(log, boxes[i], screen), answers[i]);
    EXPECT_EQ(ChoiceLineFrom(log, screen).empty(), n < 3);
  }
}

// The step figure after the proof: a stroke across OP, one across OA, then the dots at P, A, O.
TEST(DiameterCase, StepFigureOneMarkPerKey) {
  struct Step { size_t strokes, dots; };
  const Step steps[] = {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {2, 4}};
  for (int n = 0; n <= 5; ++n) {
    SCOPED_TRACE(n);
    auto r = Play("2{Enter}1{Enter}a2{Enter}" + Repeat("k", n));
    const Log& log = r.log;
    size_t screen = AfterLastChoice(log);
    auto strokes = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Line && o.colour == 3; }, screen);
    auto dots = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && o.text == "●" && o.colour == 9 && o.y1 < 900; },
                      screen);
    EXPECT_EQ(strokes.size(), steps[n].strokes);
    EXPECT_EQ(dots.size(), steps[n].dots);
    for (const Op& s : strokes) {
      EXPECT_EQ(s.width, 5);
      float len = std::hypot(s.x2 - s.x1, s.y2 - s.y1);
      EXPECT_TRUE(Near(len, 40, 0.1f));
    }
    EXPECT_EQ(ChoiceLineFrom(log, screen).empty(), n < 5);
  }
}

struct Dot { float x, y; int colour; };

std::vector<Op> DotsOf(const Log& log, size_t from) {
  return OpsOf(log, [](const Op& o) { return o.kind == OpKind::Circle && Near(o.r, 7) && o.fill >= 0; }, from);
}

void ExpectDots(const std::vector<Op>& got, std::initializer_list<Dot> want) {
  ASSERT_EQ(got.size(), want.size());
  size_t i = 0;
  for (const Dot& d : want) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(Near(got[i].x1, d.x, 1) && Near(got[i].y1, d.y, 1)) << got[i].x1 << "," << got[i].y1;
    EXPECT_EQ(got[i].colour, d.colour);
    EXPECT_EQ(got[i].fill, d.colour);
    ++i;
  }
}

TEST(CentreCases, InsideStepFigureDotsTheTwoAnglePairs) {
  auto r = Play("2{Enter}4{Enter}ab5{Enter}abcd");
  ExpectDots(DotsOf(r.log, AfterLastChoice(r.log)),
             {{976, 218, 7}, {920, 419, 7}, {939, 426, 7}, {1002, 223, 9}, {971, 431, 9}, {990, 425, 9}});
}

TEST(CentreCases, OutsideStepFigureArcsThenDots) {
  auto r = Play("2{Enter}7{Enter}ab8{Enter}abcd");
  const Log& log = r.log;
  size_t screen = AfterLastChoice(log);
  auto arcs = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Circle && o.colour == 9 && o.fill < 0; }, screen);
  ASSERT_EQ(arcs.size(), 3u);
  struct Arc { float x, y, r; };
  const Arc want[] = {{1166.8f, 406.5f, 52}, {960, 370, 62}, {960, 370, 54}};
  const float starts[] = {0.319f, 0.111f, 0.111f};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(IsCircleAt(arcs[i], want[i].x, want[i].y, want[i].r, 0.1f));
    EXPECT_TRUE(Near(arcs[i].start, starts[i], 0.001f));
    EXPECT_TRUE(Near(arcs[i].end, 0.528f, 0.001f));
  }
  ExpectDots(DotsOf(log, screen), {{1101, 408, 9}, {886, 375, 9}, {886, 395, 9}});
}

TEST(CentreCases, AnswersFillTheirOwnProofsBoxes) {
  struct Case { const char* keys; const char* task; const char* answers[3]; };
  const Case cases[] = {
      {"4{Enter}ab6{Enter}abc", "Q2", {"∠BOK", "∠AOK", "∠BOK"}},
      {"7{Enter}ab9{Enter}abc", "Q3", {"∠AOK", "∠BOK", "∠AOK"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.task);
    auto r = Play(std::string("2{Enter}") + c.keys);
    const Log& log = r.log;
    auto& v = r.v;
    size_t screen = AfterLastChoice(log);
    auto boxes = OpsOf(log, IsAnswerBox, screen);
    ASSERT_EQ(boxes.size(), 3u);
    for (int n = 1; n <= 3; ++n) {
      EXPECT_TRUE(IsFilledBox(boxes[n - 1], v.T_a(n), v.F_a(n) - 3, v.T_a(n) + 180, v.F_a(n) + 47, 13));
      EXPECT_EQ(GlyphsInBox(log, boxes[n - 1], screen), c.answers[n - 1]);
    }
    EXPECT_EQ(v.F_a(1), 280);
    EXPECT_EQ(v.F_a(2), 460);
    EXPECT_EQ(v.F_a(3), 460);
  }
}

// A step figure or answers choice draws its case's proof first (with the proof's key waits)
// where the page holds another proof or none; after its own proof it adds to the page.
TEST(ProofOnThePage, FigureAndAnswersNeedTheirProof) {
  struct Case {
    const char* before;  // keys from the main menu to the choice
    const char* choice;
    int keys;             // key presses the choice takes
    const char* task;     // the proof drawn first, or "" for none
    int answerBoxes;      // answers drawn after the proof's numbered boxes
    size_t stepArcs;
  };
  const Case cases[] = {
      {"2{Enter}", "3", 1 + 3, "Q1", 3, 0},  // nothing on the page
      {"2{Enter}", "8", 2 + 4, "Q3", 0, 3},
      {"2{Enter}1{Enter}a", "6", 2 + 3, "Q2", 3, 0},  // another proof on the page
      {"2{Enter}4{Enter}ab", "9", 2 + 3, "Q3", 3, 0},
      {"2{Enter}7{Enter}ab", "2", 1 + 5, "Q1", 0, 0},
      // A proof, then item 3's practice (its sizes in T()), then item 2 entered again.
      {"2{Enter}1{Enter}a10{Enter}3{Enter}1{Enter}a1{Enter}a6{Enter}2{Enter}", "3", 1 + 3, "Q1", 3, 0},
      {"3{Enter}1{Enter}a1{Enter}a6{Enter}2{Enter}", "2", 1 + 5, "Q1", 0, 0},
      {"2{Enter}1{Enter}a", "3", 3, "", 3, 0},  // its own proof: nothing redrawn
      {"2{Enter}7{Enter}ab8{Enter}abcd", "9", 3, "", 3, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.before) + " then " + c.choice);
    auto r = Play(std::string(c.before) + c.choice + "{Enter}" + Repeat("k", c.keys));
    const Log& log = r.log;
    size_t screen = AfterLastChoice(log);
    EXPECT_EQ(IndexesOf(log, IsPageClear, screen).size(), std::string(c.task).empty() ? 0u : 1u);
    EXPECT_EQ(GlyphsAt(log, 30, 0, 140, screen).substr(0, 2), c.task);
    EXPECT_EQ(IndexesOf(log, IsWaitBox, screen).size(), static_cast<size_t>(c.keys));
    size_t numbered = std::string(c.task).empty() ? 0 : 3;
    auto boxes = OpsOf(log, IsAnswerBox, screen);
    ASSERT_EQ(boxes.size(), numbered + c.answerBoxes);
    auto& v = r.v;
    for (int n = 1; n <= c.answerBoxes; ++n) {
      const Op& b = boxes[numbered + n - 1];
      EXPECT_TRUE(Near(b.x1, v.T_a(n)) && Near(b.y1, v.F_a(n) - 3)) << "answer " << n;
      EXPECT_GT(b.x1, 200);  // on the proof, never at the page's corner or a practice's sizes
    }
    EXPECT_EQ(OpsOf(log, [](const Op& o) { return o.kind == OpKind::Circle && o.colour == 9 && o.fill < 0; },
                    screen).size(), c.stepArcs);
    EXPECT_FALSE(ChoiceLineFrom(log, screen).empty());
  }
}

}  // namespace
}  // namespace lunevar_test
