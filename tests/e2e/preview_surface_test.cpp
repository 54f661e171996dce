// The preview's off-screen surface in the test process itself: every GDI
// object it makes is deleted again, on every path.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "preview/draw_buffer_win.h"

namespace nolb {
namespace {

// Replaces, for as long as it lives, one function that this program imports
// from a DLL by name: the calls of the code under test go through it.
class ImportPatch {
 public:
  ImportPatch(const char* dll, const char* function, void* replacement) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name; ++d) {
      if (_stricmp(reinterpret_cast<const char*>(base + d->Name), dll) != 0) continue;
      auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
      auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
      for (; names->u1.AddressOfData; ++names, ++slots) {
        if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
        auto* name = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
        if (std::strcmp(reinterpret_cast<const char*>(name->Name), function) == 0) {
          slot_ = reinterpret_cast<void**>(&slots->u1.Function);
        }
      }
    }
    if (!slot_) return;
    original_ = *slot_;
    Write(replacement);
  }
  ~ImportPatch() {
    if (slot_) Write(original_);
  }
  ImportPatch(const ImportPatch&) = delete;
  ImportPatch& operator=(const ImportPatch&) = delete;

  bool Applied() const { return slot_ != nullptr; }
  void* Original() const { return original_; }

 private:
  void Write(void* value) {
    DWORD protection = 0;
    VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
    *slot_ = value;
    VirtualProtect(slot_, sizeof *slot_, protection, &protection);
  }

  void** slot_ = nullptr;
  void* original_ = nullptr;
};

using SelectObjectFn = HGDIOBJ(WINAPI*)(HDC, HGDIOBJ);
SelectObjectFn realSelectObject = nullptr;
HGDIOBJ refusedFont = nullptr;

// A device context that takes everything but a font.
HGDIOBJ WINAPI SelectAnythingButAFont(HDC dc, HGDIOBJ object) {
  if (GetObjectType(object) == OBJ_FONT) {
    refusedFont = object;
    return nullptr;
  }
  return realSelectObject(dc, object);
}

bool Deleted(HGDIOBJ object) { return GetObjectType(object) == 0; }

TEST(PreviewSurface, DeletesEveryObjectItMadeAlsoWhenItsFontCannotBeSelected) {
  HWND window = CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP, 0, 0, 64, 48, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(window);
  {
    sDrawBuffer surface;
    surface.Prepare(window, 64, 48);
    ASSERT_FALSE(surface.Empty());
    HDC dc = surface.MemoryDc();
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    LOGFONTW description{};
    ASSERT_TRUE(GetObjectW(font, sizeof description, &description));
    EXPECT_EQ(description.lfHeight, 12) << "the surface's own font";

    surface.Prepare(window, 32, 24);  // another size: built anew
    EXPECT_TRUE(Deleted(font) && Deleted(bitmap) && Deleted(dc));
    font = GetCurrentObject(surface.MemoryDc(), OBJ_FONT);
    surface.Release();
    EXPECT_TRUE(Deleted(font));
  }
  {
    ImportPatch patch("gdi32.dll", "SelectObject", reinterpret_cast<void*>(&SelectAnythingButAFont));
    ASSERT_TRUE(patch.Applied());
    realSelectObject = reinterpret_cast<SelectObjectFn>(patch.Original());
    sDrawBuffer surface;
    surface.Prepare(window, 64, 48);
    EXPECT_FALSE(surface.Empty()) << "a surface without its font still takes frames";
    surface.Release();
  }
  ASSERT_TRUE(refusedFont);
  EXPECT_TRUE(Deleted(refusedFont)) << "the font the memory DC did not take is left behind";
  DestroyWindow(window);
}

// The surface's font goes back out of a device context that outlives it,
// on a new selection and at the end: the context has its own font again and
// the surface's is deleted, not left selected.
TEST(PreviewSurface, ItsOwnedFontLeavesADeviceContextThatOutlivesIt) {
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_TRUE(dc);
  const HGDIOBJ own = GetCurrentObject(dc, OBJ_FONT);
  const auto makeFont = [] { return CreateFontW(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma"); };
  HFONT first = makeFont(), second = makeFont();
  {
    ui::OwnedSelection<HFONT> selection;
    selection.Select(dc, first);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), first);
    selection.Select(dc, second);
    EXPECT_TRUE(Deleted(first));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), second);
  }
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), own);
  EXPECT_TRUE(Deleted(second));
  DeleteDC(dc);
}

}  // namespace
}  // namespace nolb
