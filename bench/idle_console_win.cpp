// The yardsticks of command_bench.exe: a console program that does nothing,
// built as the companion is (32-bit, static runtime); with "--window" it
// loads user32.dll and asks for a window, as any program that talks to a
// window must (under Wine that loads the display driver).
#include <windows.h>

#include <cstring>

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--window") == 0) {
    HMODULE user32 = LoadLibraryW(L"user32.dll");
    using FindWindowExFn = HWND(WINAPI*)(HWND, HWND, LPCWSTR, LPCWSTR);
    auto find = reinterpret_cast<FindWindowExFn>(reinterpret_cast<void*>(GetProcAddress(user32, "FindWindowExW")));
    if (!find) return 1;
    find(HWND_MESSAGE, nullptr, L"NOLB_Command", nullptr);
  }
  return 0;
}
