// A program on a script device for the text renderer tests: every operation drawn is logged,
// the ones measured below the page too, and the state is what start-up leaves.
#pragma once
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/ScriptDevice.h"
#include "shell/Program.h"

namespace mathtext_test {

using platform::Op;
using platform::OpKind;

struct Rig {
  platform::ScriptDevice device;
  platform::Platform pf{device};
  shell::Program P{pf, shell::ProgramInfo{"test", 50, 0, {}}};
  shell::Vars& v = P.v;
  std::vector<Op> log;

  Rig() {
    pf.page().onOp = [this](const Op& op) { log.push_back(op); };
    pf.setFontName("ｺﾞｼｯｸ");
    pf.setFontSize(16);
    pf.setDrawWidth(3);
  }

  // Operations that land on the page (measuring draws far below it).
  std::vector<Op> shown() const {
    std::vector<Op> out;
    for (const Op& op : log)
      if (!below(op)) out.push_back(op);
    return out;
  }
  std::vector<Op> shown(OpKind kind) const {
    std::vector<Op> out;
    for (const Op& op : shown())
      if (op.kind == kind) out.push_back(op);
    return out;
  }
  static bool below(const Op& op) {
    float y = op.kind == OpKind::Polyline ? op.points.front().second : op.y1;
    return y >= 1000;
  }
  void clearLog() { log.clear(); }
};

}  // namespace mathtext_test
