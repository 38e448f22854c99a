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
#include "environment/SaveBackups.h"
#include "environment/WholeFile.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <iostream>
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

// Saves that write in place keep their copies under the test's own folder.
class InPlaceTest : public test::TemporaryFolder {
protected:
    void SetUp() override {
        TemporaryFolder::SetUp();
        state_ = PathOf("state");
        fs::create_directories(state_);
        ASSERT_EQ(chown(state_.c_str(), test::Saver(), test::SaverGroup()), 0);
        setenv("XDG_STATE_HOME", state_.c_str(), 1); // each test runs on its own
    }
    // What the save backups hold, copies set aside included.
    std::ptrdiff_t Backups() const { return Backups(state_); }
    static std::ptrdiff_t Backups(const std::string& state) {
        const fs::path folder = fs::path(state) / "Brightwave/BWShow/save-backups";
        return fs::exists(folder) ? Entries(folder) : 0;
    }
    // The file, owned by the saver, in a folder where the saver may create no file.
    std::string LockedShow(const std::string& folder, const std::string& bytes) {
        const std::string show = PathOf(folder + "/show.kss");
        Put(show, bytes);
        EXPECT_EQ(chown(show.c_str(), test::Saver(), test::SaverGroup()), 0);
        fs::permissions(PathOf(folder), fs::perms::owner_read | fs::perms::owner_exec |
                                            fs::perms::group_read | fs::perms::group_exec |
                                            fs::perms::others_read | fs::perms::others_exec);
        return show;
    }
    // The save's result as the saver: 0 written, 1 refused.
    static int SaveAsSaver(const std::string& path, const std::string& text) {
        return test::RunAs(test::Saver(), test::SaverGroup(),
                           [&] { return File::WriteWholeFile(path, text); });
    }

    std::string state_;
};

// Unmounts what a test mounted, also when the test fails part way.
struct Mounted {
    std::string path;
    ~Mounted() { umount2(path.c_str(), MNT_DETACH); }
};

} // namespace

// The file-size limit stands in for a full disk: the write fails part way through.
TEST_F(InPlaceTest, WriteBeyondTheFileSizeLimitKeepsThePreviousFile) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{64 * 1024, limit.rlim_max};
    for (const bool inPlace : {false, true}) {
        const std::string path = inPlace ? LockedShow("locked", "old content") : PathOf("big.kss");
        if (!inPlace)
            Put(path, "old content");
        setrlimit(RLIMIT_FSIZE, &small);
        EXPECT_EQ(SaveAsSaver(path, std::string(1 << 20, 'x')), 1) << inPlace;
        setrlimit(RLIMIT_FSIZE, &limit);
        EXPECT_EQ(Bytes(path), "old content") << inPlace;
    }
    EXPECT_EQ(Entries(folder_), 3); // state, locked, big.kss: no temporary file
    EXPECT_EQ(Backups(), 0);
}

