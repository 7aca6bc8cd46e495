// Practice answer (4): arc CD is three times arc AB, so the inscribed angle x on it is three
// times the 20 degrees on arc AB; two chords from x's vertex cut arc CD into three equal arcs.
#include <utility>

#include "kit/Marks.h"
#include "kit/Text.h"
#include "lunevar/ConverseLesson.h"  // Letter, DrawLetters
#include "lunevar/PracticeAnswers.h"

namespace lunevar {

namespace {

constexpr int A = 1, B = 2, C = 3, D = 4, OnArcAB = 5, OnArcCD = 6;

// A, B, C, D and the vertices of the two inscribed angles; the points that divide arc CD in
// three; the outer and inner ends of the ticks on its thirds.
constexpr FigurePoint kPoints[] = {
    {A, 210},      {B, 250},       {C, 270},      {D, 30},        {OnArcAB, 100}, {OnArcCD, 80}, {7, 310},
    {8, 350},      {9, 290, 15},   {10, 290, -15}, {11, 330, 15}, {12, 330, -15}, {13, 10, 15},  {14, 10, -15},
};
constexpr Letter kLetters[] = {{"A", A, -20, 4}, {"B", B, -14, 8}, {"C", C, 6, -10}, {"D", D, 8, -20}};

constexpr kit::AngleMark kGivenAngle = Mark(OnArcAB, A, B, 60, 0, 3, "20%", 3, 0, 0);
constexpr kit::AngleMark kAskedAngle = Mark(OnArcCD, C, D, 60, 0, 3, "x", 5, 0, 0);

using kit::ArcSignedText, kit::kKeyWait, kit::NewLine, kit::SameLine;

constexpr kit::TextPiece kThreeTimes[] = {
    kKeyWait,
    NewLine(40, 65, 0, ""),
    ArcSignedText(0, "CDは"),
    ArcSignedText(0, "ABの3倍だから"),
};
constexpr kit::TextPiece kAnswer[] = {
    kKeyWait,
    NewLine(40, 90, 5, ""),
    SameLine(0, 5, "∠x="),
    SameLine(0, 0, "3*20%="),
    SameLine(0, 5, "60%"),
};

}  // namespace

Screen PracticeAnswerFour(Program& P) {
  PracticeAnswerFrame(P, "(4)", kPoints, CentreMark::None);
  kit::DrawPath(P, {A, OnArcAB, B}, 0);
  kit::DrawPath(P, {C, OnArcCD, D}, 0);
  DrawLetters(P, kLetters, 0);
  kit::DrawAngleMark(P, kGivenAngle);
  kit::DrawAngleMark(P, kAskedAngle);
  kit::DrawTextPieces(P, kThreeTimes);
  kit::DrawSegment(P, OnArcCD, 7, 0);
  kit::DrawSegment(P, OnArcCD, 8, 0);
  for (auto [outer, inner] : {std::pair{9, 10}, {11, 12}, {13, 14}}) kit::DrawSegment(P, outer, inner, 3);
  // x again, over the first stretch of the two new chords.
  kit::DrawAngleMark(P, kAskedAngle);
  kit::DrawTextPieces(P, kAnswer);
  return {PracticeSubMenu};
}

}  // namespace lunevar
