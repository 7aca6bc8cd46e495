// Screen 5 of item 2, the answer to problem 6: on circle O with the chords AD and BC, (1) parallel
// chords cut off equal arcs, and (2) the converse. Each proof draws the figure, the line AC and
// the alternate angles at A and C, writes its text with numbered blanks and fills them one per key.
#include "kit/Answers.h"
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "osvatine/ConstructProve.h"
#include "osvatine/Osvatine.h"
#include "shell/Waits.h"

namespace osvatine {

namespace {

constexpr int O = 1, A = 2, D = 3, B = 4, C = 5;

// A point's letter placed on the bisector of its arms, 10 out, on the side `side` selects.
struct Label {
  const char* letter;
  int vertex, arm1, arm2;
  float side;
};
constexpr Label kLabels[] = {
    {"A", A, D, B, 1}, {"D", D, A, C, -1}, {"B", B, C, A, -1}, {"C", C, D, B, -1}, {"O", O, A, C, 1},
};

// The blanks' answers, shared by the two proofs: blank 1 is ① in proof (1) and ② in (2), blank
// 2 the other way round.
constexpr kit::Answer kAnswers[] = {{108, "錯角"}, {144, "∠CAD"}, {396, "等しい円周角に対する弧"}};
constexpr kit::AnswerBoxes kBlanks{kAnswers};

// O on the grid, A, D, B and C on the circle: AD and BC are parallel (horizontal on the page).
void setUpChords(Program& P) {
  kit::FigureFrame(P, 756, 90, 16, 16, 30);
  PointsOnProofCircle(P, O, 8, 8, 7, {{{A, 150}, {D, 30}, {B, 200}, {C, -20}}});
}

// Circle O with the chords AD and BC in the colours IRO1 (the chords' parallel marks) and IRO2
// (arcs AB and CD), at draw width 5, which it leaves. Reads the points and R1.
void drawTrapezoidInCircle(Program& P) {
  auto& v = P.v;
  auto& o = Os(P);
  P.pf.setDrawWidth(5);
  kit::DrawDot(P, O, 3, 0);
  kit::DrawCircle(P, O, v.R1, 0);
  kit::DrawCircle(P, O, v.R1, o.IRO2, 4.0f / 9, 7.0f / 12);   // arc AB
  kit::DrawCircle(P, O, v.R1, o.IRO2, 11.0f / 12, 1.0f / 18);  // arc CD
  kit::DrawSegment(P, A, D, 0);
  kit::DrawSegment(P, B, C, 0);
  for (const Label& l : kLabels) kit::LabelVertex(P, l.vertex, l.arm1, l.arm2, l.letter, 0, 10, l.side);
  kit::DrawParallelArrows(P, A, D, 1, 1, 20, 1, o.IRO1);
  kit::DrawParallelArrows(P, B, C, 1, 1, 20, 1, o.IRO1);
}

// The figure with the given in colour `given` (IRO1) and what is proved in colour `proved` (IRO2);
// a key later the line AC and, a key after that, the alternate angles ∠CAD and ∠ACB it makes
// with the chords.
void figureAndAlternateAngles(Program& P, float given, float proved) {
  Os(P).IRO1 = given;
  Os(P).IRO2 = proved;
  drawTrapezoidInCircle(P);
  shell::WaitAnyKey(P);
  kit::TextOnNewLine(P, P.v.XI1, 50, "直線ACをひくと", 0);
  kit::DrawSegment(P, A, C, 0);
  shell::WaitAnyKey(P);
  kit::DrawAngleMark(P, {A, D, C, 60, 0, -1, {}, 0, 9, ""});
  kit::DrawAngleMark(P, {C, B, A, 60, 0, -1, {}, 0, 9, ""});
  shell::WaitAnyKey(P);
}

using kit::AtMargin, kit::BoxOnLine, kit::EmptyLinePiece, kit::SameLine;

// Proof (1) before its last line, "⌒AB=⌒CD": blanks ① to ③ in the table's order.
constexpr kit::TextPiece kProof1[] = {
    AtMargin(60, 0, "AD∥BCで、平行線の"),
    BoxOnLine(1),
    SameLine(10, 0, "は等しいので"),
    AtMargin(60, 0, "∠ACB="),
    BoxOnLine(2),
    AtMargin(60, 0, "1つの円において、"),
    EmptyLinePiece(60),
    BoxOnLine(3),
    SameLine(10, 0, "は等しいので"),
};

// Proof (2) after its first line, "⌒AB=⌒CD": blank 2 labelled ① and blank 1 labelled ②.
constexpr kit::TextPiece kProof2[] = {
    AtMargin(60, 0, "∠ACB="),
    BoxOnLine(2, 10, "①"),
    EmptyLinePiece(60),
    BoxOnLine(1, 10, "②"),
    SameLine(10, 0, "が等しいので"),
    AtMargin(60, 0, "AD∥BC"),
    AtMargin(60, 0, "したがって、(1)の逆は成り立つ。"),
    kit::kKeyWait,
};

}  // namespace

Screen ParallelChordsProof(Program& P) {
  // (1) AD ∥ BC, so arcs AB and CD are equal: the given in colour 3, what is proved in colour 5.
  kit::OpenPage(P, {.margin = 36, .heading = "<問6(1) 証明>", .drawWidth = 0});
  setUpChords(P);
  figureAndAlternateAngles(P, 3, 5);
  kit::DrawTextPieces(P, kProof1, kBlanks);
  kit::EqualArcsLine(P, 70, "AB=", "CD");
  kit::RevealAnswers(P, kBlanks);
  shell::WaitAnyKey(P);

  // (2) The converse, on the same points, the colours exchanged.
  kit::OpenPage(P, {.margin = 36, .heading = "<問6(2) 証明>", .drawWidth = 0});
  figureAndAlternateAngles(P, 5, 3);
  kit::EqualArcsLine(P, 70, "AB=", "CD だから");
  kit::DrawTextPieces(P, kProof2, kBlanks);
  kit::FillAnswerBox(P, kBlanks, 2);
  shell::WaitAnyKey(P);
  kit::FillAnswerBox(P, kBlanks, 1);
  return {ConstructProveSubMenu};
}

}  // namespace osvatine
