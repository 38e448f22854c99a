// Saves where no file can be replaced in one step: targets that are no regular files, and a
// folder that refuses new files.
#include "showfile/File.h"

#include <gtest/gtest.h>

using bw::File::WriteWholeFile;

#ifdef _WIN32

TEST(InPlaceSaveTest, Device_IsWrittenAsItIs) {
    EXPECT_EQ(WriteWholeFile("NUL", "(discarded)"), 0);
}

#else

#include <filesystem>
#include <fstream>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const fs::path Scratch =
    fs::temp_directory_path() / ("bwshow-in-place-" + std::to_string(getpid()));

} // namespace

// Devices take the same way.
TEST(InPlaceSaveTest, Fifo_IsWrittenAsItIs) {
    ASSERT_EQ(mkfifo(Scratch.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = Bytes(Scratch); });
    EXPECT_EQ(WriteWholeFile(Scratch.string(), "(piped)"), 0);
    // Should the save not have opened the FIFO, this lets the reader go.
    if (const int unblock = open(Scratch.c_str(), O_WRONLY | O_NONBLOCK); unblock >= 0)
        close(unblock);
    reader.join();
    EXPECT_EQ(received, "(piped)\r\n");
    fs::remove(Scratch);
}

TEST(InPlaceSaveTest, LockedFolder_WritesTheWritableFileInPlace) {
    const fs::path show = Scratch / "show.kss";
    fs::create_directories(Scratch);
    std::ofstream(show) << "old";
    // The folder refuses new files to whoever saves, also when the tests run as the superuser.
    const uid_t saver = geteuid() == 0 ? 65534 : geteuid();
    ASSERT_EQ(chown(Scratch.c_str(), saver, -1) | chown(show.c_str(), saver, -1), 0);
    fs::permissions(Scratch,
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_exec);
    const pid_t child = fork();
    if (child == 0)
        _exit(setuid(saver) != 0 ? 2 : WriteWholeFile(show.string(), "(new)") == 0 ? 0 : 1);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    fs::permissions(Scratch, fs::perms::owner_all);
    const std::string saved = Bytes(show);
    fs::remove_all(Scratch);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 2)
        GTEST_SKIP() << "this system lets the tests act as no other user";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(saved, "(new)\r\n");
}

#endif
