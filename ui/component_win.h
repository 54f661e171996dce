// A named part of a window: a control, a timer or a menu item. Handlers
// receive the component that raised the event as sender, or none when they
// are called from code; twin controls sharing one handler tell themselves
// apart by the sender's name.
#pragma once

#include <functional>
#include <string>

namespace ui {

class Component {
 public:
  explicit Component(std::wstring name) : name_(std::move(name)) {}
  virtual ~Component() = default;
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const std::wstring& Name() const { return name_; }

 private:
  std::wstring name_;
};

using Handler = std::function<void(Component* sender)>;
// A key released in a control: the virtual-key code.
using KeyHandler = std::function<void(Component* sender, unsigned key)>;

// The sender's name, or an empty string without a sender.
inline std::wstring SenderName(const Component* sender) {
  return sender ? sender->Name() : std::wstring();
}

}  // namespace ui
