// The system's registration of hotkeys as CHotKey sees it. The Win32 shell
// implements it over RegisterHotKey and UnregisterHotKey; unit tests use a
// fake that holds combinations as another program would.
#pragma once

#include <cstdint>

#include "base/capture_hook.h"

namespace nolb {

class HotKeyService {
 public:
  virtual ~HotKeyService() = default;
  // False when the combination is already held (by this program or another).
  virtual bool Register(WindowId window, std::int32_t id, std::uint32_t modifiers,
                        std::uint32_t key) = 0;
  virtual bool Unregister(WindowId window, std::int32_t id) = 0;
};

}  // namespace nolb
