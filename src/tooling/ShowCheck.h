#pragma once

#include "environment/TextEncoding.h"
#include "model/Show.h"

#include <string>
#include <vector>

// What a user should know about a show before it runs, one readable line per finding.
namespace bw::ShowCheck {

// The findings, in the order of the editor's tabs (Background, Startup, Animation, Musical,
// Interactive, Shutdown), then the show options:
// - a sequence file or cleanup sequence that does not exist, names resolved against
//   `sequenceFolder` as the editor resolves them (see LibFile::ResolveSequencePath);
// - a musical sequence (".kms") in the Background or Animation section or in a Magic Toy group;
// - an empty section;
// - a group that is independent but not interruptible, which is none of the three group types;
// - a trigger used by more than one group;
// - a startup type that starts the show on a trigger when the show has no startup trigger.
// No findings: an empty list.
std::vector<std::string> CheckShow(const Show& show, const std::string& sequenceFolder);

// The finding for a show file written in UTF-8, which the editor on Windows reads in its ANSI
// code page, so that the characters beyond ASCII in the show's text (quoted in the finding) come
// out wrong there.
std::string Utf8FileFinding(const std::string& text);

// What the show file's encoding tells, for a show text read in `encoding`:
// - each name that holds bytes which were not valid in that encoding (see DamagedNames.h);
// - a file in UTF-8 whose text holds characters beyond ASCII (Utf8FileFinding);
// - a file without a byte order mark, read in the code page, whose bytes also read as UTF-8 with
//   other names, as an earlier version of this program wrote shows on Linux.
std::vector<std::string> EncodingFindings(const std::string& text, TextEncoding::Encoding encoding);

} // namespace bw::ShowCheck
