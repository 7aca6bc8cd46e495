// Screen 6 of the ship lesson: from ∠BPC = 120° and ∠CPD = 60°, P lies on line BD and on the
// circle about the centre of the equilateral triangle on CD; then P is constructed in five steps.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "osvatine/Osvatine.h"
#include "osvatine/ShipPosition.h"

namespace osvatine {

namespace {

using ship::B, ship::C, ship::D;
// This screen's own points, over entries of the ship map it does not read.
namespace dp {
constexpr int MidCD = 0, O = 6, Apex = 7, BisectorD = 8, BisectorC = 9, P = 41;
}  // namespace dp

void pointsBCD(Program& P) {
  kit::LetteredDot(P, B, 6, 0, -14, -50, "B", 0);
  Landmark(P, C, "C");
  Landmark(P, D, "D");
}

// The angle from `arm1` counter-clockwise to `arm2` at `vertex`: one arc and its label.
void angleArc(Program& P, int vertex, int arm1, int arm2, float radius, float colour, const char* label) {
  kit::DrawAngleMark(P, {.vertex = vertex, .arm1 = arm1, .arm2 = arm2, .length = radius, .count = 1, .side = 1,
                         .textColour = colour, .line = 0, .fill = colour, .label = label});
}

void circleO(Program& P) { kit::DrawCircle(P, dp::O, P.v.R1, 7); }
void apexLines(Program& P) {
  kit::DrawSegment(P, dp::Apex, C, 9);
  kit::DrawSegment(P, dp::Apex, D, 9);
}
void bisectors(Program& P) {
  kit::DrawSegment(P, dp::BisectorC, C, 9);
  kit::DrawSegment(P, dp::BisectorD, D, 9);
}

using kit::AtMargin, kit::AtNumbers, kit::FigurePiece, kit::kKeyWait, kit::SameLine;

// The discussion, then the construction, one step per key: a numbered step's numeral in colour 7
// and its text after it.
constexpr kit::TextPiece kScreen[] = {
    // P with its lines to B, C and D and the two angles.
    FigurePiece([](Program& P) {
      kit::LetteredDot(P, dp::P, 6, 0, -14, -50, "P", 0);
      pointsBCD(P);
      kit::DrawSegment(P, B, dp::P, 0);
      kit::DrawSegment(P, C, dp::P, 0);
      kit::DrawSegment(P, D, dp::P, 0);
      angleArc(P, dp::P, B, C, 60, 3, "120%");
      angleArc(P, dp::P, C, D, 60, 3, "60%");
    }),
    kKeyWait, AtNumbers(50, 7, "①"),
    SameLine(0, 0, "∠BPC+∠CPD=180% だから "),
    kKeyWait, AtMargin(50, 3, "点Pは直線BD上にある"),
    kKeyWait, AtNumbers(50, 7, "②"),
    SameLine(0, 0, "3点C,D,Pを通る円をかくと"),
    FigurePiece([](Program& P) {
      circleO(P);
      kit::LetteredDot(P, dp::O, 6, 7, 20, -50, "O", 7);
    }),
    kKeyWait, AtMargin(50, 0, "∠CPD=60% だから∠COD=120% "),
    FigurePiece([](Program& P) {
      kit::DrawSegment(P, C, dp::O, 0);
      kit::DrawSegment(P, D, dp::O, 0);
      angleArc(P, dp::O, C, D, 30, 7, "120%");
    }),
    kKeyWait, AtMargin(50, 0, "△OCDは底角30%の二等辺三角形"),
    FigurePiece([](Program& P) { kit::DrawSegment(P, C, D, 0); }),
    kKeyWait, AtNumbers(50, 7, "③"),
    SameLine(0, 0, "点Oの作図"),
    AtMargin(50, 0, "CDを1辺とする正三角形をかくと"),
    FigurePiece(apexLines),
    kKeyWait, AtMargin(50, 0, "底角C,Dの二等分線の交点"),
    FigurePiece(bisectors),
    // The construction starts again from B, C and D alone; the text column stays.
    kKeyWait, AtNumbers(60, 7, "点Pを作図しよう。"),
    FigurePiece([](Program& P) {
      kit::EraseBox(P, P.v.X_a(B) - 30, P.v.Y_a(B) - 60, P.v.GX2, P.v.GY2);
      pointsBCD(P);
    }),
    kKeyWait, AtNumbers(50, 7, "①"),
    SameLine(0, 0, "直線BDをひく"),
    FigurePiece([](Program& P) { kit::DrawSegment(P, B, D, 0); }),
    kKeyWait, SameLine(0, 7, "　②"),
    SameLine(0, 0, "正三角形をかく"),
    FigurePiece([](Program& P) {
      apexLines(P);
      kit::DrawSegment(P, C, D, 9);
    }),
    kKeyWait, AtNumbers(50, 7, "③"),
    SameLine(0, 0, "角の二等分線をかく"),
    FigurePiece(bisectors),
    kKeyWait, SameLine(0, 7, "　④"),
    SameLine(0, 0, "交点を中心として円をかく"),
    FigurePiece(circleO),
    kKeyWait, SameLine(0, 7, "　⑤"),
    SameLine(0, 0, "交点をPとする"),
    FigurePiece([](Program& P) { kit::LetteredDot(P, dp::P, 6, 5, -14, -50, "P", 5); }),
};

}  // namespace

void SetUpDiscussionPoints(Program& P) {
  auto& v = P.v;
  v.R2 = kit::PointDistance(P, C, D);
  kit::DirectionBetween(P, D, C);
  kit::PointTurnedFromHHP(P, dp::Apex, D, v.R2, -60);
  kit::Midpoint(P, dp::MidCD, C, D);
  v.X_a(dp::O) = (2 * v.X_a(dp::MidCD) + v.X_a(dp::Apex)) / 3;
  v.Y_a(dp::O) = (2 * v.Y_a(dp::MidCD) + v.Y_a(dp::Apex)) / 3;
  v.R1 = kit::PointDistance(P, C, dp::O);
  // The bisectors of the base angles run 20 beyond O, where they cross.
  kit::PointTurnedFromHHP(P, dp::BisectorD, D, v.R1 + 20, -30);
  kit::DirectionBetween(P, C, D);
  kit::PointTurnedFromHHP(P, dp::BisectorC, C, v.R1 + 20, 30);
  Os(P).R3 = v.R2 + 16;
  // P is laid off on line BD, not cut from circle O: it lies a little outside the circle.
  kit::DirectionBetween(P, D, B);
  kit::PointAtRadians(P, dp::P, D, Os(P).R3, v.HHP);
}

Screen AngleSumDiscussion(Program& P) {
  kit::OpenPage(P, {.numbers = 30, .margin = 30 + 36, .top = 20, .heading = "P172 ", .colour = 7,
                    .headingAtNumbers = true});
  kit::TextOnLine(P, 0, "∠BPC=120%,∠CPD=60% となる点Pをさがそう。", 3);
  kit::GridPaper(P, 400, 150, 10, 7, 15, 90);
  SetUpShipFigure(P);
  SetUpDiscussionPoints(P);
  kit::DrawTextPieces(P, kScreen);
  return {ShipPositionSubMenu};
}

}  // namespace osvatine
