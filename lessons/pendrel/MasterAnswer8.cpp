// Answer 8 of the second set: M and N are the midpoints of the chords AP and AQ; with the
// diameter AB, ∠AMO = ∠ANO = 90°, so A, O, M and N lie on one circle.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/FigureSteps.h"
#include "pendrel/MasterLearning.h"
#include "shell/Waits.h"

namespace pendrel {

namespace {

constexpr kit::OnCircle kOnCircle[] = {{1, 180}, {2, 0}, {3, 50}, {5, 110}};  // A, B, P, Q
constexpr Letter kLetters[] = {{"A", 1, -32, -25}, {"P", 3, 10, -25}};

// Equal-length ticks: segment ends and the number of strokes, each group 8 past the middle
// towards the second end.
struct Ticks {
  int from, to;
  float count;
};
constexpr Ticks kHalvesOfChords[] = {{1, 6, 1}, {6, 5, 1}, {1, 4, 2}, {4, 3, 2}};
constexpr Ticks kRadii[] = {{1, 0, 3}, {0, 2, 3}};

// AIDA is set again for every group: the ticks leave it grown.
void drawTickGroups(Program& P, std::span<const Ticks> groups) {
  for (const Ticks& t : groups) kit::DrawTicks(P, t.from, t.to, 15, t.count, 3, 0, 8);
}

// A parallel mark: one arrowhead at the middle of the segment, pointing towards its second end.
void drawParallelMark(Program& P, int m, int n) {
  P.v.M = static_cast<float>(m);
  P.v.N = static_cast<float>(n);
  kit::DrawParallelArrows(P, m, n, 1, 1, 20, 1, 3);
}

}  // namespace

Screen MasterAnswer8(Program& P) {
  OpenAnswerScreen(P, {"P179 解答", "8", 40, 40, 30});
  kit::FigureFrame(P, 720, 100, 6, 6, 70);
  kit::CentreAndRadius(P, 0, 3, 3, 3);
  kit::PointsAtCellsViaMABC(P, 0, 3, kOnCircle);
  kit::Midpoint(P, 4, 1, 3);  // M
  kit::Midpoint(P, 6, 1, 5);  // N

  kit::CircleWithCentreO(P, 0, P.v.R1, 6, -14, 10);
  SegmentViaMN(P, 1, 3);
  SegmentViaMN(P, 1, 5);
  DrawLetters(P, kLetters);
  kit::DrawDot(P, 4, 6, 0);
  kit::LetterAt(P, 4, -14, -50, "M", 0);
  kit::LetterAt(P, 5, -14, -50, "Q", 0);
  kit::DrawDot(P, 6, 6, 0);
  kit::LetterAt(P, 6, -14, -50, "N", 0);
  drawTickGroups(P, kHalvesOfChords);

  shell::WaitAnyKey(P);
  SegmentViaMN(P, 1, 2);
  kit::LetterAt(P, 2, 10, -25, "B", 0);
  DrawTextPieces(P, {AtMargin(60, 0, "直径ABをひくと、")});
  shell::WaitAnyKey(P);
  SegmentViaMN(P, 3, 2);
  SegmentViaMN(P, 0, 4);
  DrawTextPieces(P, {SameLine(0, 0, "△APBで")});
  shell::WaitAnyKey(P);
  RightAngleViaN123(P, 3, 1, 2, -1, 30, 3);
  shell::WaitAnyKey(P);
  drawTickGroups(P, kRadii);
  shell::WaitAnyKey(P);
  drawParallelMark(P, 0, 4);
  drawParallelMark(P, 2, 3);
  shell::WaitAnyKey(P);
  RightAngleViaN123(P, 4, 1, 0, -1, 30, 5);
  shell::WaitAnyKey(P);
  SegmentViaMN(P, 0, 6, 7);
  RightAngleViaN123(P, 6, 1, 0, -1, 30, 5);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(50, 0, "∠APB＝90%")});
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(50, 0, "中点連結定理から、MO∥PB ")});
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(50, 0, "同位角は等しいので "), AtMargin(50, 3, "∠AMO=90% …①")});
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(70, 0, "△AQBでも同じようにして、"), AtMargin(50, 3, "∠ANO=90% …②")});
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(50, 0, "①②から、"), AtMargin(50, 3, "4点A,O,M,NはAOの同じ側にあって"),
                     AtMargin(50, 3, "∠AMO=∠ANOだから同じ円周上にある。")});
  return {MasterLearningSubMenu};
}

}  // namespace pendrel
