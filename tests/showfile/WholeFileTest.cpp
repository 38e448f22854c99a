#include "ShowGenerator.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace bw;
namespace fs = std::filesystem;

namespace {

class WholeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("bwshow-file-" + std::to_string(std::random_device{}()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        // Read-only files cannot be removed on Windows.
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        for (const auto& entry : fs::recursive_directory_iterator(folder_))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    static std::string Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // Names in the folder, so that a test can tell that no temporary file was left behind.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder_;
};

} // namespace

TEST_F(WholeFileTest, ShowFileIsTextWithCrLfInTheAnsiCodePage) {
    Show show;
    show.Main()->List().push_back("C:\\Sh\xc3\xb6ws\\Caf\xc3\xa9 \xe2\x82\xac.kas");
    const std::string path = PathOf("show.kss");
    ASSERT_EQ(File::WriteWholeFile(path, ShowFunctions::ShowToText(show)), 0);

    const std::string bytes = Bytes(path);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_NE(bytes.find("C:\\Sh\xf6ws\\Caf\xe9 \x80.kas"), std::string::npos);

    std::string text;
    ASSERT_EQ(File::ReadWholeFile(path, text), 0);
    EXPECT_EQ(text, ShowFunctions::ShowToText(show) + "\r\n");
    const ShowPtr read = ShowFunctions::ShowFromText(text);
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(read->HasSameContents(std::make_shared<Show>(show)));
    EXPECT_EQ(Entries(), std::vector<std::string>{"show.kss"});
}

TEST_F(WholeFileTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    const std::string path = PathOf("odd.kss");
    std::string text;
#ifdef _WIN32 // elsewhere such a text is written in UTF-8
    // A CJK character, an arrow, and a byte that is not UTF-8 at all.
    ASSERT_EQ(File::WriteWholeFile(path, "(\xe4\xb8\xad\xe2\x86\x92\xff\xc3)"), 0);
    EXPECT_EQ(Bytes(path), "(?\?\?\?)\r\n");
    ASSERT_EQ(File::ReadWholeFile(path, text), 0);
    EXPECT_EQ(text, "(?\?\?\?)\r\n");
#endif

    // Every byte of a file written elsewhere reads back as some character; the five bytes the
    // code page leaves undefined become the control characters of the same number.
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    Put(path, all);
    ASSERT_EQ(File::ReadWholeFile(path, text), 0);
    EXPECT_NE(text.find("\xc3\xa9"), std::string::npos);     // 0xE9
    EXPECT_NE(text.find("\xe2\x82\xac"), std::string::npos); // 0x80
    EXPECT_NE(text.find("\xc2\x81"), std::string::npos);     // 0x81
    ASSERT_EQ(File::WriteWholeFile(path, text), 0);
    EXPECT_EQ(Bytes(path), all + "\r\n");
}

TEST_F(WholeFileTest, FailedReadsLeaveTheTextAlone) {
    std::string text = "unchanged";
    EXPECT_EQ(File::ReadWholeFile(PathOf("missing.kss"), text), 1);
    EXPECT_EQ(File::ReadWholeFile(folder_.string(), text), 1);
    EXPECT_EQ(File::ReadWholeFile("", text), 1);
    EXPECT_EQ(text, "unchanged");

    Put(PathOf("empty.kss"), "");
    EXPECT_EQ(File::ReadWholeFile(PathOf("empty.kss"), text), 0);
    EXPECT_EQ(text, "");
}

TEST_F(WholeFileTest, FailedWritesKeepThePreviousFile) {
    EXPECT_EQ(File::WriteWholeFile(PathOf("no such folder/show.kss"), "()"), 1);
    EXPECT_EQ(File::WriteWholeFile(folder_.string(), "()"), 1);
    EXPECT_EQ(File::WriteWholeFile("", "()"), 1);

    const std::string readOnly = PathOf("read-only.kss");
    Put(readOnly, "old");
    fs::permissions(readOnly, fs::perms::owner_read);
    EXPECT_EQ(File::WriteWholeFile(readOnly, "(new)"), 1);
    EXPECT_EQ(Bytes(readOnly), "old");

#ifndef _WIN32
    // A folder we cannot create files in.
    const std::string locked = PathOf("locked");
    fs::create_directory(locked);
    Put(locked + "/show.kss", "old");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    if (access(locked.c_str(), W_OK) != 0) { // the superuser may write anyway
        // The file itself is writable, so it is written in place.
        EXPECT_EQ(File::WriteWholeFile(locked + "/show.kss", "(new)"), 0);
        EXPECT_EQ(Bytes(locked + "/show.kss"), "(new)\r\n");
    }
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"locked", "read-only.kss"}));
#endif
}

#ifndef _WIN32
// The file-size limit stands in for a full disk: the write fails part way through.
TEST_F(WholeFileTest, WriteBeyondTheFileSizeLimitKeepsThePreviousFile) {
    const std::string path = PathOf("big.kss");
    Put(path, "old content");
    const std::string large(1 << 20, 'x');
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(File::WriteWholeFile(path, large) == 1 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the oversized write was not reported";
    EXPECT_EQ(Bytes(path), "old content");
    EXPECT_EQ(Entries(), std::vector<std::string>{"big.kss"});
}

TEST_F(WholeFileTest, ReplacingKeepsPermissionsAndLinks) {
    const std::string path = PathOf("show.kss");
    Put(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(File::WriteWholeFile(path, "(new)"), 0);
    EXPECT_EQ(Bytes(path), "(new)\r\n");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const std::string link = PathOf("link.kss");
    fs::create_symlink(path, link);
    ASSERT_EQ(File::WriteWholeFile(link, "(through link)"), 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Bytes(path), "(through link)\r\n");

    // A new file gets the usual permissions of the user, not those of a temporary file.
    const mode_t mask = umask(022);
    ASSERT_EQ(File::WriteWholeFile(PathOf("new.kss"), "()"), 0);
    umask(mask);
    EXPECT_EQ(fs::status(PathOf("new.kss")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"link.kss", "new.kss", "show.kss"}));
}

#endif

TEST_F(WholeFileTest, LargeRandomShowsSurviveTheFile) {
    test::ShowGenerator generator(99);
    const std::string path = PathOf("random.kss");
    for (int i = 0; i < 50; ++i) {
        const ShowPtr show = generator.RandomShow(20, 6);
        ASSERT_EQ(File::WriteWholeFile(path, ShowFunctions::ShowToText(*show)), 0);
        std::string text;
        ASSERT_EQ(File::ReadWholeFile(path, text), 0);
        const ShowPtr read = ShowFunctions::ShowFromText(text);
        ASSERT_NE(read, nullptr);
        ASSERT_TRUE(read->HasSameContents(show));
    }
}
