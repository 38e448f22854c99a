// The show document without a window: each edit one step, undone back to the saved state
// without a change left.

#include "document/ShowDocument.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

namespace bw::test {
namespace {

using Strings = std::vector<std::string>;

// A group of one entry: a group without entries has no text.
InteractiveGroupPtr Group() {
    auto group = std::make_shared<InteractiveGroup>();
    group->AddTriggeredSequences(TriggeredSequencesFunctions::NewTriggeredSequences(
        TriggerFunctions::NewTrigger(0, 1, 1, "T"), {"bell.kas"}));
    return group;
}

// The document on a show opened from a file: three songs, two animations and one group.
struct Opened {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Show.kss"));
    ShowDocument document;

    Opened() {
        Show show;
        show.Musical()->List() = {"a.kms", "b.kms", "c.kms"};
        show.Main()->List() = {"x.kas", "y.kas"};
        show.InteractiveGroups()->push_back(Group());
        File::WriteWholeFile(path.toStdString(), ShowFunctions::ShowToText(show));
        document.Open(path);
    }
    Show& show() const { return *document.MyShow(); }
    std::string Text() const { return ShowFunctions::ShowToText(show()); }
    int Steps() const { return document.UndoStack().count(); }
};

// clang-format off
const struct { const char* name; void (*edit)(ShowDocument&); bool (*done)(const Show&); } Edits[] = {
    {"append", [](auto& d) { d.AppendSequences(MusicalSection, {"d.kms", "e.kms"}); },
     [](auto& s) { return s.Musical()->List() == Strings{"a.kms", "b.kms", "c.kms", "d.kms", "e.kms"}; }},
    {"remove song", [](auto& d) { d.RemoveEntry(MusicalSection, 1); },
     [](auto& s) { return s.Musical()->List() == Strings{"a.kms", "c.kms"}; }},
    {"remove group", [](auto& d) { d.RemoveEntry(InteractiveSection, 0); },
     [](auto& s) { return s.InteractiveGroups()->empty(); }},
    {"move down", [](auto& d) { d.MoveEntry(MusicalSection, 0, 2); },
     [](auto& s) { return s.Musical()->List() == Strings{"b.kms", "c.kms", "a.kms"}; }},
    {"move up", [](auto& d) { d.MoveEntry(MusicalSection, 2, 0); },
     [](auto& s) { return s.Musical()->List() == Strings{"c.kms", "a.kms", "b.kms"}; }},
    {"swap", [](auto& d) { d.SwapEntries(AnimationSection, 1, 0); },
     [](auto& s) { return s.Main()->List() == Strings{"y.kas", "x.kas"}; }},
    {"lights off", [](auto& d) { d.SetLightsOffAtEnd(StartupSection, -1, false); },
     [](auto& s) { return !s.Startup()->LightsOffAtEnd(); }},
    {"group lights off", [](auto& d) { d.SetLightsOffAtEnd(InteractiveSection, 0, false); },
     [](auto& s) { return !s.InteractiveGroups()->front()->LightsOffAtEnd(); }},
    {"animation type", [](auto& d) { d.SetAnimationType(2); },
     [](auto& s) { return s.Main()->AnimationType() == 2; }},
    {"musical type", [](auto& d) { d.SetMusicalType(2); },
     [](auto& s) { return s.Musical()->MusicalType() == 2; }},
    {"shuffle", [](auto& d) { d.SetShuffleWithReplacement(true); },
     [](auto& s) { return s.Musical()->ShuffleWithReplacement(); }},
    {"back to back", [](auto& d) { d.SetShuffleAllowsBackToBack(true); },
     [](auto& s) { return s.Musical()->ShuffleAllowsBackToBack(); }},
    {"delay", [](auto& d) { d.SetDelay(12); }, [](auto& s) { return s.Musical()->Delay() == 12; }},
    {"cleanup", [](auto& d) { d.SetCleanUp(QStringLiteral("off.kas")); },
     [](auto& s) { return s.Musical()->CleanUp() == "off.kas"; }},
    {"group", [](auto& d) { d.AddGroup(Group()); },
     [](auto& s) { return s.InteractiveGroups()->size() == 2; }},
    {"in place", [](auto& d) { d.MyShow()->SetPreloadSequences(true), d.Changed(); },
     [](auto& s) { return s.PreloadSequences(); }},
};

// Edits that change nothing make no step and leave the show unmodified.
const struct { const char* name; void (*edit)(ShowDocument&); } NoEdits[] = {
    {"move out of range", [](auto& d) { d.MoveEntry(MusicalSection, 0, 3); }},
    {"move in place", [](auto& d) { d.MoveEntry(MusicalSection, 1, 1); }},
    {"remove out of range", [](auto& d) { d.RemoveEntry(MusicalSection, 3); }},
    {"remove no group", [](auto& d) { d.RemoveEntry(InteractiveSection, -1); }},
    {"swap out of range", [](auto& d) { d.SwapEntries(AnimationSection, 0, 2); }},
    {"lights off as it was", [](auto& d) { d.SetLightsOffAtEnd(StartupSection, -1, true); }},
    {"lights off of no group", [](auto& d) { d.SetLightsOffAtEnd(InteractiveSection, 1, false); }},
    {"animation type as it was", [](auto& d) { d.SetAnimationType(1); }},
    {"append nothing", [](auto& d) { d.AppendSequences(MusicalSection, {}); }},
    {"append to the groups", [](auto& d) { d.AppendSequences(InteractiveSection, {"a.kas"}); }},
};
// clang-format on

} // namespace

class ShowDocumentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void Edit_IsOneStepUndoneToTheOpenedState() {
        for (const auto& test : Edits) {
            Opened opened;
            QSignalSpy modified(&opened.document, &ShowDocument::modifiedChanged);
            const std::string before = opened.Text();
            test.edit(opened.document);
            QVERIFY2(test.done(opened.show()), test.name);
            QCOMPARE(opened.Steps(), 1);
            QVERIFY(opened.document.IsModified());
            opened.document.UndoStack().undo();
            QVERIFY2(opened.Text() == before, test.name);
            QVERIFY(!opened.document.IsModified());
            opened.document.UndoStack().redo();
            QVERIFY2(test.done(opened.show()), test.name);
            QCOMPARE(modified.count(), 3);
            QCOMPARE(modified.last().first().toBool(), true);
        }
    }

