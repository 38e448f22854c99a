// Whole show files read and written: every byte of the code page kept, names that it cannot hold,
// failures that leave files alone, saves that cannot replace the file, full disks, links, owners;
// the encoding rule: a byte order mark for UTF-8, Windows-1252 without one, UTF-16 refused, bytes
// not valid in the file's encoding kept and named as damaged.
#include "DataFile.h"
#include "NonLatinNames.h"
#include "OtherSystemTest.h"
#include "TemporaryFolder.h"
#include "showfile/DamagedNames.h"
#include "showfile/File.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include "ChildProcess.h"

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
using ShowEncodingTest = test::TemporaryFolder;
using TextEncoding::Encoding;

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

TEST_F(ShowEncodingTest, FilesReadAndWrittenByTheRule) {
    using enum Encoding;
    const std::string path = PathOf("show.kss");
    for (const auto& row : test::DataRows("showfile/encodings.txt")) {
        const std::string& what = row[0];
        const std::string bytes = test::Unescaped(row[1]), expected = test::Unescaped(row[2]);
        const Encoding told = row[3] == "UTF-8" ? Utf8 : AnsiCodePage;
        Put(path, bytes);
        std::string text = "unchanged";
        Encoding encoding = told == Utf8 ? AnsiCodePage : Utf8;
        const int result = File::ReadWholeFile(path, text, encoding);
        if (expected == "!") {
            EXPECT_EQ(result, 1) << what;
            EXPECT_EQ(text, "unchanged") << what;
            continue;
        }
        ASSERT_EQ(result, 0) << what;
        EXPECT_EQ(text, expected) << what;
        EXPECT_EQ(encoding, told) << what;
        std::vector<std::string> damaged;
        for (const std::string& name : test::Split(row[4], '|'))
            damaged.push_back(test::Unescaped(name));
        EXPECT_EQ(DamagedNames::InShowText(text, encoding), damaged) << what;
#ifndef _WIN32 // on Windows what the code page cannot hold becomes "?"
        ASSERT_EQ(File::WriteWholeFile(path, text), 0) << what;
        EXPECT_EQ(Bytes(path), (row[5].empty() ? bytes : row[5]) + "\r\n") << what;
#endif
    }
}

// Names written in the code page whenever it holds every character, in UTF-8 with the mark
// otherwise; the editor's notice lists the damaged names as a person can read them.
TEST_F(ShowEncodingTest, WritesTheCodePageWhereItHoldsEveryCharacter) {
    const std::string path = PathOf("show.kss");
    ASSERT_EQ(File::WriteWholeFile(path, "(Gro\xC3\x9F\xE2\x80\x99)"), 0);
    EXPECT_EQ(Bytes(path), "(Gro\xDF\x92)\r\n");
#ifndef _WIN32
    ASSERT_EQ(File::WriteWholeFile(path, "(\xE7\x81\xAF)"), 0);
    EXPECT_EQ(Bytes(path), "\xEF\xBB\xBF(\xE7\x81\xAF)\r\n");
#endif
    EXPECT_EQ(DamagedNames::Notice("(ok,a\xE9\n,b\xFF,a\xE9\n)", Encoding::Utf8),
              "Each of these names holds bytes that are not UTF-8 (shown as \\xHH), kept as they "
              "are:\n\na\\xE9\\x0A\nb\\xFF");
    EXPECT_EQ(DamagedNames::Notice("(ok)", Encoding::Utf8), "");
}

#ifdef _WIN32

TEST(WholeFile, Device_IsWrittenAsItIs) {
    EXPECT_EQ(File::WriteWholeFile("NUL", "(discarded)"), 0);
}
BWSHOW_OTHER_SYSTEM_TEST(InPlaceTest, FullDiskOrSizeLimit_KeepsTheOldFileWhole)
BWSHOW_OTHER_SYSTEM_TEST(InPlaceTest, SavingKeepsWhatTheFileIs)

#else
BWSHOW_OTHER_SYSTEM_TEST(WholeFile, Device_IsWrittenAsItIs)

