// The proofs for the centre inside and outside the angle (choices 4 to 9 of item 2): one
// builder over two tables. Each draws the figure, the task, the diameter PK and the proof with
// its three empty boxes; the step figure marks the angle pairs of the diameter case one per
// key, and the answers fill the boxes. The figure and the answers need their proof on the page:
// without it they draw it first.
#include <span>

#include "kit/Answers.h"
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "lunevar/CircleFigure.h"
#include "lunevar/Lunevar.h"
#include "lunevar/ProofLesson.h"
#include "platform/Page.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

// A dot of radius r at the pen moved by (dx, dy), filled in its own colour. Reads X, Y.
void dotAtPen(Program& P, float dx, float dy, float r, float colour) {
  P.pf.circle(P.v.X + dx, P.v.Y + dy, r, static_cast<int>(colour), 0, 0, platform::kFillLineColour);
}

// Point table: O 11, A 12, B 13, P 15, K 16 (the far end of the diameter through P).
constexpr int O = 11, A = 12, B = 13, Pt = 15, K = 16;

// One mark of the step figure: `count` arcs of size `length` at the angle, or (count 0) dots
// of radius 7 placed from the pen an empty label `length` out on its bisector leaves.
struct Offset {
  float dx, dy;
};
struct StepMark {
  int vertex, arm1, arm2;
  float count, length, colour;
  std::span<const Offset> dots;
};

struct CentreCase {
  ProofCase which;
  const char* task;
  float angleP, angleK;  // degrees; A is at 220, B at 320
  float sector;          // size of the marks of the inscribed and central angles
  std::span<const kit::TextPiece> proof;
  std::span<const StepMark> marks;
  std::span<const kit::Answer> answers;
};

// ---- O inside the angle: ∠APB = ∠APK + ∠BPK.

constexpr kit::TextPiece kInsideProof[] = {
    kit::NewLine(36, 60, 0, "∠APK=ﾀ1/2ﾀ∠AOK"),
    kit::NewLine(36, 70, 0, "∠BPK=ﾀ1/2ﾀ"),
    kit::BoxOnLine(1),
    kit::NewLine(36, 60, 0, "よって、"),
    kit::NewLine(36, 60, 0, "∠APB=∠APK+∠BPK"),
    kit::NewLine(100, 60, 0, "=ﾀ1/2ﾀ("),
    kit::BoxOnLine(2),
    kit::SameLine(4, 0, "+"),
    kit::BoxOnLine(3),
    kit::SameLine(4, 0, ")"),
    kit::NewLine(100, 70, 0, "=ﾀ1/2ﾀ∠AOB"),
};

constexpr Offset kOneDot[] = {{0, 0}};
constexpr Offset kInsideAOK[] = {{-10, 0}, {9, 7}};
constexpr Offset kInsideBOK[] = {{-10, 6}, {9, 0}};

constexpr StepMark kInsideMarks[] = {
    {Pt, A, K, 0, 60, 7, kOneDot},     // ∠APK
    {O, A, K, 0, 60, 7, kInsideAOK},   // ∠AOK
    {Pt, K, B, 0, 60, 9, kOneDot},     // ∠BPK
    {O, K, B, 0, 60, 9, kInsideBOK},   // ∠BOK
};

constexpr kit::Answer kInsideAnswers[] = {{180, "∠BOK"}, {180, "∠AOK"}, {180, "∠BOK"}};

constexpr CentreCase kInside{InsideCase, "Q2　∠APB=ﾀ1/2ﾀ∠AOBを証明しなさい。", 80, 260, 50,
                             kInsideProof, kInsideMarks, kInsideAnswers};

// ---- O outside the angle: ∠APB = ∠BPK − ∠APK.

constexpr kit::TextPiece kOutsideProof[] = {
    kit::NewLine(36, 60, 0, "∠BPK=ﾀ1/2ﾀ∠BOK"),
    kit::NewLine(36, 70, 0, "∠APK=ﾀ1/2ﾀ"),
    kit::BoxOnLine(1),
    kit::NewLine(36, 60, 0, "よって、"),
    kit::NewLine(36, 60, 0, "∠APB=∠BPK-∠APK"),
    kit::NewLine(100, 60, 0, "=ﾀ1/2ﾀ("),
    kit::BoxOnLine(2),
    kit::SameLine(4, 0, "-"),
    kit::BoxOnLine(3),
    kit::SameLine(4, 0, ")"),
    kit::NewLine(100, 70, 0, "=ﾀ1/2ﾀ∠AOB"),
};

