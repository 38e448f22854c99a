#include "environment/LibRegistry.h"

#include "environment/AnsiCodePage.h"
#include "environment/RegistryQuery.h"
#include "listtext/Error.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#else
#include "environment/RegFile.h"
#include "environment/SettingsStore.h"
#include "environment/WholeFile.h"

#include <cstring>
#include <utility>
#include <vector>
#endif

namespace bw::LibRegistry {

namespace {

constexpr std::uint32_t TypeDword = 4;

// The data of a value read as text. The system's texts and other data come in the ANSI code
// page. The settings file that stands in for the registry elsewhere keeps its texts as the
// program holds them, a path's bytes exactly as they were written; its other data are bytes,
// taken in the code page as on Windows.
std::string TextFromData([[maybe_unused]] std::uint32_t type, std::string data) {
#ifndef _WIN32
    if (type == RegFile::ValueType::String || type == RegFile::ValueType::ExpandString ||
        type == RegFile::ValueType::MultiString)
        return data;
#endif
    return AnsiCodePage::ToUtf8(data);
}

// Closes the key on every way out of a read.
class KeyCloser {
public:
    explicit KeyCloser(KeyHandle key) : key_(key) {}
    ~KeyCloser() { CloseKey(key_); }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;
    KeyHandle get() const { return key_; }

private:
    KeyHandle key_;
};

} // namespace

std::int32_t ReadRegLong(std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName, std::int32_t defaultValue) {
    try {
        const KeyCloser key(OpenKey(root, keyPath, KeyRead));
        unsigned char data[4] = {0, 0, 0, 0};
        std::uint32_t type = TypeDword;
        std::uint32_t size = sizeof data;
        // Longer data than four bytes fail here with the more-data status.
        if (Query::QueryValue(key.get(), valueName, &type, data, &size) != Query::StatusSuccess)
            return defaultValue;
        const std::uint32_t value = static_cast<std::uint32_t>(data[0]) |
                                    (static_cast<std::uint32_t>(data[1]) << 8) |
                                    (static_cast<std::uint32_t>(data[2]) << 16) |
                                    (static_cast<std::uint32_t>(data[3]) << 24);
        return static_cast<std::int32_t>(value);
    } catch (...) {
        return defaultValue;
    }
}

bool ReadRegBool(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                 bool defaultValue) {
    try {
        return ReadRegLong(root, keyPath, valueName, defaultValue ? 1 : 0) != 0;
    } catch (...) {
        return defaultValue;
    }
}

std::string ReadRegString(std::uint32_t root, const std::string& keyPath,
                          const std::string& valueName, const std::string& defaultValue) {
    try {
        const KeyCloser key(OpenKey(root, keyPath, KeyRead));
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        std::int32_t status = Query::QueryValue(key.get(), valueName, &type, nullptr, &size);
        if (status != Query::StatusSuccess)
            throw Error(status, "", "RegQueryValueEx failure (length)");
        std::uint32_t length = size;
        std::string buffer(length, ' ');
        std::uint32_t received = length;
        status = Query::QueryValue(key.get(), valueName, &type,
                                   reinterpret_cast<unsigned char*>(buffer.data()), &received);
        if (status != Query::StatusSuccess)
            throw Error(status, "", "RegQueryValueEx failure");
        // The length query of a text may answer with an upper bound (the system converts the
        // stored text to the ANSI code page only when it copies it); what the copy reports is
        // exact.
        length = std::min(length, received);
        // No data at all, not even the terminating NUL: there is no text to take.
        if (length == 0)
            return defaultValue;
        buffer.resize(length - 1);
        return TextFromData(type, std::move(buffer));
    } catch (...) {
        return defaultValue;
    }
}

#ifdef _WIN32

namespace {

// The predefined root handles are 32-bit values, sign-extended to the width of a handle.
HKEY RootHandle(std::uint32_t root) {
    return reinterpret_cast<HKEY>(
        static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(root))));
}

HKEY SystemKey(KeyHandle key) {
    return reinterpret_cast<HKEY>(key);
}

} // namespace

static_assert(KeyRead == KEY_READ);
static_assert(Query::StatusFileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(Query::StatusMoreData == ERROR_MORE_DATA);

KeyHandle OpenKey(std::uint32_t root, const std::string& keyPath, std::uint32_t accessMask) {
    HKEY key = nullptr;
    const std::string path = AnsiCodePage::FromUtf8(keyPath);
    const LONG status = RegOpenKeyExA(RootHandle(root), path.c_str(), 0, accessMask, &key);
    if (status != ERROR_SUCCESS)
        throw Error(static_cast<int>(status), "", "RegOpenKeyEx failure");
    return reinterpret_cast<KeyHandle>(key);
}

void CloseKey(KeyHandle key) {
    RegCloseKey(SystemKey(key));
}

std::int32_t Query::QueryValue(KeyHandle key, const std::string& valueName, std::uint32_t* type,
                               unsigned char* data, std::uint32_t* size) {
    const std::string name = AnsiCodePage::FromUtf8(valueName);
    DWORD valueType = *type;
    DWORD valueSize = *size;
    const LONG status =
        RegQueryValueExA(SystemKey(key), name.c_str(), nullptr, &valueType, data, &valueSize);
    *type = valueType;
    *size = valueSize;
    return static_cast<std::int32_t>(status);
}

#else

// An open key of the settings file: the key's values as the file held them when it was opened.
struct OpenedKey {
    std::vector<RegFile::Value> values;
};

KeyHandle OpenKey(std::uint32_t root, const std::string& keyPath, std::uint32_t accessMask) {
    // Whoever may read the file may read every key in it.
    static_cast<void>(accessMask);
    std::string bytes;
    if (!WholeFile::Read(SettingsStore::FilePath(), bytes))
        throw Error(Query::StatusFileNotFound, "", "RegOpenKeyEx failure");
    std::optional<std::vector<RegFile::Value>> values =
        RegFile::FindKey(RegFile::Decode(bytes).utf8, root, keyPath);
    if (!values)
        throw Error(Query::StatusFileNotFound, "", "RegOpenKeyEx failure");
    return new OpenedKey{std::move(*values)};
}

void CloseKey(KeyHandle key) {
    delete key;
}

std::int32_t Query::QueryValue(KeyHandle key, const std::string& valueName, std::uint32_t* type,
                               unsigned char* data, std::uint32_t* size) {
    const RegFile::Value* value = RegFile::FindValue(key->values, valueName);
    if (value == nullptr)
        return StatusFileNotFound;
    const auto needed = static_cast<std::uint32_t>(value->data.size());
    *type = value->type;
    if (data != nullptr && *size < needed) {
        *size = needed;
        return StatusMoreData;
    }
    if (data != nullptr && needed > 0)
        std::memcpy(data, value->data.data(), needed);
    *size = needed;
    return StatusSuccess;
}

#endif

} // namespace bw::LibRegistry
