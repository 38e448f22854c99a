#include "environment/SystemFontsReader.h"

#include <system_error>

#ifdef BWSHOW_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace bw {

SystemFontsReader::SystemFontsReader() {
#ifdef BWSHOW_FONTCONFIG
    try {
        // The same default configuration that the toolkit loads when it first needs a font;
        // loaded once, it is kept for the process.
        reader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // Without a thread the toolkit reads the configuration itself, as it would anyway.
    }
#endif
}

SystemFontsReader::~SystemFontsReader() {
    Wait();
}

void SystemFontsReader::Wait() {
    if (reader_.joinable())
        reader_.join();
}

} // namespace bw
