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
#include "osvatine/ShipStrokes.h"
#include "shell/Waits.h"

namespace osvatine {

namespace {

using namespace ship;

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
    {None, nullptr, [](Program& P) { kit::DrawSegment(P, C, LineEnd, 0); }},
    {None, nullptr, [](Program& P) { StrokeOpenedTo(P, kStrokeAboutD, D, C); }},
    {None, nullptr, [](Program& P) { StrokeOpenedTo(P, kStrokeCToFoot, C, Corner); }},
    {None, nullptr, [](Program& P) { StrokeOpenedTo(P, kStrokeBeyondDToFoot, BeyondD, Foot); }},
    {None, nullptr, [](Program& P) { kit::DrawSegment(P, Foot, UpEnd, 0); }},
    {SubStep, "② 円との交点とCを結ぶ", nullptr},
    {None, nullptr, [](Program& P) { kit::DrawSegment(P, C, Corner, 0); }},
    {Stage, "2 斜辺の中点の作図", nullptr},
    {SubStep, "① 斜辺の垂直二等分線をかく", nullptr},
    {None, nullptr, [](Program& P) { StrokeOpenedTo(P, kStrokeCBisecting, C, Bisector1); }},
    {None, nullptr, [](Program& P) { StrokeOpenedTo(P, kStrokeCornerBisecting, Corner, Bisector2); }},
    {None, nullptr, [](Program& P) { kit::DrawSegment(P, Bisector1, Bisector2, 0); }},
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
  Os(P).R3 = kit::PointDistance(P, O2, Corner);
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
