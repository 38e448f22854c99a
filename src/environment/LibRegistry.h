#pragma once

#include <cstdint>
#include <string>

// Single reads from the current user's registry. A read never fails towards its caller: whatever
// goes wrong, it returns the default it was given. The program never writes the registry.
//
// On Windows this is the system registry. Elsewhere a per-user settings file in the format that
// the Windows registry editor exports stands in for it (see SettingsStore.h); it is read with the
// same byte semantics, so every read behaves the same on both.
//
// Strings passed in and returned are UTF-8. The system registry's texts are in the ANSI code
// page; the settings file keeps every character, and every byte of a path that is not UTF-8
// (see RegFile.h).
namespace bw::LibRegistry {

// The system's predefined root keys, as their 32-bit handle values.
inline constexpr std::uint32_t HkeyClassesRoot = 0x80000000u;
inline constexpr std::uint32_t HkeyCurrentUser = 0x80000001u;
inline constexpr std::uint32_t HkeyLocalMachine = 0x80000002u;
inline constexpr std::uint32_t HkeyUsers = 0x80000003u;
inline constexpr std::uint32_t HkeyCurrentConfig = 0x80000005u;

// The system's KEY_READ access rights.
inline constexpr std::uint32_t KeyRead = 0x20019u;

// The first four bytes of the value's data as a signed little-endian number, whatever the value's
// type; shorter data leave the upper bytes 0. Longer data give the default.
std::int32_t ReadRegLong(std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName, std::int32_t defaultValue);

// A 32-bit read; any non-zero value is true.
bool ReadRegBool(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                 bool defaultValue);

// The value's data as text less its terminating NUL, whatever the value's type; an expandable
// string comes back as stored. A value with no data at all gives the default.
std::string ReadRegString(std::uint32_t root, const std::string& keyPath,
                          const std::string& valueName, const std::string& defaultValue);

// An open key; owned by whoever opened it and closed with CloseKey.
struct OpenedKey;
using KeyHandle = OpenedKey*;

// Raises bw::Error with the system status as number and "RegOpenKeyEx failure" as description.
KeyHandle OpenKey(std::uint32_t root, const std::string& keyPath, std::uint32_t accessMask);
void CloseKey(KeyHandle key);

} // namespace bw::LibRegistry
