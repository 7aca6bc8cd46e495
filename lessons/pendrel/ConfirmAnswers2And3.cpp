// First set, answers 2 and 3: three angles x, the last on a circle whose angle x two further
// chords split into three equal inscribed angles; and the two choices whose four points lie on
// one circle, with the equal angles that show it.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/ConfirmLearning.h"
#include "pendrel/FigureSteps.h"
#include "shell/Waits.h"

namespace pendrel {

namespace {


// Answer 2. Questions (1) and (2), then "(3)" with its figure.
constexpr Opening kOpening2{"P176 解答", "2", 30, 30 + 54, 30};
constexpr TextPiece kAnswer2Questions[] = {
    AtNumbers(60, 7, "(1)"), SameLine(0, 0, "∠x="), SameLine(0, 5, "30%"), kKeyWait,
    AtNumbers(60, 7, "(2)"), SameLine(0, 0, "∠x=50%*2="), SameLine(0, 5, "100%"), kKeyWait,
    AtNumbers(60, 7, "(3)"),
};

// Entries of the point table: the centre (not marked), A to E, and the unlettered point G on
// the arc BC that makes the arcs AB, BG and GC equal.
enum Point { O = 0, PA = 1, PB = 2, PC = 3, PD = 4, PE = 5, PG = 6 };

// On the circle, in the order they are computed: entry, degrees.
constexpr kit::OnCircle kOnCircle[] = {{PA, 200}, {PC, 320}, {PB, 240}, {PD, 120}, {PE, 30}, {PG, 280}};

constexpr Letter kLetters[] = {
    {"A", PA, -40, -25}, {"B", PB, -40, -15}, {"C", PC, -14, 0}, {"D", PD, -14, -50}, {"E", PE, 14, -25},
};

// Angle marks: vertex, arms, size, arcs, arm order, label colour, sector outline, arc colour, label.
constexpr kit::AngleMark k20AtD{PD, PA, PB, 70, 1, 1, 3, 0, 3, "20%"};
constexpr kit::AngleMark kXAtE{PE, PA, PC, 40, 1, 1, 5, 0, 3, "x"};

// The chords from E that split ∠x into three, then the working of (3).
constexpr TextPiece kAnswer2Working[] = {
    kKeyWait, SegmentPiece<PE, PG>, SegmentPiece<PE, PB>,
    kKeyWait, SameLine(0, 0, "∠x"), AtMargin(50, 0, "=20%*3"), AtMargin(50, 5, "=60%"),
};

// Answer 3: text only, the working at XI1 and its lines indented under it.
constexpr Opening kOpening3{"P177 解答", "3", 40, 40 + 54, 30};
constexpr TextPiece kAnswer3[] = {
    AtMargin(60, 5, "(ア)、(ウ)"), kKeyWait,
    AtMargin(60, 0, "(ア) ∠CBD=∠CAD=30% だから、"),
    AtMargin(50, 5, "4点A,B,C,Dは同じ円周上にある。", 48), kKeyWait,
    AtMargin(60, 0, "(ウ) ∠ABD=180%-(40%+75%+35%)"),
    AtMargin(50, 0, "=180%-150%=30% で、", 48),
    AtMargin(50, 0, "∠ABD=∠ACD=30% だから、", 48),
    AtMargin(50, 5, "4点A,B,C,Dは同じ円周上にある。", 48),
};

}  // namespace

Screen ConfirmAnswer2(Program& P) {
  auto& v = P.v;
  OpenAnswerScreen(P, kOpening2);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, kAnswer2Questions);
  kit::GridPaper(P, 520, 100, 8, 7, 15, 50);
  kit::GridPoint(P, O, 4, 4);
  v.R1 = v.SIZE * 3;
  kit::PointsAtCellsViaMABC(P, O, 3, kOnCircle);
  kit::DrawCircle(P, O, v.R1, 0);
  PathViaABC(P, PA, PD, PB, kit::PathKind::Open);
  PathViaABC(P, PA, PE, PC, kit::PathKind::Open);
  SegmentViaMN(P, PB, PC);
  DrawLetters(P, kLetters);
  AngleMarkViaABC(P, k20AtD);
  AngleMarkViaABC(P, kXAtE);
  DrawTextPieces(P, kAnswer2Working);
  return {ConfirmLearningSubMenu};
}

Screen ConfirmAnswer3(Program& P) {
  OpenAnswerScreen(P, kOpening3);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, kAnswer3);
  return {ConfirmLearningSubMenu};
}

}  // namespace pendrel
