// Item 3, the theorem put to use: the practice loops (their eight problem types, their sizes,
// what ends them) and the worked screens, each step behind its own key.
#include <gtest/gtest.h>

#include <optional>

#include "lunevar/ScreenLog.h"

namespace lunevar_test {
namespace {

TestRun PlayWith(const std::string& keys, std::optional<float> rnd, const std::string& time = "12:00:00") {
  Setup s;
  s.program = "lunevar";
  s.keys = keys;
  s.rnd = rnd;
  s.time = time;
  return testsupport::Play(s);
}

bool IsErrorScreen(const Op& o) {
  return o.kind == OpKind::Text && o.text.find("エラーが発生しました") != std::string::npos;
}

// n problems of the practice, a key and the number 2 after each.
std::string Problems(int n) { return "3{Enter}1{Enter}" + Repeat("a2{Enter}", n - 1) + "a"; }

TEST(AnglePractice, EightTypesInACycleFromType1) {
  // With every random number 0 the size is 40 (130 in types 7 and 8).
  struct Type { float t1, t13; const char* atP; const char* atO; const char* atQ; const char* answer; };
  const Type types[] = {
      {40, 420, "x", "80°", "", "40°"},      {40, 420, "40°", "x", "", "80°"},
      {40, 160, "x", "", "40°", "40°"},      {40, 160, "40°", "", "x", "40°"},
      {40, 180, "x", "80°", "", "40°"},      {40, 180, "40°", "x", "", "80°"},
      {130, 150, "x", "260°", "", "130°"},   {130, 150, "130°", "x", "", "260°"},
  };
  for (int n = 1; n <= 9; ++n) {
    SCOPED_TRACE(n);
    const Type& t = types[(n - 1) % 8];
    auto r = PlayWith(Problems(n), 0.0f);
    auto& v = r.v;
    EXPECT_EQ(v.T_a(1), t.t1);
    EXPECT_EQ(v.T_a(13), t.t13);
    EXPECT_EQ(v.F_s_a(1), t.atP);
    EXPECT_EQ(v.F_s_a(2), t.atO);
    if (*t.atQ) {
      EXPECT_EQ(v.T_a(14), 320);
      EXPECT_EQ(v.F_s_a(3), t.atQ);
    }
    EXPECT_EQ(v.F_s_a(4), t.answer);
    // The answer stands in the box where "①" stood, after the key.
    const Log& log = r.log;
    auto boxes = IndexesOf(log, IsAnswerBox, AfterLast(log, IsPageClear));
    ASSERT_EQ(boxes.size(), 2u);
    const Op& numbered = log[boxes[0]];
    EXPECT_TRUE(IsFilledBox(log[boxes[1]], numbered.x1, numbered.y1, numbered.x2, numbered.y2, 13));
    EXPECT_TRUE(Near(numbered.y1, 150 - 8) && Near(numbered.x2 - numbered.x1, 180));
    EXPECT_EQ(GlyphsInBox(log, numbered, boxes[0]).substr(0, 3), "①");
    EXPECT_EQ(GlyphsInBox(log, log[boxes[1]], boxes[1]), t.answer);
  }
}

TEST(AnglePractice, ChoosingItAgainStartsAtType1) {
  auto r = PlayWith(Problems(3) + "1{Enter}a1{Enter}a1{Enter}a", 0.0f);
  EXPECT_EQ(r.v.F_s_a(2), "80°");  // type 1 again, not type 5
  EXPECT_EQ(r.v.F_s_a(1), "x");
}

TEST(Practice, SizesStayWithin40To69) {
  struct Case { const char* keys; int box; float rnd; const char* shown; };
  const Case cases[] = {
      {"3{Enter}1{Enter}a", 1, 0.9999999f, "69°"},          // type 1 answers the inscribed angle
      {"3{Enter}1{Enter}a", 1, 0.0f, "40°"},
      {"3{Enter}5{Enter}abcd", 1, 0.9999999f, "138°"},      // x = 2 x 69
      {"3{Enter}5{Enter}abcd", 2, 0.9999999f, "222°"},
      {"3{Enter}5{Enter}abcd", 3, 0.9999999f, "111°"},
      {"3{Enter}5{Enter}abcd", 4, 0.9999999f, "180°"},
      {"3{Enter}5{Enter}abcd", 1, 0.0f, "80°"},
      {"3{Enter}5{Enter}abcd", 2, 0.0f, "280°"},
      {"3{Enter}5{Enter}abcd", 3, 0.0f, "140°"},
      {"3{Enter}5{Enter}abcd", 4, 0.0f, "180°"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.keys) + " rnd " + std::to_string(c.rnd) + " box " + std::to_string(c.box));
    auto r = PlayWith(c.keys, c.rnd);
    const Log& log = r.log;
    auto& v = r.v;
    EXPECT_EQ(v.T_a(1), c.rnd == 0 ? 40 : 69);
    size_t problem = AfterLast(log, IsPageClear);
    auto mine = IndexesOf(log, [&](const Op& b) {
      return IsAnswerBox(b) && Near(b.x1, v.R_a(c.box)) && Near(b.y1, v.H_a(c.box) - 8);
    }, problem);
    ASSERT_EQ(mine.size(), 2u);  // numbered, then answered
    EXPECT_EQ(GlyphsInBox(log, log[mine[1]], mine[1]), c.shown);
  }
}

// What the number typed after a problem does: 1 (by value) ends the practice, anything else
// gives the next problem on a cleared page.
TEST(Practice, OnlyOneEndsTheLoop) {
  struct Case { const char* entry; bool ends; };
  const Case cases[] = {{"", false}, {"0", false}, {"1/0", false}, {"2", false},
                        {"1", true}, {"1.0", true}, {"2/2", true}};
  struct Loop { const char* choice; const char* keys; };
  const Loop loops[] = {{"1", "a"}, {"5", "abcd"}};
  for (const Loop& l : loops) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string("choice ") + l.choice + ", entry \"" + c.entry + "\"");
      auto r = Play(std::string("3{Enter}") + l.choice + "{Enter}" + l.keys + c.entry + "{Enter}" + l.keys);
      const Log& log = r.log;
      size_t screen = AfterLastChoice(log);
      EXPECT_EQ(IndexesOf(log, IsPageClear, screen).size(), c.ends ? 2u : 3u);  // on entry, per problem
      EXPECT_EQ(ChoiceLineFrom(log, screen).empty(), !c.ends);
      EXPECT_TRUE(IndexesOf(log, IsErrorScreen).empty());
    }
  }
}

