// Screen 1 of item 2: the tangents from a point A to a circle O constructed one stroke per key
// (the midpoint M of AO, the circle on AO, its crossings P and P' with circle O), then why the
// construction gives tangents and that the two tangents from A are equal.
#include <initializer_list>

#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "osvatine/ConstructProve.h"
#include "osvatine/Osvatine.h"
#include "osvatine/ShipStrokes.h"

namespace osvatine {

namespace {

using namespace tangent;

// The points given on the grid: M, O, A, the arcs' crossings and the bisector's ends.
constexpr kit::GridEntry kGridPoints[] = {
    {M, 6, 5}, {O, 12, 5}, {A, 0, 5}, {Upper, 6, 8}, {Lower, 6, 2}, {BisectorTop, 6, 8.5f}, {BisectorFoot, 6, 1.5f},
};

// The frame, the points in page units, and P, P' at the fixed directions 110° and 250° from O
// with the tangents' ends a fifth of AP (AP') beyond them.
void setUpTangentFigure(Program& P) {
  auto& v = P.v;
  auto& o = Os(P);
  kit::FigureFrame(P, 720, 150, 16, 10, 30);
  kit::PlaceGridEntries(P, kGridPoints);
  v.R1 = 4 * v.SIZE;
  o.DHRP = 110 * v.PI / 180;
  o.DHRQ = 250 * v.PI / 180;
  kit::PointAtRadians(P, tangent::P, O, v.R1, o.DHRP);
  kit::PointAtRadians(P, P2, O, v.R1, o.DHRQ);
  for (auto [end, contact] : {std::pair{EndP, tangent::P}, std::pair{EndP2, P2}}) {
    v.DX = (v.X_a(contact) - v.X_a(A)) / 5;
    v.DY = (v.Y_a(contact) - v.Y_a(A)) / 5;
    v.X_a(end) = v.X_a(contact) + v.DX;
    v.Y_a(end) = v.Y_a(contact) + v.DY;
  }
}

// Circle O with its centre, and the point A, each with its letter.
void drawCircleOAndA(Program& P) {
  kit::CircleWithCentreO(P, O, P.v.R1, 4, 6, -20);
  kit::LetteredDot(P, A, 4, 0, -40, -20, "A", 0);
}

// The circle on AO, about M through A and O.
void drawCircleM(Program& P) {
  P.v.R2 = 6 * P.v.SIZE;
  kit::DrawCircle(P, M, P.v.R2, 0);
}

// The radius to a point of contact and the right angle it makes with the tangent.
void drawRadius(Program& P, int contact) { kit::DrawSegment(P, O, contact, 0); }
void markRightAngleAt(Program& P, int contact) { kit::DrawCornerOnSide(P, contact, A, O, 30, 5, -1); }

using kit::AtMargin, kit::FigurePiece, kit::kKeyWait;

// The first page under its heading: the construction, one stroke per key.
constexpr kit::TextPiece kConstruction[] = {
    AtMargin(50, 3, "<Aから円Oへの接線のひき方>"),
    FigurePiece(setUpTangentFigure),
    FigurePiece(drawCircleOAndA),
    kKeyWait, AtMargin(60, 0, "①線分AOの中点Mをとる。"),
    kKeyWait, FigurePiece([](Program& P) { kit::DrawSegment(P, A, O, 0); }),
    kKeyWait, FigurePiece([](Program& P) { StrokeOpenedTo(P, kStrokeAboutA, Upper, &shell::Vars::R2); }),
    kKeyWait, FigurePiece([](Program& P) { StrokeOpenedTo(P, kStrokeAboutO, Upper, &shell::Vars::R2); }),
    kKeyWait, FigurePiece([](Program& P) { kit::DrawSegment(P, BisectorTop, BisectorFoot, 0); }),
    kKeyWait, FigurePiece([](Program& P) { kit::LetteredDot(P, M, 4, 0, -46, 6, "M", 0); }),
    kKeyWait, AtMargin(60, 0, "②Mを中心として、"),
    AtMargin(50, 0, "　MOを半径とする円Mをかく。"),
    FigurePiece(drawCircleM),
    kKeyWait, AtMargin(60, 0, "③円Oとの交点をP,P'として、"),
    FigurePiece([](Program& P) {
      kit::LetterAt(P, tangent::P, 0, -45, "P", 0);
      kit::LetterAt(P, P2, 0, 10, "P'", 0);
    }),
    kKeyWait, AtMargin(50, 0, "　直線AP,AP'をひく。"),
    FigurePiece([](Program& P) {
      kit::DrawSegment(P, A, EndP, 3);
      kit::DrawSegment(P, A, EndP2, 3);
    }),
    kKeyWait,
};

// The second page under its heading: why the lines are tangents, one step per key.
constexpr kit::TextPiece kReason[] = {
    // The figure again from the construction's points, with no grid, arcs or dot at M.
    FigurePiece([](Program& P) {
      drawCircleOAndA(P);
      kit::DrawSegment(P, A, EndP, 3);
      kit::LetterAt(P, tangent::P, 0, -45, "P", 0);
      kit::DrawSegment(P, A, EndP2, 3);
      kit::LetterAt(P, P2, 0, 10, "P'", 0);
      kit::DrawSegment(P, A, O, 0);
      drawCircleM(P);
    }),
    kKeyWait, FigurePiece([](Program& P) {
      drawRadius(P, tangent::P);
      drawRadius(P, P2);
    }),
    kKeyWait, FigurePiece([](Program& P) {
      markRightAngleAt(P, tangent::P);
      markRightAngleAt(P, P2);
    }),
    kKeyWait, AtMargin(60, 0, "円の接線は、接点を通る半径に垂直だから"),
    AtMargin(60, 0, " ∠APO=∠AP'O=90°"),
    kKeyWait, AtMargin(60, 0, "したがって"),
    AtMargin(60, 0, "P,P'はAOを直径とする円周上にある。"),
    kKeyWait, AtMargin(90, 3, "<円外の1点からの接線>"),
    AtMargin(60, 0, "円外の1点から、その円にひいた"),
    AtMargin(60, 0, " 2つの接線の長さは等しい。"),
    AtMargin(60, 5, "  AP=AP'"),
    FigurePiece([](Program& P) {
      for (int contact : {tangent::P, P2}) {
        drawRadius(P, contact);
        markRightAngleAt(P, contact);
      }
    }),
    kKeyWait,
};

}  // namespace

Screen TangentConstruction(Program& P) {
  kit::OpenPage(P, {.margin = 36, .heading = "点Aを通る円Oの接線を作図しよう。", .colour = 0});
  kit::DrawTextPieces(P, kConstruction);
  kit::OpenPage(P, {.margin = 36, .heading = "この方法で円の接線が作図できる理由を説明しよう。", .drawWidth = 0});
  kit::DrawTextPieces(P, kReason);
  kit::TextAt(P, 240, 590, "教科書P173 問4　をしなさい。", 7);
  return {ConstructProveSubMenu};
}

}  // namespace osvatine
