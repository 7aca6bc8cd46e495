// A device with no window: keys come from a script, the clock may be fixed.
// Used by the replay tool and by tests.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace platform {

// A key script: every character is its key; {Enter} {Backspace} {Delete} {Left} {Right} {Up}
// {Down} {Esc} name theirs; {Idle} is one poll that finds no key; {Close} closes the window.
// Returns nothing when the script is malformed (an unknown or unclosed {name}).
enum class ScriptStep { Key, Idle, Close };
struct ScriptItem {
  ScriptStep step = ScriptStep::Key;
  char key = 0;
};
std::optional<std::vector<ScriptItem>> parseKeyScript(const std::string& text);

class ScriptDevice : public Device {
 public:
  explicit ScriptDevice(std::vector<ScriptItem> script = {}, std::string clock = "12:00:00")
      : script_(std::move(script)), clock_(std::move(clock)) {}
  void append(const std::vector<ScriptItem>& more) { script_.insert(script_.end(), more.begin(), more.end()); }
  void pushKeys(const std::string& plainKeys);

  // When the script is used up, the next key request ends the run (ProgramExit).
  std::optional<char> pollKey(Page& page) override;
  void idle(Page& page) override;
  std::string clockText() override { return clock_; }
  void setClock(std::string c) { clock_ = std::move(c); }

  // Called with the page each time a key is taken.
  std::function<void(Page&)> onKeyTaken;
  size_t remaining() const { return script_.size() - next_; }
  bool closed() const { return closed_; }

 private:
  std::vector<ScriptItem> script_;
  size_t next_ = 0;
  std::string clock_;
  bool closed_ = false;
};

}  // namespace platform
