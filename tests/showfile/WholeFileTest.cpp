// Whole show files read and written: every byte of the code page kept, names that it cannot hold,
// failures that leave files alone, saves where no file can be replaced in one step, full disks,
// FIFOs and the copies kept for saves in place.
#include "NonLatinNames.h"
#include "TemporaryFolder.h"
#include "showfile/File.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include "ChildProcess.h"
#include "environment/WholeFile.h"

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <memory>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
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

namespace {

// Saves as a user that permissions hold (see ChildProcess.h), with the copies of saves in place
// kept in the test's own folder.
class InPlaceTest : public test::TemporaryFolder {
protected:
    void SetUp() override {
        TemporaryFolder::SetUp();
        ASSERT_EQ(SaversFolder("state"), 0);
        setenv("XDG_STATE_HOME", PathOf("state").c_str(), 1); // each test runs on its own
    }
    int SaversFolder(const std::string& name) {
        fs::create_directories(PathOf(name));
        return chown(PathOf(name).c_str(), test::Saver(), test::SaverGroup());
    }
    // The copies under a data folder, set aside ones included.
    static std::ptrdiff_t Backups(const std::string& state) {
        const fs::path folder = fs::path(state) / "Brightwave/BWShow/save-backups";
        return fs::exists(folder) ? Entries(folder) : 0;
    }
    // The saver's file in a folder where the saver may make no file.
    std::string LockedShow(const std::string& folder, const std::string& bytes) {
        const std::string show = PathOf(folder + "/show.kss");
        Put(show, bytes);
        EXPECT_EQ(chown(show.c_str(), test::Saver(), test::SaverGroup()), 0);
        fs::permissions(PathOf(folder), fs::perms::all & ~fs::perms::owner_write &
                                            ~fs::perms::group_write & ~fs::perms::others_write);
        return show;
    }
    // WriteWholeFile's result for the saver.
    static int SaveAsSaver(const std::string& path, const std::string& text) {
        return test::RunAs(test::Saver(), test::SaverGroup(),
                           [&] { return File::WriteWholeFile(path, text); });
    }
};

} // namespace

// A save that fails for want of room, on a small tmpfs made full or beyond the file-size limit,
// fails before the old file is touched, also where the file is written in place and where the
// copy of the old file finds no room; a save in place that needs no more room succeeds.
TEST_F(InPlaceTest, FullDiskOrSizeLimit_KeepsTheOldFileWhole) {
    const std::string disk = PathOf("disk"), old(96 * 1024, 'o');
    fs::create_directories(disk);
    const bool mounted = mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=512k,mode=0777") == 0;
    if (!mounted)
        std::cout << "no tmpfs can be mounted here (" << std::strerror(errno)
                  << "): the full disk is not tried, the file-size limit is\n";
    const std::shared_ptr<void> unmount(nullptr, [&](void*) { umount2(disk.c_str(), MNT_DETACH); });
    ASSERT_EQ(SaversFolder("disk/open") | SaversFolder("disk/state"), 0);
    Put(disk + "/open/show.kss", old);
    const std::string locked = LockedShow("disk/locked", old);
    std::ofstream filler(disk + "/filler", std::ios::binary);
    for (const std::string block(4096, 'f'); mounted && filler.write(block.data(), 4096);)
        ;
    filler.close();
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{mounted ? limit.rlim_cur : 128 * 1024, limit.rlim_max};
    // The shrinking save comes last: it frees room.
    const std::tuple<std::string, std::size_t, std::string, int> cases[] = {
        {disk + "/open/show.kss", 200 * 1024, PathOf("state"), 1},
        {locked, 200 * 1024, PathOf("state"), 1},
        {locked, 200 * 1024, disk + "/state", 1},
        {locked, 16 * 1024, PathOf("state"), 0}};
    for (const auto& [path, size, state, result] : cases) {
        setenv("XDG_STATE_HOME", state.c_str(), 1);
        const std::string text = "(" + std::string(size, 'n') + ")";
        setrlimit(RLIMIT_FSIZE, &small);
        EXPECT_EQ(SaveAsSaver(path, text), result) << path << " " << size << " " << state;
        setrlimit(RLIMIT_FSIZE, &limit);
        EXPECT_EQ(Bytes(path), result == 0 ? text + "\r\n" : old) << path << " " << size;
        EXPECT_EQ(Entries(fs::path(path).parent_path()), 1);
        EXPECT_EQ(Backups(PathOf("state")) + Backups(disk + "/state"), 0);
    }
}

