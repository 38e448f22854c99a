#include "environment/RecoveryStore.h"

#include "environment/WholeFile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <map>
#include <system_error>

namespace bw {

namespace fs = std::filesystem;

namespace {

// A copy's file: a first line, then records "name length\n" + bytes + "\n", the last of which
// ("check") holds a checksum of everything before it. Lengths let any byte through.
constexpr std::string_view Magic = "BWShow recovery copy 1\n";
constexpr std::string_view Extension = ".recovery";

std::uint64_t Checksum(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325u; // 64-bit FNV-1a
    for (const char ch : bytes)
        hash = (hash ^ static_cast<unsigned char>(ch)) * 0x100000001b3u;
    return hash;
}

void AddRecord(std::string& out, std::string_view name, std::string_view value) {
    out.append(name).append(" ").append(std::to_string(value.size())).append("\n");
    out.append(value).append("\n");
}

template <class Number> std::optional<Number> NumberOf(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// "<pid>.<started>.recovery": whose copy a file is, also when its content is damaged.
std::string FileNameOf(const ProcessIdentity::Identity& editor) {
    return std::to_string(editor.pid) + "." + editor.started + std::string(Extension);
}

std::optional<ProcessIdentity::Identity> EditorOf(const std::string& fileName) {
    if (!fileName.ends_with(Extension))
        return std::nullopt;
    const std::string stem = fileName.substr(0, fileName.size() - Extension.size());
    const std::size_t dot = stem.find('.');
    const auto pid = NumberOf<std::int64_t>(std::string_view(stem).substr(0, dot));
    if (dot == std::string::npos || !pid)
        return std::nullopt;
    return ProcessIdentity::Identity{*pid, stem.substr(dot + 1)};
}

} // namespace

RecoveryStore::RecoveryStore(std::string folder, ProcessIdentity::Identity self)
    : folder_(std::move(folder)), self_(std::move(self)) {}

std::string RecoveryStore::OwnPath() const {
    return (fs::path(folder_) / FileNameOf(self_)).string();
}

bool RecoveryStore::Write(std::string_view showText, const std::string& showFileName,
                          std::int64_t savedAt) {
    // Without a folder of its own a copy would land wherever the program happens to run.
    if (folder_.empty())
        return false;
    std::error_code error;
    fs::create_directories(folder_, error);
    const RecoveryCopy copy{std::string(showText), showFileName, savedAt, self_};
    return !error && WholeFile::Write(OwnPath(), Encode(copy));
}

bool RecoveryStore::Remove() const {
    std::error_code error;
    fs::remove(OwnPath(), error);
    return !error;
}

std::vector<std::string> RecoveryStore::Abandoned() const {
    std::vector<std::pair<fs::file_time_type, std::string>> found;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with(Extension) || !entry.is_regular_file(error))
            continue;
        // A name that tells no editor belongs to none that runs.
        const std::optional<ProcessIdentity::Identity> editor = EditorOf(name);
        if (editor && (*editor == self_ || ProcessIdentity::IsRunning(*editor)))
            continue;
        found.emplace_back(entry.last_write_time(error), entry.path().string());
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a > b; });
    std::vector<std::string> paths;
    for (auto& [time, path] : found)
        paths.push_back(std::move(path));
    return paths;
}

bool RecoveryStore::Take(const std::string& path) const {
    std::error_code error;
    fs::rename(path, OwnPath(), error);
    return !error;
}

std::optional<RecoveryCopy> RecoveryStore::Read(const std::string& path) {
    std::string bytes;
    if (!WholeFile::Read(path, bytes))
        return std::nullopt;
    return Decode(bytes);
}

std::string RecoveryStore::Encode(const RecoveryCopy& copy) {
    std::string out(Magic);
    AddRecord(out, "file", copy.showFileName);
    AddRecord(out, "saved", std::to_string(copy.savedAt));
    AddRecord(out, "pid", std::to_string(copy.editor.pid));
    AddRecord(out, "started", copy.editor.started);
    AddRecord(out, "text", copy.showText);
    char check[17];
    std::snprintf(check, sizeof check, "%016llx", static_cast<unsigned long long>(Checksum(out)));
    AddRecord(out, "check", check);
    return out;
}

std::optional<RecoveryCopy> RecoveryStore::Decode(std::string_view bytes) {
    if (!bytes.starts_with(Magic))
        return std::nullopt;
    std::map<std::string, std::string_view, std::less<>> records;
    std::size_t at = Magic.size();
    std::size_t checked = 0;
    while (at < bytes.size()) {
        const std::size_t blank = bytes.find(' ', at), end = bytes.find('\n', at);
        if (blank == std::string_view::npos || end == std::string_view::npos || blank > end)
            return std::nullopt;
        const auto length = NumberOf<std::size_t>(bytes.substr(blank + 1, end - blank - 1));
        if (!length || bytes.size() - end - 1 < *length + 1 || bytes[end + 1 + *length] != '\n')
            return std::nullopt;
        const std::string name(bytes.substr(at, blank - at));
        if (name == "check")
            checked = at;
        records[name] = bytes.substr(end + 1, *length);
        at = end + 1 + *length + 1;
        // Nothing may follow the checksum unchecked.
        if (name == "check" && at != bytes.size())
            return std::nullopt;
    }
    char check[17];
    std::snprintf(check, sizeof check, "%016llx",
                  static_cast<unsigned long long>(Checksum(bytes.substr(0, checked))));
    const auto field = [&records](std::string_view name) {
        const auto found = records.find(name);
        return found == records.end() ? std::optional<std::string_view>() : found->second;
    };
    const auto saved = NumberOf<std::int64_t>(field("saved").value_or(""));
    const auto pid = NumberOf<std::int64_t>(field("pid").value_or(""));
    if (checked == 0 || field("check") != std::string_view(check) || !saved || !pid ||
        !field("file") || !field("started") || !field("text"))
        return std::nullopt;
    return RecoveryCopy{std::string(*field("text")),
                        std::string(*field("file")),
                        *saved,
                        {*pid, std::string(*field("started"))}};
}

} // namespace bw
