// Item 4's first two screens, on one figure: circle O with the equal arcs AB and CD (40 degrees
// each) marked in colour and by ticks. The task asks for the central and inscribed angles on
// them; the statements screen relates equal arcs to equal central and inscribed angles.
#include <initializer_list>
#include <utility>

#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "lunevar/ArcLesson.h"
#include "lunevar/Lunevar.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

// The arc of the circle of radius r about point `centre` that runs counter-clockwise (as the page
// is seen) from the direction `fromDegrees` to `toDegrees`, in colour. The page's arcs run
// clockwise from start to end, so the counter-clockwise arc starts at its far end.
void drawArcBetween(Program& P, int centre, float r, float colour, float fromDegrees, float toDegrees) {
  kit::DrawCircle(P, centre, r, colour, 1 - toDegrees / 360, 1 - fromDegrees / 360);
}

namespace pt {
constexpr int O = 1, A = 2, B = 3, P = 4, C = 5, D = 6, Q = 7;
}  // namespace pt

// The points on the circle by their direction, kept in radians.
constexpr DirectedPoint kPoints[] = {
    {pt::A, &Lunevar::DHRA, 200}, {pt::B, &Lunevar::DHRB, 240}, {pt::P, &Lunevar::DHRP, 110},
    {pt::C, &Lunevar::DHRC, 290}, {pt::D, &Lunevar::DHRD, 330}, {pt::Q, &Lunevar::DHRQ, 70},
};

// A point's letter, placed beside its vertex away from the angle between the two arms.
struct PointLabel {
  const char* text;
  int vertex, arm1, arm2;
};
constexpr PointLabel kLabelA{"A", pt::A, pt::B, pt::O}, kLabelB{"B", pt::B, pt::O, pt::A};
constexpr PointLabel kLabelC{"C", pt::C, pt::D, pt::O}, kLabelD{"D", pt::D, pt::O, pt::C};
constexpr PointLabel kLabelP{"P", pt::P, pt::A, pt::B}, kLabelQ{"Q", pt::Q, pt::C, pt::D};

void drawLabels(Program& P, std::initializer_list<PointLabel> labels, float colour) {
  for (const PointLabel& l : labels) kit::LabelVertex(P, l.vertex, l.arm1, l.arm2, l.text, colour, 8, -1, 0, 0);
}

// The page cleared, the circle with its two arcs in colour 5 and the radii to A, B, C and D,
// at draw width 5. Leaves the points 1 to 7 in page units, R1 and the directions DHRA to DHRQ.
void equalArcsFigure(Program& P) {
  auto& v = P.v;
  kit::ClearWholePage(P);
  kit::GridPaper(P, 720, 90, 16, 16, 15, 30);
  kit::GridPoint(P, pt::O, 8, 8);
  v.R1 = 7 * v.SIZE;
  PlaceKeepingDirections(P, pt::O, kPoints);
  P.pf.setDrawWidth(5);
  kit::DrawDot(P, pt::O, 3, 0);
  kit::DrawCircle(P, pt::O, v.R1, 0);
  drawArcBetween(P, pt::O, v.R1, 5, 200, 240);  // AB
  drawArcBetween(P, pt::O, v.R1, 5, 290, 330);  // CD
  for (int end : {pt::A, pt::B, pt::C, pt::D}) kit::DrawSegment(P, pt::O, end, 0);
}

// Two ticks across each arc: on the segment from the point R1 + SIZE out in the direction of
// the arc's first end to its second end, whose middle lies near the middle of the arc.
void equalArcTicks(Program& P) {
  auto& v = P.v;
  Lunevar& L = Lv(P);
  struct Arc {
    float Lunevar::*first;
    int second;
  };
  for (const Arc& arc : {Arc{&Lunevar::DHRA, pt::B}, Arc{&Lunevar::DHRC, pt::D}}) {
    kit::Pen out = kit::PlaceOnCircle(P, pt::O, v.R1 + v.SIZE, L.*arc.first);
    kit::DrawTicksBetween(P, out.x, out.y, v.X_a(arc.second), v.Y_a(arc.second), 20, 2, 5, 0, 8);
  }
}

using kit::ArcSignedText, kit::DrawWidthPiece, kit::kKeyWait, kit::NewLine, kit::SameLine;

constexpr kit::TextPiece kTask[] = {
    NewLine(36, 0, 0, "課　"),
    DrawWidthPiece(3),
    ArcSignedText(0, "AB="),
    ArcSignedText(0, "CDで、∠AOB=40°のとき、"),
    NewLine(36, 50, 0, "(1)∠CODの大きさを求めなさい。"),
    NewLine(36, 50, 0, "(2)∠APBの大きさを求めなさい。"),
    NewLine(36, 50, 0, "(3)∠CQDの大きさを求めなさい。"),
    kKeyWait,
    NewLine(36, 60, 3, "(1)おうぎ形の弧の長さが等しければ、"),
    NewLine(108, 60, 3, "中心角の大きさも等しいので、"),
    kKeyWait,
    NewLine(108, 50, 0, "∠COD=∠AOB="),
    kKeyWait,
    SameLine(0, 3, "40°"),
    kKeyWait,
    NewLine(36, 60, 3, "(2)"),
    kKeyWait,
    SameLine(0, 0, "∠APB=ﾀ1/2ﾀ∠AOB="),
    kKeyWait,
    SameLine(0, 3, "20°"),
    kKeyWait,
    NewLine(36, 80, 3, "(3)"),
    kKeyWait,
    SameLine(0, 0, "∠CQD=ﾀ1/2ﾀ∠COD="),
    kKeyWait,
    SameLine(0, 3, "20°"),
};

