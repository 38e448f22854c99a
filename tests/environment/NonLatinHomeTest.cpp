// The suite installed in a home folder whose name Windows-1252 cannot hold: BWPost records the
// folders and the editor's installation check, run from there, finds them exactly.
#ifndef _WIN32

#include "NonLatinNames.h"
#include "TemporaryHome.h"
#include "environment/BWCommon.h"
#include "environment/LibFile.h"
#include "environment/LibRegistry.h"

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

using namespace bw;

class NonLatinHomeTest : public test::TemporaryHome {};

TEST_F(NonLatinHomeTest, CheckInstallation_FindsTheFoldersBWPostRecorded) {
    for (std::size_t i = 0; i < test::NonLatinNames.size(); ++i) {
        const std::string name(test::NonLatinNames[i]);
        const std::string home = Home() + "/" + name;
        std::string suite = home + "/" + name + " Suite/", probe = suite + "installation_probe";
        std::filesystem::create_directories(suite);
        for (const char* program : {"BWPost", "installation_probe"})
            std::filesystem::copy_file(BWCommon::ExeFolder() + program, suite + program);
        setenv("HOME", home.c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
        // Every other home has a settings file in Windows-1252 already, which must go to UTF-8.
        if (i % 2 == 1)
            WriteStore("REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"A\"=\"Caf\xE9\"\r\n");

        char* arguments[] = {probe.data(), nullptr};
        pid_t child = 0;
        int status = -1;
        ASSERT_EQ(posix_spawn(&child, probe.c_str(), nullptr, nullptr, arguments, environ), 0);
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << name;
        EXPECT_EQ(BWCommon::GetAppPath(), suite) << name;
        EXPECT_EQ(LibFile::GetNonAudioPath(), home + "/Brightwave/Sequences/") << name;
        const std::string other = i % 2 == 1 ? "Caf\xC3\xA9" : "";
        EXPECT_EQ(
            LibRegistry::ReadRegString(LibRegistry::HkeyCurrentUser, "Software\\Other", "A", ""),
            other);
    }
}

#endif
