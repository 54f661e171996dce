// Owning wrappers for kernel and GDI handles: each handle is released by the
// object that made it, on every path.
#pragma once

#include <windows.h>

#include <utility>

namespace ui {

template <typename H, typename Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H h) : h_(h) {}
  UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, Traits::Invalid())) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) Reset(std::exchange(o.h_, Traits::Invalid()));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  H Get() const { return h_; }
  explicit operator bool() const { return h_ != Traits::Invalid(); }
  void Reset(H h = Traits::Invalid()) {
    if (h_ != Traits::Invalid()) Traits::Close(h_);
    h_ = h;
  }
  H Release() { return std::exchange(h_, Traits::Invalid()); }

 private:
  H h_ = Traits::Invalid();
};

struct KernelHandleTraits {
  static HANDLE Invalid() { return nullptr; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct ModuleTraits {
  static HMODULE Invalid() { return nullptr; }
  static void Close(HMODULE h) { FreeLibrary(h); }
};
template <typename T>
struct GdiObjectTraits {
  static T Invalid() { return nullptr; }
  static void Close(T h) { DeleteObject(h); }
};
struct MemoryDcTraits {
  static HDC Invalid() { return nullptr; }
  static void Close(HDC h) { DeleteDC(h); }
};
struct IconTraits {
  static HICON Invalid() { return nullptr; }
  static void Close(HICON h) { DestroyIcon(h); }
};
struct MenuTraits {
  static HMENU Invalid() { return nullptr; }
  static void Close(HMENU h) { DestroyMenu(h); }
};

using KernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
using Module = UniqueHandle<HMODULE, ModuleTraits>;
template <typename T>
using GdiObject = UniqueHandle<T, GdiObjectTraits<T>>;
using MemoryDc = UniqueHandle<HDC, MemoryDcTraits>;
// An icon loaded without LR_SHARED, and a menu made for one use.
using Icon = UniqueHandle<HICON, IconTraits>;
using PopupMenu = UniqueHandle<HMENU, MenuTraits>;

// A device context of a window (GetDC or GetWindowDC), released on scope exit.
class WindowDc {
 public:
  enum Area { kClient, kWholeWindow };
  explicit WindowDc(HWND window, Area area = kClient)
      : window_(window), dc_(area == kClient ? GetDC(window) : GetWindowDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a device context and selects the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// An object made for a device context to keep: selected into it, and on
// Reset (or when the wrapper goes) the previous object selected back and
// the object deleted. An object that could not be selected is deleted all
// the same.
template <typename T>
class OwnedSelection {
 public:
  OwnedSelection() = default;
  ~OwnedSelection() { Reset(); }
  OwnedSelection(const OwnedSelection&) = delete;
  OwnedSelection& operator=(const OwnedSelection&) = delete;

  // Takes the object (which may be none) and selects it into dc.
  void Select(HDC dc, T object) {
    Reset();
    object_.Reset(object);
    if (!object_) return;
    dc_ = dc;
    previous_ = SelectObject(dc, object);
  }
  void Reset() {
    if (previous_) SelectObject(dc_, previous_);
    previous_ = nullptr;
    dc_ = nullptr;
    object_.Reset();
  }
  bool Selected() const { return previous_ != nullptr; }

 private:
  GdiObject<T> object_;
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace ui
