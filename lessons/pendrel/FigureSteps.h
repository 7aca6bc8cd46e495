// Pendrel's own figure steps: each passes its points through the shared variables that the
// answers' own steps write (A, B, C; M, N; N1 to N3), besides what the kit's mark writes.
#pragma once

#include <span>

#include "kit/Marks.h"
#include "pendrel/AnswerScreen.h"
#include "shell/Program.h"

namespace pendrel {

using shell::Program;

// The polyline a, b, c in colour 0, open or closed. Writes A, B, C.
void PathViaABC(Program& P, int a, int b, int c, kit::PathKind kind);
// The segment from point m to point n in colour. Writes M, N.
void SegmentViaMN(Program& P, int m, int n, float colour = 0);
// A tick across the circle about point 0 at `degrees`: point `outer` 15 outside radius R1, point
// outer + 1 15 inside it, and the segment between them in colour 3. Writes M, N.
void TickAcrossCircle(Program& P, int outer, float degrees);
// An angle mark with its vertex and arms kept in A, B, C.
using kit::AngleMarkViaABC;
// A right-angle mark of side `length` in colour at vertex n1 between n2 and n3, the arms taken
// in the order `side` names (kit::DrawCornerOnSide). Writes N1, N2, N3.
void RightAngleViaN123(Program& P, int n1, int n2, int n3, float side, float length, float colour);

// A row of an answer's table of angle marks: at `vertex` from the arm towards `arm1`
// counter-clockwise to the arm towards `arm2`, `count` arcs (0: one filled sector with a
// colour-0 outline) in `fill`, and the label in its colour ("" for none).
struct Mark {
  int vertex, arm1, arm2;
  float length, count, fill;
  const char* label;
  float labelColour;
};
// The row as an angle mark with ITI 1, CCC2 0 and AAAX = AAAY = 0 (kit::AngleMarkViaABC).
void DrawMarkViaABC(Program& P, const Mark& m);
void DrawMarksViaABC(Program& P, std::span<const Mark> marks);

// The same steps as pieces of an answer's text table, drawn where the text reaches them: an
// angle mark kept in A, B, C, a mark row, every row of a mark table, a segment (SegmentViaMN), a
// right-angle mark with its arms in the order `side` gives (RightAngleViaN123), the ticks of
// equal lengths, 15 long in colour 3 and 8 apart (kit::DrawTicks), the circle about point 0 of
// radius R1 or its arc from `start` to `end` (kit::DrawCircle), the path through three points
// (kit::DrawPath), a table of letters in colour 0 (kit::DrawLetters) and the thin arc sign over
// the letters at the cursor. Each writes what the step it calls writes.
template <const kit::AngleMark& mark>
constexpr TextPiece AngleMarkPiece = FigurePiece([](Program& P) { kit::AngleMarkViaABC(P, mark); });
template <const Mark& mark>
constexpr TextPiece MarkPiece = FigurePiece([](Program& P) { DrawMarkViaABC(P, mark); });
template <const auto& marks>
constexpr TextPiece MarksPiece = FigurePiece([](Program& P) { DrawMarksViaABC(P, marks); });
template <int m, int n, int colour = 0>
constexpr TextPiece SegmentPiece = FigurePiece([](Program& P) { SegmentViaMN(P, m, n, colour); });
template <int n1, int n2, int n3, int length, int colour, int side = -1>
constexpr TextPiece CornerPiece =
    FigurePiece([](Program& P) { RightAngleViaN123(P, n1, n2, n3, side, length, colour); });
template <int from, int to, int count, int shift = 0>
constexpr TextPiece TicksPiece = FigurePiece([](Program& P) { kit::DrawTicks(P, from, to, 15, count, 3, shift, 8); });
template <int colour, float start = 0.0f, float end = 0.0f>
constexpr TextPiece CirclePiece = FigurePiece([](Program& P) { kit::DrawCircle(P, 0, P.v.R1, colour, start, end); });
template <int a, int b, int c, int colour, kit::PathKind kind, int fill = 0>
constexpr TextPiece PathPiece = FigurePiece([](Program& P) { kit::DrawPath(P, {a, b, c}, colour, kind, fill); });
template <const auto& letters>
constexpr TextPiece LettersPiece = FigurePiece([](Program& P) { kit::DrawLetters(P, letters); });
template <int width>
constexpr TextPiece ThinArcSignPiece = FigurePiece([](Program& P) { kit::ThinArcSignOverLetters(P, width); });

}  // namespace pendrel
