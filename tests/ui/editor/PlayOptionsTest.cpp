// The play options panel: filled from the show without an edit, and the user's changes written
// back into the show.
#include "EditorTestSupport.h"
#include "editor/UpDown.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <functional>

namespace bw::test {

namespace {

// A show as stored in a file, with options that differ from a new show's wherever they can.
Show StoredShow(int musicalType, int animationType) {
    Show show;
    show.Startup()->SetLightsOffAtEnd(false);
    show.Main()->SetAnimationType(animationType);
    show.Musical()->SetLightsOffAtEnd(false);
    show.Musical()->SetMusicalType(musicalType);
    show.Musical()->SetShuffleWithReplacement(true);
    show.Musical()->SetDelay(5);
    show.Musical()->SetCleanUp("/seq/Cleanup.kas");
    return show;
}

// An editor holding the show, opened from a file (named and unchanged), on the given tab after
// every other, so that each control has been filled for another section before.
class OpenedEditor : public Editor {
public:
    OpenedEditor(const Show& show, int tab) {
        if (!WriteShowFile(folder.filePath("Show.kss"), show))
            throw std::runtime_error("cannot write the show file");
        Open(folder.filePath("Show.kss"));
        prompts.prompts.clear();
        for (int other = frmShow::BackgroundTab; other <= frmShow::ShutdownTab; ++other)
            SelectTab(other);
        SelectTab(tab);
    }
    QTemporaryDir folder;
    // "+" or "-" for lights off, the first play order option, each shuffle choice, and whether
    // the shuffle choices can be changed.
    QString Checks() const {
        QString checks;
        for (const char* name :
             {"chkLightsOffAtEnd", "opStandard", "chkVariantOption1", "chkVariantOption2"})
            checks += Get<QAbstractButton>(name)->isChecked() ? '+' : '-';
        return checks + (Get<QCheckBox>("chkVariantOption1")->isEnabled() ? '+' : '-');
    }
};

// Replaces the text box's text as the user does when pasting over it.
void PasteOver(QLineEdit& box, const QString& text) {
    box.selectAll();
    text.isEmpty() ? box.del() : box.insert(text);
}

} // namespace

class PlayOptionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void Filling_IsNoEdit() {
        // Tab, musical type, animation type: the checks shown.
        // clang-format off
        const std::tuple<int, int, int, QString> cases[] = {
            {3, 2, 2, "++"}, {3, 2, 7, "+-"}, {4, 2, 1, "--+-+"}, {4, 0, 1, "-++--"}, {2, 2, 2, "-"}};
        // clang-format on
        for (const auto& [tab, musicalType, animationType, checks] : cases) {
            const Show stored = StoredShow(musicalType, animationType);
            OpenedEditor editor(stored, tab);
            QCOMPARE(editor.Checks().left(checks.size()), checks);
            QVERIFY(editor.Get<QRadioButton>("opVariant")->isChecked() !=
                    editor.Get<QRadioButton>("opStandard")->isChecked());
            QVERIFY(!editor.window->HasUnsavedChanges());
            QVERIFY(editor.show() == stored);
            if (tab == frmShow::MusicalTab) {
                QCOMPARE(editor.Get<QLineEdit>("txtDelay")->text(), QStringLiteral("5"));
                QCOMPARE(editor.Get<QLineEdit>("txtCleanup")->text(),
                         QStringLiteral("/seq/Cleanup.kas"));
            }
        }
    }

