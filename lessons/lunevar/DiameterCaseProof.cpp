// The proof for PB a diameter (choices 1 to 3 of item 2): the proof screen with its three
// empty boxes, the step figure (equal sides, then equal angles, one per key) and the answers.
// The figure and the answers need the proof on the page: without it they draw it first.
#include "kit/Answers.h"
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "lunevar/CircleFigure.h"
#include "lunevar/Lunevar.h"
#include "lunevar/ProofLesson.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

// The equal-angle dots ("●", "●●" ...) at a vertex: a label in colour 9, 30 out.
void equalAngleDot(Program& P, int vertex, int arm1, int arm2, float side, const std::string& dots = "●") {
  kit::LabelVertex(P, vertex, arm1, arm2, dots, 9, 30, side);
}

// Point table: O 1, A 2, B 3, P 5.
constexpr int O = 1, A = 2, B = 3, Pt = 5;

constexpr kit::Answer kAnswers[] = {{144, "∠OAP"}, {324, "∠OPA+∠OAP"}, {180, "2∠OPA"}};

constexpr kit::TextPiece kFirstLines[] = {
    kit::NewLine(36, 0, 0, "Q1　PBが直径のとき、∠APB=ﾀ1/2ﾀ∠AOBを証明しなさい。"),
    kit::NewLine(72, 50, 3, "     <証明>"),
    kit::NewLine(72, 50, 0, "△OPAで、OP=OAから、"),
};

constexpr kit::TextPiece kProof[] = {
    kit::NewLine(72, 60, 0, "二等辺三角形の底角は等しいので、"),
    kit::NewLine(72, 60, 0, "∠OPA="),
    kit::BoxOnLine(1),
    kit::SameLine(4, 3, " …ア"),
    kit::NewLine(72, 60, 0, "三角形の外角の性質から、"),
    kit::NewLine(72, 60, 0, "∠AOB="),
    kit::BoxOnLine(2),
    kit::SameLine(4, 3, " …イ"),
    kit::NewLine(72, 60, 0, "ア、イから、"),
    kit::NewLine(72, 60, 0, "∠AOB="),
    kit::BoxOnLine(3),
    kit::NewLine(72, 80, 0, "したがって、"),
    kit::SameLine(0, 5, "∠APB=ﾀ1/2ﾀ∠AOB"),
};

void drawFigure(Program& P) {
  Lunevar& L = Lv(P);
  L.DHB = 110;
  L.DHP = 290;
  const DirectedPoint points[] = {
      {A, &Lunevar::DHRA, 230}, {B, &Lunevar::DHRB, 230 + L.DHB}, {Pt, &Lunevar::DHRP, 230 + L.DHP}};
  InscribedAngleFigure(P, 720, 130, O, points);
  kit::DrawAngleMark(P, {.vertex = Pt, .arm1 = B, .arm2 = A, .length = 30, .count = 0, .side = -1, .line = 0,
                         .fill = 5});
  kit::LabelVertex(P, Pt, B, A, "P", 0, 8, 1);
  kit::DrawAngleMark(P, {.vertex = O, .arm1 = A, .arm2 = B, .length = 30, .count = 0, .side = 1, .line = 0,
                         .fill = 3});
  kit::LabelVertex(P, O, A, B, "O", 0, 8, -1);
}

// Draws the proof and goes back to the sub-menu.
Screen drawProof(Program& P) {
  kit::OpenPage(P, {.margin = 72, .drawWidth = 0});
  drawFigure(P);
  kit::DrawTextPieces(P, kFirstLines, {kAnswers});
  shell::WaitAnyKey(P);
  kit::DrawTextPieces(P, kProof, {kAnswers});
  Lv(P).proofOnPage = DiameterCase;
  return {ProofSubMenu};
}

// The step figure and the answers add to this proof: where another proof or none is on the
// page, this one is drawn first, as its own choice would draw it.
void needProof(Program& P) {
  if (Lv(P).proofOnPage != DiameterCase) drawProof(P);
}

}  // namespace

Screen DiameterCaseProof(Program& P) { return drawProof(P); }

Screen DiameterCaseFigure(Program& P) {
  needProof(P);
  P.pf.setDrawWidth(5);
  // The strokes take ITI and AIDA as earlier steps left them.
  shell::WaitAnyKey(P);
  kit::DrawTicks(P, O, Pt, 20, 1, 3);
  shell::WaitAnyKey(P);
  kit::DrawTicks(P, O, A, 20, 1, 3);
  shell::WaitAnyKey(P);
  equalAngleDot(P, Pt, B, A, -1);
  shell::WaitAnyKey(P);
  equalAngleDot(P, A, O, Pt, 1);
  shell::WaitAnyKey(P);
  equalAngleDot(P, O, A, B, 1, "●●");
  return {ProofSubMenu};
}

Screen DiameterCaseAnswers(Program& P) {
  needProof(P);
  kit::RevealAnswers(P, {kAnswers});
  return {ProofSubMenu};
}

}  // namespace lunevar
