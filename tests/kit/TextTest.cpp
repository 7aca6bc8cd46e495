// The text the screens of all three programs are written with: the cursor leftovers of each text
// call, where each kind of piece starts its text, which columns an opening leaves alone, and
// boxes that keep their places in the arrays their table names.
#include <gtest/gtest.h>

#include <vector>

#include "kit/Answers.h"
#include "kit/Text.h"
#include "platform/Errors.h"
#include "support/OpsLog.h"
#include "support/TestRun.h"

namespace {

using namespace testsupport;

TEST(KitText, NewLineAndSameLineMoveTheCursorTextAtAndAtPenLeaveIt) {
  TestRun r;
  auto& v = r.P.v;
  kit::TextCursorAt(r.P, 72, 30);
  kit::TextOnNewLine(r.P, 72, 50, "AB", 3);
  EXPECT_EQ(v.YI1, 80);
  float afterFirst = v.XI2;
  EXPECT_GT(afterFirst, 72);
  EXPECT_EQ(v.CCC1, 3);
  kit::TextOnLine(r.P, 10, "C", 0);
  EXPECT_GT(v.XI2, afterFirst + 10);
  float cursorX = v.XI2;
  kit::TextAt(r.P, 500, 600, "D", 5);
  kit::TextAtPen(r.P, "E", 5);
  EXPECT_EQ(v.XI2, cursorX);
  EXPECT_EQ(v.YI1, 80);
  auto g = r.texts();
  ASSERT_EQ(g.size(), 5u);
  EXPECT_EQ(g[0].x1, 72); EXPECT_EQ(g[0].y1, 80);
  EXPECT_EQ(g[2].x1, afterFirst + 10);
  EXPECT_EQ(g[3].x1, 500); EXPECT_EQ(g[3].y1, 600);
  EXPECT_GT(g[4].x1, 500);  // "E" follows "D" at the pen
  EXPECT_EQ(g[4].y1, 600);
}

TEST(KitText, GoalTextLeavesTheCursorAfterTheSentence) {
  TestRun r;
  kit::DrawGoalText(r.P, "円周角の定理を証明しよう。");
  auto& v = r.P.v;
  EXPECT_EQ(v.XI1, 44);
  EXPECT_EQ(v.YI1, 305);
  EXPECT_EQ(v.CCC1, 0);
  auto g = r.texts();
  ASSERT_FALSE(g.empty());
  EXPECT_EQ(g.front().y1, 240);
  EXPECT_EQ(g.front().colour, 3);
  EXPECT_EQ(g.back().y1, 305);
  EXPECT_EQ(g.back().colour, 0);
  EXPECT_GT(v.XI2, g.back().x1);
}

// The first glyph drawn from `from` on.
const Op* FirstGlyph(const Log& log, size_t from) {
  for (size_t i = from; i < log.size(); ++i)
    if (log[i].kind == OpKind::Text && !log[i].text.empty()) return &log[i];
  return nullptr;
}

TEST(KitPieces, EachKindOfPieceStartsItsTextWhereItSays) {
  struct Case {
    const char* name;
    std::vector<kit::TextPiece> pieces;
    float x, y;  // the pen of its text: XI0 = 40, XI1 = 100, the line before at y 200 ending at 300
  };
  const Case cases[] = {
      {"from the page", {kit::NewLine(60, 50, 0, "A")}, 60, 250},
      {"at the numbers", {kit::AtNumbers(50, 0, "A")}, 40, 250},
      {"at the margin", {kit::AtMargin(60, 0, "A")}, 100, 260},
      {"indented", {kit::AtMargin(50, 0, "A", 48)}, 148, 250},
      {"on the line", {kit::SameLine(7, 0, "A")}, 307, 200},
      {"on the line after an empty one", {kit::EmptyLinePiece(60), kit::SameLine(7, 0, "A")}, 107, 260},
      {"under its arc sign", {kit::ArcSignedText(0, "AB")}, 300, 200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestRun r;
    auto& v = r.P.v;
    v.XI0 = 40;
    v.XI1 = 100;
    v.YI1 = 200;
    v.XI2 = 300;
    r.log.clear();
    kit::DrawTextPieces(r.P, c.pieces);
    const Op* glyph = FirstGlyph(r.log, 0);
    ASSERT_NE(glyph, nullptr);
    EXPECT_EQ(glyph->x1, c.x);
    EXPECT_EQ(v.YI1, c.y);
    EXPECT_EQ(v.XI2, v.X);
    EXPECT_EQ(v.XI0, 40);
    EXPECT_EQ(v.XI1, 100);
  }
}

TEST(KitPieces, AnArcSignedTextDrawsItsSignFirstInItsOwnColour) {
  TestRun r;
  r.P.v.XI2 = 300;
  r.P.v.YI1 = 200;
  r.log.clear();
  kit::DrawTextPieces(r.P, {kit::ArcSignedText(3, "AB=")});
  ASSERT_FALSE(r.log.empty());
  EXPECT_NE(r.log.front().kind, OpKind::Text);
  EXPECT_EQ(r.log.front().colour, 3);
  EXPECT_EQ(r.P.v.CCC2, 3);
  EXPECT_EQ(r.P.v.CCC1, 3);  // the text's colour, after the sign's label colour
  const Op* glyph = FirstGlyph(r.log, 3);
  ASSERT_NE(glyph, nullptr);
  EXPECT_EQ(glyph->x1, 300);
}

void markStep(shell::Program& P) { P.v.AINP = 7; }

TEST(KitPieces, FigureStepsAndKeyWaitsComeInTheTablesOrder) {
  TestRun r("a");
  static constexpr kit::TextPiece kSteps[] = {kit::FigurePiece(markStep), kit::kKeyWait,
                                              kit::AtMargin(0, 0, "B")};
  kit::DrawTextPieces(r.P, kSteps);
  EXPECT_EQ(r.P.v.AINP, 7);
  EXPECT_EQ(r.device.remaining(), 0u);
}

TEST(KitPieces, AnOpeningLeavesTheColumnsItIsNotGiven) {
  struct Case {
    kit::PageOpening page;
    float xi0, xi1, headingX;
  };
  const Case cases[] = {
      {{.margin = 36, .heading = "H"}, 5, 36, 36},
      {{.numbers = 40, .heading = "H", .headingAtNumbers = true}, 40, 9, 40},
      {{.numbers = 30, .margin = 66, .top = 20}, 30, 66, -1},
  };
  for (const Case& c : cases) {
    TestRun r;
    auto& v = r.P.v;
    v.XI0 = 5;
    v.XI1 = 9;
    v.YI1 = 500;
    r.log.clear();
    kit::OpenPage(r.P, c.page);
    EXPECT_TRUE(IsPageClear(r.log.front()));
    EXPECT_EQ(v.XI0, c.xi0);
    EXPECT_EQ(v.XI1, c.xi1);
    EXPECT_EQ(v.YI1, c.page.top);
    const Op* glyph = FirstGlyph(r.log, 1);
    if (c.headingX < 0) {
      EXPECT_EQ(glyph, nullptr);
    } else {
      ASSERT_NE(glyph, nullptr);
      EXPECT_EQ(glyph->x1, c.headingX);
      EXPECT_EQ(glyph->colour, 3);
    }
  }
}

TEST(KitPieces, BoxesKeepTheirPlacesInTheirTablesArraysAndRefuseABoxTheTableLacks) {
  TestRun r("k");
  auto& v = r.P.v;
  static constexpr kit::Answer kAnswers[] = {{180, "60°"}};
  const kit::AnswerBoxes boxes{kAnswers, 60, &shell::Vars::R_a, &shell::Vars::H_a};
  kit::TextCursorAt(r.P, 72, 150);
  v.XI2 = 120;
  kit::DrawTextPieces(r.P, std::span<const kit::TextPiece>({kit::BoxOnLine(1, 10, "ア")}), boxes);
  EXPECT_EQ(v.R_a(1), 130);
  EXPECT_EQ(v.H_a(1), 150);
  EXPECT_EQ(v.T_a(1), 0);
  EXPECT_EQ(v.XI2, 130 + 180);
  EXPECT_EQ(GlyphsAt(r.log, 150, 130, 310), "ア");
  kit::RevealAnswers(r.P, boxes);
  auto filled = OpsOf(r.log, [](const Op& o) { return o.kind == OpKind::Box && o.fill == 13 && o.x1 == 130; });
  EXPECT_EQ(filled.size(), 2u);
  EXPECT_THROW(kit::FillAnswerBox(r.P, boxes, 2), platform::RuntimeError);
  EXPECT_THROW(kit::DrawTextPieces(r.P, {kit::BoxOnLine(1)}), platform::RuntimeError);
}

}  // namespace