// What the saved file is stays as it was: its links, its other names, its owner and mode.
TEST_F(InPlaceTest, SavingKeepsLinksOwnerAndPermissions) {
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

    // A link to a file that does not exist yet makes that file.
    const std::string dangling = PathOf("dangling.kss");
    fs::create_symlink("made.kss", dangling);
    ASSERT_EQ(File::WriteWholeFile(dangling, "(made)"), 0);
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(Bytes(PathOf("made.kss")), "(made)\r\n");

    // A second name of the file sees the new content.
    const std::string other = PathOf("other name.kss");
    fs::create_hard_link(path, other);
    ASSERT_EQ(File::WriteWholeFile(path, "(both names)"), 0);
    EXPECT_EQ(Bytes(other), "(both names)\r\n");
    EXPECT_EQ(fs::hard_link_count(path), 2u);

    // A new file gets the usual permissions of the user, not those of a temporary file.
    const mode_t mask = umask(022);
    ASSERT_EQ(File::WriteWholeFile(PathOf("new.kss"), "()"), 0);
    umask(mask);
    EXPECT_EQ(fs::status(PathOf("new.kss")).permissions() & fs::perms::all,
              rw_r | fs::perms::others_read);
    EXPECT_EQ(Entries(folder_), 7);
    EXPECT_EQ(Backups(), 0);

    // The superuser saving a user's private show leaves it the user's.
    if (geteuid() != 0)
        GTEST_SKIP() << "only the superuser saves files of other users";
    ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(File::WriteWholeFile(path, "(by root)"), 0);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

// A FIFO, like a device, is written as it is; with no one reading it, the save fails at once
// rather than waiting for a reader.
TEST_F(WholeFileTest, Fifo_IsWrittenAsItIsWithoutWaiting) {
    const std::string fifo = PathOf("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    alarm(20); // a save that waits ends the test
    EXPECT_EQ(File::WriteWholeFile(fifo, "(no reader)"), 1);
    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(File::WriteWholeFile(fifo, "(piped)"), 0);
    char received[32] = {};
    EXPECT_EQ(read(reader, received, sizeof received), 9);
    close(reader);
    alarm(0);
    EXPECT_STREQ(received, "(piped)\r\n");
}

// Folders that refuse the saver a new file, or the replacing of a file in a sticky folder: the
// writable file in them is written in place, with no copy left once it is whole.
TEST_F(InPlaceTest, LockedOrStickyFolder_WritesTheWritableFileInPlace) {
    struct Case {
        const char* folder;
        bool sticky;
    };
    for (const Case& c : {Case{"locked", false}, Case{"sticky", true}}) {
        const std::string show = LockedShow(c.folder, "old");
        if (c.sticky) {
            if (geteuid() != 0) {
                std::cout << "sticky folder not tried: only the superuser gives files away\n";
                continue;
            }
            // Another user's file that everyone may write, in a folder everyone may write.
            ASSERT_EQ(chown(show.c_str(), 65533, 65533), 0);
            fs::permissions(show, fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec &
                                      ~fs::perms::others_exec);
            fs::permissions(PathOf(c.folder), fs::perms::all | fs::perms::sticky_bit);
        }
        EXPECT_EQ(SaveAsSaver(show, "(new)"), 0) << c.folder;
        EXPECT_EQ(Bytes(show), "(new)\r\n") << c.folder;
        EXPECT_EQ(Entries(PathOf(c.folder)), 1) << c.folder;
        EXPECT_EQ(Backups(), 0) << c.folder;
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
    for (const char* name : {".bwshow-held01", ".bwshow-", ".bwshow-toolong"})
        EXPECT_TRUE(fs::exists(PathOf(name))) << name;
}

// A full disk, made on a small tmpfs, refuses every save before the old file is touched, also
// where the file is written in place and where the copy of the old file finds no room.
TEST_F(InPlaceTest, FullDisk_KeepsTheOldFileWhole) {
    const std::string disk = PathOf("disk");
    fs::create_directories(disk);
    if (mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=512k,mode=0777") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here (" << std::strerror(errno)
                     << "); the full disk is not tried";
    const Mounted mounted{disk};
    const std::string old(96 * 1024, 'o');
    fs::create_directories(disk + "/open");
    fs::permissions(disk + "/open", fs::perms::all);
    Put(disk + "/open/show.kss", old);
    ASSERT_EQ(chown((disk + "/open/show.kss").c_str(), test::Saver(), test::SaverGroup()), 0);
    const std::string locked = LockedShow("disk/locked", old);
    const std::string stateOnDisk = disk + "/state";
    fs::create_directories(stateOnDisk);
    ASSERT_EQ(chown(stateOnDisk.c_str(), test::Saver(), test::SaverGroup()), 0);
    {
        std::ofstream filler(disk + "/filler", std::ios::binary);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), block.size()))
            ;
    }

    struct Case {
        std::string path;
        std::size_t newSize;
        bool copyOnTheFullDisk;
        int result;
    };
    // The shrinking save comes last: it frees room.
    const Case cases[] = {{disk + "/open/show.kss", 200 * 1024, false, 1},
                          {locked, 200 * 1024, false, 1},
                          {locked, 200 * 1024, true, 1},
                          {locked, 16 * 1024, false, 0}};
    for (const Case& c : cases) {
        setenv("XDG_STATE_HOME", c.copyOnTheFullDisk ? stateOnDisk.c_str() : state_.c_str(), 1);
        const std::string text = "(" + std::string(c.newSize, 'n') + ")";
        EXPECT_EQ(SaveAsSaver(c.path, text), c.result) << c.path << " " << c.newSize;
        EXPECT_EQ(Bytes(c.path), c.result == 0 ? text + "\r\n" : old) << c.path << " " << c.newSize;
        EXPECT_EQ(Entries(fs::path(c.path).parent_path()), 1);
        EXPECT_EQ(Backups(), 0);
        EXPECT_EQ(Backups(stateOnDisk), 0);
    }
}

// Under a memory limit a large file is refused as one that cannot be read, never an abort.
TEST_F(WholeFileTest, UnderAMemoryLimit_ALargeFileIsRefused) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than any limit allows";
#else
    const std::string path = PathOf("large.kss");
    Put(path, "");
    fs::resize_file(path, WholeFile::MaxBytes - 1);
    const int code = test::RunAs(geteuid(), getegid(), [&] {
        rlimit limit{};
        getrlimit(RLIMIT_AS, &limit);
        // Room for the program as it runs, not for the file.
        std::ifstream status("/proc/self/statm");
        unsigned long pages = 0;
        status >> pages;
        const rlimit tight{pages * sysconf(_SC_PAGESIZE) + (16u << 20), limit.rlim_max};
        setrlimit(RLIMIT_AS, &tight);
        std::string bytes = "unchanged";
        const WholeFile::ReadResult result = WholeFile::ReadWithResult(path, bytes);
        return result.failure == WholeFile::ReadFailure::NoMemory && bytes == "unchanged" ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
#endif
}

// The copies kept for saves in place are listed until they are discarded or set aside.
TEST_F(InPlaceTest, SaveBackups_AreListedUntilDiscardedOrSetAside) {
    EXPECT_TRUE(SaveBackups::Left().empty());
    const auto first = SaveBackups::Keep("/shows/Yard.kss", "(yard)");
    const auto second = SaveBackups::Keep("/shows/origin", "(named origin)");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->folder.rfind(state_ + "/Brightwave/BWShow/save-backups/", 0), 0u);
    std::vector<SaveBackups::Backup> left = SaveBackups::Left();
    ASSERT_EQ(left.size(), 2u);
    std::sort(left.begin(), left.end(), [](const auto& a, const auto& b) {
        return a.originalPath < b.originalPath;
    });
    EXPECT_EQ(left[0].originalPath, "/shows/Yard.kss");
    EXPECT_EQ(Bytes(left[0].copyPath), "(yard)");
    EXPECT_EQ(fs::path(left[0].copyPath).filename(), "Yard.kss");
    EXPECT_EQ(Bytes(left[1].copyPath), "(named origin)");
    SaveBackups::Discard(*first);
    ASSERT_TRUE(SaveBackups::SetAside(*second));
    EXPECT_TRUE(SaveBackups::Left().empty());
    EXPECT_EQ(Backups(), 1);
    // A copy whose origin was never written is not complete and is not offered.
    fs::create_directories(fs::path(state_) / "Brightwave/BWShow/save-backups/000000000000-cut");
    Put((fs::path(state_) / "Brightwave/BWShow/save-backups/000000000000-cut/Yard.kss").string(),
        "(cut)");
    EXPECT_TRUE(SaveBackups::Left().empty());
}

#endif
