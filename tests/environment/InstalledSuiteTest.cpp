// The suite installed in a home folder of its own, named in scripts that Windows-1252 cannot hold
// or deeper than a program's path is first looked up with. The editor's installation check, run
// from there, runs BWPost, which records the folders and keeps every setting it finds; the check
// then finds them exactly.
#ifndef _WIN32

#include "DataFile.h"
#include "NonLatinNames.h"
#include "TemporaryHome.h"
#include "environment/BWCommon.h"
#include "environment/LibFile.h"
#include "environment/PostInstallLaunch.h"
#include "environment/ProductSettings.h"

using namespace bw;

using InstalledSuiteTest = test::TemporaryHome;

TEST_F(InstalledSuiteTest, CheckInstallation_RunsBWPostAndFindsWhatItRecorded) {
    std::vector<std::string> names(test::NonLatinNames.begin(), test::NonLatinNames.end());
    names.push_back(std::string(150, 'd') + "/" + std::string(150, 'e'));
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string home = Home() + "/" + names[i], config = home + "/.config/Brightwave";
        const std::string suite = home + "/" + names[i] + " Suite/",
                          probe = suite + "installation_probe";
        std::filesystem::create_directories(suite);
        for (const char* program : {"BWPost", "installation_probe"})
            std::filesystem::copy_file(BWCommon::ExeFolder() + program, suite + program);
        setenv("HOME", home.c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
        // Every other home has an earlier version's settings in Windows-1252, with a sequence
        // folder of the user's own, a comment and a value that goes on over two lines.
        const bool earlier = i % 2 == 1;
        if (earlier)
            WriteStore(test::DataFile("registry/before-bwpost.reg"));

        EXPECT_TRUE(PostInstallLaunch::RunProgramAndWait(probe));
        EXPECT_EQ(BWCommon::GetAppPath(), suite);
        EXPECT_EQ(LibFile::GetNonAudioPath(),
                  earlier ? "/srv/Caf\xC3\xA9/" : home + "/Brightwave/Sequences/");
        EXPECT_EQ(std::filesystem::is_directory(home + "/Brightwave/Sequences"), !earlier);
        const std::string store = ReadStore();
        EXPECT_EQ(store.find("; kept by hand\r\n\"Controllers\"=hex:01,02,\\\r\n  03\r\n") !=
                      std::string::npos,
                  earlier);
        EXPECT_EQ(LibRegistryBW::ReadBWString("Window", "Scheduler", ""),
                  earlier ? "maximised" : "");
        EXPECT_TRUE(earlier || store.starts_with("Windows Registry Editor Version 5.00\r\n"));
        // Replaced in one step: nothing but the file is left in its folder.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(config), {}), 1);
    }
}

#endif
