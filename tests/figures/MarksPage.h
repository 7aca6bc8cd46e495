// A program on a recording page for the figure-mark tests: the shared variables after start-up
// and every operation drawn, with helpers to pick out what landed on the visible page.
#pragma once
#include <vector>

#include "platform/Page.h"
#include "platform/Platform.h"
#include "platform/ScriptDevice.h"
#include "shell/Program.h"

namespace figures_test {

using platform::Op;
using platform::OpKind;

inline shell::ProgramInfo TestProgram() {
  shell::ProgramInfo i;
  i.title = "Test";
  i.pointBound = 50;
  return i;
}

struct MarksPage {
  platform::ScriptDevice device;
  platform::Platform pf{device};
  shell::Program P{pf, TestProgram()};
  shell::Vars& v = P.v;
  std::vector<Op> log;

  MarksPage() {
    shell::StartUp(P);
    pf.page().onOp = [this](const Op& o) { log.push_back(o); };
  }

  // Operations of one kind drawn so far on the visible page (measuring below it left out).
  std::vector<Op> drawn(OpKind kind) const {
    std::vector<Op> out;
    for (const Op& o : log)
      if (o.kind == kind && o.by1 <= platform::kPageHeight) out.push_back(o);
    return out;
  }
  void forget() { log.clear(); }
};

}  // namespace figures_test
