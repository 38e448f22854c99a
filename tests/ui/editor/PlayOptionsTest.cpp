// The play options panel: filled from the show without an edit, and the user's changes written
// back into the show.
#include "EditorTestSupport.h"
#include "editor/UpDown.h"
#include "editor/WrapCheckBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QToolButton>

#include <functional>

namespace bw::test {

namespace {

// A show with options that differ from a new show's wherever they can; back-to-back is
// allowed only when the musical type is 0, so that each shuffle choice shows its own mark.
Show StoredShow(int musicalType, int animationType) {
    Show show;
    show.Startup()->SetLightsOffAtEnd(false);
    show.Main()->SetAnimationType(animationType);
    const PlaylistPtr& musical = show.Musical();
    musical->SetLightsOffAtEnd(false);
    musical->SetMusicalType(musicalType);
    musical->SetShuffleWithReplacement(true);
    musical->SetShuffleAllowsBackToBack(musicalType == 0);
    musical->SetDelay(7);
    musical->SetCleanUp("/seq/Cleanup.kas");
    return show;
}

// An editor holding a copy of the show, unchanged, on the given tab after every other, so that
// each control has been filled for another section before.
struct EditorOn : Editor {
    EditorOn(const Show& show, int tab) {
        this->show() = *ShowFunctions::ShowFromText(ShowFunctions::ShowToText(show));
        for (int other = frmShow::BackgroundTab; other <= frmShow::ShutdownTab; ++other)
            SelectTab(other);
        SelectTab(tab);
    }
};

// Replaces the text box's text as the user does when pasting over it.
void PasteOver(QLineEdit& box, const QString& text) {
    box.selectAll();
    box.insert(text);
}

} // namespace

class PlayOptionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Filling the panel is no edit; a click writes exactly its own option into the show, and one
    // that changes nothing is no edit either. The cleanup file is chosen in a dialog.
    void FillingAndClicks() {
        using Change = std::function<void(Show&)>;
        // Tab, musical type, animation type: "+" or "-" for lights off, the first play order
        // option and each shuffle choice; the control clicked and its change.
        // clang-format off
        const std::tuple<int, int, int, QString, const char*, Change> cases[] = {
            {2, 1, 1, "-", "chkLightsOffAtEnd", [](Show& s) { s.Startup()->SetLightsOffAtEnd(true); }},
            {6, 1, 1, "+", "chkLightsOffAtEnd", [](Show& s) { s.Shutdown()->SetLightsOffAtEnd(false); }},
            {3, 1, 1, "+-", "opStandard", [](Show& s) { s.Main()->SetAnimationType(2); }},
            {3, 1, 2, "++", "opVariant", [](Show& s) { s.Main()->SetAnimationType(1); }},
            {3, 1, 7, "+-", "opVariant", [](Show& s) { s.Main()->SetAnimationType(1); }},
            {3, 1, 2, "++", "opStandard", {}},
            {4, 1, 1, "-++-", "opVariant", [](Show& s) { s.Musical()->SetMusicalType(2); }},
            {4, 0, 1, "-+++", "opStandard", [](Show& s) { s.Musical()->SetMusicalType(1); }},
            {4, 2, 1, "--+-", "opStandard", [](Show& s) { s.Musical()->SetMusicalType(1); }},
            {4, 2, 1, "--+-", "chkVariantOption1", [](Show& s) { s.Musical()->SetShuffleWithReplacement(false); }},
            {4, 2, 1, "--+-", "chkVariantOption2", [](Show& s) { s.Musical()->SetShuffleAllowsBackToBack(true); }},
            {4, 2, 1, "--+-", "btCleanup", [](Show& s) { s.Musical()->SetCleanUp("/seq/Out.kas"); }}};
        // clang-format on
        for (const auto& [tab, musicalType, animationType, checks, control, change] : cases) {
            Show expected = StoredShow(musicalType, animationType);
            EditorOn editor(expected, tab);
            QString shown;
            for (const char* name :
                 {"chkLightsOffAtEnd", "opStandard", "chkVariantOption1", "chkVariantOption2"})
                shown += editor.Get<QAbstractButton>(name)->isChecked() ? '+' : '-';
            QCOMPARE(shown.left(checks.size()), checks);
            QVERIFY(!editor.window->HasUnsavedChanges() && editor.show() == expected);
            editor.prompts.openAnswers << QStringList{"/seq/Out.kas"};
            editor.Get<QAbstractButton>(control)->click();
            if (change)
                change(expected);
            QVERIFY2(editor.show() == expected, control);
            QVERIFY2(editor.window->HasUnsavedChanges() == bool(change), control);
            // Shuffling enables its two choices.
            for (const char* choice : {"chkVariantOption1", "chkVariantOption2"})
                QCOMPARE(editor.Get<QCheckBox>(choice)->isEnabled(),
                         expected.Musical()->MusicalType() == 2);
        }
    }

    // Text pasted in the boxes is stored; a step of the spinner, by arrow or key, moves the text
    // and the delay, and one that cannot move the value is no edit.
    void TypingAndSteps() {
        // Text pasted (or set, before a step), the step (0 none, 1 up, -1 down, 2 up by key):
        // text and delay after.
        // clang-format off
        const std::tuple<QString, int, QString, int> cases[] = {
            {"5000", 0, "5000", 5000}, {"99999999999", 0, "99999999999", 7}, // no 32-bit number
            {"5", 1, "6", 6}, {"0", -1, "0", 7}, {"5000", 1, "999", 999}, {"5", 2, "6", 6}};
        // clang-format on
        for (const auto& [text, step, textAfter, delay] : cases) {
            EditorOn editor(StoredShow(2, 1), frmShow::MusicalTab);
            auto* box = editor.Get<QLineEdit>("txtDelay");
            QCOMPARE(box->text(), "7");
            step == 0 ? PasteOver(*box, text) : box->setText(text);
            auto* spinner = editor.Get<UpDown>("UpDown1");
            if (step == 2)
                QTest::keyClick(box, Qt::Key_Up);
            else if (step != 0)
                (step > 0 ? spinner->UpButton() : spinner->DownButton())->click();
            QCOMPARE(box->text(), textAfter);
            QCOMPARE(editor.show().Musical()->Delay(), delay);
            QCOMPARE(editor.window->HasUnsavedChanges(), delay != 7);
        }
        EditorOn editor(StoredShow(2, 1), frmShow::MusicalTab);
        auto* cleanup = editor.Get<QLineEdit>("txtCleanup");
        QCOMPARE(cleanup->text(), "/seq/Cleanup.kas");
        PasteOver(*cleanup, "no such file"); // stored as it stands
        QCOMPARE(editor.show().Musical()->CleanUp(), "no such file");
        editor.prompts.openAnswers << std::nullopt;
        editor.Get("btCleanup")->click(); // cancelled: nothing changes
        QCOMPARE(cleanup->text(), "no such file");
        QCOMPARE(editor.prompts.Dialogs(),
                 QStringList{"Select the cleanup file|Animation Sequences|*.kas|1|"
                             "/home/user/Sequences/||one"});
    }

    void WrapCheckBox_SecondLineTakesClicks() {
        WrapCheckBox box("Songs can be repeated before all have been played");
        box.setGeometry(0, 0, 120, 40);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(100, 36));
        QVERIFY(box.isChecked());
    }
};

BWSHOW_REGISTER_TEST(PlayOptionsTest);

} // namespace bw::test

#include "PlayOptionsTest.moc"
