// Answer 1 of the second set: the central and inscribed angles on arcs of two thirds and two
// fifths of the circumference, two divided circles one above the other and six steps of text.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/FigureSteps.h"
#include "pendrel/MasterLearning.h"

namespace pendrel {

namespace {

// One of the two circles: its grid corner, centre entry, points on it, and the arc asked for.
struct DividedCircle {
  int centre;
  kit::OnCircle points[5];
  int count;
  float arcStart, arcEnd;
};

constexpr DividedCircle kThirds{0, {{1, 60}, {2, 180}, {3, 300}}, 3, 0.8333333f, 0.5f};
constexpr DividedCircle kFifths{10, {{11, 72}, {12, 144}, {13, 216}, {14, 288}, {15, 360}}, 5, 0.8f, 0.2f};

// The central angle of each asked-for arc, marked when the text computes it.
constexpr Mark kCentralThirds{0, 2, 1, 60, 1, 3, "240%", 3};
constexpr Mark kCentralFifths{10, 14, 11, 60, 1, 3, "144%", 3};

// Steps 1 to 6: the working of (1) and (2).
constexpr TextPiece kSteps[] = {
    kKeyWait, AtNumbers(80, 3, "(1)"), SameLine(0, 0, "円周のﾀ2/3ﾀの弧"), AtMargin(60, 0, "に対する中心角は、"),
    kKeyWait, AtMargin(70, 0, "360%*ﾀ2/3ﾀ="), SameLine(0, 3, "240%"), SameLine(0, 0, " だから"),
    MarkPiece<kCentralThirds>,
    kKeyWait, AtMargin(70, 0, "円周角は、"), SameLine(0, 5, "120%"),
    kKeyWait, AtNumbers(80, 3, "(2)"), SameLine(0, 0, "円周のﾀ2/5ﾀの弧"), AtMargin(60, 0, "に対する中心角は、"),
    kKeyWait, AtMargin(70, 0, "360%*ﾀ2/5ﾀ="), SameLine(0, 3, "144%"), SameLine(0, 0, " だから"),
    MarkPiece<kCentralFifths>,
    kKeyWait, AtMargin(70, 0, "円周角は、"), SameLine(0, 5, "72%"),
};

// The circle of radius 3 cells about the centre (3, 3) of the grid laid out from (left, top):
// its radii to the points, the centre dot and the arc in colour 3.
void drawDividedCircle(Program& P, float left, float top, const DividedCircle& c) {
  auto& v = P.v;
  kit::GridPaper(P, left, top, 6, 6, 15, 50);
  kit::GridPoint(P, c.centre, 3, 3);
  v.R1 = 3 * v.SIZE;
  std::span<const kit::OnCircle> points(c.points, c.count);
  kit::PointsAtCellsViaMABC(P, c.centre, 3, points);
  kit::DrawCircle(P, c.centre, v.R1, 0);
  for (const kit::OnCircle& p : points) SegmentViaMN(P, c.centre, p.point);
  kit::DrawDot(P, c.centre, 6, 0);
  kit::DrawCircle(P, c.centre, v.R1, 3, c.arcStart, c.arcEnd);
}

}  // namespace

Screen MasterAnswer1(Program& P) {
  auto& v = P.v;
  OpenAnswerScreen(P, {"P178 解答", "1", 40, 40 + 81, 30});
  P.pf.setDrawWidth(5);
  drawDividedCircle(P, 720, 20, kThirds);
  drawDividedCircle(P, v.GX1, v.GY2 + 10, kFifths);  // the second grid right under the first

  DrawTextPieces(P, kSteps);
  return {MasterLearningSubMenu};
}

}  // namespace pendrel