    void NoChange_MakesNoStep() {
        for (const auto& test : NoEdits) {
            Opened opened;
            const std::string before = opened.Text();
            test.edit(opened.document);
            QVERIFY2(opened.Text() == before, test.name);
            QCOMPARE(opened.Steps(), 0);
            QVERIFY2(!opened.document.IsModified(), test.name);
        }
    }

    // A dialog's OK marks the show changed even when it changed nothing; saving ends that.
    void ReportedChangeWithoutDifference_Modifies() {
        Opened opened;
        opened.document.Changed();
        QCOMPARE(opened.Steps(), 0);
        QVERIFY(opened.document.IsModified());
        QVERIFY(opened.document.Save());
        QVERIFY(!opened.document.IsModified());
        // Saved after a step, the show differs from its file again when the step is undone.
        opened.document.SetDelay(5);
        QVERIFY(opened.document.Save());
        opened.document.UndoStack().undo();
        QVERIFY(opened.document.IsModified());
        std::string saved;
        QCOMPARE(File::ReadWholeFile(opened.path.toStdString(), saved), 0);
        QCOMPARE(ShowFunctions::ShowFromText(saved)->Musical()->Delay(), 5);
    }




    // Typing in one box makes one step until the typing ends; an action makes one step of all
    // its edits and goes back to the place where it began.
    void TypingAndActions_GroupSteps() {
        Opened opened;
        ShowPlace place{MusicalSection, 1};
        opened.document.SetPlaceSource([&place] { return place; });
        opened.document.SetDelay(1);
        opened.document.SetDelay(12);
        QCOMPARE(opened.Steps(), 1);
        opened.document.EndTyping();
        opened.document.SetDelay(123);
        QCOMPARE(opened.Steps(), 2);
        {
            const ShowDocument::Action action(opened.document);
            opened.document.RemoveEntry(MusicalSection, 1);
            place = {AnimationSection, 0};
            opened.document.SwapEntries(AnimationSection, 0, 1);
        }
        QCOMPARE(opened.Steps(), 3);
        QSignalSpy replaced(&opened.document, &ShowDocument::showReplaced);
        opened.document.UndoStack().undo();
        QCOMPARE(replaced.count(), 1);
        const auto back = replaced.first().first().value<ShowPlace>();
        QCOMPARE(back.tab, int(MusicalSection));
        QCOMPARE(back.selection, 1);
        QCOMPARE(opened.show().Musical()->List().size(), 3u);
        QVERIFY(opened.show().Main()->List().front() == "x.kas");
    }
};

} // namespace bw::test

QTEST_GUILESS_MAIN(bw::test::ShowDocumentTest)
#include "ShowDocumentTest.moc"
