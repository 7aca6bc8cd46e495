// Screen 2 of item 2: the perimeter of a quadrilateral circumscribed about a circle, worked in
// eight steps from the equal tangents drawn from each vertex.
#include <initializer_list>
#include <span>
#include <string>

#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "osvatine/ConstructProve.h"

namespace osvatine {

namespace {

// Points of the figure: the centre, the vertices, and the points of contact on AD, AB, BC, CD.
constexpr int O = 0, A = 1, B = 2, C = 3, D = 4, S = 5, Pt = 6, Q = 7, R = 8;

constexpr kit::GridEntry kGridPoints[] = {
    {O, 5, 5}, {A, 1.8f, 9}, {B, 0, 1}, {C, 10, 1}, {D, 8.2f, 9}, {S, 5, 9}, {Q, 5, 1},
};

// The points of contact, each a dot with its letter at (dx, dy) from it.
constexpr kit::Letter kContacts[] = {{"S", S, 6, -40}, {"P", Pt, -43, -40}, {"Q", Q, -6, 0}, {"R", R, 6, -40}};

// A sign with a letter over part of a side, on the side `side` names.
struct LetterSign {
  int from, to;
  float side;
  const char* letter;
};
// The tangents' lengths along AD and BC, inside the quadrilateral.
constexpr LetterSign kSignsOnADAndBC[] = {{A, S, 1, "a"}, {S, D, 1, "b"}, {B, Q, -1, "c"}, {Q, C, -1, "d"}};
// The equal tangents along AB and CD, inside.
constexpr LetterSign kSignsOnABAndCD[] = {{A, Pt, -1, "a"}, {Pt, B, -1, "c"}, {C, R, -1, "d"}, {R, D, -1, "b"}};

void drawLetterSigns(Program& P, std::span<const LetterSign> signs) {
  P.v.CCC1 = 3;
  for (const LetterSign& s : signs) kit::SideSign(P, s.from, s.to, s.side, 20, 5, 7, s.letter);
}

// The quadrilateral ABCD circumscribed about circle O with its points of contact and the given
// lengths of AD and BC. Leaves points 0 to 8 and G() in page units, the frame, draw width 5.
void drawCircumscribedQuad(Program& P) {
  auto& v = P.v;
  kit::FigureFrame(P, 780, 120, 11, 10, 45);
  kit::PlaceGridEntries(P, kGridPoints);
  kit::PerpendicularFoot(P, Pt, A, B, O);
  kit::PerpendicularFoot(P, R, D, C, O);
  P.pf.setDrawWidth(5);
  v.R1 = 4 * v.SIZE;
  kit::CircleWithCentreO(P, O, v.R1, 4, 6, -20);
  kit::LetteredPolygon(P, {A, B, C, D}, 5, 0, 10, "A");
  for (const kit::Letter& c : kContacts) kit::LetteredDot(P, c.point, 4, 0, c.dx, c.dy, c.text, 0);
  // The given lengths, outside: over AD and under BC, labelled in colour 0.
  kit::SideSign(P, A, D, -1, 40, 5, 9, "5cm");
  kit::SideSign(P, B, C, 1, 40, 3, 9, "7cm");
}

using kit::AtMargin, kit::FigurePiece, kit::kKeyWait, kit::SameLine;

// The working, one step per key, with the tangents' lengths marked as the text names them.
constexpr kit::TextPiece kWorking[] = {
    FigurePiece(drawCircumscribedQuad),
    kKeyWait, AtMargin(50, 0, "図のようにa,b,c,dをとると、"),
    FigurePiece([](Program& P) { drawLetterSigns(P, kSignsOnADAndBC); }),
    kKeyWait, AtMargin(60, 0, "円外の1点から、その円にひいた"),
    AtMargin(50, 0, "2つの接線の長さは等しいから、"),
    AtMargin(60, 0, "AP=a,DR=b,BP=c,CR=d"),
    FigurePiece([](Program& P) { drawLetterSigns(P, kSignsOnABAndCD); }),
    kKeyWait, AtMargin(50, 0, "四角形ABCDの周の長さは、"),
    AtMargin(60, 0, " AB+BC+CD+DA"),
    kKeyWait, AtMargin(60, 0, "=(a+c)+(c+d)+(d+b)+(b+a)"),
    kKeyWait, AtMargin(60, 0, "=2(a+b+c+d)"),
    kKeyWait, SameLine(0, 0, "=2(AD+BC)"),
    kKeyWait, AtMargin(60, 0, "=2*(5+7)=2*12="),
    SameLine(0, 5, "24(cm)"),
};

}  // namespace

Screen TangentPerimeter(Program& P) {
  kit::OpenPage(P, {.margin = 36, .heading = "点P,Q,R,Sが接点のとき、四角形ABCDの周の長さを求めなさい。",
                    .drawWidth = 0});
  kit::DrawTextPieces(P, kWorking);
  return {ConstructProveSubMenu};
}

}  // namespace osvatine
