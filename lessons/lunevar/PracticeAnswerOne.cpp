// Practice answer (1): the triangle ABC in circle O with the radii OB and OC; from angle OCB = 15
// degrees, the isosceles triangle OBC gives angle BOC = 150 and so x = 75.
#include "kit/Marks.h"
#include "kit/Text.h"
#include "lunevar/ConverseLesson.h"  // Letter, DrawLetters
#include "lunevar/PracticeAnswers.h"

namespace lunevar {

namespace {

constexpr int O = 0, A = 1, B = 2, C = 3;

constexpr FigurePoint kPoints[] = {{A, 80}, {B, 200}, {C, 350}};
constexpr Letter kLetters[] = {{"A", A, -14, -50}, {"B", B, -14, 8}, {"C", C, 6, -10}};

// The marks of the angles, each a sector of radius 60 filled in colour 3 but the central angle.
constexpr kit::AngleMark kGivenAngle = Mark(C, O, B, 60, 0, 3, "15%", 3, 0, 40);
constexpr kit::AngleMark kAskedAngle = Mark(A, B, C, 60, 0, 3, "x", 5, 0, 0);
constexpr kit::AngleMark kBaseAngle = Mark(B, C, O, 60, 0, 3, "15%", 3, 0, 40);
constexpr kit::AngleMark kCentralAngle = Mark(O, B, C, 40, 1, 3, "150%", 3, 0, 0);

using kit::kKeyWait, kit::NewLine, kit::SameLine;

constexpr kit::TextPiece kEqualRadii[] = {
    kKeyWait,
    NewLine(40, 60, 0, "OB=OC だから"),
    SameLine(0, 3, "∠OBC=15%"),
};
constexpr kit::TextPiece kCentral[] = {
    kKeyWait,
    NewLine(40, 50, 3, "∠BOC="),
    SameLine(0, 0, "180%-15%-15%="),
    SameLine(0, 3, "150%"),
};
constexpr kit::TextPiece kAnswer[] = {
    kKeyWait,
    NewLine(40, 90, 0, "したがって、"),
    SameLine(0, 5, "∠x="),
    SameLine(0, 0, "ﾀ1/2ﾀ*150%="),
    SameLine(0, 5, "75%"),
};

}  // namespace

Screen PracticeAnswerOne(Program& P) {
  PracticeAnswerFrame(P, "(1)", kPoints, CentreMark::OAbove);
  kit::DrawPath(P, {A, B, O, C, B, A, C}, 0);  // the triangle and the radii OB, OC in one stroke
  DrawLetters(P, kLetters, 0);
  kit::DrawAngleMark(P, kGivenAngle);
  kit::DrawAngleMark(P, kAskedAngle);
  kit::DrawTextPieces(P, kEqualRadii);
  for (int end : {B, C}) kit::DrawTicks(P, O, end, 15, 1, 3, 0, 8);
  kit::DrawAngleMark(P, kBaseAngle);
  kit::DrawTextPieces(P, kCentral);
  kit::DrawAngleMark(P, kCentralAngle);
  kit::DrawTextPieces(P, kAnswer);
  return {PracticeSubMenu};
}

}  // namespace lunevar
