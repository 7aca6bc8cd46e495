// Item 5, the practice answers: the sub-menu on the empty page, the frame every answer is drawn
// on, and what each answer draws where its reasoning depends on it.
#include <gtest/gtest.h>

#include "lunevar/Support.h"

namespace lunevar_test {
namespace {

const std::string kToPractice = "5{Enter}";

bool IsChoiceLine(const Op& o) { return o.kind == OpKind::Text && o.text == "①" && Near(o.x1, 16) && Near(o.y1, 666); }
bool IsMenuPanel(const Op& o) { return IsFilledBox(o, 22, 10, 1342, 610, 10); }
bool IsOnPage(const Op& o) { return o.y1 < 1800; }  // texts measured below the page left out

TEST(PracticeAnswers, PromptAloneOnTheEmptyPage) {
  auto r = Play(kToPractice);
  const Log& log = r.log;
  size_t entry = AfterLast(log, IsPageClear);
  auto texts = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && !o.text.empty() && IsOnPage(o); }, entry);
  ASSERT_FALSE(texts.empty());
  for (const Op& t : texts) EXPECT_GE(t.y1, 640) << t.text << " at " << t.x1 << "," << t.y1;
  EXPECT_EQ(GlyphsAt(log, 666, 16, 992, entry), "①～④解答　　　⑤終了");
  EXPECT_EQ(IndexesOf(log, [](const Op& o) { return IsText(o, "入", 1008, 648); }, entry).size(), 1u);
  EXPECT_TRUE(IndexesOf(log, IsWaitBox, entry).empty());
}

enum class Next { AskAgain, Answer1, Answer2, Answer3, Answer4, MainMenu };

// Where the entry typed at the sub-menu led: the number banner of an answer, the main menu, or
// the same prompt over the unchanged page.
Next NextAfter(const std::string& entry) {
  auto r = Play(kToPractice + entry + "{Enter}");
  const Log& log = r.log;
  size_t read = AfterLast(log, IsFootBandClear);
  if (!IndexesOf(log, IsMenuPanel, read).empty()) return Next::MainMenu;
  if (IndexesOf(log, IsPageClear, read).empty()) {
    EXPECT_EQ(IndexesOf(log, IsChoiceLine, read).size(), 1u) << "entry \"" << entry << "\"";
    for (const Op& o : OpsOf(log, [](const Op& o) { return o.kind == OpKind::Box && o.fill == 15; }, read))
      EXPECT_GE(o.y2, 657) << "entry \"" << entry << "\" erased above the foot band";
    return Next::AskAgain;
  }
  std::string number = GlyphsAt(log, 32, 230, 338, read);
  const Next answers[] = {Next::Answer1, Next::Answer2, Next::Answer3, Next::Answer4};
  for (int n = 1; n <= 4; ++n)
    if (number == "(" + std::to_string(n) + ")") return answers[n - 1];
  ADD_FAILURE() << "entry \"" << entry << "\" drew banner " << number;
  return Next::AskAgain;
}

TEST(PracticeAnswers, SubMenuActsOnlyOnAWholeNumberFromOneToFive) {
  struct Case { const char* entry; Next next; };
  const Case cases[] = {
      {"1", Next::Answer1}, {"2", Next::Answer2},  {"3", Next::Answer3},   {"4", Next::Answer4},
      {"8/2", Next::Answer4}, {"5", Next::MainMenu}, {"10/2", Next::MainMenu}, {"0", Next::AskAgain},
      {"6", Next::AskAgain}, {"-1", Next::AskAgain}, {"2.5", Next::AskAgain},  {"1/0", Next::AskAgain},
      {"", Next::AskAgain},
  };
  for (const Case& c : cases) EXPECT_EQ(NextAfter(c.entry), c.next) << "entry \"" << c.entry << "\"";
}

struct ScreenRun {
  TestRun r;
  size_t begin = 0, end = 0;
  const Log& log() const { return r.log; }
};
ScreenRun RunAnswer(const std::string& choice, int keys) {
  ScreenRun s{Play(kToPractice + choice + "{Enter}" + Repeat("k", keys))};
  s.begin = AfterLast(s.r.log, IsPageClear) - 1;
  auto lines = IndexesOf(s.r.log, IsChoiceLine, s.begin);
  s.end = lines.empty() ? s.r.log.size() : lines.front();
  return s;
}

// The frame of every answer: the two banners, the circle, and the centre as each answer marks it.
TEST(PracticeAnswers, FrameBannersCircleAndCentre) {
  struct Case { const char* choice; int keys; bool disc; float ox, oy; };
  const Case cases[] = {
      {"1", 3, true, 956, 260}, {"2", 2, true, 956, 260}, {"3", 3, true, 936, 285}, {"4", 2, false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.choice);
    ScreenRun s = RunAnswer(c.choice, c.keys);
    const Log& log = s.log();
    auto boxes = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Box && o.fill != 15 && o.y1 < 100; },
                       s.begin, s.end);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(IsFilledBox(boxes[0], 40, 30, 200, 78, 13) && boxes[0].colour == 3);
    EXPECT_TRUE(IsFilledBox(boxes[1], 230, 30, 338, 78, 11) && boxes[1].colour == 4);
    EXPECT_EQ(GlyphsAt(log, 32, 40, 200, s.begin), "練習問題");
    EXPECT_EQ(GlyphsAt(log, 32, 230, 338, s.begin), std::string("(") + c.choice + ")");
    auto circles = OpsOf(log, [](const Op& o) { return IsCircleAt(o, 970, 310, 210) && o.start == o.end; },
                         s.begin, s.end);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].colour, 0);
    EXPECT_EQ(circles[0].width, 5);
    auto discs = OpsOf(log, [](const Op& o) { return IsCircleAt(o, 970, 310, 6); }, s.begin, s.end);
    auto os = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && o.text == "O" && o.x1 > 700 && IsOnPage(o); },
                    s.begin, s.end);
    ASSERT_EQ(discs.size(), c.disc ? 1u : 0u);
    ASSERT_EQ(os.size(), c.disc ? 1u : 0u);
    if (c.disc) {
      EXPECT_TRUE(IsText(os[0], "O", c.ox, c.oy));
    }
  }
}

