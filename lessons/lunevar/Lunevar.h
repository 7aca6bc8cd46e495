// Lunevar's own variables (the shared ones live in shell::Vars) and the program that holds them.
// Every screen reaches them through Lv(P); they start at 0 and empty, like the shared ones.
#pragma once
#include <optional>
#include <span>
#include <string>

#include "kit/Marks.h"
#include "shell/Program.h"

namespace lunevar {

using shell::Program;
using shell::Screen;

struct Lunevar {
  // The explorer of item 1: step, positions of B and P past A (degrees), directions (radians).
  float DH{}, DHB{}, DHP{}, DHRA{}, DHRB{}, DHRP{}, DHRQ{};
  float IJ{};  // loop counter of the several-angles figure
  // Display switches of the explorer: "on" shows the angle texts, the diameter through P.
  std::string KAKU1_s, KAKU2_s, TKEI_s;
  // Whether the page shows the explorer's figure (the display options redraw it there), and
  // where its last drawing in this visit of item 1 put B and P (none before the first).
  bool explorerOnPage = false;
  struct Positions {
    float DHB, DHP;
  };
  std::optional<Positions> explorerLeft;

  // Items 2 and 3: the practice's problem type, the direction of K or Q (radians), and which
  // proof stands on the page (0 none; set by a proof screen, cleared when item 2 is entered).
  float NO{}, DHRK{};
  int proofOnPage = 0;

  // Item 4, arcs: the directions of C and D on the equal-arcs figure (radians), beside A, B, P
  // and Q above.
  float DHRC{}, DHRD{};
  // Item 6, the converse: its figures keep C's direction in DHRC too, beside DHRA, DHRB, DHRP.
};

struct LunevarProgram : shell::Program {
  using shell::Program::Program;
  Lunevar L;
};

inline Lunevar& Lv(shell::Program& P) { return static_cast<LunevarProgram&>(P).L; }

// A point on a figure's circle whose direction the figure keeps, in radians, in one of the
// variables above (DHRA ...); given in degrees.
struct DirectedPoint {
  int index;
  float Lunevar::*direction;
  float degrees;
};
// Each row's direction into its variable, then its point on the circle of radius R1 about
// `centre`, its index moved on by `shift`.
void PlaceKeepingDirections(shell::Program& P, int centre, std::span<const DirectedPoint> points, int shift = 0);

// An angle-mark row as most figures write it: the angle from arm1 counter-clockwise to arm2 (ITI
// 1), `count` arcs (0: a sector outlined in colour 0) of size `length` in `fill`, and its label;
// the label's colour and offsets are written only where given.
constexpr kit::AngleMark Mark(int vertex, int arm1, int arm2, float length, float count, float fill, const char* label,
                              kit::Keep labelColour = {}, kit::Keep labelDx = {}, kit::Keep labelDy = {}) {
  return {.vertex = vertex, .arm1 = arm1, .arm2 = arm2, .length = length, .count = count, .side = 1,
          .textColour = labelColour, .line = 0, .fill = fill, .label = label, .labelDx = labelDx, .labelDy = labelDy};
}

}  // namespace lunevar
