// The places of the settings file and the preset lists on this system
// (base/file_place.h): whether their usual folder takes a new file, and the
// user's folder for the program, %APPDATA%\NOLB.
#pragma once

#include <string_view>

#include "base/file_place.h"

namespace nolb {

// The settings file: beside the program, or in the user's folder.
FilePlace SettingsFilePlace();

// A preset list file by its bare name: in the current directory, or in the
// user's folder.
FilePlace PresetFilePlace(std::string_view name);

// Makes the folder that the file is to be written into when it is missing
// (the user's folder for the program, on its first use).
void MakeFolderFor(const NativePath& file);

}  // namespace nolb
