// A program on a scripted keyboard, set up as start-up leaves it, with every drawing
// operation logged; the shell tests drive its routines directly.
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/Page.h"
#include "platform/Platform.h"
#include "platform/ScriptDevice.h"
#include "shell/Program.h"

namespace shelltest {

struct ShellRun {
  platform::ScriptDevice device;
  platform::Platform pf{device};
  shell::Program P{pf, shell::ProgramInfo{"Pendrel", 50, 0, {}}};
  std::vector<platform::Op> log;

  explicit ShellRun(const std::string& keys = "") {
    auto script = platform::parseKeyScript(keys);
    EXPECT_TRUE(script.has_value()) << keys;
    if (script) device.append(*script);
    pf.page().onOp = [this](const platform::Op& op) { log.push_back(op); };
    shell::StartUp(P);
    log.clear();
  }

  // Operations of one kind, in the order drawn; texts only when they show a glyph.
  std::vector<platform::Op> ops(platform::OpKind kind) const {
    std::vector<platform::Op> out;
    for (const auto& op : log)
      if (op.kind == kind && !(kind == platform::OpKind::Text && op.text.empty())) out.push_back(op);
    return out;
  }
  std::vector<platform::Op> texts() const { return ops(platform::OpKind::Text); }
  std::vector<platform::Op> boxes() const { return ops(platform::OpKind::Box); }
};

// A glyph as the tests expect it: its text and its top-left corner.
struct Glyph {
  std::string text;
  float x, y;
  bool operator==(const Glyph&) const = default;
};

inline std::vector<Glyph> glyphs(const std::vector<platform::Op>& textOps) {
  std::vector<Glyph> out;
  for (const auto& op : textOps) out.push_back({op.text, op.x1, op.y1});
  return out;
}

inline void PrintTo(const Glyph& g, std::ostream* os) { *os << "\"" << g.text << "\"@(" << g.x << "," << g.y << ")"; }

// A box's corners, outline and fill colours and draw width.
struct BoxSeen {
  float x1, y1, x2, y2;
  int colour, fill, width;
  bool operator==(const BoxSeen&) const = default;
};

inline BoxSeen boxSeen(const platform::Op& op) {
  return {op.x1, op.y1, op.x2, op.y2, op.colour, op.fill, op.width};
}

inline void PrintTo(const BoxSeen& b, std::ostream* os) {
  *os << "(" << b.x1 << "," << b.y1 << ")-(" << b.x2 << "," << b.y2 << ") colour " << b.colour << " fill " << b.fill
      << " width " << b.width;
}

}  // namespace shelltest
