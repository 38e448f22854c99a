#include "environment/ProductSettings.h"

#include "environment/LibRegistry.h"

namespace bw::LibRegistryBW {

std::string BWKeyPath(const std::string& subkey) {
    const std::string productKey = "Software\\Brightwave";
    return subkey.empty() ? productKey : productKey + "\\" + subkey;
}

bool ReadBWBool(const std::string& valueName, const std::string& subkey, bool defaultValue) {
    return LibRegistry::ReadRegBool(LibRegistry::HkeyCurrentUser, BWKeyPath(subkey), valueName,
                                    defaultValue);
}

std::int32_t ReadBWLong(const std::string& valueName, const std::string& subkey,
                        std::int32_t defaultValue) {
    return LibRegistry::ReadRegLong(LibRegistry::HkeyCurrentUser, BWKeyPath(subkey), valueName,
                                    defaultValue);
}

std::string ReadBWString(const std::string& valueName, const std::string& subkey,
                         const std::string& defaultValue) {
    return LibRegistry::ReadRegString(LibRegistry::HkeyCurrentUser, BWKeyPath(subkey), valueName,
                                      defaultValue);
}

} // namespace bw::LibRegistryBW

namespace bw::LibRegistryBWShared {

std::string SharedKeyPath(const std::string& subkey) {
    return subkey.empty() ? std::string("Shared") : "Shared\\" + subkey;
}

bool ReadSharedBool(const std::string& valueName, const std::string& subkey, bool defaultValue) {
    return LibRegistryBW::ReadBWBool(valueName, SharedKeyPath(subkey), defaultValue);
}

std::int32_t ReadSharedLong(const std::string& valueName, const std::string& subkey,
                            std::int32_t defaultValue) {
    return LibRegistryBW::ReadBWLong(valueName, SharedKeyPath(subkey), defaultValue);
}

std::string ReadSharedString(const std::string& valueName, const std::string& subkey,
                             const std::string& defaultValue) {
    return LibRegistryBW::ReadBWString(valueName, SharedKeyPath(subkey), defaultValue);
}

} // namespace bw::LibRegistryBWShared
