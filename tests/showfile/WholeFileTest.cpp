// Whole show files read and written: every byte of the code page kept, names that it cannot hold,
// failures that leave files alone, and saves where no file can be replaced in one step.
#include "NonLatinNames.h"
#include "TemporaryFolder.h"
#include "showfile/File.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#endif

using namespace bw;
namespace fs = std::filesystem;

namespace {

using WholeFileTest = test::TemporaryFolder;

// How many names a folder holds, to tell that no temporary file was left behind.
std::ptrdiff_t Entries(const fs::path& folder) {
    return std::distance(fs::directory_iterator(folder), {});
}

} // namespace

TEST_F(WholeFileTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    const std::string path = PathOf("odd.kss");
#ifdef _WIN32 // elsewhere such a text is written in UTF-8
    // A CJK character, an arrow, and bytes that are not UTF-8 at all.
    ASSERT_EQ(File::WriteWholeFile(path, "(\xe4\xb8\xad\xe2\x86\x92\xff\xc3)"), 0);
    EXPECT_EQ(Bytes(path), "(?\?\?\?)\r\n");
#endif

    // Every byte of a file in the code page reads back as some character and is written back as
    // it was; the five bytes the code page leaves undefined become the control characters of the
    // same number.
    std::string all, text;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    Put(path, all);
    TextEncoding::Encoding encoding{};
    ASSERT_EQ(File::ReadWholeFile(path, text, encoding), 0);
    EXPECT_EQ(encoding, TextEncoding::Encoding::AnsiCodePage);
    for (const char* character : {"\xc3\xa9", "\xe2\x82\xac", "\xc2\x81"})
        EXPECT_NE(text.find(character), std::string::npos) << character;
    ASSERT_EQ(File::WriteWholeFile(path, text), 0);
    EXPECT_EQ(Bytes(path), all + "\r\n");
    EXPECT_EQ(Entries(folder_), 1);
#ifndef _WIN32
    // UTF-8 up to a last byte that is not: the whole file is in the code page.
    Put(path, "\xc3\xa9\x80");
    ASSERT_EQ(File::ReadWholeFile(path, text, encoding), 0);
    EXPECT_EQ(encoding, TextEncoding::Encoding::AnsiCodePage);
#endif
}

// A file in a folder, and a text, with names that the code page cannot hold.
TEST_F(WholeFileTest, NonLatinNamesAreKept) {
#ifdef _WIN32
    // The ANSI code page has "?" for what it cannot hold, never a look-alike letter; a character
    // beyond 16 bits is two UTF-16 units there.
    const std::string_view readBack[] = {"?wi?teczne", "????", "????", "???", "Show ??"};
#else
    const auto& readBack = test::NonLatinNames;
#endif
    for (std::size_t i = 0; i < test::NonLatinNames.size(); ++i) {
        const std::string name(test::NonLatinNames[i]);
        fs::create_directories(folder_ / std::u8string(name.begin(), name.end()));
        const std::string path = Folder() + name + "/" + name + ".kss", text = "(" + name + ")";
        std::string read;
        ASSERT_EQ(File::WriteWholeFile(path, text), 0) << name;
        ASSERT_EQ(File::ReadWholeFile(path, read), 0) << name;
        EXPECT_EQ(read, "(" + std::string(readBack[i]) + ")\r\n");
    }
}

TEST_F(WholeFileTest, FailuresLeaveTextAndFilesAlone) {
    std::string text = "unchanged";
    for (const std::string& path :
         {PathOf("no such folder/show.kss"), folder_.string(), std::string()}) {
        EXPECT_EQ(File::ReadWholeFile(path, text), 1) << path;
        EXPECT_EQ(File::WriteWholeFile(path, "()"), 1) << path;
    }
    EXPECT_EQ(text, "unchanged");
    Put(PathOf("empty.kss"), "");
    EXPECT_EQ(File::ReadWholeFile(PathOf("empty.kss"), text), 0);
    EXPECT_EQ(text, "");
    const std::string readOnly = PathOf("read-only.kss");
    Put(readOnly, "old");
    fs::permissions(readOnly, fs::perms::owner_read);
    EXPECT_EQ(File::WriteWholeFile(readOnly, "(new)"), 1);
    EXPECT_EQ(Bytes(readOnly), "old");
    EXPECT_EQ(Entries(folder_), 2);
}

#ifdef _WIN32

TEST(WholeFile, Device_IsWrittenAsItIs) {
    EXPECT_EQ(File::WriteWholeFile("NUL", "(discarded)"), 0);
}

#else

// The file-size limit stands in for a full disk: the write fails part way through.
TEST_F(WholeFileTest, WriteBeyondTheFileSizeLimitKeepsThePreviousFile) {
    const std::string path = PathOf("big.kss");
    Put(path, "old content");
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{64 * 1024, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_EQ(File::WriteWholeFile(path, std::string(1 << 20, 'x')), 1);
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(Bytes(path), "old content");
    EXPECT_EQ(Entries(folder_), 1);
}

TEST_F(WholeFileTest, ReplacingKeepsPermissionsAndLinks) {
    const std::string path = PathOf("show.kss");
    Put(path, "old");
    const auto rw_r = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, rw_r);
    const std::string link = PathOf("link.kss");
    fs::create_symlink(path, link);
    ASSERT_EQ(File::WriteWholeFile(link, "(through link)"), 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Bytes(path), "(through link)\r\n");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, rw_r);

    // A new file gets the usual permissions of the user, not those of a temporary file.
    const mode_t mask = umask(022);
    ASSERT_EQ(File::WriteWholeFile(PathOf("new.kss"), "()"), 0);
    umask(mask);
    EXPECT_EQ(fs::status(PathOf("new.kss")).permissions() & fs::perms::all,
              rw_r | fs::perms::others_read);
    EXPECT_EQ(Entries(folder_), 3);
}

// A FIFO, like a device, is written as it is.
TEST_F(WholeFileTest, Fifo_IsWrittenAsItIs) {
    const std::string fifo = PathOf("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = Bytes(fifo); });
    EXPECT_EQ(File::WriteWholeFile(fifo, "(piped)"), 0);
    // Should the save not have opened the FIFO, this lets the reader go.
    if (const int unblock = open(fifo.c_str(), O_WRONLY | O_NONBLOCK); unblock >= 0)
        close(unblock);
    reader.join();
    EXPECT_EQ(received, "(piped)\r\n");
}

// A folder that refuses new files to whoever saves, also when the tests run as the superuser:
// the writable file in it is written in place.
TEST_F(WholeFileTest, LockedFolder_WritesTheWritableFileInPlace) {
    const std::string show = PathOf("show.kss");
    Put(show, "old");
    const uid_t me = geteuid(), saver = me == 0 ? 65534 : me;
    ASSERT_EQ(chown(folder_.c_str(), saver, -1) | chown(show.c_str(), saver, -1), 0);
    fs::permissions(folder_,
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_exec);
    if (seteuid(saver) != 0)
        GTEST_SKIP() << "this system lets the tests act as no other user";
    EXPECT_EQ(File::WriteWholeFile(show, "(new)"), 0);
    ASSERT_EQ(seteuid(me), 0);
    fs::permissions(folder_, fs::perms::owner_all);
    EXPECT_EQ(Bytes(show), "(new)\r\n");
}

#endif