// What the saved file is stays as it was: its links, its other names, its owner and mode.
TEST_F(InPlaceTest, SavingKeepsLinksOwnerAndPermissions) {
    const std::string path = PathOf("show.kss"), link = PathOf("link.kss");
    Put(path, "old");
    const auto rw_r = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, rw_r);
    fs::create_symlink(path, link);
    fs::create_symlink("made.kss", PathOf("dangling.kss"));
    fs::create_hard_link(path, PathOf("other name.kss"));
    // A link to a file that does not exist yet makes that file.
    ASSERT_EQ(File::WriteWholeFile(link, "(linked)") |
                  File::WriteWholeFile(PathOf("dangling.kss"), "(made)"),
              0);
    EXPECT_TRUE(fs::is_symlink(link) && fs::is_symlink(PathOf("dangling.kss")));
    EXPECT_EQ(Bytes(PathOf("other name.kss")) + Bytes(PathOf("made.kss")),
              "(linked)\r\n(made)\r\n");
    EXPECT_EQ(fs::hard_link_count(path), 2u);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, rw_r);
    // A new file gets the usual permissions of the user, not those of a temporary file.
    const mode_t mask = umask(022);
    ASSERT_EQ(File::WriteWholeFile(PathOf("new.kss"), "()"), 0);
    umask(mask);
    EXPECT_EQ(fs::status(PathOf("new.kss")).permissions() & fs::perms::all,
              rw_r | fs::perms::others_read);
    EXPECT_EQ(Entries(folder_), 7);

    // The superuser saving a user's private show leaves it the user's.
    if (geteuid() != 0)
        GTEST_SKIP() << "only the superuser saves files of other users";
    ASSERT_EQ(chown(path.c_str(), 65534, 65533), 0);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(File::WriteWholeFile(path, "(by root)"), 0);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(std::tuple(info.st_uid, info.st_gid, info.st_mode & 07777),
              std::tuple(65534u, 65533u, 0600u));
}

// Folders that refuse the saver a new file, or the replacing of a file in a sticky folder: the
// writable file in them is written in place, with no copy left once it is whole.
TEST_F(InPlaceTest, LockedOrStickyFolder_WritesTheWritableFileInPlace) {
    for (const bool sticky : {false, true}) {
        const std::string folder = sticky ? "sticky" : "locked", show = LockedShow(folder, "old");
        if (sticky && geteuid() != 0) {
            std::cout << "sticky folder not tried: only the superuser gives files away\n";
            continue;
        }
        if (sticky) { // another user's file that everyone may write, in a folder that all may
            ASSERT_EQ(chown(show.c_str(), 65533, 65533), 0);
            fs::permissions(
                show, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                fs::perm_options::add);
            fs::permissions(PathOf(folder), fs::perms::all | fs::perms::sticky_bit);
        }
        EXPECT_EQ(SaveAsSaver(show, "(new)"), 0) << folder;
        EXPECT_EQ(Bytes(show), "(new)\r\n") << folder;
        EXPECT_EQ(Entries(PathOf(folder)) + Backups(PathOf("state")), 1) << folder;
    }
}

// A temporary file of ours that a killed save left is removed by the next save into the folder;
// one that another save still holds, and names that are not ours, stay.
TEST_F(WholeFileTest, StaleTemporaryFiles_AreRemovedByTheNextSave) {
    for (const char* name : {".bwshow-Ab3x9Q", ".bwshow-held01", ".bwshow-", ".bwshow-toolong"})
        Put(PathOf(name), "left");
    const int held = open(PathOf(".bwshow-held01").c_str(), O_RDONLY);
    ASSERT_EQ(flock(held, LOCK_EX), 0);
    ASSERT_EQ(File::WriteWholeFile(PathOf("show.kss"), "()"), 0);
    close(held);
    EXPECT_FALSE(fs::exists(PathOf(".bwshow-Ab3x9Q")));
    EXPECT_EQ(Entries(folder_), 4);
}

// A FIFO, like a device, is written as it is; with no one reading it, the save fails at once
// rather than waiting for a reader.
TEST_F(WholeFileTest, Fifo_IsWrittenAsItIsWithoutWaiting) {
    const std::string fifo = PathOf("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    alarm(20); // a save that waits ends the test
    EXPECT_EQ(File::WriteWholeFile(fifo, "(no reader)"), 1);
    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    EXPECT_EQ(File::WriteWholeFile(fifo, "(piped)"), 0);
    char received[32] = {};
    EXPECT_EQ(read(reader, received, sizeof received), 9);
    close(reader);
    EXPECT_STREQ(received, "(piped)\r\n");
}

// Under a memory limit a large file is refused as one that cannot be read, never an abort.
TEST_F(WholeFileTest, UnderAMemoryLimit_ALargeFileIsRefused) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than any limit allows";
#else
    const std::string path = PathOf("large.kss");
    Put(path, "");
    fs::resize_file(path, WholeFile::MaxBytes - 1);
    EXPECT_EQ(
        test::RunAs(
            geteuid(), getegid(),
            [&] {
                // Room for the program as it runs, not for the file.
                unsigned long pages = 0;
                std::ifstream("/proc/self/statm") >> pages;
                const rlimit tight{pages * sysconf(_SC_PAGESIZE) + (16u << 20), RLIM_INFINITY};
                std::string bytes = "unchanged";
                return setrlimit(RLIMIT_AS, &tight) == 0 &&
                       WholeFile::ReadWithResult(path, bytes).failure ==
                           WholeFile::ReadFailure::NoMemory &&
                       bytes == "unchanged";
            }),
        1);
#endif
}

#endif
