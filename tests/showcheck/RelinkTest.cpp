#include "showcheck/Relink.h"
#include "DataFile.h"
#include "TemporaryFolder.h"
#include "environment/FileSystemPath.h"
#include "model/PlaylistFunctions.h"
#include "model/TriggeredSequencesFunctions.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace bw;
using Section = ShowCheck::Section;

namespace {

class RelinkTest : public test::TemporaryFolder {
protected:
    // The tree searched, under "tree/", and a show naming its files at their old places.
    void SetUp() override {
        TemporaryFolder::SetUp();
        for (const char* name :
             {"tree/x/a.kas", "tree/Easter/Yard/b.kas", "tree/Xmas/Yard/b.kas", "tree/b.kas",
              "tree/Свет/灯光秀/c.kms", "tree/Φώτα/c.kms", "tree/shows/d.kas", "seq/here.kas"})
            std::ofstream(Touched(name)) << 'x';
        show_.Background()->List() = {"C:\\Old\\Seq\\a.kas", "here.kas", "gone.kas"};
        show_.Musical()->List() = {"D:\\Свет\\灯光秀\\c.kms"};
        show_.Musical()->SetCleanUp("C:\\Users\\bob\\Xmas\\Yard\\b.kas");
        auto group = std::make_shared<InteractiveGroup>();
        group->SetName("Door");
        group->AddTriggeredSequences(TriggeredSequencesFunctions::NewTriggeredSequences(
            std::make_shared<Trigger>(), {"here.kas", "E:\\SHOWS\\D.KAS"}));
        show_.InteractiveGroups()->push_back(group);
    }
    // The path of a file named in UTF-8 under the test's folder, as the walk of the tree gives it
    // (on Windows with "\\" and converted from UTF-16), its folders made.
    std::filesystem::path Touched(const std::string& name) const {
        std::filesystem::path path = folder_;
        for (std::size_t start = 0, end; start <= name.size(); start = end + 1) {
            end = std::min(name.find('/', start), name.size());
            path /= FileSystemPath::FromUtf8(name.substr(start, end - start));
        }
        std::filesystem::create_directories(path.parent_path());
        return path;
    }
    std::string Tree(const std::string& name) const {
        return FileSystemPath::ToUtf8(Touched("tree/" + name));
    }

    Show show_;
};

} // namespace

// Each missing file is looked for by name, letter case aside, also in folders named in other
// scripts: found once, it is relinked there; several times, to the file whose folders agree
// longest with the old path's, from the file up; not found, listed. Files that exist stay.
TEST_F(RelinkTest, MissingFilesFoundOnceSeveralTimesOrNotAtAll) {
    const std::vector<Relink::MissingFile> missing = Relink::MissingFiles(show_, PathOf("seq/"));
    std::vector<std::vector<std::string>> listed;
    for (const auto& [place, name, where] : missing)
        listed.push_back({std::to_string(static_cast<int>(place.section)) + " " +
                          std::to_string(place.entry) + " " + std::to_string(place.groupEntry) +
                          " " + std::to_string(place.sequence) + " " + name + " | " + where});
    EXPECT_EQ(listed, test::DataRows("showcheck/missing-files.txt"));

    const Relink::Search search = Relink::FindMovedFiles(missing, PathOf("tree"));
    std::vector<std::vector<std::string>> candidates;
    for (const Relink::Found& found : search.found)
        candidates.push_back(found.candidates);
    EXPECT_EQ(candidates, (std::vector<std::vector<std::string>>{
                              {Tree("x/a.kas")},
                              {Tree("Свет/灯光秀/c.kms"), Tree("Φώτα/c.kms")},
                              {Tree("Xmas/Yard/b.kas"), Tree("Easter/Yard/b.kas"), Tree("b.kas")},
                              {Tree("shows/d.kas")}}));
    ASSERT_EQ(search.notFound.size(), 1u);
    EXPECT_EQ(search.notFound[0].name, "gone.kas");

    EXPECT_EQ(Relink::ApplyClosest(show_, search), 4);
    EXPECT_EQ(show_.Background()->List(),
              (std::vector<std::string>{Tree("x/a.kas"), "here.kas", "gone.kas"}));
    EXPECT_EQ(show_.Musical()->List(), std::vector<std::string>{Tree("Свет/灯光秀/c.kms")});
    EXPECT_EQ(show_.Musical()->CleanUp(), Tree("Xmas/Yard/b.kas"));
    EXPECT_EQ((*show_.InteractiveGroups())[0]->GetTriggeredSequences(0)->Sequences(),
              (std::vector<std::string>{"here.kas", Tree("shows/d.kas")}));
    EXPECT_EQ(Relink::MissingFiles(show_, PathOf("seq/")).size(), 1u);
}

// A relink chosen before the show changed is not applied over the change; a folder that cannot
// be searched finds nothing.
TEST_F(RelinkTest, StaleRelinksAndUnreadableFoldersChangeNothing) {
    const std::vector<Relink::MissingFile> missing = Relink::MissingFiles(show_, PathOf("seq/"));
    show_.Background()->List()[0] = "C:\\Elsewhere\\a.kas";
    EXPECT_FALSE(Relink::Apply(show_, missing[0].place, missing[0].name, "new.kas"));
    EXPECT_FALSE(Relink::Apply(show_, {Section::Background, 9, -1, -1}, "x", "new.kas"));
    EXPECT_FALSE(Relink::Apply(show_, {Section::Interactive, 1, 0, 5}, "x", "new.kas"));
    EXPECT_EQ(show_.Background()->List()[0], "C:\\Elsewhere\\a.kas");
    const Relink::Search search = Relink::FindMovedFiles(missing, PathOf("no such folder"));
    EXPECT_TRUE(search.found.empty());
    EXPECT_EQ(search.notFound.size(), missing.size());
}

TEST(SharedFolderEnding, CountsAgreeingFolderNamesFromTheFileUp) {
    for (const auto& row : test::DataRows("showcheck/shared-folder-ending.txt"))
        EXPECT_EQ(Relink::SharedFolderEnding(row[0], row[1]), std::stoi(row[2])) << row[0];
}