// The statements on central angles and on inscribed angles, each with its converse.
constexpr kit::TextPiece kCentralAngles[] = {
    NewLine(36, 0, 3, "<中心角と弧>"),
    NewLine(36, 50, 0, "1つの円で　"),
    NewLine(36, 60, 0, "①"),
    DrawWidthPiece(3),
    ArcSignedText(3, "AB="),
    ArcSignedText(3, "CD"),
    SameLine(0, 0, "　ならば　"),
    SameLine(0, 3, "∠AOB=∠COD"),
    kKeyWait,
    NewLine(36, 60, 0, "②"),
    SameLine(0, 3, "∠AOB=∠COD"),
    SameLine(0, 0, "　ならば　"),
    DrawWidthPiece(3),
    ArcSignedText(3, "AB="),
    ArcSignedText(3, "CD"),
    kKeyWait,
    NewLine(36, 90, 5, "<円周角と弧>"),
    NewLine(36, 50, 0, "1つの円で　"),
    NewLine(36, 60, 0, "①"),
    DrawWidthPiece(3),
    ArcSignedText(5, "AB="),
    ArcSignedText(5, "CD"),
    SameLine(0, 0, "　ならば　"),
};
// After the inscribed angles are drawn: the rest of statement 1 and the converse.
constexpr kit::TextPiece kInscribedAngles[] = {
    kKeyWait,
    SameLine(0, 5, "∠APB=∠CQD"),
    kKeyWait,
    NewLine(36, 60, 0, "②"),
    SameLine(0, 5, "∠APB=∠CQD"),
    SameLine(0, 0, "　ならば　"),
    kKeyWait,
    DrawWidthPiece(3),
    ArcSignedText(5, "AB="),
    ArcSignedText(5, "CD"),
    kKeyWait,
    NewLine(44, 130, 0, "教科書P166 問3　をしなさい。"),
};

// The chords from P to A and B and from Q to C and D.
void inscribedAngleChords(Program& P) {
  for (auto [from, to] : {std::pair{pt::A, pt::P}, {pt::B, pt::P}, {pt::C, pt::Q}, {pt::D, pt::Q}})
    kit::DrawSegment(P, from, to, 0);
}

}  // namespace

Screen ArcTheorem(Program& P) {
  equalArcsFigure(P);
  drawLabels(P, {kLabelA, kLabelB, kLabelC, kLabelD}, 0);
  // The central angles AOB and COD, each by two arcs; "O" just off the centre.
  kit::DrawAngleMark(P, {.vertex = pt::O, .arm1 = pt::A, .arm2 = pt::B, .length = 60, .count = 2, .side = 1,
                         .line = 0, .fill = 5, .label = ""});
  kit::LabelVertex(P, pt::O, pt::A, pt::B, "O", 0, 4.8f, -1, 0, 0);
  kit::DrawAngleMark(P, {.vertex = pt::O, .arm1 = pt::D, .arm2 = pt::C, .length = 60, .count = 2, .side = -1,
                         .line = 0, .fill = 5, .label = ""});
  equalArcTicks(P);
  kit::TextCursorAt(P, 108, 30);
  kit::DrawTextPieces(P, kCentralAngles);
  // The inscribed angles APB and CQD join the figure.
  P.pf.setDrawWidth(5);
  drawLabels(P, {kLabelP, kLabelQ}, 3);
  inscribedAngleChords(P);
  shell::WaitAnyKey(P);
  kit::DrawAngleMark(P, {.vertex = pt::P, .arm1 = pt::A, .arm2 = pt::B, .length = 70, .count = 1, .side = 1,
                         .line = 0, .fill = 5, .label = ""});
  kit::DrawAngleMark(P, {.vertex = pt::Q, .arm1 = pt::D, .arm2 = pt::C, .length = 70, .count = 1, .side = -1,
                         .line = 0, .fill = 5, .label = ""});
  kit::DrawTextPieces(P, kInscribedAngles);
  return {ArcSubMenu};
}

Screen ArcIntroTask(Program& P) {
  equalArcsFigure(P);
  inscribedAngleChords(P);
  drawLabels(P, {kLabelA, kLabelB, kLabelP, kLabelC, kLabelD, kLabelQ}, 0);
  // The central angle AOB, 40 degrees, as a sector; "O" just off the centre, opposite it.
  kit::DrawAngleMark(P, {.vertex = pt::O, .arm1 = pt::A, .arm2 = pt::B, .length = 32, .count = 0, .side = 1,
                         .line = 0, .fill = 3, .label = ""});
  kit::LabelVertex(P, pt::O, pt::A, pt::B, "O", 0, 4.8f, -1, 0, 0);
  kit::LabelVertex(P, pt::O, pt::A, pt::B, "40°", 5, 50, 1, 0, 0);
  equalArcTicks(P);
  kit::TextCursorAt(P, 108, 30);
  kit::DrawTextPieces(P, kTask);
  return {ArcSubMenu};
}

}  // namespace lunevar
