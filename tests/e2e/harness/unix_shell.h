// The Unix side of the machine the tests run on, reached from a Windows
// program under Wine: Wine runs a Unix program given to CreateProcess.
#pragma once

#include <filesystem>
#include <string>

namespace e2e {

struct ShellResult {
  int status = -1;
  std::string output;
};

// The Unix path of a file, as Wine maps it; throws HarnessError when there
// is none.
std::string UnixPath(const std::filesystem::path& path);

// Runs a script of the Unix shell and waits for its end; its output and
// its exit status.
ShellResult RunUnixShell(const std::string& script);

// A key held on the display itself (xdotool, by its X name: "shift") for
// as long as the object lives, as a user holds it. Under Wine a modifier
// sent with SendInput is let go again by the next mouse move, which carries
// the display's own state of the modifier keys; one held here stays held.
class DisplayKeyHeld {
 public:
  explicit DisplayKeyHeld(std::string name);
  ~DisplayKeyHeld();
  DisplayKeyHeld(const DisplayKeyHeld&) = delete;
  DisplayKeyHeld& operator=(const DisplayKeyHeld&) = delete;

 private:
  std::string name_;
};

}  // namespace e2e
