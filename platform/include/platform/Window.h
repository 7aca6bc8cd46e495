// The real window: SDL2, maximised and resizable, showing the page scaled to fit with its
// aspect kept, rendered at the window's own pixel size so it stays crisp.
#pragma once
#include <memory>
#include <string>

#include "platform/Platform.h"

namespace platform {

class WindowDevice : public Device {
 public:
  explicit WindowDevice(const std::string& title);
  ~WindowDevice() override;
  std::optional<char> pollKey(Page& page) override;
  void idle(Page& page) override;
  std::string clockText() override;
  void maximize() override;
  void setTitle(const std::string& t) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