TEST(Practice, ClosingTextUnderTheLastProblem) {
  auto r = Play("3{Enter}1{Enter}a1{Enter}a");
  const Log& log = r.log;
  size_t screen = AfterLastChoice(log);
  auto closing = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && Near(o.y1, 590); }, screen);
  ASSERT_FALSE(closing.empty());
  EXPECT_TRUE(Near(closing[0].x1, 44));
  for (const Op& g : closing) EXPECT_EQ(g.colour, 7);
  EXPECT_EQ(GlyphsAt(log, 590, 0, 1440, screen), "教科書P164問1　をしなさい。");
  EXPECT_EQ(ChoiceLineFrom(log, screen).rfind("①練習", 0), 0u);

  auto q = Play("3{Enter}5{Enter}abcd1{Enter}a");
  const Log& qlog = q.log;
  size_t qs = AfterLastChoice(qlog);
  EXPECT_EQ(GlyphsAt(qlog, 380, 0, 600, qs), "問2　∠P∠Q=180°");  // "+" is drawn in strokes
  EXPECT_EQ(GlyphsAt(qlog, 530, 0, 800, qs), "弧AQBに対する中心角の和が360°だから");
}

TEST(Practice, FortyProblemsOfEachLoopUnderSeveralClocks) {
  for (const char* time : {"00:00:00", "09:41:07", "23:59:59"}) {
    for (const char* loop : {"1{Enter}" "a", "5{Enter}" "abcd"}) {
      SCOPED_TRACE(std::string(time) + " " + loop);
      std::string keys = "3{Enter}";
      std::string one = std::string(loop).substr(std::string(loop).find('}') + 1);
      keys += std::string(loop).substr(0, std::string(loop).find('}') + 1);
      for (int i = 0; i < 40; ++i) keys += one + (i < 39 ? "2{Enter}" : "1{Enter}");
      keys += "a6{Enter}8{Enter}";
      auto r = PlayWith(keys, std::nullopt, time);
      EXPECT_EQ(r.status, 0);
      EXPECT_TRUE(IndexesOf(r.log, IsErrorScreen).empty());
      EXPECT_EQ(r.device.remaining(), 0u);
      float a = r.v.T_a(1);
      EXPECT_TRUE(a >= 40 && a <= 69 + 90) << a;
    }
  }
}

// Each worked screen takes exactly its keys: one key fewer leaves its last piece undrawn.
TEST(WorkedScreens, LastPieceAfterExactlyTheirKeys) {
  // "-" is drawn in strokes; the figure of problem 1 stands right of x 400.
  struct Case { const char* choice; int keys; float x, y, x2; const char* last; };
  const Case cases[] = {
      {"2", 8, 121, 380, 400, "∠x=110°"},
      {"3", 4, 44, 540, 1440, "教科書P165問2　をしなさい。"},
      {"4", 4, 576, 90, 1440, "∠x=180°90°25°=65°"},
  };
  for (const Case& c : cases) {
    for (int keys : {c.keys - 1, c.keys}) {
      SCOPED_TRACE(std::string("choice ") + c.choice + ", keys " + std::to_string(keys));
      auto r = Play(std::string("3{Enter}") + c.choice + "{Enter}" + Repeat("k", keys));
      const Log& log = r.log;
      size_t screen = AfterLastChoice(log);
      bool done = keys == c.keys;
      EXPECT_EQ(GlyphsAt(log, c.y, c.x, c.x2, screen), done ? c.last : "");
      EXPECT_EQ(ChoiceLineFrom(log, screen).empty(), !done);
    }
  }
}

