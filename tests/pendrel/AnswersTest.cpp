// The first set's five worked answers: the shared opening, what each key reveals, where the
// texts, figures and marks stand, and that each answer ends at the choice line with no wait.
#include <gtest/gtest.h>

#include <cmath>

#include "pendrel/Support.h"

namespace pendrel_test {
namespace {

std::string Keys(int n) { return Repeat("a", n); }

// A run to answer n of the first set with `keys` key presses; the answer's ops start after the
// page clear that opens it.
struct AnswerRun {
  TestRun r;
  size_t start = 0;
  AnswerRun(int n, int keys) : r(Play(kToFirstSet + Answer(n) + Keys(keys))) {
    auto clears = IndexesOf(r.log, IsPageClear);
    EXPECT_GE(clears.size(), 2u);
    start = clears.back();
  }
  const Log& log() const { return r.log; }
  std::vector<size_t> waits() const { return IndexesOf(r.log, IsWaitBox, start); }
};

// The first glyph of a piece of text begun at pen (x, y): glyphs may stand a few units right of
// the pen (the "=" sign) or above and below it (italic letters).
bool IsPieceStart(const Op& o, float x, float y) {
  return o.kind == OpKind::Text && o.x1 >= x - 0.5f && o.x1 <= x + 5 && std::fabs(o.y1 - y) <= 8;
}
std::vector<Op> PieceStarts(const Log& log, float x, float y, size_t from = 0) {
  return OpsOf(log, [&](const Op& o) { return IsPieceStart(o, x, y); }, from);
}
bool IsArc(const Op& o, float x, float y, float r, float start, float end, int colour) {
  return IsCircleAt(o, x, y, r, 0.05f) && Near(o.start, start, 0.0001f) && Near(o.end, end, 0.0001f) &&
         o.colour == colour;
}
bool HasOp(const Log& log, const std::function<bool(const Op&)>& pick, size_t from = 0) {
  return !IndexesOf(log, pick, from).empty();
}
bool IsPolyline(const Op& o, std::initializer_list<std::pair<float, float>> pts, int colour) {
  if (o.kind != OpKind::Polyline || o.colour != colour || o.points.size() != pts.size()) return false;
  size_t i = 0;
  for (auto [x, y] : pts) {
    if (!Near(o.points[i].first, x, 0.01f) || !Near(o.points[i].second, y, 0.01f)) return false;
    ++i;
  }
  return true;
}

// The glyph colours of one text line, in drawing order, from `from` on (the glyphs GlyphsAt joins).
std::vector<int> ColoursAt(const Log& log, float y, size_t from, float x1 = 0, float x2 = 2000) {
  std::vector<int> out;
  for (const Op& o : OpsOf(log, [&](const Op& o) {
         return o.kind == OpKind::Text && o.y1 >= y - 24 && o.y1 <= y + 16 && o.x1 >= x1 && o.x1 < x2;
       }, from))
    out.push_back(o.colour);
  return out;
}

TEST(AnswerOpening, CaptionAndNumberBoxesAtTheTopLeftThenAKeyWait) {
  AnswerRun a(1, 0);
  const Log& log = a.log();
  auto caption = IndexesOf(log, [](const Op& o) { return IsFilledBox(o, 30, 20, 286, 68, 13); }, a.start);
  auto number = IndexesOf(log, [](const Op& o) { return IsFilledBox(o, 296, 20, 340, 68, 3); }, a.start);
  ASSERT_EQ(caption.size(), 1u);
  ASSERT_EQ(number.size(), 1u);
  EXPECT_EQ(log[caption[0]].colour, 3);
  EXPECT_EQ(log[caption[0]].width, 5);
  EXPECT_EQ(log[number[0]].colour, 4);
  EXPECT_EQ(GlyphsAt(log, 22, 30, 286, caption[0]), "P176解答");
  for (int c : ColoursAt(log, 22, caption[0], 30, 286)) EXPECT_EQ(c, 0);
  EXPECT_EQ(GlyphsAt(log, 22, 296, 340, number[0]), "1");
  EXPECT_EQ(ColoursAt(log, 22, number[0], 296, 340), std::vector<int>{13});
  auto waits = a.waits();
  ASSERT_EQ(waits.size(), 1u);
  EXPECT_GT(waits[0], number[0]);
}

TEST(AnswerOpening, NumberBoxFollowsTheCaptionWhateverTheColumn) {
  // Answers 3 to 5 open their column at 40, answers 1 and 2 at 30; answer 4 goes on at once.
  struct Case { int answer; float left, top; const char* caption; };
  const Case cases[] = {
      {2, 30, 30, "P176解答"}, {3, 40, 30, "P177解答"}, {4, 40, 30, "P177解答"}, {5, 40, 30, "P177解答"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    AnswerRun a(c.answer, 0);
    const Log& log = a.log();
    EXPECT_TRUE(HasOp(log, [&](const Op& o) {
      return IsFilledBox(o, c.left, c.top, c.left + 256, c.top + 48, 13);
    }, a.start));
    EXPECT_EQ(GlyphsAt(log, c.top + 2, c.left, c.left + 256, a.start), c.caption);
    EXPECT_TRUE(HasOp(log, [&](const Op& o) {
      return IsFilledBox(o, c.left + 266, c.top, c.left + 310, c.top + 48, 3);
    }, a.start));
    EXPECT_EQ(GlyphsAt(log, c.top + 2, c.left + 266, c.left + 310, a.start), std::to_string(c.answer));
  }
}

TEST(AnswerOne, FirstQuestionInItsColourRoles) {
  AnswerRun a(1, 1);
  const Log& log = a.log();
  size_t from = a.waits().at(0);
  auto first = PieceStarts(log, 30, 80, from);
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first[0].text, "(");
  // "(1)" in 7, "∠x=" in 0, "50°" in 5.
  EXPECT_EQ(ColoursAt(log, 80, from), (std::vector<int>{7, 7, 7, 0, 0, 0, 5, 5, 5}));
  EXPECT_EQ(GlyphsAt(log, 80, 0, 2000, from), "(1)∠x=50°");
}

TEST(AnswerOne, QuestionSevenRunsOnAtTheTopOfTheSecondColumn) {
  AnswerRun a(1, 7);
  const Log& log = a.log();
  EXPECT_FALSE(PieceStarts(log, 614, 20, a.start).empty());
  EXPECT_FALSE(PieceStarts(log, 614, 70, a.start).empty());
  EXPECT_FALSE(PieceStarts(log, 84, 590, a.start).empty());  // its first line, at the foot of the left column
}

TEST(AnswerOne, QuestionEightComesWithItsFigureAndFirstTwoMarks) {
  AnswerRun a(1, 8);
  const Log& log = a.log();
  size_t eight = IndexesOf(log, [](const Op& o) { return IsPieceStart(o, 560, 130) && o.colour == 7; }, a.start).at(0);
  EXPECT_TRUE(IndexesOf(log, IsWaitBox, eight).size() == 1);  // only the wait after the marks
  EXPECT_TRUE(HasOp(log, [](const Op& o) { return IsArc(o, 1080, 190, 120, 0, 0, 0); }, eight));
  EXPECT_TRUE(HasOp(log, [](const Op& o) { return IsArc(o, 1020, 86.08f, 32, 0.1667f, 0.2972f, 3); }, eight));
  EXPECT_TRUE(HasOp(log, [](const Op& o) { return IsArc(o, 1140, 86.08f, 32, 0.3806f, 0.5f, 3); }, eight));
  EXPECT_TRUE(HasOp(log, [](const Op& o) { return IsCircleAt(o, 1080, 190, 6) && o.fill == 0; }, eight));

  AnswerRun b(1, 10);
  EXPECT_TRUE(HasOp(b.log(), [](const Op& o) {
    return IsPolyline(o, {{1140, 156.08f}, {1070, 156.08f}, {1070, 86.08f}}, 7);
  }, b.start));
}

TEST(AnswerOne, QuestionNineStandsBelowQuestionEight) {
  AnswerRun a(1, 12);
  const Log& log = a.log();
  EXPECT_FALSE(PieceStarts(log, 560, 360, a.start).empty());
  EXPECT_TRUE(HasOp(log, [](const Op& o) { return IsArc(o, 1080, 470, 120, 0, 0, 0); }, a.start));
  // The mark at B ends where the turn wraps: 50° from A's direction to the figure's 0°.
  AnswerRun b(1, 13);
  auto atB = OpsOf(b.log(), [](const Op& o) { return IsCircleAt(o, 960, 470, 32, 0.05f); }, b.start);
  ASSERT_EQ(atB.size(), 1u);
  EXPECT_NEAR(SweepDegrees(atB[0]), 50, 0.1);
}

TEST(AnswerTwo, FigureWithoutCentreMarkAndItsTwoAngleMarks) {
  AnswerRun a(2, 3);
  const Log& log = a.log();
  EXPECT_TRUE(HasOp(log, [](const Op& o) { return IsArc(o, 720, 250, 150, 0, 0, 0); }, a.start));
  EXPECT_FALSE(HasOp(log, [](const Op& o) { return IsCircleAt(o, 720, 250, 6) || IsCircleAt(o, 720, 250, 4); }, a.start));
  EXPECT_TRUE(HasOp(log, [](const Op& o) { return IsArc(o, 645, 120.1f, 62, 0.25f, 0.3056f, 3); }, a.start));
  EXPECT_TRUE(HasOp(log, [](const Op& o) { return IsArc(o, 849.9f, 175, 32, 0.2639f, 0.4306f, 3); }, a.start));
}

TEST(AnswerTwo, ConclusionThenTheChoiceLine) {
  AnswerRun a(2, 5);
  const Log& log = a.log();
  auto last = IndexesOf(log, [](const Op& o) { return o.kind == OpKind::Text && Near(o.y1, 310, 8); }, a.start);
  ASSERT_FALSE(last.empty());
  EXPECT_TRUE(IsPieceStart(log[last.front()], 84, 310));
  for (size_t i : last) EXPECT_EQ(log[i].colour, 5);
  ASSERT_LT(last.back() + 1, log.size());
  EXPECT_TRUE(IsFootLineStart(log[last.back() + 1]));
}

TEST(AnswerThree, AnswerAndConclusionsInTheAnswerColour) {
  AnswerRun a(3, 3);
  const Log& log = a.log();
  auto head = PieceStarts(log, 94, 90, a.start);
  ASSERT_FALSE(head.empty());
  EXPECT_EQ(GlyphsAt(log, 90, 0, 2000, a.start), "(ア)、(ウ)");
  for (int c : ColoursAt(log, 90, a.start)) EXPECT_EQ(c, 5);
  for (float y : {200.f, 410.f}) {
    SCOPED_TRACE(y);
    EXPECT_FALSE(PieceStarts(log, 142, y, a.start).empty());
    EXPECT_EQ(GlyphsAt(log, y, 0, 2000, a.start), "4点A,B,C,Dは同じ円周上にある。");
    for (int c : ColoursAt(log, y, a.start)) EXPECT_EQ(c, 5);
  }
}

TEST(AnswerFour, TangentsFromAByTheCircleOnAO) {
  AnswerRun a(4, 9);
  const Log& log = a.log();
  EXPECT_TRUE(HasOp(log, [](const Op& o) { return IsArc(o, 970, 300, 200, 0, 0, 0); }, a.start));
  EXPECT_TRUE(HasOp(log, [](const Op& o) { return IsArc(o, 720, 300, 134.63f, 0.8894f, 0.1106f, 7); }, a.start));
  EXPECT_TRUE(HasOp(log, [](const Op& o) { return IsArc(o, 970, 300, 134.63f, 0.3894f, 0.6106f, 7); }, a.start));
  EXPECT_TRUE(HasOp(log, [](const Op& o) { return IsArc(o, 845, 300, 125, 0, 0, 9); }, a.start));
  // The discs at A and O become colour 7 under the compass; only M keeps a colour-0 dot.
  for (auto [x, y] : {std::pair{720.f, 300.f}, std::pair{970.f, 300.f}})
    EXPECT_TRUE(HasOp(log, [&](const Op& o) { return IsCircleAt(o, x, y, 8) && o.fill == 7; }, a.start));
  EXPECT_TRUE(HasOp(log, [](const Op& o) { return IsCircleAt(o, 845, 300, 4) && o.fill == 0; }, a.start));
  auto isLine = [](const Op& o, float x1, float y1, float x2, float y2, int colour) {
    return o.kind == OpKind::Line && Near(o.x1, x1, 0.01f) && Near(o.y1, y1, 0.01f) && Near(o.x2, x2, 0.01f) &&
           Near(o.y2, y2, 0.01f) && o.colour == colour;
  };
  EXPECT_TRUE(HasOp(log, [&](const Op& o) { return isLine(o, 845, 225, 845, 375, 0); }, a.start));
  EXPECT_TRUE(HasOp(log, [&](const Op& o) { return isLine(o, 720, 300, 900, 60, 3); }, a.start));
  EXPECT_TRUE(HasOp(log, [&](const Op& o) { return isLine(o, 720, 300, 900, 540, 3); }, a.start));
  // P over the upper point of contact, P' below the lower one.
  EXPECT_TRUE(HasOp(log, [](const Op& o) { return o.kind == OpKind::Text && o.text == "P" && Near(o.x1, 790, 1) && Near(o.y1, 135, 8); }, a.start));
  EXPECT_TRUE(HasOp(log, [](const Op& o) { return o.kind == OpKind::Text && o.text == "P" && Near(o.x1, 770, 1) && Near(o.y1, 430, 8); }, a.start));
  for (float y : {90.f, 150.f, 200.f, 260.f, 310.f}) EXPECT_FALSE(PieceStarts(log, 40, y, a.start).empty()) << y;
}

TEST(AnswerFive, MarksOfTheProofBesideItsReasoning) {
  AnswerRun a(5, 8);
  const Log& log = a.log();
  EXPECT_TRUE(HasOp(log, [](const Op& o) { return IsArc(o, 960, 330, 210, 0.8333f, 0, 3); }, a.start));
  EXPECT_TRUE(HasOp(log, [](const Op& o) { return IsArc(o, 960, 330, 210, 0, 0.1667f, 7); }, a.start));
  EXPECT_TRUE(HasOp(log, [](const Op& o) {
    return IsPolyline(o, {{1080, 174.12f}, {1054.02f, 189.12f}, {1039.02f, 163.13f}}, 3);
  }, a.start));
  EXPECT_TRUE(HasOp(log, [](const Op& o) {
    return IsPolyline(o, {{1080, 485.88f}, {1054.02f, 470.88f}, {1039.02f, 496.87f}}, 3);
  }, a.start));
  for (float x : {968.f, 976.f})
    EXPECT_TRUE(HasOp(log, [&](const Op& o) {
      return o.kind == OpKind::Line && Near(o.x1, x) && Near(o.y1, 315) && Near(o.y2, 345) && o.colour == 3;
    }, a.start)) << x;
  for (float y : {311.88f, 348.12f})
    EXPECT_TRUE(HasOp(log, [&](const Op& o) { return IsCircleAt(o, 817.61f, y, 8, 0.01f) && o.fill == 3; }, a.start)) << y;
  // Two arc signs of 181 dots each, at width 3, over AD and DC; the apex of the first at (67, 305).
  auto dots = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Circle && Near(o.r, 0.5f); }, a.start);
  ASSERT_EQ(dots.size(), 362u);
  EXPECT_EQ(dots.front().width, 3);
  EXPECT_TRUE(IsCircleAt(dots[90], 67, 305, 0.5f, 0.01f));
  for (float y : {90.f, 145.f, 200.f, 255.f, 315.f, 370.f, 425.f, 480.f, 535.f})
    EXPECT_FALSE(PieceStarts(log, 40, y, a.start).empty()) << y;
}

