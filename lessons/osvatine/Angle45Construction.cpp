// Screen 4 of the ship lesson: the 45° circle constructed with ruler and compass in three stages
// (the right isosceles triangle on CD, the midpoint of its hypotenuse, the circle), one line,
// compass stroke or text per key.
#include "kit/Compass.h"
#include "kit/Figures.h"
#include "kit/Page.h"
#include "kit/TablePoints.h"
#include "kit/Text.h"
#include "osvatine/Osvatine.h"
#include "osvatine/ShipPosition.h"
#include "shell/Waits.h"

namespace osvatine {

namespace {

using namespace ship;
using kit::ArcForm;

// The compass strokes a to e: the stroke, and the two points whose distance is its radius.
struct Arc {
  kit::CompassStroke stroke;
  int radiusFrom, radiusTo;
};
constexpr Arc kArcs[] = {
    {{D, 9, C, 1, ArcForm::Between, 0.03f, 7, 6}, D, C},         // a: half a turn about D, from C to 9
    {{C, 11, 12, 1, ArcForm::AcrossFirst, 0.03f, 7, 6}, C, 12},  // b: about C, across 11
    {{9, 12, 11, 1, ArcForm::AcrossSecond, 0.03f, 7, 6}, 9, 11}, // c: about 9, across 11
    {{C, 15, 14, 1, ArcForm::Between, 0.03f, 3, 6}, C, 14},      // d: about C, from 14 to 15
    {{12, 14, 15, 1, ArcForm::Between, 0.03f, 3, 6}, 12, 15},    // e: about 12, from 15 to 14
};

template <int n>
void arc(Program& P) {
  const Arc& a = kArcs[n];
  P.v.R1 = kit::PointDistance(P, a.radiusFrom, a.radiusTo);
  kit::CompassArcStep(P, a.stroke, P.v.R1);
}

// One step: its text on a new line 50 down (a stage heading at XI0 in colour 7, a sub-step at
// XI1 in colour 0), then its drawing.
enum Column { None, Stage, SubStep };
struct Step {
  Column column;
  const char* text;
  void (*draw)(Program&);
};
constexpr Step kSteps[] = {
    {Stage, "1 直角二等辺三角形の作図", nullptr},
    {SubStep, "① Dを通る垂線をかく", nullptr},
    {None, nullptr, [](Program& P) { kit::DrawSegment(P, C, 10, 0); }},
    {None, nullptr, arc<0>},
    {None, nullptr, arc<1>},
    {None, nullptr, arc<2>},
    {None, nullptr, [](Program& P) { kit::DrawSegment(P, 11, 13, 0); }},
    {SubStep, "② 円との交点とCを結ぶ", nullptr},
    {None, nullptr, [](Program& P) { kit::DrawSegment(P, C, 12, 0); }},
    {Stage, "2 斜辺の中点の作図", nullptr},
    {SubStep, "① 斜辺の垂直二等分線をかく", nullptr},
    {None, nullptr, arc<3>},
    {None, nullptr, arc<4>},
    {None, nullptr, [](Program& P) { kit::DrawSegment(P, 14, 15, 0); }},
    {SubStep, "② 交点をOとする",
     [](Program& P) {
       kit::DrawDot(P, O2, 6, 5);
       kit::LetterAt(P, O2, 0, 0, "O", 5);
     }},
    {Stage, "3 円の作図", [](Program& P) { kit::TextOnNewLine(P, P.v.XI1, 50, "① 中心がO、半径OCの円をかく", 0); }},
    {None, nullptr, [](Program& P) { kit::DrawCircle(P, O2, Os(P).R3, 5); }},
};
constexpr int kLastStep = std::size(kSteps) - 1;

}  // namespace

Screen ShowAngle45Construction(Program& P) {
  auto& v = P.v;
  StartShipScreen(P, 40 + 27);  // the sub-steps stand 27 right of the stage headings
  kit::TextOnNewLine(P, v.XI0, 0, "問2 ∠CPD=45% となる点Pのある円を作図しよう。", 3);
  kit::GridPaper(P, 40, 50, 11, 7, 15, 100);
  SetUpShipFigure(P);
  Landmark(P, C, "C");
  Landmark(P, D, "D");
  Os(P).R3 = kit::PointDistance(P, O2, 12);
  for (int step = 0; step <= kLastStep; ++step) {
    shell::WaitAnyKey(P);
    const Step& s = kSteps[step];
    if (s.column == Stage) kit::TextOnNewLine(P, v.XI0, 50, s.text, 7);
    if (s.column == SubStep) kit::TextOnNewLine(P, v.XI1, 50, s.text, 0);
    if (s.draw) s.draw(P);
  }
  return {ShipPositionSubMenu};
}

}  // namespace osvatine
