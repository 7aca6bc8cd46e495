// Compass strokes of the ruler-and-compass constructions: a short arc about a table point, laid
// across the direction of one target point or between the directions of two, widened at both ends.
#pragma once

#include "shell/Program.h"

namespace kit {

using shell::Program;

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

}  // namespace kit
