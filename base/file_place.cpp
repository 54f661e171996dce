#include "base/file_place.h"

namespace nolb {

FilePlace ChooseFilePlace(const NativePath& usual, bool usualFolderTakesNewFile,
                          const NativePath& perUser, bool perUserExists) {
  if (usualFolderTakesNewFile || perUser.empty()) return {usual, usual};
  return {perUserExists ? perUser : usual, perUser};
}

}  // namespace nolb
