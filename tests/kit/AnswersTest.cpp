// The answer boxes: answers landing on the boxes the proof drew.
#include <gtest/gtest.h>

#include <vector>

#include "kit/Answers.h"
#include "kit/Text.h"
#include "platform/Page.h"
#include "support/TestRun.h"

namespace {

using testsupport::TestRun;

TEST(KitBoxes, AnswersLandOnTheBoxesTheProofDrew) {
  TestRun r("ab");
  auto& v = r.P.v;
  static constexpr kit::Answer kAnswers[] = {{144, "∠OAP"}, {324, "∠OPA+∠OAP"}};
  static constexpr kit::AnswerBoxes kBoxes{kAnswers};
  kit::TextCursorAt(r.P, 72, 250);
  kit::TextOnNewLine(r.P, 72, 0, "∠OPA=", 0);
  float lineEnd = v.XI2;
  kit::EmptyAnswerBox(r.P, kBoxes, 1, 10);
  EXPECT_EQ(v.T_a(1), lineEnd + 10);
  EXPECT_EQ(v.F_a(1), 250);
  EXPECT_EQ(v.XI2, lineEnd + 10 + 144);
  kit::TextOnNewLine(r.P, 72, 60, "∠AOB=", 0);
  kit::EmptyAnswerBox(r.P, kBoxes, 2, 10);
  r.log.clear();
  kit::RevealAnswers(r.P, kBoxes);
  std::vector<platform::Op> fills;
  for (const auto& op : r.log)
    if (op.kind == platform::OpKind::Box && op.fill == 13) fills.push_back(op);
  ASSERT_EQ(fills.size(), 2u);
  EXPECT_EQ(fills[0].x1, v.T_a(1));
  EXPECT_EQ(fills[0].x2, v.T_a(1) + 144);
  EXPECT_EQ(fills[1].x1, v.T_a(2));
  EXPECT_EQ(fills[1].x2, v.T_a(2) + 324);
  EXPECT_EQ(v.CCC1, 5);
}

}  // namespace
