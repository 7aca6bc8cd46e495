// The compass strokes of the constructions: the ship map's two circles (circle O from A and B,
// circle O' from C and D by the right isosceles triangle on CD) and the midpoint of AO in the
// tangent construction. Each screen opens the compass (computes the radius) just before the stroke.
#pragma once

#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "osvatine/ConstructProve.h"
#include "osvatine/ShipPosition.h"

namespace osvatine {

// A stroke with the compass opened from its centre to point `to`, the radius kept in `radius`.
inline void StrokeOpenedTo(Program& P, const kit::CompassStroke& s, int to,
                           float shell::Vars::*radius = &shell::Vars::R1) {
  P.v.*radius = kit::PointDistance(P, s.centre, to);
  kit::CompassArcStep(P, s, P.v.*radius);
}

}  // namespace osvatine

namespace osvatine::ship {

using kit::ArcForm;

// Circle O: about A opened to AB, across B; about A opened to OA, across O (no new dot); about B
// opened to OA, across O. The last two cut at O.
constexpr kit::CompassStroke kStrokeAB{A, O, B, 1, ArcForm::AcrossSecond, 0.03f, 7, 6};
constexpr kit::CompassStroke kStrokeAO{A, O, B, 1, ArcForm::AcrossFirst, 0.03f, 7, 0};
constexpr kit::CompassStroke kStrokeBO{B, A, O, 1, ArcForm::AcrossSecond, 0.03f, 7, 6};

// Circle O': about D opened to DC, from C over the side of point 12 to point 9; about C and about
// point 9, each opened to point 11, across point 11 (the perpendicular at D); about C and about
// point 12, opened to their bisector's ends 14 and 15, between them.
constexpr kit::CompassStroke kStrokeAboutD{D, BeyondD, C, 1, ArcForm::Between, 0.03f, 7, 6};
constexpr kit::CompassStroke kStrokeCToFoot{C, Foot, Corner, 1, ArcForm::AcrossFirst, 0.03f, 7, 6};
constexpr kit::CompassStroke kStrokeBeyondDToFoot{BeyondD, Corner, Foot, 1, ArcForm::AcrossSecond, 0.03f, 7, 6};
constexpr kit::CompassStroke kStrokeCBisecting{C, Bisector2, Bisector1, 1, ArcForm::Between, 0.03f, 3, 6};
constexpr kit::CompassStroke kStrokeCornerBisecting{Corner, Bisector1, Bisector2, 1, ArcForm::Between, 0.03f, 3, 6};

// The three strokes of circle O, one per key: the first opened to AB (kept in R2), the other two
// to OA, which R1 already holds.
inline constexpr kit::FigureStep kCircle30Strokes[] = {
    [](Program& P) { StrokeOpenedTo(P, kStrokeAB, B, &shell::Vars::R2); },
    [](Program& P) { kit::CompassArcStep(P, kStrokeAO, P.v.R1); },
    [](Program& P) { kit::CompassArcStep(P, kStrokeBO, P.v.R1); },
};

// The drawings that construct the circle about O', one per key: line CD extended, the
// perpendicular at D (three strokes and its line), the hypotenuse, and its perpendicular bisector
// (two strokes and its line).
inline constexpr kit::FigureStep kCircle45Steps[] = {
    [](Program& P) { kit::DrawSegment(P, C, LineEnd, 0); },
    [](Program& P) { StrokeOpenedTo(P, kStrokeAboutD, C); },
    [](Program& P) { StrokeOpenedTo(P, kStrokeCToFoot, Corner); },
    [](Program& P) { StrokeOpenedTo(P, kStrokeBeyondDToFoot, Foot); },
    [](Program& P) { kit::DrawSegment(P, Foot, UpEnd, 0); },
    [](Program& P) { kit::DrawSegment(P, C, Corner, 0); },
    [](Program& P) { StrokeOpenedTo(P, kStrokeCBisecting, Bisector1); },
    [](Program& P) { StrokeOpenedTo(P, kStrokeCornerBisecting, Bisector2); },
    [](Program& P) { kit::DrawSegment(P, Bisector1, Bisector2, 0); },
};

}  // namespace osvatine::ship

namespace osvatine::tangent {

// The midpoint of AO: about A and about O, each opened to the upper crossing, from one crossing
// to the other (about A the other way round, across AO).
constexpr kit::CompassStroke kStrokeAboutA{A, Upper, Lower, -1, kit::ArcForm::Between, 0.05f, 7, 8};
constexpr kit::CompassStroke kStrokeAboutO{O, Upper, Lower, 1, kit::ArcForm::Between, 0.05f, 7, 8};

}  // namespace osvatine::tangent
