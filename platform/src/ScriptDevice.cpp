// Keys from a script, for the replay tool and the tests.
#include "platform/ScriptDevice.h"

#include <map>

#include "platform/Errors.h"
#include "platform/KeyCodes.h"

namespace platform {

std::optional<std::vector<ScriptItem>> parseKeyScript(const std::string& text) {
  static const std::map<std::string, ScriptItem> named = {
      {"Enter", {ScriptStep::Key, keys::kEnter}},
      {"Backspace", {ScriptStep::Key, keys::kBackspace}},
      {"Delete", {ScriptStep::Key, keys::kDelete}},
      {"Right", {ScriptStep::Key, keys::kRight}},
      {"Left", {ScriptStep::Key, keys::kLeft}},
      {"Up", {ScriptStep::Key, keys::kUp}},
      {"Down", {ScriptStep::Key, keys::kDown}},
      {"Esc", {ScriptStep::Key, keys::kEscape}},
      {"Idle", {ScriptStep::Idle, 0}},
      {"Close", {ScriptStep::Close, 0}},
  };
  std::vector<ScriptItem> out;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '{') {
      size_t e = text.find('}', i);
      if (e == std::string::npos) return std::nullopt;
      auto it = named.find(text.substr(i + 1, e - i - 1));
      if (it == named.end()) return std::nullopt;
      out.push_back(it->second);
      i = e;
    } else if (c == '\n' || c == '\r') {
      continue;  // line breaks in a script file only separate steps
    } else if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) {
      return std::nullopt;
    } else {
      out.push_back({ScriptStep::Key, c});
    }
  }
  return out;
}

void ScriptDevice::pushKeys(const std::string& plainKeys) {
  for (char c : plainKeys) script_.push_back({ScriptStep::Key, c});
}

std::optional<char> ScriptDevice::pollKey(Page& page) {
  if (closed_ || next_ >= script_.size()) throw ProgramExit{0};
  ScriptItem it = script_[next_++];
  switch (it.step) {
    case ScriptStep::Idle:
      return std::nullopt;
    case ScriptStep::Close:
      closed_ = true;
      throw ProgramExit{0};
    case ScriptStep::Key:
      break;
  }
  if (onKeyTaken) onKeyTaken(page);
  return it.key;
}

void ScriptDevice::idle(Page&) {
  // With no window there is nothing to wait for: the run ends here.
  throw ProgramExit{0};
}

}  // namespace platform
