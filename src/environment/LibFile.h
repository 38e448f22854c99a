#pragma once

#include <string>

// The user's sequence folder, sequence file names resolved against it, and whether a file exists.
namespace bw::LibFile {

// The folder of the user's sequence files ("NonAudioPath" of the shared settings) with a final
// separator; empty when it is not set. Read afresh on every call.
std::string GetNonAudioPath();

// A sequence file name resolved against the sequence folder: see ResolveSequencePath.
std::string FullSequencePath(const std::string& name);

// `name` resolved against `folder` (empty or ending in a separator): an empty name stays empty;
// a name with ":" anywhere (drive-qualified), one that begins with "\\" (network) or, outside
// Windows, one that begins with "/" (absolute) stays unchanged; so does any name when there is no
// folder. Otherwise one leading "\" of the name is dropped and the folder put in front.
std::string ResolveSequencePath(const std::string& name, const std::string& folder);

// Whether ResolveSequencePath gives `name` back unchanged, without making the copy: checks of
// thousands of names resolve most of them to themselves.
bool ResolvesToItself(const std::string& name, const std::string& folder);

// True when the path names something that exists and is not a folder; false for an empty path
// and whenever the file's attributes cannot be read.
bool FileExists(const std::string& path);

} // namespace bw::LibFile
