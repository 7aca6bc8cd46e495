// Item 6, choice 2: where P stands against the circle through A, B and C. The first page adds
// P on, inside and outside the circle to one figure; the second page sets the three cases side
// by side and reveals, box by box, how ∠APB compares with ∠ACB and why.
#include "kit/Answers.h"
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "lunevar/ConverseLesson.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

using kit::NewLine, kit::SameLine;

// The first page.

constexpr kit::TextPiece kTask[] = {
    NewLine(40, 0, 3, "直線AB"),
    SameLine(0, 0, "について、点Pを点Cと"),
    SameLine(0, 3, "同じ側"),
    SameLine(0, 0, "にとるとき、"),
    NewLine(40, 50, 3, "∠ACBと∠APBの大きさ"),
    SameLine(0, 0, "を次の3つの場合で調べよう。"),
};

constexpr kit::TextPiece kCases[] = {
    NewLine(40, 70, 3, "(1)"), SameLine(0, 0, "円周上"),
    NewLine(40, 60, 3, "(2)"), SameLine(0, 0, "内部"),
    NewLine(40, 60, 3, "(3)"), SameLine(0, 0, "外部"),
};

// O is point 1 with A, B and C on its circle (C at 130 here, at 120 in the panels).
constexpr DirectedPoint kLargeABC[] = {
    {2, &Lunevar::DHRA, 220}, {3, &Lunevar::DHRB, 320}, {4, &Lunevar::DHRC, 130}};
// P on the circle, inside it and outside it.
constexpr PlacedPoint kLargePs[] = {{5, 1, 5, 25}, {6, 1, 3.5f, 50}, {7, 1, 7, 60}};

constexpr Letter kLargeLetters[] = {{"A", 2, -40, 4}, {"B", 3, 10, 4}, {"C", 4, -16, -45}};

// The angle a at C (one arc) and the shaded angle APB at P, each from the arm to A to the arm to B.
constexpr kit::AngleMark angleA(int c, int a, int b) { return Mark(c, a, b, 50, 1, 3, "a", 3); }
constexpr kit::AngleMark angleAPB(int p, int a, int b, float radius) { return Mark(p, a, b, radius, 0, 5, "", 3); }

// The panel page: three small figures of the same circle, P on it in (1), inside in (2),
// outside in (3). Panel n uses points b+1 to b+5 (O, A, B, C, and P or Q), b = 10(n - 1);
// in (2) and (3) P lies on the ray from A through Q.

struct Panel {
  const char* number;
  float left;            // the frame's left edge, kept in T(10 + n)
  const char* fifth;     // the letter of point b+5: P on the circle, Q in the other panels
  int p;                 // P's point
  float alongAQ;         // P's distance from A towards Q, in radii (0: P is point b+5)
  Segment segments[5];   // drawn in this order (panel (1) has four)
  float pLetterDy;       // P's letter stands this far above the point
  float sectorRadius;
};

constexpr Panel kPanels[] = {
    {"(1)", 60, "P", 5, 0, {{2, 4}, {3, 4}, {2, 5}, {3, 5}}, -50, 50},
    {"(2)", 450, "Q", 16, 1.5f, {{12, 14}, {13, 14}, {12, 15}, {13, 15}, {13, 16}}, -50, 40},
    {"(3)", 840, "Q", 27, 2.5f, {{22, 24}, {23, 24}, {22, 27}, {23, 25}, {23, 27}}, -40, 40},
};

// A, B, C and point b+5 about each panel's O.
constexpr DirectedPoint kPanelPoints[] = {
    {2, &Lunevar::DHRA, 220}, {3, &Lunevar::DHRB, 320}, {4, &Lunevar::DHRC, 120}, {5, &Lunevar::DHRP, 60}};

// The relation of each case, filled into its box (the boxes keep their places in T(1) to T(3)).
constexpr kit::Answer kSigns[] = {{72, "="}, {72, ">"}, {72, "<"}};
constexpr kit::AnswerBoxes kSignBoxes{kSigns};

// The marks that the reasons of cases (2) and (3) name: a at Q, and b at B between BQ and BP.
constexpr kit::AngleMark kInsideMarks[] = {
    angleA(15, 12, 13),
    Mark(13, 15, 16, 70, 1, 5, "b", 5),
};
// Here the arms swap (side -1) so that b is the small angle QBP, not the reflex one.
constexpr kit::AngleMark kOutsideMarks[] = {
    angleA(25, 22, 23),
    {.vertex = 23, .arm1 = 25, .arm2 = 27, .length = 70, .count = 1, .side = -1, .textColour = 5, .line = 0,
     .fill = 5, .label = "b"},
};

