// Where one of the program's files is read and written. Its usual place is
// beside the program (the settings file) or in the current directory (the
// preset lists). A folder that takes no new file there (a program under
// "Program Files", which a user may not write) moves the file into the
// user's own folder for the program, %APPDATA%\NOLB: it is read from there
// once it exists there (until then from the usual place, where a copy
// shipped with the program gives the first settings) and written there.
#pragma once

#include "base/native_path.h"

namespace nolb {

struct FilePlace {
  NativePath read;
  NativePath write;

  bool operator==(const FilePlace&) const = default;
};

// usual: the file in its usual folder; perUser: the file in the user's
// folder, or empty when the system names none.
FilePlace ChooseFilePlace(const NativePath& usual, bool usualFolderTakesNewFile,
                          const NativePath& perUser, bool perUserExists);

}  // namespace nolb
