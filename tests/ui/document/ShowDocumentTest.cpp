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

// Edits besides those that tests/ui/history undoes and redoes through the window (adding,
// removing, swapping, the animation type, the delay and the cleanup), and edits of nothing.
// clang-format off
const struct { const char* name; void (*edit)(ShowDocument&); bool (*done)(const Show&); } Edits[] = {
    {"move down", [](auto& d) { d.MoveEntry(MusicalSection, 0, 2); },
     [](auto& s) { return s.Musical()->List() == Strings{"b.kms", "c.kms", "a.kms"}; }},
    {"move up", [](auto& d) { d.MoveEntry(MusicalSection, 2, 0); },
     [](auto& s) { return s.Musical()->List() == Strings{"c.kms", "a.kms", "b.kms"}; }},
    {"lights off", [](auto& d) { d.SetLightsOffAtEnd(StartupSection, -1, false); },
     [](auto& s) { return !s.Startup()->LightsOffAtEnd(); }},
    {"group lights off", [](auto& d) { d.SetLightsOffAtEnd(InteractiveSection, 0, false); },
     [](auto& s) { return !s.InteractiveGroups()->front()->LightsOffAtEnd(); }},
    {"musical type", [](auto& d) { d.SetMusicalType(2); },
     [](auto& s) { return s.Musical()->MusicalType() == 2; }},
    {"shuffle", [](auto& d) { d.SetShuffleWithReplacement(true); },
     [](auto& s) { return s.Musical()->ShuffleWithReplacement(); }},
    {"back to back", [](auto& d) { d.SetShuffleAllowsBackToBack(true); },
     [](auto& s) { return s.Musical()->ShuffleAllowsBackToBack(); }},
    {"group", [](auto& d) { d.AddGroup(Group()); },
     [](auto& s) { return s.InteractiveGroups()->size() == 2; }},
    {"in place", [](auto& d) { d.MyShow()->SetPreloadSequences(true), d.Changed(); },
     [](auto& s) { return s.PreloadSequences(); }},
    // Edits that change nothing (no `done`): no step, and the show stays unmodified.
    {"move out of range", [](auto& d) { d.MoveEntry(MusicalSection, 0, 3); }, nullptr},
    {"move in place", [](auto& d) { d.MoveEntry(MusicalSection, 1, 1); }, nullptr},
    {"remove out of range", [](auto& d) { d.RemoveEntry(MusicalSection, 3); }, nullptr},
    {"remove no group", [](auto& d) { d.RemoveEntry(InteractiveSection, -1); }, nullptr},
    {"swap out of range", [](auto& d) { d.SwapEntries(AnimationSection, 0, 2); }, nullptr},
    {"same lights off", [](auto& d) { d.SetLightsOffAtEnd(StartupSection, -1, true); }, nullptr},
    {"no group lights off", [](auto& d) { d.SetLightsOffAtEnd(InteractiveSection, 1, false); }, nullptr},
    {"animation type as it was", [](auto& d) { d.SetAnimationType(1); }, nullptr},
    {"append nothing", [](auto& d) { d.AppendSequences(MusicalSection, {}); }, nullptr},
    {"append to groups", [](auto& d) { d.AppendSequences(InteractiveSection, {"a.kas"}); }, nullptr},
};
// clang-format on

} // namespace

class ShowDocumentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void Edit_IsOneStepUndoneToTheOpenedState_OrNoneForNoChange() {
        for (const auto& test : Edits) {
            Opened opened;
            QSignalSpy modified(&opened.document, &ShowDocument::modifiedChanged);
            const std::string before = opened.Text();
            test.edit(opened.document);
            QCOMPARE(opened.Steps(), int(test.done != nullptr));
            QVERIFY2(opened.document.IsModified() == (test.done != nullptr), test.name);
            if (!test.done) {
                QVERIFY2(opened.Text() == before && modified.isEmpty(), test.name);
                continue;
            }
            QVERIFY2(test.done(opened.show()), test.name);
            opened.document.UndoStack().undo();
            QVERIFY2(opened.Text() == before && !opened.document.IsModified(), test.name);
            opened.document.UndoStack().redo();
            QVERIFY2(test.done(opened.show()), test.name);
            QCOMPARE(modified.count(), 3);
            QCOMPARE(modified.last().first().toBool(), true);
        }
    }

    // A dialog's OK marks the show changed even when it changed nothing, with no step; saving ends
    // that. An action is one step of all its edits, undone back to the place where it began, even
    // when the place changed on the way. (Typing as one step, undo after a save: tests/ui/history.)
    void ReportedChangeAndAction_StepBackToWhereTheyBegan() {
        Opened opened;
        opened.document.Changed();
        QVERIFY(opened.Steps() == 0 && opened.document.IsModified());
        QVERIFY(opened.document.Save() && !opened.document.IsModified());
        ShowPlace place{MusicalSection, 1};
        opened.document.SetPlaceSource([&place] { return place; });
        {
            const ShowDocument::Action action(opened.document);
            opened.document.RemoveEntry(MusicalSection, 1);
            place = {AnimationSection, 0};
            opened.document.SwapEntries(AnimationSection, 0, 1);
        }
        QCOMPARE(opened.Steps(), 1);
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