// Each answer's key waits, then the choice line at once; with one key fewer it still waits.
TEST(Answers, TheirKeyWaitsThenTheChoiceLine) {
  const int waits[] = {15, 5, 3, 9, 8};
  for (int n = 1; n <= 5; ++n) {
    SCOPED_TRACE(n);
    AnswerRun done(n, waits[n - 1]);
    auto w = done.waits();
    ASSERT_EQ(static_cast<int>(w.size()), waits[n - 1]);
    auto foot = IndexesOf(done.log(), IsFootLineStart, w.back());
    ASSERT_EQ(foot.size(), 1u);
    EXPECT_EQ(IndexesOf(done.log(), IsWaitBox, foot[0]).size(), 0u);
    AnswerRun short_(n, waits[n - 1] - 1);
    EXPECT_TRUE(IndexesOf(short_.log(), IsFootLineStart, short_.start).empty());
  }
}

// Every drawing field of two ops.
bool SameOp(const Op& a, const Op& b) {
  return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.r == b.r &&
         a.start == b.start && a.end == b.end && a.points == b.points && a.text == b.text && a.h == b.h &&
         a.v == b.v && a.font == b.font && a.colour == b.colour && a.fill == b.fill && a.width == b.width;
}

// The ops of one visit to answer 1: after its page clear (drawn at whatever width the screen
// before left) to the choice line after it.
Log AnswerOneOps(const Log& log, size_t clear) {
  size_t end = IndexesOf(log, IsFootLineStart, clear).at(0);
  return Log(log.begin() + static_cast<long>(clear) + 1, log.begin() + static_cast<long>(end));
}

TEST(Answers, AnswerOneDrawsTheSameAfterOtherAnswersAndOnItsSecondVisit) {
  auto fresh = Play(kToFirstSet + Answer(1) + Keys(15));
  Log reference = AnswerOneOps(fresh.log, IndexesOf(fresh.log, IsPageClear).back());
  auto r = Play(kToFirstSet + Answer(4) + Keys(9) + Answer(5) + Keys(8) + Answer(1) + Keys(15) + Answer(1) + Keys(15));
  auto clears = IndexesOf(r.log, IsPageClear);
  ASSERT_GE(clears.size(), 2u);
  for (size_t clear : {clears[clears.size() - 2], clears.back()}) {
    Log visit = AnswerOneOps(r.log, clear);
    ASSERT_EQ(visit.size(), reference.size());
    for (size_t i = 0; i < visit.size(); ++i) EXPECT_TRUE(SameOp(visit[i], reference[i])) << i;
  }
}

}  // namespace
}  // namespace pendrel_test