// Every answer: how many keys it takes, and its answer line, drawn before the choice line with no
// further key; one key fewer leaves the screen waiting before it.
TEST(PracticeAnswers, KeyCountAndAnswerLine) {
  struct Case { const char* choice; int keys; float y; const char* line; const char* answer; float answerX; };
  const Case cases[] = {
      // Pitches: "∠x=" 93, a fraction 32, "×" and digits 27, "°" 12, "=" 32.
      {"1", 3, 230, "したがって、∠x=1×150°=75°", "7", 521},
      {"2", 2, 130, "∠x=1×200°=100°", "1", 317},
      {"3", 3, 120, "∠x=90°50°=40°", "4", 324},  // "-" is drawn in strokes
      {"4", 2, 185, "∠x=3×20°=60°", "6", 285},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.choice);
    ScreenRun s = RunAnswer(c.choice, c.keys);
    EXPECT_EQ(IndexesOf(s.log(), IsWaitBox, s.begin, s.end).size(), static_cast<size_t>(c.keys));
    ASSERT_LT(s.end, s.log().size());
    EXPECT_EQ(GlyphsAt(s.log(), c.y, 40, 700, s.begin), c.line);
    auto answer = OpsOf(s.log(), [&](const Op& o) { return IsText(o, c.answer, c.answerX, c.y); }, s.begin, s.end);
    ASSERT_EQ(answer.size(), 1u);
    EXPECT_EQ(answer[0].colour, 5);
    ScreenRun early = RunAnswer(c.choice, c.keys - 1);
    EXPECT_EQ(early.end, early.log().size());
    EXPECT_EQ(GlyphsAt(early.log(), c.y, 40, 700, early.begin), "");
  }
}

TEST(PracticeAnswerOne, SectorsLinesAndFraction) {
  ScreenRun s = RunAnswer("1", 3);
  const Log& log = s.log();
  struct Sector { float x, y, start, end; };
  const Sector sectors[] = {{1176.8f, 346.5f, 0.4861f, 0.5278f}, {1006.5f, 103.2f, 0.1528f, 0.3611f}};
  for (const Sector& c : sectors) {
    auto found = OpsOf(log, [&](const Op& o) { return IsCircleAt(o, c.x, c.y, 60, 0.06f); }, s.begin, s.end);
    ASSERT_EQ(found.size(), 1u) << c.x << "," << c.y;
    EXPECT_TRUE(Near(found[0].start, c.start, 2e-4f) && Near(found[0].end, c.end, 2e-4f))
        << found[0].start << " " << found[0].end;
    EXPECT_EQ(found[0].fill, 3);
  }
  for (float y : {90.0f, 140.0f, 230.0f})
    EXPECT_FALSE(OpsOf(log, [&](const Op& o) { return o.kind == OpKind::Text && Near(o.x1, 40) && Near(o.y1, y); },
                       s.begin, s.end).empty()) << y;
  auto bars = OpsOf(log, [](const Op& o) {
    return o.kind == OpKind::Line && Near(o.x1, 337) && Near(o.x2, 369) && Near(o.y1, 255) && Near(o.y2, 255);
  }, s.begin, s.end);
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_EQ(bars[0].width, 4);
}

TEST(PracticeAnswerThree, SameArcAngleAndRightAngle) {
  ScreenRun s = RunAnswer("3", 3);
  const Log& log = s.log();
  auto arcs = OpsOf(log, [](const Op& o) { return IsCircleAt(o, 788.1f, 205.0f, 52, 0.06f); }, s.begin, s.end);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_TRUE(Near(arcs[0].start, 0.9167f, 2e-4f) && Near(arcs[0].end, 0.0556f, 2e-4f))
      << arcs[0].start << " " << arcs[0].end;
  EXPECT_EQ(arcs[0].fill, platform::kNoFill);
  auto corners = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Polyline && o.colour == 5; }, s.begin, s.end);
  ASSERT_EQ(corners.size(), 1u);
  const std::pair<float, float> want[] = {{813.1f, 248.3f}, {856.4f, 223.3f}, {831.4f, 180.0f}};
  ASSERT_EQ(corners[0].points.size(), 3u);
  for (size_t i = 0; i < 3; ++i)
    EXPECT_TRUE(Near(corners[0].points[i].first, want[i].first, 0.06f) &&
                Near(corners[0].points[i].second, want[i].second, 0.06f))
        << i << ": " << corners[0].points[i].first << "," << corners[0].points[i].second;
  EXPECT_EQ(OpsOf(log, [](const Op& o) { return IsText(o, "∠", 40, 120); }, s.begin, s.end).size(), 1u);
  // The mark leaves what the next screens find: ITI -1, NAGASA 50.
  EXPECT_EQ(s.r.v.ITI, -1);
  EXPECT_EQ(s.r.v.NAGASA, 50);
}

}  // namespace
}  // namespace lunevar_test
