// Answer 9 of the second set over two pages on one figure: the angle between two chords is the
// sum (9(1)), the angle between two secants the difference (9(2)), of the inscribed angles on
// the arcs AB and CD.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/FigureSteps.h"
#include "pendrel/MasterLearning.h"
#include "pendrel/Pendrel.h"

namespace pendrel {

namespace {

constexpr Letter kLettersPQ[] = {{"P", 5, 12, -15}, {"Q", 6, -20, 4}};
constexpr Letter kLettersABCD[] = {{"A", 1, 0, -46}, {"B", 2, -40, -16}, {"C", 3, 10, 10}, {"D", 4, 6, -46}};

// The filled angles of both pages.
constexpr Mark kAngleAPB{5, 1, 2, 50, 0, 5, "", 3};
constexpr Mark kAnglesAtPBC[] = {
    {3, 1, 2, 50, 0, 3, "", 3},  // ∠PCB
    {2, 3, 4, 70, 0, 7, "", 3},  // ∠PBC
};
constexpr Mark kAngleAQB{6, 1, 2, 50, 0, 5, "", 3};
constexpr Mark kAnglesAtACQ[] = {
    {3, 1, 2, 50, 0, 3, "", 3},  // ∠ACB
    {1, 3, 4, 60, 0, 7, "", 3},  // ∠CAQ
};

// The page's frame and its number "(1)" or "(2)" beside the boxes, the figure and the filled
// angle at the crossing.
void openPage(Program& P, const char* part, const Mark& crossing) {
  OpenAnswerScreen(P, {"P179 解答", "9", 30, 30, 30});
  kit::TextOnLine(P, 0, part, 0);
  DrawChordsFigure(P);
  DrawMarkViaABC(P, crossing);
}

// The arc AB in colour 3 and the arc CD in colour 7, the arcs the inscribed angles stand on.
void drawArcsABCD(Program& P) {
  auto& v = P.v;
  auto& L = Pv(P);
  kit::DrawCircle(P, 0, v.R1, 3, (360 - L.HHB) / 360, (360 - L.HHA) / 360);
  kit::DrawCircle(P, 0, v.R1, 7, (360 - L.HHD) / 360, (360 - L.HHC) / 360);
}

// The proofs under "<証明>", each line a new line 60 below the last in colour 0; the triangle
// they reason in is filled, or outlined at draw width 8.
constexpr TextPiece kProofOfSum[] = {
    AtMargin(60, 7, "<証明>"),
    kKeyWait, PathPiece<5, 2, 3, 0, kit::PathKind::Filled, 13>, SameLine(20, 0, "△PBCで、"),
    kKeyWait, AtMargin(60, 0, "三角形の内角と外角の性質より"), MarksPiece<kAnglesAtPBC>,
    kKeyWait, AtMargin(60, 0, "∠APB=∠PCB+∠PBC"),
    kKeyWait, FigurePiece(drawArcsABCD),
    kKeyWait, AtMargin(60, 0, "∠PCBは弧ABに対する円周角"),
    kKeyWait, AtMargin(60, 0, "∠PBCは弧CDに対する円周角"),
    kKeyWait, AtMargin(60, 0, "だから、∠APBは、弧ABに対する円周角"),
    AtMargin(60, 0, "と、弧CDに対する円周角の和と等しくなる。"),
    kKeyWait,
};
constexpr TextPiece kProofOfDifference[] = {
    AtMargin(60, 7, "<証明>"),
    kKeyWait, DrawWidthPiece(8), PathPiece<1, 3, 6, 9, kit::PathKind::Closed>, DrawWidthPiece(5),
    SameLine(20, 0, "△ACQで、"),
    kKeyWait, AtMargin(60, 0, "三角形の内角と外角の性質より"), MarksPiece<kAnglesAtACQ>,
    kKeyWait, AtMargin(60, 0, "∠ACB=∠AQC+∠CAQ だから"),
    kKeyWait, AtMargin(60, 0, "∠AQC=∠ACB-∠CAQ"),
    kKeyWait, FigurePiece(drawArcsABCD),
    kKeyWait, AtMargin(60, 0, "∠ACBは弧ABに対する円周角"),
    kKeyWait, AtMargin(60, 0, "∠CAQは弧CDに対する円周角"),
    kKeyWait, AtMargin(60, 0, "だから、∠AQBは、弧ABに対する円周角"),
    AtMargin(60, 0, "と、弧CDに対する円周角の差と等しくなる。"),
};

}  // namespace

void DrawChordsFigure(Program& P) {
  shell::Routine r(P);
  auto& v = P.v;
  auto& L = Pv(P);
  kit::GridPaper(P, 720, 100, 12, 12, 15, 30);
  kit::GridPoint(P, 0, 6, 6);
  v.R1 = 6 * v.SIZE;
  L.HHA = 70; L.HHB = 230; L.HHC = 310; L.HHD = 10;
  const float directions[] = {L.HHA, L.HHB, L.HHC, L.HHD};  // of points 1 to 4
  for (int i = 1; i <= 4; ++i) kit::PointAtDegrees(P, i, 0, v.R1, directions[i - 1]);
  kit::LineCrossing(P, 5, 1, 3, 2, 4);  // P on the chords AC and BD
  kit::LineCrossing(P, 6, 1, 4, 2, 3);  // Q on the lines AD and BC
  P.pf.setDrawWidth(5);
  kit::DrawCircle(P, 0, v.R1, 0);
  DrawLetters(P, kLettersPQ);
  SegmentViaMN(P, 1, 3);
  SegmentViaMN(P, 2, 4);
  SegmentViaMN(P, 1, 6);
  SegmentViaMN(P, 2, 6);
  DrawLetters(P, kLettersABCD);
}

Screen MasterAnswer9(Program& P) {
  openPage(P, "(1)", kAngleAPB);
  DrawTextPieces(P, kProofOfSum);
  return {MasterAnswer9Page2};
}

Screen MasterAnswer9Page2(Program& P) {
  openPage(P, "(2)", kAngleAQB);
  DrawTextPieces(P, kProofOfDifference);
  return {MasterLearningSubMenu};
}

}  // namespace pendrel