namespace {

// Saves as a user that permissions hold (see ChildProcess.h), with the copies of saves in place
// kept in the test's own folder.
class InPlaceTest : public test::TemporaryFolder {
protected:
    static constexpr fs::perms Writable =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    void SetUp() override {
        TemporaryFolder::SetUp();
        ASSERT_EQ(SaversFolder("state"), 0);
        setenv("XDG_STATE_HOME", PathOf("state").c_str(), 1); // each test runs on its own
    }
    int SaversFolder(const std::string& name) {
        return fs::create_directories(PathOf(name)) ? test::GiveToSaver(PathOf(name)) : -1;
    }
    static std::ptrdiff_t Backups(const std::string& state) {
        const fs::path folder = fs::path(state) / "Brightwave/BWShow/save-backups";
        return fs::exists(folder) ? Entries(folder) : 0;
    }
    // The saver's file in a folder where the saver may make no file.
    std::string LockedShow(const std::string& folder, const std::string& bytes) {
        const std::string show = PathOf(folder + "/show.kss");
        Put(show, bytes);
        EXPECT_EQ(test::GiveToSaver(show), 0);
        fs::permissions(PathOf(folder), Writable, fs::perm_options::remove);
        return show;
    }
    static int SaveAsSaver(const std::string& path, const std::string& text) {
        return test::Wait(test::StartAs([&] { return File::WriteWholeFile(path, text); }));
    }
};

} // namespace

// A save without room (a full tmpfs, or the file-size limit) fails before the old file is touched,
// also in place and where the copy of the old file finds no room; one that needs no room succeeds.
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
    ASSERT_EQ(test::GiveToSaver(disk + "/open/show.kss"), 0);
    const std::string locked = LockedShow("disk/locked", old);
    for (std::ofstream filler(disk + "/filler"); mounted && filler << std::string(4096, 'f');)
        ;
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

// Links, other names, owner and mode of the file stay; in a sticky folder it is written in place.
// A temporary file that a killed save left is removed, one that a running save holds stays.
TEST_F(InPlaceTest, SavingKeepsWhatTheFileIs) {
    const std::string show = PathOf("show.kss"), sticky = LockedShow("sticky", "old");
    Put(show, "old");
    fs::permissions(show, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(show, PathOf("link.kss"));
    fs::create_symlink("made.kss", PathOf("dangling.kss"));
    fs::create_hard_link(show, PathOf("other.kss"));
    for (const char* name : {".bwshow-Ab3x9Q", ".bwshow-held01", ".bwshow-toolong"})
        Put(PathOf(name), "left");
    const int held = open(PathOf(".bwshow-held01").c_str(), O_RDONLY);
    ASSERT_EQ(flock(held, LOCK_EX), 0);
    const bool root = geteuid() == 0;
    if (root) { // another user's file that all may write, in a folder that all may write
        ASSERT_EQ(chown(show.c_str(), 65533, 65533) | chown(sticky.c_str(), 65533, 65533), 0);
        fs::permissions(sticky, Writable, fs::perm_options::add);
        fs::permissions(PathOf("sticky"), fs::perms::all | fs::perms::sticky_bit);
    }
    EXPECT_EQ(File::WriteWholeFile(PathOf("link.kss"), "(a)") |
                  File::WriteWholeFile(PathOf("dangling.kss"), "(b)") |
                  (root ? SaveAsSaver(sticky, "(c)") : 0),
              0);
    close(held);
    EXPECT_TRUE(fs::is_symlink(PathOf("link.kss")) && fs::is_symlink(PathOf("dangling.kss")));
    EXPECT_EQ(Bytes(PathOf("other.kss")) + Bytes(PathOf("made.kss")), "(a)\r\n(b)\r\n");
    EXPECT_EQ(fs::hard_link_count(show), 2u);
    struct stat info {};
    EXPECT_EQ(stat(show.c_str(), &info) | (info.st_mode & 07777), 0600);
    EXPECT_EQ(info.st_uid, root ? 65533u : geteuid());
    EXPECT_EQ(Entries(folder_), 9); // with the temporary files not to be removed
    EXPECT_EQ(Entries(PathOf("sticky")) + Backups(PathOf("state")), 1);
    if (!root)
        GTEST_SKIP() << "no sticky folder tried: only the superuser gives files to other users";
    EXPECT_EQ(Bytes(sticky), "(c)\r\n");
}

#endif
