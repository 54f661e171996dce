// A window timer of a form: a named component that calls its handler every
// interval while enabled.
#pragma once

#include <windows.h>

#include "ui/component_win.h"

namespace ui {

class Timer : public Component {
 public:
  Timer(HWND window, UINT_PTR id, std::wstring name, UINT interval, Handler handler);
  ~Timer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  UINT Interval() const { return interval_; }
  UINT_PTR Id() const { return id_; }
  const Handler& OnTimer() const { return handler_; }

 private:
  HWND window_;
  UINT_PTR id_;
  UINT interval_;
  Handler handler_;
  bool enabled_ = false;
};

}  // namespace ui