// The reason of each case under its panel, with the marks it names.
struct Relation {
  const char* reason;
  std::span<const kit::AngleMark> marks;
};
constexpr Relation kRelations[] = {
    {"円周角の定理より", {}},
    {"∠APB=∠a+∠b", kInsideMarks},
    {"∠a=∠APB+∠b", kOutsideMarks},
};

// The frame of panel n and its points.
void setUpPanel(Program& P, int n) {
  auto& v = P.v;
  const Panel& panel = kPanels[n - 1];
  int b = 10 * (n - 1);
  kit::FigureFrame(P, panel.left, 170, 10, 10, 30);
  v.T_a(10 + n) = v.GGX;
  if (n == 1) kit::TextCursorAt(P, v.SIZE, 30);
  CentreAndRadius(P, b + 1, 5, 5, 5);
  PlaceKeepingDirections(P, b + 1, kPanelPoints, b);
  if (panel.alongAQ > 0)
    kit::PointAtRadians(P, panel.p, b + 2, panel.alongAQ * v.R1, kit::DirectionBetween(P, b + 2, b + 5));
}

void drawPanel(Program& P, int n) {
  auto& v = P.v;
  const Panel& panel = kPanels[n - 1];
  int b = 10 * (n - 1);
  P.pf.setDrawWidth(5);
  kit::LetteredDot(P, b + 1, 4, 0, -16, 4, "O", 0);
  LineAcrossFrame(P, b + 2);
  const Letter letters[] = {
      {"A", b + 2, -40, 4}, {"B", b + 3, 10, 4}, {"C", b + 4, -16, -45}, {panel.fifth, b + 5, -20, -50}};
  DrawLetters(P, letters, 0);
  DrawSegmentList(P, panel.segments);
  if (panel.p != b + 5) kit::LetterAt(P, panel.p, -20, panel.pLetterDy, "P", 0);
  P.pf.setDrawWidth(5);
  kit::DrawCircle(P, b + 1, v.R1, 0);
  kit::DrawAngleMark(P, angleA(b + 4, b + 2, b + 3));
  kit::DrawAngleMark(P, angleAPB(panel.p, b + 2, b + 3, panel.sectorRadius));

  // The heading row: every panel's stands on the line y 30 that panel (1) set.
  kit::TextOnNewLine(P, n == 1 ? v.XI1 : v.GX1, 0, panel.number, 3);
  kit::TextOnLine(P, 0, "∠APB", 0);
  kit::EmptyAnswerBox(P, kSignBoxes, n, 10);
  kit::TextOnLine(P, 10, "∠a", 0);
}

}  // namespace

Screen PositionCases(Program& P) {
  auto& v = P.v;
  kit::OpenPage(P, {.margin = 40});
  kit::FigureFrame(P, 320, 200, 10, 11, 40);
  kit::DrawTextPieces(P, kTask);

  CentreAndRadius(P, 1, 5, 5, 5);
  PlaceKeepingDirections(P, 1, kLargeABC);
  PlacePoints(P, kLargePs);
  kit::CircleWithCentreO(P, 1, v.R1, 4, -16, 4);
  LineAcrossFrame(P, 2);
  DrawLetters(P, kLargeLetters, 0);
  kit::DrawSegment(P, 2, 4, 0);
  kit::DrawSegment(P, 3, 4, 0);
  kit::DrawAngleMark(P, angleA(4, 2, 3));
  kit::DrawTextPieces(P, kCases);
  shell::WaitAnyKey(P);
  for (const PlacedPoint& p : kLargePs) {
    kit::DrawSegment(P, 2, p.index, 0);
    kit::DrawSegment(P, 3, p.index, 0);
    kit::DrawAngleMark(P, angleAPB(p.index, 2, 3, 50));
    kit::LetterAt(P, p.index, 8, -25, "P", 0);
    shell::WaitAnyKey(P);
  }

  kit::ClearWholePage(P);
  for (int n = 1; n <= 3; ++n) {
    setUpPanel(P, n);
    drawPanel(P, n);
  }
  int n = 1;
  for (const Relation& rel : kRelations) {
    shell::WaitAnyKey(P);
    kit::FillAnswerBox(P, kSignBoxes, n);
    shell::WaitAnyKey(P);
    kit::TextAt(P, v.T_a(10 + n), v.GY2 + 30, rel.reason, 3);
    for (const kit::AngleMark& m : rel.marks) kit::DrawAngleMark(P, m);
    ++n;
  }
  return {ConverseSubMenu};
}

}  // namespace lunevar
