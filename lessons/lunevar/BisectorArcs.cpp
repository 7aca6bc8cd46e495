// Item 4's last screen: when PC bisects the inscribed angle APB, the arcs AC and CB are equal,
// since equal inscribed angles of one circle stand on equal arcs.
#include "kit/Marks.h"
#include "kit/Text.h"
#include "lunevar/ArcLesson.h"
#include "lunevar/ConverseLesson.h"  // Letter, DrawLetters
#include "lunevar/SixCellCircle.h"

namespace lunevar {

namespace {

constexpr int O = 0, A = 1, B = 2, C = 3, Pp = 4;

constexpr FigurePoint kPoints[] = {{A, 210}, {B, 330}, {C, 270}, {Pp, 60}};

constexpr Letter kLetters[] = {{"A", A, -20, 4}, {"B", B, -14, 8}, {"C", C, -14, 8}, {"P", Pp, 10, -50}};

using kit::ArcSignedText, kit::kKeyWait, kit::NewLine, kit::SameLine;

constexpr kit::TextPiece kQuestion[] = {
    NewLine(40, 0, 3, "PCが∠APBの二等分線のとき、"),
    NewLine(40, 65, 3, ""),
    ArcSignedText(3, "ACと"),
    ArcSignedText(3, "CBの関係は？"),
};

constexpr kit::TextPiece kExplanation[] = {
    kKeyWait,
    NewLine(40, 60, 0, "PCは円周角∠APBの二等分線だから"),
    NewLine(40, 50, 3, "∠APC=∠CPB"),
    kKeyWait,
    NewLine(40, 50, 0, "1つの円で、"),
    NewLine(40, 50, 0, "等しい円周角に対する弧は等しいから"),
    kKeyWait,
    NewLine(40, 65, 3, ""),
    ArcSignedText(3, "AC="),
    ArcSignedText(3, "CB"),
};

}  // namespace

Screen BisectorArcExplanation(Program& P) {
  kit::OpenPage(P, {.numbers = 40});  // draw width 5 for text, arc signs and figure alike
  kit::DrawTextPieces(P, kQuestion);
  DrawSixCellCircle(P, kPoints);
  kit::DrawPath(P, {A, Pp, C, Pp, B}, 0);  // PC twice over: the chords PA, PC and PB in one stroke
  DrawLetters(P, kLetters, 0);
  // The equal angles APC and CPB, each with a dot on its bisector.
  kit::DotOnBisector(P, Pp, A, C, 50, 1, 8, 3);
  kit::DotOnBisector(P, Pp, C, B, 50, 1, 8, 3);
  kit::DrawTextPieces(P, kExplanation);
  return {ArcSubMenu};
}

}  // namespace lunevar
