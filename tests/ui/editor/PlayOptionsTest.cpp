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

// An editor holding the show, opened from a file: named and unchanged.
class OpenedEditor : public Editor {
public:
    explicit OpenedEditor(const Show& show, int tab) {
        const QString path = folder.path() + "/Show.kss";
        if (!WriteShowFile(path, show))
            throw std::runtime_error("cannot write the show file");
        Open(path);
        prompts.prompts.clear();
        // Every tab once, so that each control has been filled for another section before.
        for (int other = frmShow::BackgroundTab; other <= frmShow::ShutdownTab; ++other)
            SelectTab(other);
        SelectTab(tab);
    }
    QTemporaryDir folder;
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
    void Filling_IsNoEdit_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("musicalType");
        QTest::addColumn<int>("animationType");
        QTest::addColumn<QList<bool>>(
            "checked"); // lights off, first play order, shuffle options on
        QTest::newRow("Startup") << 2 << 2 << 2 << QList<bool>{false, false, false};
        QTest::newRow("Animation, concurrently") << 3 << 2 << 2 << QList<bool>{true, true, false};
        QTest::newRow("Animation, sequentially") << 3 << 2 << 1 << QList<bool>{true, false, false};
        QTest::newRow("Animation, unknown type") << 3 << 2 << 7 << QList<bool>{true, false, false};
        QTest::newRow("Musical, shuffled") << 4 << 2 << 1 << QList<bool>{false, false, true};
        QTest::newRow("Musical, in order") << 4 << 1 << 1 << QList<bool>{false, true, false};
        QTest::newRow("Musical, unknown type") << 4 << 0 << 1 << QList<bool>{false, true, false};
        QTest::newRow("Shutdown") << 6 << 2 << 2 << QList<bool>{true, false, false};
    }
    void Filling_IsNoEdit() {
        QFETCH(int, tab);
        QFETCH(int, musicalType);
        QFETCH(int, animationType);
        QFETCH(QList<bool>, checked);
        const Show stored = StoredShow(musicalType, animationType);
        OpenedEditor editor(stored, tab);
        QCOMPARE(editor.Get<QCheckBox>("chkLightsOffAtEnd")->isChecked(), checked[0]);
        if (tab == frmShow::AnimationTab || tab == frmShow::MusicalTab) {
            QCOMPARE(editor.Get<QRadioButton>("opStandard")->isChecked(), checked[1]);
            QCOMPARE(editor.Get<QRadioButton>("opVariant")->isChecked(), !checked[1]);
        }
        if (tab == frmShow::MusicalTab) {
            // The shuffle choices keep their marks also while they cannot be changed.
            auto* option1 = editor.Get<QCheckBox>("chkVariantOption1");
            auto* option2 = editor.Get<QCheckBox>("chkVariantOption2");
            QVERIFY(option1->isChecked() && !option2->isChecked());
            QCOMPARE(option1->isEnabled(), checked[2]);
            QCOMPARE(option2->isEnabled(), checked[2]);
            QCOMPARE(editor.Get<QLineEdit>("txtDelay")->text(), QStringLiteral("5"));
            QCOMPARE(editor.Get<QLineEdit>("txtCleanup")->text(),
                     QStringLiteral("/seq/Cleanup.kas"));
        }
        QVERIFY(!editor.window->HasUnsavedChanges());
        QVERIFY(*editor.window->MyShow() == stored);
    }

    // A click writes exactly its own option into the show; one that changes nothing is no edit.
    void Clicks_WriteTheirOption() {
        using Change = std::function<void(Show&)>;
        const auto toggleLights = [](auto section) {
            return Change([section](Show& s) {
                const Playlist& playlist = *(s.*section)();
                (s.*section)()->SetLightsOffAtEnd(!playlist.LightsOffAtEnd());
            });
        };
        const struct {
            int tab, musicalType, animationType;
            const char* control;
            Change change; // empty: no edit
        } cases[] = {
            {2, 1, 1, "chkLightsOffAtEnd", toggleLights(&Show::Startup)},
            {3, 1, 1, "chkLightsOffAtEnd", toggleLights(&Show::Main)},
            {4, 1, 1, "chkLightsOffAtEnd", toggleLights(&Show::Musical)},
            {6, 1, 1, "chkLightsOffAtEnd", toggleLights(&Show::Shutdown)},
            {3, 1, 1, "opStandard", [](Show& s) { s.Main()->SetAnimationType(2); }},
            {3, 1, 2, "opVariant", [](Show& s) { s.Main()->SetAnimationType(1); }},
            {3, 1, 2, "opStandard", {}},
            {3, 1, 1, "opVariant", {}},
            {4, 1, 1, "opVariant", [](Show& s) { s.Musical()->SetMusicalType(2); }},
            {4, 2, 1, "opStandard", [](Show& s) { s.Musical()->SetMusicalType(1); }},
            {4, 1, 1, "opStandard", {}},
            {4, 2, 1, "chkVariantOption1",
             [](Show& s) { s.Musical()->SetShuffleWithReplacement(false); }},
            {4, 2, 1, "chkVariantOption2",
             [](Show& s) { s.Musical()->SetShuffleAllowsBackToBack(true); }},
        };
        for (const auto& c : cases) {
            Show expected = StoredShow(c.musicalType, c.animationType);
            OpenedEditor editor(expected, c.tab);
            editor.Get<QAbstractButton>(c.control)->click();
            if (c.change)
                c.change(expected);
            QVERIFY2(*editor.window->MyShow() == expected, c.control);
            QVERIFY2(editor.SaveEnabled() == bool(c.change), c.control);
            // Shuffling enables its two choices.
            QCOMPARE(editor.Get<QCheckBox>("chkVariantOption1")->isEnabled(),
                     expected.Musical()->MusicalType() == 2);
        }
    }

    void Delay_TypedText() {
        const struct {
            const char* text;
            int delay; // 7, the stored delay, when nothing is written
        } cases[] = {{"3.5", 4},     {"2.5", 2},         {"2.6", 3},         {"-3", -3},
                     {"12s", 12},    {"  42", 42},       {"abc", 0},         {"", 0},
                     {"5000", 5000}, {"99999999999", 7}, {"-99999999999", 7}};
        for (const auto& c : cases) {
            Show stored = StoredShow(2, 1);
            stored.Musical()->SetDelay(7);
            OpenedEditor editor(stored, frmShow::MusicalTab);
            PasteOver(*editor.Get<QLineEdit>("txtDelay"), c.text);
            QVERIFY2(editor.window->MyShow()->Musical()->Delay() == c.delay, c.text);
            QVERIFY2(editor.window->HasUnsavedChanges() == (c.delay != 7), c.text);
        }
        OpenedEditor editor(StoredShow(2, 1), frmShow::MusicalTab);
        auto* box = editor.Get<QLineEdit>("txtDelay");
        box->clear();
        QTest::keyClicks(box, "12s");
        QCOMPARE(editor.window->MyShow()->Musical()->Delay(), 12);
    }

    void Delay_Spinner() {
        const struct {
            const char* start;
            int direction;
            bool byKey;
            const char* text;
        } cases[] = {{"5", 1, false, "6"},   {"5", -1, false, "4"},     {"999", 1, false, "999"},
                     {"0", -1, false, "0"},  {"5000", 1, false, "999"}, {"-3", 1, false, "0"},
                     {"3.5", 1, false, "5"}, {"5", 1, true, "6"},       {"5", -1, true, "4"}};
        for (const auto& c : cases) {
            OpenedEditor editor(StoredShow(2, 1), frmShow::MusicalTab);
            auto* box = editor.Get<QLineEdit>("txtDelay");
            PasteOver(*box, c.start);
            editor.Click("Save"); // so that the step's own edit shows
            auto* spinner = editor.Get<UpDown>("UpDown1");
            if (c.byKey)
                QTest::keyClick(box, c.direction > 0 ? Qt::Key_Up : Qt::Key_Down);
            else
                (c.direction > 0 ? spinner->UpButton() : spinner->DownButton())->click();
            QCOMPARE(box->text(), QString(c.text));
            QCOMPARE(editor.window->MyShow()->Musical()->Delay(), QString(c.text).toInt());
            QVERIFY(editor.window->HasUnsavedChanges());
        }
    }

    void Cleanup_TypedAndChosen() {
        OpenedEditor editor(StoredShow(2, 1), frmShow::MusicalTab);
        const Playlist& musical = *editor.window->MyShow()->Musical();
        editor.prompts.openAnswers << std::nullopt << QStringList{"/seq/Cleanup.kas"}
                                   << QStringList{"/seq/Lights Out.kas"};
        editor.Get("btCleanup")->click(); // cancelled: nothing changes
        const FileDialogRequest request = editor.prompts.Of(Kind::OpenFiles).value(0).request;
        QCOMPARE(request.title, QStringLiteral("Select the cleanup file"));
        QCOMPARE(request.filter, QStringLiteral("Animation Sequences|*.kas"));
        QCOMPARE(request.filterIndex, 1);
        QCOMPARE(request.startFolder, QStringLiteral("/home/user/Sequences/"));
        QVERIFY(!request.multiple);
        QVERIFY(!editor.window->HasUnsavedChanges());
        editor.Get("btCleanup")->click(); // the same file again still counts as an edit
        QVERIFY(editor.SaveEnabled());
        editor.Get("btCleanup")->click();
        QCOMPARE(musical.CleanUp(), std::string("/seq/Lights Out.kas"));
        QCOMPARE(editor.Get<QLineEdit>("txtCleanup")->text(),
                 QStringLiteral("/seq/Lights Out.kas"));
        // Typed text is stored as it stands, no file needed.
        editor.Get<QLineEdit>("txtCleanup")->clear();
        QTest::keyClicks(editor.Get<QLineEdit>("txtCleanup"), "no such file");
        QCOMPARE(musical.CleanUp(), std::string("no such file"));
    }
};

BWSHOW_REGISTER_TEST(PlayOptionsTest);

} // namespace bw::test

#include "PlayOptionsTest.moc"