constexpr Offset kOutsideAPK[] = {{-6, 20}};
constexpr Offset kOutsideAOK[] = {{-16, 6}, {-16, 26}};

constexpr StepMark kOutsideMarks[] = {
    {Pt, K, B, 1, 60, 9, {}},           // ∠BPK, one arc
    {O, K, B, 2, 70, 9, {}},            // ∠BOK, two arcs
    {Pt, K, A, 0, 60, 9, kOutsideAPK},  // ∠APK
    {O, K, A, 0, 60, 9, kOutsideAOK},   // ∠AOK
};

constexpr kit::Answer kOutsideAnswers[] = {{180, "∠AOK"}, {180, "∠BOK"}, {180, "∠AOK"}};

constexpr CentreCase kOutside{OutsideCase, "Q3　∠APB=ﾀ1/2ﾀ∠AOBを証明しなさい。", 350, 170, 40,
                              kOutsideProof, kOutsideMarks, kOutsideAnswers};

// ---- The builder.

void drawFigure(Program& P, const CentreCase& c) {
  const DirectedPoint points[] = {{A, &Lunevar::DHRA, 220}, {B, &Lunevar::DHRB, 320},
                                  {Pt, &Lunevar::DHRP, c.angleP}, {K, &Lunevar::DHRK, c.angleK}};
  InscribedAngleFigure(P, 720, 130, O, points);
  kit::DrawAngleMark(P, {.vertex = Pt, .arm1 = B, .arm2 = A, .length = c.sector, .count = 0, .side = -1,
                         .line = 0, .fill = 5});
  kit::LabelVertex(P, Pt, B, A, "P", 0, 8, 1);
  kit::DrawAngleMark(P, {.vertex = O, .arm1 = A, .arm2 = B, .length = c.sector, .count = 0, .side = 1,
                         .line = 0, .fill = 3});
  kit::LabelVertex(P, O, A, Pt, "O", 0, 8, -1);
}

// Each draws its part and goes back to the sub-menu.
Screen drawProof(Program& P, const CentreCase& c) {
  kit::OpenPage(P, {.margin = 36, .drawWidth = 0});
  drawFigure(P, c);
  kit::TextOnNewLine(P, 36, 0, c.task, 0);
  kit::TextOnNewLine(P, 36, 60, "     <証明>", 3);
  shell::WaitAnyKey(P);
  kit::TextOnNewLine(P, 36, 60, "点P,Oを通る直径PKをひくと、", 0);
  kit::DrawSegment(P, Pt, K, 0);
  kit::LabelVertex(P, K, B, Pt, "K", 0, 8, -1);
  shell::WaitAnyKey(P);
  kit::DrawTextPieces(P, c.proof, {c.answers});
  Lv(P).proofOnPage = c.which;
  return {ProofSubMenu};
}

void needProof(Program& P, const CentreCase& c) {
  if (Lv(P).proofOnPage != c.which) drawProof(P, c);
}

Screen drawStepFigure(Program& P, const CentreCase& c) {
  needProof(P, c);
  for (const StepMark& m : c.marks) {
    shell::WaitAnyKey(P);
    if (m.count > 0) {
      kit::DrawAngleMark(P, {.vertex = m.vertex, .arm1 = m.arm1, .arm2 = m.arm2, .length = m.length,
                             .count = m.count, .side = 1, .fill = m.colour, .label = ""});
    } else {
      kit::LabelVertex(P, m.vertex, m.arm1, m.arm2, "", 9, m.length, 1);
      for (const Offset& d : m.dots) dotAtPen(P, d.dx, d.dy, 7, m.colour);
    }
  }
  return {ProofSubMenu};
}

Screen revealAnswers(Program& P, const CentreCase& c) {
  needProof(P, c);
  kit::RevealAnswers(P, {c.answers});
  return {ProofSubMenu};
}

}  // namespace

Screen InsideCaseProof(Program& P) { return drawProof(P, kInside); }
Screen InsideCaseFigure(Program& P) { return drawStepFigure(P, kInside); }
Screen InsideCaseAnswers(Program& P) { return revealAnswers(P, kInside); }
Screen OutsideCaseProof(Program& P) { return drawProof(P, kOutside); }
Screen OutsideCaseFigure(Program& P) { return drawStepFigure(P, kOutside); }
Screen OutsideCaseAnswers(Program& P) { return revealAnswers(P, kOutside); }

}  // namespace lunevar
