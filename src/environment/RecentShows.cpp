#include "environment/RecentShows.h"

#include "environment/SettingsStore.h"

#include <algorithm>

#ifdef _WIN32
#include "environment/WideText.h"

#include <windows.h>
#else
#include "environment/LibRegistry.h"
#include "environment/RegFile.h"
#include "environment/WholeFile.h"

#include <filesystem>
#include <system_error>
#endif

namespace bw::RecentShows {

namespace {

std::string ValueName(std::size_t index) {
    return "Recent" + std::to_string(index + 1);
}

#ifdef _WIN32

std::vector<std::string> LoadValues(const Place& place) {
    std::vector<std::string> stored;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, WideText::FromUtf8(place.keyPath).c_str(), 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
        return stored;
    for (std::size_t i = 0; i < Limit; ++i) {
        wchar_t data[2048];
        DWORD type = 0;
        DWORD size = sizeof data - sizeof(wchar_t);
        const std::wstring name = WideText::FromUtf8(ValueName(i));
        if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data),
                             &size) != ERROR_SUCCESS ||
            type != REG_SZ)
            continue;
        data[size / sizeof(wchar_t)] = L'\0';
        stored.push_back(WideText::ToUtf8(data));
    }
    RegCloseKey(key);
    return stored;
}

bool SaveValues(const Place& place, const std::vector<std::string>& list) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, WideText::FromUtf8(place.keyPath).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    bool ok = true;
    for (std::size_t i = 0; i < Limit; ++i) {
        const std::wstring data = WideText::FromUtf8(i < list.size() ? list[i] : std::string{});
        const auto size = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
        ok = RegSetValueExW(key, WideText::FromUtf8(ValueName(i)).c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(data.c_str()), size) == ERROR_SUCCESS &&
             ok;
    }
    RegCloseKey(key);
    return ok;
}

#else

std::vector<std::string> LoadValues(const Place& place) {
    std::vector<std::string> stored;
    std::string bytes;
    if (!WholeFile::Read(place.settingsFile, bytes))
        return stored;
    const auto values =
        RegFile::FindKey(RegFile::Decode(bytes).utf8, LibRegistry::HkeyCurrentUser, place.keyPath);
    for (std::size_t i = 0; values && i < Limit; ++i) {
        const RegFile::Value* value = RegFile::FindValue(*values, ValueName(i));
        if (value == nullptr || value->type != RegFile::ValueType::String)
            continue;
        // A text's data end in its NUL.
        stored.push_back(value->data.substr(0, value->data.find('\0')));
    }
    return stored;
}

bool SaveValues(const Place& place, const std::vector<std::string>& list) {
    std::string bytes;
    std::error_code error;
    if (!WholeFile::Read(place.settingsFile, bytes) &&
        std::filesystem::exists(place.settingsFile, error))
        return false;
    const RegFile::DecodedText text = RegFile::Decode(bytes);
    std::vector<RegFile::ValueLine> lines;
    for (std::size_t i = 0; i < Limit; ++i)
        lines.push_back({ValueName(i), RegFile::StringData(i < list.size() ? list[i] : "")});
    const std::string edited =
        RegFile::SetValues(text.utf8, "HKEY_CURRENT_USER", place.keyPath, lines);
    std::filesystem::create_directories(std::filesystem::path(place.settingsFile).parent_path(),
                                        error);
    return !error && WholeFile::Write(place.settingsFile, RegFile::Encode(edited, text.encoding));
}

#endif

} // namespace

bool SamePath(const std::string& a, const std::string& b) {
#ifdef _WIN32
    const std::wstring first = WideText::FromUtf8(a), second = WideText::FromUtf8(b);
    return CompareStringOrdinal(first.c_str(), -1, second.c_str(), -1, TRUE) == CSTR_EQUAL;
#else
    return a == b;
#endif
}

std::vector<std::string> Removed(std::vector<std::string> list, const std::string& path) {
    std::erase_if(list, [&path](const std::string& entry) { return SamePath(entry, path); });
    return list;
}

std::vector<std::string> Added(std::vector<std::string> list, const std::string& path) {
    list = Removed(std::move(list), path);
    list.insert(list.begin(), path);
    if (list.size() > Limit)
        list.resize(Limit);
    return list;
}

Place UserPlace() {
    return {"Software\\Brightwave\\BWShow", SettingsStore::FilePath()};
}

std::vector<std::string> Load(const Place& place) {
    std::vector<std::string> list;
    // Oldest first, so that the first of two equal entries is the one kept.
    std::vector<std::string> stored = LoadValues(place);
    for (auto entry = stored.rbegin(); entry != stored.rend(); ++entry)
        if (!entry->empty())
            list = Added(std::move(list), *entry);
    return list;
}

bool Save(const Place& place, const std::vector<std::string>& list) {
    return SaveValues(place, list);
}

} // namespace bw::RecentShows
