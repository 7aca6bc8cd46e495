// A Pendrel run with its arrays declared, drawing on a recording page, for the routine tests;
// and how to find in its log what the text renderers draw for a text at a pen position.
#include "Fixture.h"

#include <algorithm>
#include <cmath>

#include "mathtext/MathText.h"
#include "mathtext/TextBoxes.h"

namespace geometry_test {

GeometryRun::GeometryRun(const std::string& keys, shell::ProgramInfo info)
    : device(*platform::parseKeyScript(keys)), P(pf, std::move(info)) {
  pf.page().onOp = [this](const Op& op) { log.push_back(op); };
  shell::StartUp(P);
  log.clear();
}

std::vector<Op> GeometryRun::ofKind(OpKind kind) const {
  std::vector<Op> out;
  for (const Op& op : log)
    if (op.kind == kind) out.push_back(op);
  return out;
}

std::vector<Op> MathTextOps(const std::string& text, float x, float y, int colour, bool plain,
                            const std::string& face) {
  GeometryRun r;
  if (!face.empty()) r.pf.setFontName(face);
  r.v.X = x;
  r.v.Y = y;
  r.v.CCC1 = static_cast<float>(colour);
  r.v.AA_s = text;
  if (plain) mathtext::PlainMathText(r.P);
  else mathtext::RenderMathText(r.P);
  return r.log;
}

namespace {

bool Same(float a, float b) { return std::fabs(a - b) < 1e-3f; }

// Position, shape, text, font and colours; the pen width and the area touched are left out,
// since they follow the caller's draw width.
bool SameOp(const Op& a, const Op& b) {
  return a.kind == b.kind && Same(a.x1, b.x1) && Same(a.y1, b.y1) && Same(a.x2, b.x2) && Same(a.y2, b.y2) &&
         Same(a.r, b.r) && a.points == b.points && a.text == b.text && a.h == b.h && a.v == b.v &&
         a.font == b.font && a.colour == b.colour && a.fill == b.fill;
}

}  // namespace

// Text measured by drawing it below the page is not part of the drawing.
std::vector<Op> OnPage(const std::vector<Op>& ops) {
  std::vector<Op> out;
  for (const Op& op : ops)
    if (op.by1 < platform::kPageHeight) out.push_back(op);
  return out;
}

bool ContainsRun(const std::vector<Op>& log, const std::vector<Op>& run, size_t from) {
  std::vector<Op> page = OnPage({log.begin() + static_cast<long>(std::min(from, log.size())), log.end()});
  std::vector<Op> want = OnPage(run);
  if (want.empty()) return true;
  for (size_t i = 0; i + want.size() <= page.size(); ++i) {
    size_t k = 0;
    while (k < want.size() && SameOp(page[i + k], want[k])) ++k;
    if (k == want.size()) return true;
  }
  return false;
}

bool HasMathText(const std::vector<Op>& log, const std::string& text, float x, float y, int colour, bool plain,
                 const std::string& face) {
  std::vector<Op> run = MathTextOps(text, x, y, colour, plain, face);
  return !run.empty() && ContainsRun(log, run);
}

float MathTextWidth(const std::string& text) {
  GeometryRun r;
  r.v.A_s = text;
  mathtext::MeasureMathText(r.P);
  return r.v.LLT;
}

}  // namespace geometry_test
