#pragma once

#include "environment/ProcessIdentity.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bw {

// What an editor keeps of a show with unsaved changes, so that a crash loses nothing.
struct RecoveryCopy {
    std::string showText;     // the show text (UTF-8), as the show file would hold it
    std::string showFileName; // the file the show belongs to; empty for a show never saved
    std::int64_t savedAt = 0; // seconds since 1970-01-01 UTC
    ProcessIdentity::Identity editor;

    bool operator==(const RecoveryCopy&) const = default;
};

// The recovery copies of every editor of this user, one file per editor in one folder, named by
// the editor's identity so that an editor that still runs is never robbed of its copy. Each copy
// is replaced in one step, so a crash leaves the previous copy or the new one, never a part.
class RecoveryStore {
public:
    RecoveryStore(std::string folder, ProcessIdentity::Identity self);

    // This editor's own copy: written (the folder created when missing; never without a folder),
    // removed, its path.
    bool Write(std::string_view showText, const std::string& showFileName, std::int64_t savedAt);
    bool Remove() const;
    std::string OwnPath() const;

    // The copies whose editor no longer runs, damaged ones included, newest first.
    std::vector<std::string> Abandoned() const;
    // Makes an abandoned copy this editor's own, in one step; false when it is gone (another
    // editor took it first). Meant for the start, before the editor has a copy of its own.
    bool Take(const std::string& path) const;

    // A copy's content; none when it is damaged or cannot be read.
    static std::optional<RecoveryCopy> Read(const std::string& path);
    static std::string Encode(const RecoveryCopy& copy);
    static std::optional<RecoveryCopy> Decode(std::string_view bytes);

private:
    std::string folder_;
    ProcessIdentity::Identity self_;
};

} // namespace bw
