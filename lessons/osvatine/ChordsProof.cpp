// Screen 3 of item 2: two chords AB and CD of circle O meet at P, and triangles PAC and PDB are
// similar. The figure is built in eight steps, then the proof with four blanks filled one per key.
#include "kit/Answers.h"
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "osvatine/ConstructProve.h"
#include "osvatine/Osvatine.h"
#include "shell/Waits.h"

namespace osvatine {

namespace {

// The letters do not follow the indexes: C is 2 and B is 3.
constexpr int O = 0, A = 1, C = 2, B = 3, D = 4, Pt = 5;

// The inscribed angles on arc BC (colour 3) and on arc AD (colour 7).
constexpr kit::AngleMark inscribedAngle(int vertex, int arm1, int arm2, float fill) {
  return FilledAngle(vertex, arm1, arm2, 50, fill);
}

// Blanks ア to エ and their answers.
constexpr kit::Answer kAnswers[] = {{396, "等しい弧に対する円周角"}, {144, "∠BDP"}, {144, "∠DBP"}, {144, "2組の角"}};
constexpr kit::AnswerBoxes kBlanks{kAnswers};

// A, B, C and D on the circle; P where the chords AB and CD cross.
void setUpChords(Program& P) {
  PointsOnProofCircle(P, O, 6, 6, 6, {{{A, 110}, {B, 310}, {C, 210}, {D, 30}}});
  kit::LineCrossing(P, Pt, A, B, C, D);
}

void buildFigure(Program& P) {
  auto& v = P.v;
  kit::OpenPage(P, {.margin = 36, .heading = "例題1 △PAC∽△PDB を証明しなさい。", .drawWidth = 0});
  kit::FigureFrame(P, 720, 100, 12, 12, 30);  // draws no line: the heading may stand before it
  setUpChords(P);
  P.pf.setDrawWidth(5);
  kit::DrawCircle(P, O, v.R1, 0);
  shell::WaitAnyKey(P);
  kit::DrawSegment(P, A, B, 0);
  kit::LetterAt(P, A, -20, -40, "A", 0);
  kit::LetterAt(P, B, 10, -16, "B", 0);
  shell::WaitAnyKey(P);
  kit::DrawSegment(P, C, D, 0);
  kit::LetterAt(P, C, -40, -16, "C", 0);
  kit::LetterAt(P, D, 6, -36, "D", 0);
  shell::WaitAnyKey(P);
  kit::LetterAt(P, Pt, -6, -52, "P", 0);
  kit::DrawDot(P, Pt, 7, 0);
  shell::WaitAnyKey(P);
  kit::DrawSegment(P, A, C, 0);
  kit::DrawSegment(P, B, D, 0);
  shell::WaitAnyKey(P);
  kit::DrawPath(P, {A, C, Pt}, 0, kit::PathKind::Filled, 13);
  kit::DrawPath(P, {D, B, Pt}, 0, kit::PathKind::Filled, 13);
  shell::WaitAnyKey(P);
  kit::DrawCircle(P, O, v.R1, 3, 5.0f / 36, 5.0f / 12);
  kit::DrawAngleMark(P, inscribedAngle(A, C, B, 3));
  shell::WaitAnyKey(P);
  kit::DrawCircle(P, O, v.R1, 7, 25.0f / 36, 11.0f / 12);
  kit::DrawAngleMark(P, inscribedAngle(C, D, A, 7));
  shell::WaitAnyKey(P);
}

using kit::AtMargin, kit::BoxOnLine, kit::EmptyLinePiece, kit::SameLine;

// The proof under the figure, its blanks empty.
constexpr kit::TextPiece kProof[] = {
    AtMargin(60, 0, "△PACと△PDBにおいて"),
    EmptyLinePiece(60),
    BoxOnLine(1, 10, "ア"),
    SameLine(4, 0, "は等しいから"),
    AtMargin(60, 3, "∠CAP="),
    BoxOnLine(2, 10, "イ"),
    SameLine(4, 0, "…①"),
    AtMargin(60, 3, "∠ACP="),
    BoxOnLine(3, 10, "ウ"),
    SameLine(4, 0, "…②"),
    AtMargin(60, 0, "①,②より、"),
    BoxOnLine(4, 10, "エ"),
    AtMargin(55, 0, "がそれぞれ等しいから"),
    AtMargin(60, 7, "△PAC∽△PDB"),
    kit::kKeyWait,
};

}  // namespace

void PointsOnProofCircle(Program& P, int centre, float gx, float gy, float cells,
                         std::span<const kit::OnCircle, 4> ends) {
  auto& v = P.v;
  auto& o = Os(P);
  float* directions[] = {&o.DHRA, &o.DHRB, &o.DHRC, &o.DHRD};
  kit::GridPoint(P, centre, gx, gy);
  v.R1 = cells * v.SIZE;
  for (int k = 0; k < 4; ++k) {
    *directions[k] = kit::Radians(P, ends[k].degrees);
    kit::PointAtRadians(P, ends[k].point, centre, v.R1, *directions[k]);
  }
}

Screen ChordsSimilarityProof(Program& P) {
  buildFigure(P);
  kit::DrawTextPieces(P, kProof, kBlanks);
  kit::FillAnswerBox(P, kBlanks, 1);
  shell::WaitAnyKey(P);
  kit::DrawAngleMark(P, inscribedAngle(D, C, B, 3));
  kit::FillAnswerBox(P, kBlanks, 2);
  shell::WaitAnyKey(P);
  kit::FillAnswerBox(P, kBlanks, 3);
  kit::DrawAngleMark(P, inscribedAngle(B, D, A, 7));
  shell::WaitAnyKey(P);
  kit::FillAnswerBox(P, kBlanks, 4);
  shell::WaitAnyKey(P);
  kit::TextLineAt(P, 44, 590, "教科書P174 問5　をやってみよう。", 0);
  return {ConstructProveSubMenu};
}

}  // namespace osvatine
