#pragma once

#include <QString>

namespace bw {

// The program's own version, as major, minor and revision numbers.
struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// The version this program was built as.
ProgramVersion OwnVersion();

// "BW Show Editor" becomes "BW Show Editor v2.8.8" for version 2.8, revision 8.
QString TitleWithVersion(const QString& text, const ProgramVersion& version);
QString TitleWithVersion(const QString& text);

} // namespace bw
