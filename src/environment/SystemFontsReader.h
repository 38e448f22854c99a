#pragma once

#include <thread>

namespace bw {

// Reads the system's font configuration on a thread of its own. Reading it is most of the
// editor's start-up before its window can be shown, and every text the window measures waits for
// it; started first thing, it runs while the toolkit connects to the display. Where the system
// has no such configuration there is nothing to read.
class SystemFontsReader {
public:
    SystemFontsReader();
    ~SystemFontsReader();
    SystemFontsReader(const SystemFontsReader&) = delete;
    SystemFontsReader& operator=(const SystemFontsReader&) = delete;

    // Waits until the configuration is read. Call it before the first text is measured: a
    // configuration asked for while it is still being read is read a second time, in full.
    void Wait();

private:
    std::thread reader_;
};

} // namespace bw
