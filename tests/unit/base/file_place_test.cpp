#include "base/file_place.h"

#include <gtest/gtest.h>

namespace nolb {
namespace {

const NativePath kUsual = NativeAscii("C:/Program Files (x86)/NOLB/NOLBPanel.ini");
const NativePath kPerUser = NativeAscii("C:/Users/u/AppData/Roaming/NOLB/NOLBPanel.ini");

TEST(ChooseFilePlace, AWritableFolderKeepsTheFileThereWhateverTheUsersFolderHolds) {
  for (bool perUserExists : {false, true}) {
    EXPECT_EQ(ChooseFilePlace(kUsual, true, kPerUser, perUserExists), (FilePlace{kUsual, kUsual}));
  }
}

// A folder the user may not write: written to the user's folder, read from
// there once it holds the file, until then from the usual place (a copy
// shipped with the program gives the first settings).
TEST(ChooseFilePlace, AFolderThatTakesNoNewFileMovesTheFileIntoTheUsersFolder) {
  EXPECT_EQ(ChooseFilePlace(kUsual, false, kPerUser, false), (FilePlace{kUsual, kPerUser}));
  EXPECT_EQ(ChooseFilePlace(kUsual, false, kPerUser, true), (FilePlace{kPerUser, kPerUser}));
  // Without a user's folder there is nowhere else: the usual place, whose
  // failure is then reported.
  EXPECT_EQ(ChooseFilePlace(kUsual, false, NativePath(), false), (FilePlace{kUsual, kUsual}));
}

}  // namespace
}  // namespace nolb
