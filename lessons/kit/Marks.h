// Figure steps on the point tables X(), Y(): grid paper and the figure frame, segments, dots,
// circles and arcs, paths and polygons, letters, angle marks, ticks and parallel marks, corner
// marks, the arc signs, compass strokes and the dots beside a proof. Typed wrappers over the
// figure marks: each sets the marks' shared inputs from its arguments, calls the mark, and keeps
// nothing of its own.
#pragma once

#include <initializer_list>
#include <span>
#include <string>

#include "kit/Flow.h"
#include "kit/Points.h"
#include "shell/Program.h"

namespace kit {

using shell::Program;

// ---- Grid paper and the figure frame.

// Grid paper laid out from (left, top) with columns x rows cells of `size`; lines in `colour`
// (15, the page colour, draws none). Writes GGX, GGY, YOKO, TATE, CCC2, SIZE; DrawGrid leaves
// GX0, GY0 (the origin), GX1, GY1, GX2, GY2 (the frame) and PI.
void GridPaper(Program& P, float left, float top, float columns, float rows, float colour, float size);
// The frame of columns x rows cells of `size` at (left, top), with no grid line drawn. Writes
// GGX, GGY, YOKO, TATE, SIZE and CCC2 = 15; DrawGrid leaves GX0, GY0, GX1, GY1, GX2, GY2 and PI.
void FigureFrame(Program& P, float left, float top, float columns, float rows, float size);

// ---- Lines, dots, circles and paths.

// Writes ZX0, ZY0 (vertex), ZX1, ZY1 (arm 1) and ZX2, ZY2 (arm 2) from the point table.
void SetAngleArms(Program& P, int vertex, int arm1, int arm2);
// Line from point `from` to point `to` in colour, at the draw width in force. Reads the point table.
void DrawSegment(Program& P, int from, int to, float colour);
// A dot of radius r on point i, filled in its own colour. Reads the point table.
void DrawDot(Program& P, int i, float r, float colour);
// A circle of radius r about point i in colour, not filled; or, with start and end (fractions of
// a turn, as the page's circle takes them), the arc between them. Reads the point table.
void DrawCircle(Program& P, int i, float r, float colour, float start = 0, float end = 0);
// The arc of radius r about point `centre` from the direction of point `arm2` clockwise on the
// page to that of point `arm1`, in colour. Writes the arms and ITI = 1; ComputeArmAngles leaves
// HH1 to HH5.
void DrawArcBetweenArms(Program& P, int centre, int arm1, int arm2, float r, float colour);
// A figure's circle of radius r about point `centre` in colour 0, its centre dot of radius `dot`
// and the letter "O" at (dx, dy) from it.
void CircleWithCentreO(Program& P, int centre, float r, float dot, float dx, float dy);
// One polyline through the listed points (up to 7): open, closed, or closed and filled with
// `fill`. Reads the point table.
enum class PathKind { Open, Closed, Filled };
void DrawPath(Program& P, std::initializer_list<int> points, float colour, PathKind kind = PathKind::Open,
              float fill = 0);
// The closed polygon through the listed points (3 to 10) at pen width `width` in colour, its
// vertices lettered from `firstLetter` on ("A" gives A, B, C, ...), `gap` out, in the colour CCC1
// holds. Writes G(), KAKU, SIZE1, CCC2, NAGASA, AAA$; the letters clear ITI, NAGASA.
void LetteredPolygon(Program& P, std::initializer_list<int> points, float width, float colour, float gap,
                     const std::string& firstLetter);

// ---- Letters.

// The label text beside a vertex, on the side that the arms and `side` select, `gap` out.
// Writes the arms (SetAngleArms), CCC1, NAGASA, ITI, AAA$ and, where given, AAAX, AAAY; the
// label placer leaves X, Y past the text and clears ITI, AAA$, AAAX, AAAY, NAGASA.
void LabelVertex(Program& P, int vertex, int arm1, int arm2, const std::string& text, float colour, float gap,
                 float side, Keep dx = {}, Keep dy = {});
// Text at point i moved by (dx, dy), in colour. Writes CCC1, X, Y, AA$; the cursor stays.
void LetterAt(Program& P, int i, float dx, float dy, const std::string& text, float colour);
// A dot of radius r on point i in `dotColour`, then the text at (dx, dy) from the point in
// `letterColour`. Writes what DrawDot and LetterAt write.
void LetteredDot(Program& P, int i, float r, float dotColour, float dx, float dy, const std::string& text,
                 float letterColour);
// A row of a figure's letters: the text at (dx, dy) from its point.
struct Letter {
  const char* text;
  int point;
  float dx, dy;
};
// Each letter in turn, in colour (as LetterAt).
void DrawLetters(Program& P, std::span<const Letter> letters, float colour = 0);

// ---- Angle marks.

// An angle mark: `count` arcs (0: one filled sector) of size `length` at the vertex, between the
// arms, and its label. A row of a figure's mark table; what a row leaves unset keeps its value.
struct AngleMark {
  int vertex, arm1, arm2;
  float length;                      // NAGASA
  float count;                       // HONSU
  Keep side{};                       // ITI: which of the two angles the arms make
  Keep textColour{};                 // CCC1, the label's colour
  Keep line{};                       // CCC2, the sector's outline
  Keep fill{};                       // CCC3, the arcs' colour or the sector's fill
  const char* label = nullptr;       // AAA$ (none: as left)
  Keep labelDx{}, labelDy{};           // AAAX, AAAY
};
// Writes the arms and every field given; DrawAngleArcs leaves HH1 to HH5 and clears ITI and AAA$.
void DrawAngleMark(Program& P, const AngleMark& m);
// The same, its vertex and arms first kept in A, B and C, as some screens keep them.
void AngleMarkViaABC(Program& P, const AngleMark& m);

// ---- Ticks and parallel marks.

// `count` strokes of half-length `length` across the segment from point `from` to point `to`, in
// colour. Writes AX, AY, BX, BY, NAGASA, HONSU, CCC2 and, where given, ITI (shift along) and
// AIDA (spacing); the mark leaves AIDA grown for the next call.
void DrawTicks(Program& P, int from, int to, float length, float count, float colour, Keep shift = {},
               Keep spacing = {});
// The same across the segment from (ax, ay) to (bx, by), given in page units.
void DrawTicksBetween(Program& P, float ax, float ay, float bx, float by, float length, float count, float colour,
                      Keep shift = {}, Keep spacing = {});
// `count` arrowheads of size `length` on the segment from `from` to `to`, at the point that
// divides it a : b. Writes AX, AY, BX, BY, A, B, NAGASA, HONSU, CCC2.
void DrawParallelArrows(Program& P, int from, int to, float a, float b, float length, float count, float colour);

// ---- Corner marks.

// The corner mark of size `length` between the arms, in colour. Writes the arms, NAGASA, CCC2.
void DrawCorner(Program& P, int vertex, int arm1, int arm2, float length, float colour);
// The same, the arms taken in the order `side` gives (ITI). Writes ITI as well; the mark leaves
// ZX3 to ZY5 and HH1 to HH5.
void DrawCornerOnSide(Program& P, int vertex, int arm1, int arm2, float length, float colour, float side);

// ---- Arc signs: over letters of the text, and the dotted sign over a side of a figure.

// The arc sign over the letters whose top-left is (x, y), `width` across (54 for two letters at
// pitch 27), in colour. Writes ZX0, ZY0, ZX1, ZY1, CCC2, HOUKOU, HABA, TAKASA; the text cursor stays.
void ArcSignAt(Program& P, float x, float y, float width = 54, float colour = 0);
// The same over the letters that start at the cursor (XI2, YI1).
void ArcSignOverLetters(Program& P, float width = 54, float colour = 0);
// The same in colour 0 at draw width 3, the draw width 5 again after it.
void ThinArcSignOverLetters(Program& P, float width = 54);
// The arc sign, with no label, over the letters `width` across that start at the cursor (XI2,
// YI1), in colour. Writes AAA$ = "", CCC1 = 5 and what ArcSignOverLetters writes.
void UnlabelledArcSign(Program& P, float colour, float width = 54);

// The line "⌒AB=⌒CD" in colour 0: an empty line `step` below the current one (EmptyLine), then
// at draw width 3 the arc sign over the two letters that start `first` ("AB="), `first`, the arc
// sign over those that start `second`, then the draw width `widthAfter` and `second` ("CD" and
// what follows it on the line). Writes what EmptyLine, ArcSignOverLetters and TextOnLine write.
void EqualArcsLine(Program& P, float step, const std::string& first, const std::string& second,
                   float widthAfter = 3);

// The dotted sign over the side from point `from` to point `to`: on the side `side` names
// (HOUKOU), `height` from it, dots `spacing` degrees apart in colour, and its label at the apex in
// the colour CCC1 holds. Writes A, B, ZX0, ZY0, ZX1, ZY1, HOUKOU, TAKASA, HABA, CCC2, AAA$; the
// sign leaves ZX0, ZY0 at its apex and clears ITI, NAGASA.
void SideSign(Program& P, int from, int to, float side, float height, float spacing, float colour,
              const std::string& label);

// ---- Compass strokes of the ruler-and-compass constructions: a short arc about a table point,
// laid across the direction of one target point or between the directions of two, widened at
// both ends.

// Where the arc lies: centred on the direction of the first or the second target, or from the
// second target's direction clockwise on the page to the first's (after the exchange ITI -1 makes).
enum class ArcForm { AcrossFirst, AcrossSecond, Between };

// One stroke: the compass point and the two targets (table indexes), ITI, the form, the widening
// of each end (a fraction of a turn), the colour of arc and dot, and the centre dot's radius
// (0: no dot, as for a second stroke from the same centre).
struct CompassStroke {
  int centre, first, second;
  float side;
  ArcForm form;
  float span;
  float colour;
  float dot;
};

// The arc's ends as fractions of a turn, from the directions that fix its start and its end:
// end + span and start - span, each brought back into the turn by a strict test (an end of
// exactly 1 and a start of exactly 0 stay).
struct ArcEnds {
  float start, end;
};
ArcEnds CompassArcEnds(float startDirection, float endDirection, float span);

// Draws one stroke of the given radius: its centre dot (where it has one), then the arc. Takes
// no key. Writes ZX0, ZY0, ZX1, ZY1, ZX2, ZY2 and ITI; ComputeArmAngles leaves HH1 to HH5, HHP, PI.
void CompassArcStep(Program& P, const CompassStroke& s, float radius);

// ---- Dots that proofs put beside their reasoning.

// A dot of radius r in colour, `distance` from the vertex on the bisector of the angle between
// the arms (taken in the order `side` names, as ITI). Writes the arms (SetAngleArms), NAGASA,
// ITI; ComputeArmAngles leaves HH1 to HH5 and PI. Returns the dot's centre.
Pen DotOnBisector(Program& P, int vertex, int arm1, int arm2, float distance, float side, float r, float colour);

}  // namespace kit
