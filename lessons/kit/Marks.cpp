// Figure steps on the point tables (see Marks.h). They only set the marks' shared inputs and
// call the figure marks; they keep nothing.
#include "kit/Marks.h"

#include <cmath>
#include <utility>
#include <vector>

#include "figures/Marks.h"
#include "kit/Text.h"
#include "platform/Errors.h"
#include "platform/Page.h"

namespace kit {

namespace {

int colourOf(float c) { return static_cast<int>(c); }

}  // namespace

void GridPaper(Program& P, float left, float top, float columns, float rows, float colour, float size) {
  auto& v = P.v;
  v.GGX = left; v.GGY = top; v.YOKO = columns; v.TATE = rows; v.CCC2 = colour; v.SIZE = size;
  figures::DrawGrid(P);
}

void FigureFrame(Program& P, float left, float top, float columns, float rows, float size) {
  GridPaper(P, left, top, columns, rows, 15, size);
}

void SetAngleArms(Program& P, int vertex, int arm1, int arm2) {
  auto& v = P.v;
  v.ZX0 = v.X_a(vertex); v.ZY0 = v.Y_a(vertex);
  v.ZX1 = v.X_a(arm1); v.ZY1 = v.Y_a(arm1);
  v.ZX2 = v.X_a(arm2); v.ZY2 = v.Y_a(arm2);
}

void DrawSegment(Program& P, int from, int to, float colour) {
  auto& v = P.v;
  P.pf.line(v.X_a(from), v.Y_a(from), v.X_a(to), v.Y_a(to), colourOf(colour));
}

void DrawDot(Program& P, int i, float r, float colour) {
  P.pf.circle(P.v.X_a(i), P.v.Y_a(i), r, colourOf(colour), 0, 0, platform::kFillLineColour);
}

void DrawCircle(Program& P, int i, float r, float colour, float start, float end) {
  P.pf.circle(P.v.X_a(i), P.v.Y_a(i), r, colourOf(colour), start, end);
}

void DrawArcBetweenArms(Program& P, int centre, int arm1, int arm2, float r, float colour) {
  auto& v = P.v;
  SetAngleArms(P, centre, arm1, arm2);
  v.ITI = 1;
  figures::ComputeArmAngles(P);
  DrawCircle(P, centre, r, colour, v.HH2, v.HH1);
}

void CircleWithCentreO(Program& P, int centre, float r, float dot, float dx, float dy) {
  DrawCircle(P, centre, r, 0);
  DrawDot(P, centre, dot, 0);
  LetterAt(P, centre, dx, dy, "O", 0);
}

void DrawPath(Program& P, std::initializer_list<int> points, float colour, PathKind kind, float fill) {
  auto& v = P.v;
  std::vector<std::pair<float, float>> pts;
  for (int i : points) pts.emplace_back(v.X_a(i), v.Y_a(i));
  if (kind != PathKind::Open && !pts.empty()) pts.push_back(pts.front());
  if (pts.size() > 7) platform::raise(platform::IllegalFunctionCall);
  P.pf.polyline(pts, colourOf(colour), kind == PathKind::Filled ? colourOf(fill) : platform::kNoFill);
}

void LetteredPolygon(Program& P, std::initializer_list<int> points, float width, float colour, float gap,
                     const std::string& firstLetter) {
  auto& v = P.v;
  int i = 1;
  for (int p : points) {
    v.G_a(i, 1) = v.X_a(p);
    v.G_a(i, 2) = v.Y_a(p);
    ++i;
  }
  v.SIZE1 = width; v.CCC2 = colour; v.KAKU = static_cast<float>(points.size()); v.NAGASA = gap;
  v.AAA_s = firstLetter;
  figures::DrawPolygon(P);
}

void LabelVertex(Program& P, int vertex, int arm1, int arm2, const std::string& text, float colour, float gap,
                 float side, Keep dx, Keep dy) {
  auto& v = P.v;
  SetAngleArms(P, vertex, arm1, arm2);
  v.CCC1 = colour; v.NAGASA = gap; v.ITI = side; v.AAA_s = text;
  SetIfGiven(v.AAAX, dx);
  SetIfGiven(v.AAAY, dy);
  figures::PlaceVertexLabel(P);
}

void LetterAt(Program& P, int i, float dx, float dy, const std::string& text, float colour) {
  TextAt(P, P.v.X_a(i) + dx, P.v.Y_a(i) + dy, text, colour);
}

void LetteredDot(Program& P, int i, float r, float dotColour, float dx, float dy, const std::string& text,
                 float letterColour) {
  DrawDot(P, i, r, dotColour);
  LetterAt(P, i, dx, dy, text, letterColour);
}

void DrawLetters(Program& P, std::span<const Letter> letters, float colour) {
  for (const Letter& l : letters) LetterAt(P, l.point, l.dx, l.dy, l.text, colour);
}

void DrawAngleMark(Program& P, const AngleMark& m) {
  auto& v = P.v;
  SetAngleArms(P, m.vertex, m.arm1, m.arm2);
  v.NAGASA = m.length;
  v.HONSU = m.count;
  SetIfGiven(v.ITI, m.side);
  SetIfGiven(v.CCC1, m.textColour);
  SetIfGiven(v.CCC2, m.line);
  SetIfGiven(v.CCC3, m.fill);
  if (m.label) v.AAA_s = m.label;
  SetIfGiven(v.AAAX, m.labelDx);
  SetIfGiven(v.AAAY, m.labelDy);
  figures::DrawAngleArcs(P);
}

void AngleMarkViaABC(Program& P, const AngleMark& m) {
  auto& v = P.v;
  v.A = static_cast<float>(m.vertex);
  v.B = static_cast<float>(m.arm1);
  v.C = static_cast<float>(m.arm2);
  DrawAngleMark(P, m);
}

namespace {

void setSegment(Program& P, int from, int to) {
  auto& v = P.v;
  v.AX = v.X_a(from); v.AY = v.Y_a(from);
  v.BX = v.X_a(to); v.BY = v.Y_a(to);
}

}  // namespace

void DrawTicks(Program& P, int from, int to, float length, float count, float colour, Keep shift, Keep spacing) {
  auto& v = P.v;
  DrawTicksBetween(P, v.X_a(from), v.Y_a(from), v.X_a(to), v.Y_a(to), length, count, colour, shift, spacing);
}

void DrawTicksBetween(Program& P, float ax, float ay, float bx, float by, float length, float count, float colour,
                      Keep shift, Keep spacing) {
  auto& v = P.v;
  v.AX = ax; v.AY = ay; v.BX = bx; v.BY = by;
  v.NAGASA = length; v.HONSU = count; v.CCC2 = colour;
  SetIfGiven(v.ITI, shift);
  SetIfGiven(v.AIDA, spacing);
  figures::DrawEqualLengthTicks(P);
}

void DrawParallelArrows(Program& P, int from, int to, float a, float b, float length, float count, float colour) {
  auto& v = P.v;
  setSegment(P, from, to);
  v.A = a; v.B = b; v.NAGASA = length; v.HONSU = count; v.CCC2 = colour;
  figures::DrawParallelMarks(P);
}

void DrawCorner(Program& P, int vertex, int arm1, int arm2, float length, float colour) {
  auto& v = P.v;
  SetAngleArms(P, vertex, arm1, arm2);
  v.NAGASA = length; v.CCC2 = colour;
  figures::DrawCornerMark(P);
}

void DrawCornerOnSide(Program& P, int vertex, int arm1, int arm2, float length, float colour, float side) {
  P.v.ITI = side;
  DrawCorner(P, vertex, arm1, arm2, length, colour);
}

void ArcSignAt(Program& P, float x, float y, float width, float colour) {
  auto& v = P.v;
  v.ZX0 = x; v.ZY0 = y; v.ZX1 = x + width; v.ZY1 = y;
  v.CCC2 = colour; v.HOUKOU = -1; v.HABA = 1; v.TAKASA = -10;
  figures::DrawArcMark(P);
}

void ArcSignOverLetters(Program& P, float width, float colour) { ArcSignAt(P, P.v.XI2, P.v.YI1, width, colour); }

void ThinArcSignOverLetters(Program& P, float width) {
  P.pf.setDrawWidth(3);
  ArcSignOverLetters(P, width, 0);
  P.pf.setDrawWidth(5);
}

void UnlabelledArcSign(Program& P, float colour, float width) {
  P.v.AAA_s.clear();
  P.v.CCC1 = 5;
  ArcSignOverLetters(P, width, colour);
}

void EqualArcsLine(Program& P, float step, const std::string& first, const std::string& second,
                   float widthAfter) {
  EmptyLine(P, step);
  P.pf.setDrawWidth(3);
  ArcSignOverLetters(P);
  TextOnLine(P, 0, first, 0);
  ArcSignOverLetters(P);
  P.pf.setDrawWidth(static_cast<int>(widthAfter));
  TextOnLine(P, 0, second, 0);
}

void SideSign(Program& P, int from, int to, float side, float height, float spacing, float colour,
              const std::string& label) {
  auto& v = P.v;
  v.A = static_cast<float>(from); v.B = static_cast<float>(to);
  v.ZX0 = v.X_a(from); v.ZY0 = v.Y_a(from);
  v.ZX1 = v.X_a(to); v.ZY1 = v.Y_a(to);
  v.HOUKOU = side; v.TAKASA = height; v.HABA = spacing; v.CCC2 = colour;
  v.AAA_s = label;
  figures::DrawArcMark(P);
}

ArcEnds CompassArcEnds(float startDirection, float endDirection, float span) {
  ArcEnds e{startDirection - span, endDirection + span};
  if (e.end > 1) e.end = e.end - 1;
  if (e.start < 0) e.start = e.start + 1;
  return e;
}

void CompassArcStep(Program& P, const CompassStroke& s, float radius) {
  auto& v = P.v;
  SetAngleArms(P, s.centre, s.first, s.second);
  v.ITI = s.side;
  figures::ComputeArmAngles(P);
  float start = s.form == ArcForm::AcrossFirst ? v.HH1 : v.HH2;
  float end = s.form == ArcForm::AcrossSecond ? v.HH2 : v.HH1;
  ArcEnds e = CompassArcEnds(start, end, s.span);
  if (s.dot > 0) DrawDot(P, s.centre, s.dot, s.colour);
  DrawCircle(P, s.centre, radius, s.colour, e.start, e.end);
}

Pen DotOnBisector(Program& P, int vertex, int arm1, int arm2, float distance, float side, float r, float colour) {
  auto& v = P.v;
  SetAngleArms(P, vertex, arm1, arm2);
  v.NAGASA = distance;
  v.ITI = side;
  figures::ComputeArmAngles(P);
  Pen at{v.ZX0 + v.NAGASA * std::cos(v.HH5), v.ZY0 - v.NAGASA * std::sin(v.HH5)};
  P.pf.circle(at.x, at.y, r, static_cast<int>(colour), 0, 0, platform::kFillLineColour);
  return at;
}

}  // namespace kit
