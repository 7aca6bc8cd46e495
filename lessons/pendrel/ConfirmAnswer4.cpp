// First set, answer 4: the two tangents from A to circle O by ruler and compasses. The midpoint
// M of AO from the perpendicular bisector, circle M through O, and the points of contact P, P'
// where it cuts circle O; one construction step per key.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/ConfirmLearning.h"
#include "pendrel/FigureSteps.h"

namespace pendrel {

namespace {


constexpr Opening kOpening{"P177 解答", "4", 40, 40, 30};

// Entries of the point table: M, O, A, the points of contact P and P', the far ends of the
// tangents, the crossings of the compass arcs and the ends of the bisector drawn.
enum Point { PM = 0, PO = 1, PA = 2, PP = 3, PP2 = 4, TangentEndP = 5, TangentEndP2 = 6 };
enum ArcPoint { CrossUp = 11, CrossDown = 12, BisectorTop = 13, BisectorFoot = 14 };

// The points set in grid units (10 x 10 cells of 50 from (720, 50)); 11 to 14 stand on M's x.
constexpr kit::GridEntry kGridPoints[] = {
    {PM, 2.5, 5}, {PO, 5, 5}, {PA, 0, 5}, {CrossUp, 2.5, 6}, {CrossDown, 2.5, 4}, {BisectorTop, 2.5, 6.5},
    {BisectorFoot, 2.5, 3.5},
};

// The far end of the tangent from A through `contact`: as far beyond it as A lies before it.
// Writes DX, DY.
void tangentEnd(Program& P, int end, int contact) {
  auto& v = P.v;
  v.DX = (v.X_a(contact) - v.X_a(PA)) / 5;
  v.DY = (v.Y_a(contact) - v.Y_a(PA)) / 5;
  v.X_a(end) = v.X_a(contact) + 5 * v.DX;
  v.Y_a(end) = v.Y_a(contact) + 5 * v.DY;
}

// A compass arc about `centre` through the crossings 11 and 12, a little longer than the
// angle they make at the centre, in colour 7 over a colour-7 disc on the centre; `side` (ITI)
// turns the arc towards M. Writes R2 besides what the stroke writes.
template <int centre, int side>
void compassArc(Program& P) {
  P.v.R2 = kit::PointDistance(P, CrossUp, centre);
  kit::CompassArcStep(P, {centre, CrossUp, CrossDown, side, kit::ArcForm::Between, 0.05f, 7, 8}, P.v.R2);
}

// The midpoint M found: its dot and letter.
void markM(Program& P) {
  kit::LetteredDot(P, PM, 4, 0, -46, 6, "M", 0);
}

// Circle M through O, radius 2.5 cells in colour 9. Writes R2.
void circleM(Program& P) {
  P.v.R2 = P.v.SIZE * 2.5f;
  kit::DrawCircle(P, PM, P.v.R2, 9);
}

constexpr Letter kContacts[] = {{"P", PP, -20, -45}, {"P'", PP2, -40, 10}};

// One construction step per key: ① the midpoint M, ② circle M, ③ the tangents.
constexpr TextPiece kSteps[] = {
    kKeyWait, AtMargin(60, 0, "①線分AOの中点Mをとる。"),
    kKeyWait, SegmentPiece<PA, PO>,
    kKeyWait, FigurePiece(compassArc<PA, -1>),
    kKeyWait, FigurePiece(compassArc<PO, 1>),
    kKeyWait, SegmentPiece<BisectorTop, BisectorFoot>,
    kKeyWait, FigurePiece(markM),
    kKeyWait, AtMargin(60, 0, "②Mを中心として、"), AtMargin(50, 0, "　MOを半径とする円Mをかく。"), FigurePiece(circleM),
    kKeyWait, AtMargin(60, 0, "③円Oとの交点をP,P'として、"), LettersPiece<kContacts>,
    kKeyWait, AtMargin(50, 0, "　直線AP,AP'をひく。"),
    SegmentPiece<PA, TangentEndP, 3>, SegmentPiece<PA, TangentEndP2, 3>,
};

}  // namespace

Screen ConfirmAnswer4(Program& P) {
  auto& v = P.v;
  OpenAnswerScreen(P, kOpening);
  kit::GridPaper(P, 720, 50, 10, 10, 15, 50);
  kit::PlaceGridEntries(P, kGridPoints);
  // Circle O first, circle M second: their common points, the lower one first.
  kit::CircleCrossing(P, PO, 4 * v.SIZE, PM, 2.5f * v.SIZE, PP2, PP);
  tangentEnd(P, TangentEndP, PP);
  tangentEnd(P, TangentEndP2, PP2);
  v.R1 = v.SIZE * 4;
  kit::CircleWithCentreO(P, PO, v.R1, 4, 6, -20);
  kit::LetteredDot(P, PA, 4, 0, -40, -20, "A", 0);
  DrawTextPieces(P, kSteps);
  return {ConfirmLearningSubMenu};
}

}  // namespace pendrel
