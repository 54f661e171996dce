// What the icon in the notification area asks of the main window, which
// implements it: the state its menu shows, the commands of the menu, and
// whether minimising puts the window away into the notification area.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tray/tray_menu.h"

namespace nolb {

// An item that the menu takes from elsewhere (the scenes): shown where the
// menu's scenes' slot is, with a separator after the last one.
struct TrayExtraItem {
  std::wstring caption;
  bool checked = false;
  bool enabled = true;
  std::function<void()> choose;
};

class TrayHost {
 public:
  virtual ~TrayHost() = default;

  virtual HWND HostHandle() const = 0;
  // The main window's shut-down has begun: the icon acts no more.
  virtual bool HostShutDownBegun() const = 0;
  virtual TrayPanelState TrayPanelNow() const = 0;
  // Does what the command's control in the main window does, through the
  // same handler, unless that control takes no input now (the menu was
  // open meanwhile). kShowPanel and kExit are the icon's own.
  virtual void RunTrayCommand(TrayCommand command) = 0;
  // The scenes' items, in menu order, when the menu opens.
  virtual std::vector<TrayExtraItem> TraySceneItems() { return {}; }
  virtual bool MinimisesToTray() const = 0;
};

}  // namespace nolb
