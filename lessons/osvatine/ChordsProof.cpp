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

void setUpChords(Program& P) {
  auto& v = P.v;
  auto& o = Os(P);
  v.X_a(O) = 6;
  v.Y_a(O) = 6;
  kit::GridToPage(P, {O});
  v.R1 = 6 * v.SIZE;
  o.DHRA = 110 * v.PI / 180;
  o.DHRB = 310 * v.PI / 180;
  o.DHRC = 210 * v.PI / 180;
  o.DHRD = 30 * v.PI / 180;
  kit::PointAtRadians(P, A, O, v.R1, o.DHRA);
  kit::PointAtRadians(P, B, O, v.R1, o.DHRB);
  kit::PointAtRadians(P, C, O, v.R1, o.DHRC);
  kit::PointAtRadians(P, D, O, v.R1, o.DHRD);
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

void writeProof(Program& P) {
  auto& v = P.v;
  kit::TextOnNewLine(P, v.XI1, 60, "△PACと△PDBにおいて", 0);
  kit::EmptyLine(P, 60);
  kit::EmptyAnswerBox(P, kBlanks, 1, 10, "ア");
  kit::TextOnLine(P, 4, "は等しいから", 0);
  kit::TextOnNewLine(P, v.XI1, 60, "∠CAP=", 3);
  kit::EmptyAnswerBox(P, kBlanks, 2, 10, "イ");
  kit::TextOnLine(P, 4, "…①", 0);
  kit::TextOnNewLine(P, v.XI1, 60, "∠ACP=", 3);
  kit::EmptyAnswerBox(P, kBlanks, 3, 10, "ウ");
  kit::TextOnLine(P, 4, "…②", 0);
  kit::TextOnNewLine(P, v.XI1, 60, "①,②より、", 0);
  kit::EmptyAnswerBox(P, kBlanks, 4, 10, "エ");
  kit::TextOnNewLine(P, v.XI1, 55, "がそれぞれ等しいから", 0);
  kit::TextOnNewLine(P, v.XI1, 60, "△PAC∽△PDB", 7);
  shell::WaitAnyKey(P);
}

}  // namespace

Screen ChordsSimilarityProof(Program& P) {
  buildFigure(P);
  writeProof(P);
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
