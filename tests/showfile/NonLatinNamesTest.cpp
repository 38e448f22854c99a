// Show files in folders and with sequence paths whose names Windows-1252 cannot hold.
#include "NonLatinNames.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace bw;
namespace fs = std::filesystem;

namespace {

fs::path PathOf(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// A show whose one sequence lies in a folder of the name and has the name.
std::string ShowText(std::string_view name) {
    Show show;
    show.Main()->List().push_back(std::string(name) + "/" + std::string(name) + ".kas");
    return ShowFunctions::ShowToText(show);
}

} // namespace

TEST(NonLatinNamesTest, SaveAndOpen_KeepTheNames) {
#ifdef _WIN32
    // The ANSI code page has "?" for what it cannot hold, never a look-alike letter; a character
    // beyond 16 bits is two UTF-16 units there.
    const std::string_view readBack[] = {"?wi?teczne", "????", "????", "???", "Show ??"};
#else
    const auto& readBack = test::NonLatinNames;
#endif
    for (std::size_t i = 0; i < test::NonLatinNames.size(); ++i) {
        const std::string_view name = test::NonLatinNames[i];
        const fs::path folder = fs::temp_directory_path() / PathOf(name);
        fs::create_directories(folder);
        const std::string path = Utf8Of(folder / PathOf(std::string(name) + ".kss"));
        ASSERT_EQ(File::WriteWholeFile(path, ShowText(name)), 0) << name;
        std::string read;
        ASSERT_EQ(File::ReadWholeFile(path, read), 0) << name;
        EXPECT_EQ(read, ShowText(readBack[i]) + "\r\n") << name;
        fs::remove_all(folder);
    }
}
