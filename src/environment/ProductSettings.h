#pragma once

#include <cstdint>
#include <string>

// Reads of the suite's settings in the current user's registry: under the product key
// "Software\Brightwave" (LibRegistryBW) and under its subkey "Shared" (LibRegistryBWShared),
// where every setting that this program reads lies. Every read falls back to its default.
namespace bw::LibRegistryBW {

// "Software\Brightwave", or "Software\Brightwave\<subkey>".
std::string BWKeyPath(const std::string& subkey);

bool ReadBWBool(const std::string& valueName, const std::string& subkey, bool defaultValue);
std::int32_t ReadBWLong(const std::string& valueName, const std::string& subkey,
                        std::int32_t defaultValue);
std::string ReadBWString(const std::string& valueName, const std::string& subkey,
                         const std::string& defaultValue);

} // namespace bw::LibRegistryBW

namespace bw::LibRegistryBWShared {

// "Shared", or "Shared\<subkey>", relative to the product key.
std::string SharedKeyPath(const std::string& subkey);

bool ReadSharedBool(const std::string& valueName, const std::string& subkey, bool defaultValue);
std::int32_t ReadSharedLong(const std::string& valueName, const std::string& subkey,
                            std::int32_t defaultValue);
std::string ReadSharedString(const std::string& valueName, const std::string& subkey,
                             const std::string& defaultValue);

} // namespace bw::LibRegistryBWShared
