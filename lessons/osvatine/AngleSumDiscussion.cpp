// Screen 6 of the ship lesson: from ∠BPC = 120° and ∠CPD = 60°, P lies on line BD and on the
// circle about the centre of the equilateral triangle on CD; then P is constructed in five steps.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "osvatine/Osvatine.h"
#include "osvatine/ShipPosition.h"
#include "shell/Waits.h"

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

// A numbered line: its numeral at the margin, the text after it.
void numbered(Program& P, float step, const char* numeral, const char* text) {
  kit::TextOnNewLine(P, P.v.XI0, step, numeral, 7);
  kit::TextOnLine(P, 0, text, 0);
}
// A numbered piece continuing the line.
void numberedOnLine(Program& P, const char* numeral, const char* text) {
  kit::TextOnLine(P, 0, numeral, 7);
  kit::TextOnLine(P, 0, text, 0);
}

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
  auto& v = P.v;
  kit::OpenPage(P, {.numbers = 30, .margin = 30 + 36, .top = 20, .heading = "P172 ", .colour = 7,
                    .headingAtNumbers = true});
  kit::TextOnLine(P, 0, "∠BPC=120%,∠CPD=60% となる点Pをさがそう。", 3);
  kit::GridPaper(P, 400, 150, 10, 7, 15, 90);
  SetUpShipFigure(P);
  SetUpDiscussionPoints(P);
  kit::LetteredDot(P, dp::P, 6, 0, -14, -50, "P", 0);
  pointsBCD(P);
  kit::DrawSegment(P, B, dp::P, 0);
  kit::DrawSegment(P, C, dp::P, 0);
  kit::DrawSegment(P, D, dp::P, 0);
  angleArc(P, dp::P, B, C, 60, 3, "120%");
  angleArc(P, dp::P, C, D, 60, 3, "60%");
  shell::WaitAnyKey(P);

  numbered(P, 50, "①", "∠BPC+∠CPD=180% だから ");
  shell::WaitAnyKey(P);
  kit::TextOnNewLine(P, v.XI1, 50, "点Pは直線BD上にある", 3);
  shell::WaitAnyKey(P);
  numbered(P, 50, "②", "3点C,D,Pを通る円をかくと");
  circleO(P);
  kit::LetteredDot(P, dp::O, 6, 7, 20, -50, "O", 7);
  shell::WaitAnyKey(P);
  kit::TextOnNewLine(P, v.XI1, 50, "∠CPD=60% だから∠COD=120% ", 0);
  kit::DrawSegment(P, C, dp::O, 0);
  kit::DrawSegment(P, D, dp::O, 0);
  angleArc(P, dp::O, C, D, 30, 7, "120%");
  shell::WaitAnyKey(P);
  kit::TextOnNewLine(P, v.XI1, 50, "△OCDは底角30%の二等辺三角形", 0);
  kit::DrawSegment(P, C, D, 0);
  shell::WaitAnyKey(P);
  numbered(P, 50, "③", "点Oの作図");
  kit::TextOnNewLine(P, v.XI1, 50, "CDを1辺とする正三角形をかくと", 0);
  apexLines(P);
  shell::WaitAnyKey(P);
  kit::TextOnNewLine(P, v.XI1, 50, "底角C,Dの二等分線の交点", 0);
  bisectors(P);
  shell::WaitAnyKey(P);

  // The construction starts again from B, C and D alone; the text column stays.
  kit::TextOnNewLine(P, v.XI0, 60, "点Pを作図しよう。", 7);
  kit::EraseBox(P, v.X_a(B) - 30, v.Y_a(B) - 60, v.GX2, v.GY2);
  pointsBCD(P);
  shell::WaitAnyKey(P);
  numbered(P, 50, "①", "直線BDをひく");
  kit::DrawSegment(P, B, D, 0);
  shell::WaitAnyKey(P);
  numberedOnLine(P, "　②", "正三角形をかく");
  apexLines(P);
  kit::DrawSegment(P, C, D, 9);
  shell::WaitAnyKey(P);
  numbered(P, 50, "③", "角の二等分線をかく");
  bisectors(P);
  shell::WaitAnyKey(P);
  numberedOnLine(P, "　④", "交点を中心として円をかく");
  circleO(P);
  shell::WaitAnyKey(P);
  numberedOnLine(P, "　⑤", "交点をPとする");
  kit::LetteredDot(P, dp::P, 6, 5, -14, -50, "P", 5);
  return {ShipPositionSubMenu};
}

}  // namespace osvatine
