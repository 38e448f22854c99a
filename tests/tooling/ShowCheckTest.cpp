#include "tooling/ShowCheck.h"
#include "TemporaryFolder.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace bw;
using ShowCheck::CheckShow;

namespace {

using Lines = std::vector<std::string>;

TriggeredSequencesPtr Entry(int network, int unitId, int input, std::string name,
                            const std::vector<std::string>& files) {
    return TriggeredSequencesFunctions::NewTriggeredSequences(
        TriggerFunctions::NewTrigger(network, unitId, input, std::move(name)), files);
}

InteractiveGroupPtr Group(std::string name, bool independent, bool interruptible,
                          std::vector<TriggeredSequencesPtr> entries) {
    auto group = std::make_shared<InteractiveGroup>();
    group->SetIndependent(independent);
    group->SetInterruptible(interruptible);
    group->SetName(std::move(name));
    for (TriggeredSequencesPtr& entry : entries)
        group->AddTriggeredSequences(std::move(entry));
    return group;
}

class ShowCheckTest : public test::TemporaryFolder {
protected:
    void SetUp() override {
        TemporaryFolder::SetUp();
        for (const char* name : {"a.kas", "b.kas", "song.kms", "LOUD.KMS", "clean.kas"})
            Put(PathOf(name), "x");
    }

    // A show with something in every section, every file in the sequence folder, and nothing to
    // report.
    ShowPtr CleanShow() const {
        auto show = std::make_shared<Show>();
        show->Background()->List() = {"a.kas"};
        show->Startup()->List() = {"song.kms", "a.kas"};
        show->Main()->List() = {"\\b.kas", PathOf("a.kas")};
        show->Musical()->List() = {"song.kms"};
        show->Musical()->SetCleanUp("clean.kas");
        show->Shutdown()->List() = {"b.kas"};
        show->InteractiveGroups()->push_back(
            Group("Jukebox", false, false, {Entry(0, 1, 1, "", {"song.kms", "a.kas"})}));
        show->InteractiveGroups()->push_back(Group(
            "Toy", true, true, {Entry(0, 1, 2, "", {"a.kas"}), Entry(0, 1, 3, "", {"b.kas"})}));
        show->SetStartupType(Show::StartsOnTrigger);
        show->SetStartupTrigger(TriggerFunctions::NewTrigger(0, 1, 1, "Start"));
        return show;
    }
};

} // namespace

TEST_F(ShowCheckTest, EveryKindOfFindingInTabOrder) {
    const ShowPtr show = CleanShow();
    show->Background()->List() = {"a.kas", "song.kms", "gone.kas"};
    show->Startup()->List().clear();
    show->Main()->List() = {"LOUD.KMS", PathOf("missing.kas")};
    show->Musical()->SetCleanUp("nocleanup.kas");
    show->InteractiveGroups()->at(1)->GetTriggeredSequences(1)->AddSequence("song.kms");
    // Same address as the Jukebox's trigger under another name: the same trigger.
    show->InteractiveGroups()->push_back(Group(
        "Odd", true, false, {Entry(0, 1, 1, "Porch", {""}), Entry(5, 300, 7, "", {"nope.kas"})}));
    show->Shutdown()->List().clear();
    show->SetStartupType(Show::BackgroundImmediatelyRestOnTrigger);
    show->SetStartupTrigger(nullptr);

    std::ifstream file(BWSHOW_TEST_DATA "/tooling/findings.txt");
    Lines expected;
    for (std::string line; std::getline(file, line);) {
        if (const size_t at = line.find("<folder>"); at != std::string::npos)
            line.replace(at, 8, Folder());
        expected.push_back(line);
    }
    EXPECT_EQ(CheckShow(*show, Folder()), expected);
}

// A trigger used twice inside one group is the group editor's business, not a shared trigger;
// what counts is network, unit and input, never the name.
TEST_F(ShowCheckTest, SharedTriggersAreCountedByAddressAcrossGroups) {
    const ShowPtr show = CleanShow();
    auto& groups = *show->InteractiveGroups();
    groups.at(0)->AddTriggeredSequences(Entry(0, 1, 1, "again", {"a.kas"}));
    EXPECT_EQ(CheckShow(*show, Folder()), Lines{});
    // Without a startup trigger a show that starts at once is fine too.
    show->SetStartupType(Show::StartsImmediately);
    show->SetStartupTrigger(nullptr);

    groups.push_back(Group("Net", false, true, {Entry(1, 1, 1, "", {"a.kas"})}));
    groups.push_back(Group("Unit", false, true, {Entry(0, 2, 1, "", {"a.kas"})}));
    groups.push_back(Group("Input", false, true, {Entry(0, 1, 4, "", {"a.kas"})}));
    EXPECT_EQ(CheckShow(*show, Folder()), Lines{});

    groups.push_back(Group("Both", false, true,
                           {Entry(0, 1, 3, "x", {"a.kas"}), Entry(1, 1, 1, "y", {"a.kas"})}));
    EXPECT_EQ(CheckShow(*show, Folder()),
              (Lines{"Trigger Regular, Unit 01, Input 3 is used by more than one group: "
                     "2 \"Toy\", 6 \"Both\"",
                     "Trigger Aux A, Unit 01, Input 1 is used by more than one group: "
                     "3 \"Net\", 6 \"Both\""}));
}
