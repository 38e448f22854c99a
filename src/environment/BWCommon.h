#pragma once

#include <string>

// The suite's installation folder, this program's own folder and the paths of sibling programs.
// Folder strings are either empty or end in a separator; nothing else is normalised.
namespace bw::BWCommon {

// A non-empty path that does not end in a separator gets one appended (the native one); an
// empty path stays empty; a path that already ends in one stays as it is. On Windows only "\"
// counts; elsewhere "/" and "\" both do.
std::string AddBackslash(const std::string& path);

// The suite's installation folder ("AppPath" of the shared settings), read afresh on every call.
std::string GetAppPath();

// The folder that holds the running program's executable.
std::string ExeFolder();

// The sibling program `name` (without extension) beside this program when it is there, else in
// the installation folder, which is not checked. Program files end in ".exe" on Windows only.
std::string ProgramPath(const std::string& name);

} // namespace bw::BWCommon