TEST(WorkedScreens, ProblemOneAnswersAndCentralAngles) {
  auto r = Play("3{Enter}2{Enter}" + Repeat("k", 8));
  const Log& log = r.log;
  size_t screen = AfterLastChoice(log);
  const char* answers[] = {"∠x=38°", "∠x=110°", "∠x=100°", "∠x=40°", "∠x=95°"};
  for (int i = 0; i < 5; ++i) {
    float y = 80 + 60 * i;
    SCOPED_TRACE(y);
    EXPECT_EQ(GlyphsAt(log, y, 0, 121, screen), "(" + std::to_string(i + 1) + ")");
    EXPECT_EQ(GlyphsAt(log, y, 121, 400, screen), answers[i]);
    auto glyphs = OpsOf(log, [&](const Op& o) { return o.kind == OpKind::Text && Near(o.y1, y) && o.x1 >= 121; },
                        screen);
    ASSERT_FALSE(glyphs.empty());
    EXPECT_TRUE(Near(glyphs[0].x1, 121));
  }
  auto arcs = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Circle && o.colour == 7 && o.fill < 0; }, screen);
  ASSERT_EQ(arcs.size(), 2u);
  EXPECT_TRUE(IsCircleAt(arcs[0], 690, 310, 52, 0.01f));
  EXPECT_TRUE(IsCircleAt(arcs[1], 690, 310, 82, 0.01f));
}

TEST(WorkedScreens, SemicircleAnswerUnderTheQuestion) {
  auto r = Play("3{Enter}3{Enter}k");
  const Log& log = r.log;
  size_t screen = AfterLastChoice(log);
  auto ninety = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && Near(o.y1, 90) && o.x1 < 400; },
                      screen);
  ASSERT_FALSE(ninety.empty());
  EXPECT_TRUE(Near(ninety[0].x1, 121));
  EXPECT_EQ(ninety[0].colour, 5);
  EXPECT_EQ(GlyphsAt(log, 90, 0, 400, screen), "90°");
}

TEST(WorkedScreens, ProblemTwoCornerAndAnswerLines) {
  auto r = Play("3{Enter}4{Enter}" + Repeat("k", 4));
  const Log& log = r.log;
  size_t screen = AfterLastChoice(log);
  auto corners = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Polyline && o.colour == 5; }, screen);
  ASSERT_EQ(corners.size(), 2u);
  // Legs of 25 along CA and CB from C (415, 424), taken in the order the side -1 gives.
  const Op& c = corners[0];
  ASSERT_EQ(c.points.size(), 3u);
  for (auto [i, j] : {std::pair{0, 1}, std::pair{1, 2}}) {
    float leg = std::hypot(c.points[i].first - c.points[j].first, c.points[i].second - c.points[j].second);
    EXPECT_TRUE(Near(leg, 25, 0.01f));
  }
  for (size_t i : {0u, 2u}) {
    float toC = std::hypot(c.points[i].first - 415.0f, c.points[i].second - 424.0f);
    EXPECT_TRUE(Near(toC, 25, 1));
  }
  // Side -1 takes the arms the other way round: the polyline starts on CB, ends on CA.
  EXPECT_TRUE(Near(c.points[0].first, 409.0f, 0.1f) && Near(c.points[0].second, 448.1f, 0.1f));
  EXPECT_TRUE(Near(c.points[2].first, 390.8f, 0.1f) && Near(c.points[2].second, 417.8f, 0.1f));
  struct Piece { float x, y; const char* glyphs; int colour; };
  const Piece pieces[] = {
      {40, 140, "∠x=", 5}, {133, 140, "180°", 0}, {444, 140, "36°", 5},
      {576, 30, "(2)", 3}, {576, 90, "∠x=", 5},
  };
  for (const Piece& p : pieces) {
    SCOPED_TRACE(p.glyphs);
    auto first = OpsOf(log, [&](const Op& o) { return o.kind == OpKind::Text && Near(o.y1, p.y, 24) && o.x1 >= p.x; },
                       screen);
    ASSERT_FALSE(first.empty());
    EXPECT_TRUE(Near(first[0].x1, p.x, 4)) << first[0].x1;
    EXPECT_EQ(first[0].colour, p.colour);
    EXPECT_EQ(GlyphsAt(log, p.y, p.x, p.x + 130, screen).rfind(p.glyphs, 0), 0u);
  }
  EXPECT_EQ(GlyphsAt(log, 90, 576, 1440, screen), "∠x=180°90°25°=65°");  // "-" in strokes
}

}  // namespace
}  // namespace lunevar_test
