// The settings file reader: any bytes decode, any text is searched for the suite's key without a
// fault, and setting values in a file whose key holds no later overrides makes them readable.
#include "FuzzChecks.h"
#include "environment/RegFile.h"

using namespace bw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const RegFile::DecodedText decoded = RegFile::Decode(fuzz::AsText(data, size));
    const std::uint32_t root = *RegFile::RootFromName("HKEY_CURRENT_USER");
    const std::string keyPath = "Software\\Brightwave\\Shared";
    if (const auto values = RegFile::FindKey(decoded.utf8, root, keyPath))
        for (const RegFile::Value& value : *values)
            fuzz::Check(RegFile::FindValue(*values, value.name) != nullptr, "value not found");

    const std::string edited =
        RegFile::SetValues(decoded.utf8, "HKEY_CURRENT_USER", keyPath,
                           {{"AppPath", RegFile::StringData("/opt/Brightwave/")},
                            {"PostInstallVer", RegFile::DwordData(5)}});
    const RegFile::DecodedText again = RegFile::Decode(RegFile::Encode(edited, decoded.encoding));
    fuzz::Check(RegFile::FindKey(again.utf8, root, keyPath).has_value(), "set key not found");
    return 0;
}