    // A click writes exactly its own option into the show; one that changes nothing is no edit.
    void Clicks_WriteTheirOption() {
        using Change = std::function<void(Show&)>;
        // clang-format off
        const std::tuple<int, int, int, const char*, Change> cases[] = {
            {2, 1, 1, "chkLightsOffAtEnd", [](Show& s) { s.Startup()->SetLightsOffAtEnd(true); }},
            {6, 1, 1, "chkLightsOffAtEnd", [](Show& s) { s.Shutdown()->SetLightsOffAtEnd(false); }},
            {3, 1, 1, "opStandard", [](Show& s) { s.Main()->SetAnimationType(2); }},
            {3, 1, 2, "opVariant", [](Show& s) { s.Main()->SetAnimationType(1); }},
            {3, 1, 2, "opStandard", {}},
            {4, 1, 1, "opVariant", [](Show& s) { s.Musical()->SetMusicalType(2); }},
            {4, 2, 1, "opStandard", [](Show& s) { s.Musical()->SetMusicalType(1); }},
            {4, 2, 1, "chkVariantOption1", [](Show& s) { s.Musical()->SetShuffleWithReplacement(false); }},
            {4, 2, 1, "chkVariantOption2", [](Show& s) { s.Musical()->SetShuffleAllowsBackToBack(true); }}};
        // clang-format on
        for (const auto& [tab, musicalType, animationType, control, change] : cases) {
            Show expected = StoredShow(musicalType, animationType);
            OpenedEditor editor(expected, tab);
            editor.Get<QAbstractButton>(control)->click();
            if (change)
                change(expected);
            QVERIFY2(editor.show() == expected, control);
            QVERIFY2(editor.SaveEnabled() == bool(change), control);
            // Shuffling enables its two choices.
            QCOMPARE(editor.Get<QCheckBox>("chkVariantOption2")->isEnabled(),
                     expected.Musical()->MusicalType() == 2);
        }
    }

    void Delay_TypedOrStepped() {
        // Text put in the box, the step (0 none, 1 up, -1 down, 2 up by key): text and delay after.
        // clang-format off
        const std::tuple<QString, int, QString, int> cases[] = {
            {"3.5", 0, "3.5", 4}, {"2.5", 0, "2.5", 2}, {"12s", 0, "12s", 12}, {"", 0, "", 0}, {"5000", 0,
             "5000", 5000},
            {"99999999999", 0, "99999999999", 7}, // not a 32-bit number: nothing written
            {"5", 1, "6", 6}, {"0", -1, "0", 0}, {"5000", 1, "999", 999}, {"3.5", 1, "5", 5}, {"5", 2,
             "6", 6}};
        // clang-format on
        for (const auto& [text, step, textAfter, delay] : cases) {
            Show stored = StoredShow(2, 1);
            stored.Musical()->SetDelay(7);
            OpenedEditor editor(stored, frmShow::MusicalTab);
            auto* box = editor.Get<QLineEdit>("txtDelay");
            PasteOver(*box, text);
            if (step != 0) {
                editor.Click("Save"); // so that the step's own edit shows
                auto* spinner = editor.Get<UpDown>("UpDown1");
                step == 2 ? QTest::keyClick(box, Qt::Key_Up)
                          : (step > 0 ? spinner->UpButton() : spinner->DownButton())->click();
            }
            QCOMPARE(box->text(), textAfter);
            QCOMPARE(editor.show().Musical()->Delay(), delay);
            QCOMPARE(editor.window->HasUnsavedChanges(), delay != 7);
        }
    }

    void Cleanup_TypedAndChosen() {
        OpenedEditor editor(StoredShow(2, 1), frmShow::MusicalTab);
        editor.prompts.openAnswers << std::nullopt << QStringList{"/seq/Cleanup.kas"}
                                   << QStringList{"/seq/Lights Out.kas"};
        editor.Get("btCleanup")->click(); // cancelled: nothing changes
        QCOMPARE(
            editor.prompts.Dialogs(),
            QStringList{
                "Select the cleanup file|Animation Sequences|*.kas|1|/home/user/Sequences/||one"});
        QVERIFY(!editor.window->HasUnsavedChanges());
        editor.Get("btCleanup")->click(); // the same file again still counts as an edit
        QVERIFY(editor.SaveEnabled());
        editor.Get("btCleanup")->click();
        QCOMPARE(editor.show().Musical()->CleanUp(), std::string("/seq/Lights Out.kas"));
        QCOMPARE(editor.Get<QLineEdit>("txtCleanup")->text(),
                 QStringLiteral("/seq/Lights Out.kas"));
        // Typed text is stored as it stands, no file needed.
        PasteOver(*editor.Get<QLineEdit>("txtCleanup"), "no such file");
        QCOMPARE(editor.show().Musical()->CleanUp(), std::string("no such file"));
    }
};

BWSHOW_REGISTER_TEST(PlayOptionsTest);

} // namespace bw::test

#include "PlayOptionsTest.moc"
