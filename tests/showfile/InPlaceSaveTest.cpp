// Saves where no file can be replaced in one step: a folder that refuses new files and targets
// that are no regular files.
#ifndef _WIN32

#include "showfile/File.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace bw;
namespace fs = std::filesystem;

namespace {

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

TEST(InPlaceSaveTest, LockedFolder_WritesTheWritableFileInPlace) {
    const fs::path folder =
        fs::temp_directory_path() / ("bwshow-locked-" + std::to_string(getpid()));
    fs::create_directories(folder);
    std::ofstream(folder / "show.kss") << "old";
    std::ofstream(folder / "read-only.kss") << "old";
    fs::permissions(folder / "read-only.kss", fs::perms::owner_read | fs::perms::others_read);
    // The folder refuses new files to whoever saves, also when the tests run as the superuser.
    const uid_t saver = geteuid() == 0 ? 65534 : geteuid();
    ASSERT_EQ(chown(folder.c_str(), saver, static_cast<gid_t>(-1)), 0);
    ASSERT_EQ(chown((folder / "show.kss").c_str(), saver, static_cast<gid_t>(-1)), 0);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_exec);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (setuid(saver) != 0)
            _exit(2);
        const bool inPlace = File::WriteWholeFile((folder / "show.kss").string(), "(new)") == 0;
        const bool refused = File::WriteWholeFile((folder / "read-only.kss").string(), "x") == 1;
        _exit(inPlace && refused ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Bytes(folder / "show.kss"), "(new)\r\n");
    EXPECT_EQ(Bytes(folder / "read-only.kss"), "old");
    fs::permissions(folder, fs::perms::owner_all);
    fs::remove_all(folder);
}

TEST(InPlaceSaveTest, FifoAndDevice_AreWrittenAsTheyAre) {
    const fs::path fifo = fs::temp_directory_path() / ("bwshow-fifo-" + std::to_string(getpid()));
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = Bytes(fifo); });
    EXPECT_EQ(File::WriteWholeFile(fifo.string(), "(piped)"), 0);
    // Should the save not have opened the FIFO, this lets the reader go.
    if (const int unblock = open(fifo.c_str(), O_WRONLY | O_NONBLOCK); unblock >= 0)
        close(unblock);
    reader.join();
    EXPECT_EQ(received, "(piped)\r\n");
    EXPECT_TRUE(fs::is_fifo(fifo));
    fs::remove(fifo);

    EXPECT_EQ(File::WriteWholeFile("/dev/null", "(discarded)"), 0);
}

#endif
