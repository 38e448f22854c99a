#include "PlayOptionsTest.h"

#include "EditorTestSupport.h"
#include "editor/UpDown.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace bw::test {

namespace {

using Kind = ScriptedPrompts::Kind;

// A show as stored in a file, with options that differ from a new show's wherever they can.
Show StoredShow(int musicalType, int animationType) {
    Show show;
    show.Startup()->SetLightsOffAtEnd(false);
    show.Main()->SetLightsOffAtEnd(true);
    show.Main()->SetAnimationType(animationType);
    show.Musical()->SetLightsOffAtEnd(false);
    show.Musical()->SetMusicalType(musicalType);
    show.Musical()->SetShuffleWithReplacement(true);
    show.Musical()->SetShuffleAllowsBackToBack(false);
    show.Musical()->SetDelay(5);
    show.Musical()->SetCleanUp("/seq/Cleanup.kas");
    show.Shutdown()->SetLightsOffAtEnd(true);
    return show;
}

// An editor holding the show, opened from a file: named and unchanged.
class OpenedEditor : public Editor {
public:
    explicit OpenedEditor(const Show& show) {
        const QString path = folder.path() + QStringLiteral("/Show.kss");
        valid = folder.isValid() && WriteShowFile(path, show);
        Open(path);
        prompts.prompts.clear();
    }

    QTemporaryDir folder;
    bool valid = false;
};

// Replaces the text box's text as the user does when pasting over it.
void PasteOver(QLineEdit& box, const QString& text) {
    box.selectAll();
    if (text.isEmpty())
        box.del();
    else
        box.insert(text);
}

} // namespace

void PlayOptionsTest::Filling_IsNoEdit_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("musicalType");
    QTest::addColumn<int>("animationType");
    QTest::addColumn<bool>("lightsOff");
    QTest::addColumn<bool>("standard");
    QTest::addColumn<bool>("shuffleChoicesEnabled");

    QTest::newRow("Startup") << int(frmShow::StartupTab) << 2 << 2 << false << false << false;
    QTest::newRow("Animation, concurrently")
        << int(frmShow::AnimationTab) << 2 << 2 << true << true << false;
    QTest::newRow("Animation, sequentially")
        << int(frmShow::AnimationTab) << 2 << 1 << true << false << false;
    QTest::newRow("Animation, unknown type")
        << int(frmShow::AnimationTab) << 2 << 7 << true << false << false;
    QTest::newRow("Musical, shuffled")
        << int(frmShow::MusicalTab) << 2 << 1 << false << false << true;
    QTest::newRow("Musical, in order")
        << int(frmShow::MusicalTab) << 1 << 1 << false << true << false;
    QTest::newRow("Musical, unknown type")
        << int(frmShow::MusicalTab) << 0 << 1 << false << true << false;
    QTest::newRow("Shutdown") << int(frmShow::ShutdownTab) << 2 << 2 << true << false << false;
}

void PlayOptionsTest::Filling_IsNoEdit() {
    QFETCH(int, tab);
    QFETCH(int, musicalType);
    QFETCH(int, animationType);
    QFETCH(bool, lightsOff);
    QFETCH(bool, standard);
    QFETCH(bool, shuffleChoicesEnabled);

    const Show stored = StoredShow(musicalType, animationType);
    OpenedEditor editor(stored);
    QVERIFY(editor.valid);
    frmShow& window = *editor.window;
    // Every tab once, so that each control has been filled for another section before.
    for (int other = frmShow::BackgroundTab; other <= frmShow::ShutdownTab; ++other)
        editor.SelectTab(other);
    editor.SelectTab(tab);

    QCOMPARE(editor.Get<QCheckBox>("chkLightsOffAtEnd")->isChecked(), lightsOff);
    if (tab == frmShow::AnimationTab || tab == frmShow::MusicalTab) {
        QCOMPARE(editor.Get<QRadioButton>("opStandard")->isChecked(), standard);
        QCOMPARE(editor.Get<QRadioButton>("opVariant")->isChecked(), !standard);
    }
    if (tab == frmShow::MusicalTab) {
        // The shuffle choices keep their marks also while they cannot be changed.
        auto* option1 = editor.Get<QCheckBox>("chkVariantOption1");
        auto* option2 = editor.Get<QCheckBox>("chkVariantOption2");
        QVERIFY(option1->isChecked());
        QVERIFY(!option2->isChecked());
        QCOMPARE(option1->isEnabled(), shuffleChoicesEnabled);
        QCOMPARE(option2->isEnabled(), shuffleChoicesEnabled);
        QCOMPARE(editor.Get<QLineEdit>("txtDelay")->text(), QStringLiteral("5"));
        QCOMPARE(editor.Get<QLineEdit>("txtCleanup")->text(), QStringLiteral("/seq/Cleanup.kas"));
    }

    QVERIFY(!window.HasUnsavedChanges());
    QVERIFY(!editor.SaveEnabled());
    QVERIFY(window.MyShow()->HasSameContents(std::make_shared<Show>(stored)));
    QCOMPARE(window.MyShow()->Main()->AnimationType(), stored.Main()->AnimationType());
    QCOMPARE(window.MyShow()->Musical()->MusicalType(), stored.Musical()->MusicalType());
}

void PlayOptionsTest::LightsOff_WritesOnlyRealChanges_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("hidden");

    QTest::newRow("Background") << int(frmShow::BackgroundTab) << true;
    QTest::newRow("Startup") << int(frmShow::StartupTab) << false;
    QTest::newRow("Animation") << int(frmShow::AnimationTab) << false;
    QTest::newRow("Musical") << int(frmShow::MusicalTab) << false;
    QTest::newRow("Shutdown") << int(frmShow::ShutdownTab) << false;
}

void PlayOptionsTest::LightsOff_WritesOnlyRealChanges() {
    QFETCH(int, tab);
    QFETCH(bool, hidden);

    OpenedEditor editor(StoredShow(2, 2));
    QVERIFY(editor.valid);
    frmShow& window = *editor.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    editor.SelectTab(tab);
    auto* box = editor.Get<QCheckBox>("chkLightsOffAtEnd");
    QCOMPARE(box->isVisible(), !hidden);
    if (hidden)
        return;

    const ShowPtr show = window.MyShow();
    const auto lightsOffOf = [&show] {
        return std::vector<bool>{show->Background()->LightsOffAtEnd(),
                                 show->Startup()->LightsOffAtEnd(), show->Main()->LightsOffAtEnd(),
                                 show->Musical()->LightsOffAtEnd(),
                                 show->Shutdown()->LightsOffAtEnd()};
    };
    std::vector<bool> expected = lightsOffOf();
    const std::size_t section =
        static_cast<std::size_t>(tab > frmShow::InteractiveTab ? tab - 2 : tab - 1);

    box->click();
    expected[section] = !expected[section];
    QCOMPARE(box->isChecked(), bool(expected[section]));
    QCOMPARE(lightsOffOf(), expected);
    QVERIFY(window.HasUnsavedChanges());
    box->click();
    expected[section] = !expected[section];
    QCOMPARE(lightsOffOf(), expected);
    QVERIFY(editor.SaveEnabled());
}

void PlayOptionsTest::Animation_PlayOrder_data() {
    QTest::addColumn<int>("storedType");
    QTest::addColumn<bool>("clickStandard");
    QTest::addColumn<int>("expectedType");
    QTest::addColumn<bool>("changed");

    QTest::newRow("sequential, Play concurrently") << 1 << true << 2 << true;
    QTest::newRow("concurrent, Play sequentially") << 2 << false << 1 << true;
    QTest::newRow("concurrent, Play concurrently again") << 2 << true << 2 << false;
    QTest::newRow("sequential, Play sequentially again") << 1 << false << 1 << false;
}

void PlayOptionsTest::Animation_PlayOrder() {
    QFETCH(int, storedType);
    QFETCH(bool, clickStandard);
    QFETCH(int, expectedType);
    QFETCH(bool, changed);

    OpenedEditor editor(StoredShow(1, storedType));
    QVERIFY(editor.valid);
    editor.SelectTab(frmShow::AnimationTab);
    editor.Get<QRadioButton>(clickStandard ? "opStandard" : "opVariant")->click();

    QCOMPARE(editor.window->MyShow()->Main()->AnimationType(), expectedType);
    QCOMPARE(editor.window->MyShow()->Musical()->MusicalType(), 1);
    QCOMPARE(editor.window->HasUnsavedChanges(), changed);
    QCOMPARE(editor.SaveEnabled(), changed);
}

void PlayOptionsTest::Musical_ShuffleEnablesItsChoices() {
    OpenedEditor editor(StoredShow(1, 1));
    QVERIFY(editor.valid);
    frmShow& window = *editor.window;
    editor.SelectTab(frmShow::MusicalTab);
    auto* option1 = editor.Get<QCheckBox>("chkVariantOption1");
    auto* option2 = editor.Get<QCheckBox>("chkVariantOption2");
    const Playlist& musical = *window.MyShow()->Musical();

    // Play in order again: nothing to store.
    editor.Get<QRadioButton>("opStandard")->click();
    QVERIFY(!window.HasUnsavedChanges());
    QVERIFY(!option1->isEnabled());

    editor.Get<QRadioButton>("opVariant")->click();
    QCOMPARE(musical.MusicalType(), 2);
    QVERIFY(option1->isEnabled());
    QVERIFY(option2->isEnabled());
    QVERIFY(option1->isChecked());
    QVERIFY(!option2->isChecked());
    QVERIFY(window.HasUnsavedChanges());

    editor.Get<QRadioButton>("opStandard")->click();
    QCOMPARE(musical.MusicalType(), 1);
    QVERIFY(!option1->isEnabled());
    QVERIFY(!option2->isEnabled());
    QVERIFY(option1->isChecked());
    // The shuffle choices themselves were not touched.
    QVERIFY(musical.ShuffleWithReplacement());
    QVERIFY(!musical.ShuffleAllowsBackToBack());
    QCOMPARE(window.MyShow()->Main()->AnimationType(), 1);
}

void PlayOptionsTest::Musical_ShuffleChoices_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("replacement");
    QTest::addColumn<bool>("backToBack");

    QTest::newRow("songs can be repeated off")
        << QStringLiteral("chkVariantOption1") << false << false;
    QTest::newRow("back-to-back on") << QStringLiteral("chkVariantOption2") << true << true;
}

void PlayOptionsTest::Musical_ShuffleChoices() {
    QFETCH(QString, box);
    QFETCH(bool, replacement);
    QFETCH(bool, backToBack);

    OpenedEditor editor(StoredShow(2, 1));
    QVERIFY(editor.valid);
    editor.SelectTab(frmShow::MusicalTab);
    editor.Get<QCheckBox>(box.toLatin1().constData())->click();

    const Playlist& musical = *editor.window->MyShow()->Musical();
    QCOMPARE(musical.ShuffleWithReplacement(), replacement);
    QCOMPARE(musical.ShuffleAllowsBackToBack(), backToBack);
    QCOMPARE(musical.MusicalType(), 2);
    QVERIFY(editor.window->HasUnsavedChanges());
    QVERIFY(editor.SaveEnabled());
}

void PlayOptionsTest::Delay_TypedText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("changed");

    QTest::newRow("3.5 rounds up to even") << QStringLiteral("3.5") << false << 4 << true;
    QTest::newRow("2.5 rounds down to even") << QStringLiteral("2.5") << false << 2 << true;
    QTest::newRow("2.6") << QStringLiteral("2.6") << false << 3 << true;
    QTest::newRow("negative") << QStringLiteral("-3") << false << -3 << true;
    QTest::newRow("trailing letters") << QStringLiteral("12s") << false << 12 << true;
    QTest::newRow("leading blanks") << QStringLiteral("  42") << false << 42 << true;
    QTest::newRow("no number") << QStringLiteral("abc") << false << 0 << true;
    QTest::newRow("empty") << QString() << false << 0 << true;
    QTest::newRow("beyond the spinner") << QStringLiteral("5000") << false << 5000 << true;
    QTest::newRow("beyond 32 bits") << QStringLiteral("99999999999") << false << 7 << false;
    QTest::newRow("below 32 bits") << QStringLiteral("-99999999999") << false << 7 << false;
    QTest::newRow("typed key by key") << QStringLiteral("12s") << true << 12 << true;
}

void PlayOptionsTest::Delay_TypedText() {
    QFETCH(QString, text);
    QFETCH(bool, typed);
    QFETCH(int, expected);
    QFETCH(bool, changed);

    Show stored = StoredShow(2, 1);
    stored.Musical()->SetDelay(7);
    OpenedEditor editor(stored);
    QVERIFY(editor.valid);
    editor.SelectTab(frmShow::MusicalTab);
    auto* box = editor.Get<QLineEdit>("txtDelay");
    QCOMPARE(box->text(), QStringLiteral("7"));

    if (typed) {
        box->clear();
        QTest::keyClicks(box, text);
    } else {
        PasteOver(*box, text);
    }
    QCOMPARE(box->text(), text);
    QCOMPARE(editor.window->MyShow()->Musical()->Delay(), expected);
    QCOMPARE(editor.window->HasUnsavedChanges(), changed);
    QCOMPARE(editor.SaveEnabled(), changed);
}

void PlayOptionsTest::Delay_Spinner_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<QString>("expectedText");

    QTest::newRow("up") << QStringLiteral("5") << 1 << false << QStringLiteral("6");
    QTest::newRow("down") << QStringLiteral("5") << -1 << false << QStringLiteral("4");
    QTest::newRow("up from beyond the range")
        << QStringLiteral("5000") << 1 << false << QStringLiteral("999");
    QTest::newRow("up from below the range")
        << QStringLiteral("-3") << 1 << false << QStringLiteral("0");
    QTest::newRow("up from a fraction")
        << QStringLiteral("3.5") << 1 << false << QStringLiteral("5");
    QTest::newRow("up arrow key") << QStringLiteral("5") << 1 << true << QStringLiteral("6");
    QTest::newRow("down arrow key") << QStringLiteral("5") << -1 << true << QStringLiteral("4");
}

void PlayOptionsTest::Delay_Spinner() {
    QFETCH(QString, start);
    QFETCH(int, direction);
    QFETCH(bool, byKey);
    QFETCH(QString, expectedText);

    OpenedEditor editor(StoredShow(2, 1));
    QVERIFY(editor.valid);
    frmShow& window = *editor.window;
    editor.SelectTab(frmShow::MusicalTab);
    auto* box = editor.Get<QLineEdit>("txtDelay");
    PasteOver(*box, start);
    // Saved, so that the step's own edit shows.
    editor.Click(QStringLiteral("Save"));
    QVERIFY(!window.HasUnsavedChanges());

    auto* spinner = editor.Get<UpDown>("UpDown1");
    if (byKey)
        QTest::keyClick(box, direction > 0 ? Qt::Key_Up : Qt::Key_Down);
    else
        (direction > 0 ? spinner->UpButton() : spinner->DownButton())->click();

    QCOMPARE(box->text(), expectedText);
    QCOMPARE(window.MyShow()->Musical()->Delay(), expectedText.toInt());
    QVERIFY(window.HasUnsavedChanges());
}

void PlayOptionsTest::Cleanup_TypedAndChosen() {
    OpenedEditor editor(StoredShow(2, 1));
    QVERIFY(editor.valid);
    frmShow& window = *editor.window;
    editor.SelectTab(frmShow::MusicalTab);
    const Playlist& musical = *window.MyShow()->Musical();
    auto* box = editor.Get<QLineEdit>("txtCleanup");

    // A cancelled dialog changes nothing.
    editor.prompts.openAnswers.enqueue(std::nullopt);
    editor.Get<QPushButton>("btCleanup")->click();
    const auto dialogs = editor.prompts.Of(Kind::OpenFiles);
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs[0].request.title, QStringLiteral("Select the cleanup file"));
    QCOMPARE(dialogs[0].request.filter, QStringLiteral("Animation Sequences|*.kas"));
    QCOMPARE(dialogs[0].request.filterIndex, 1);
    QCOMPARE(dialogs[0].request.startFolder, QStringLiteral("/home/user/Sequences/"));
    QVERIFY(!dialogs[0].request.multiple);
    QCOMPARE(musical.CleanUp(), std::string("/seq/Cleanup.kas"));
    QVERIFY(!window.HasUnsavedChanges());

    // Choosing the same file again still counts as an edit.
    editor.prompts.openAnswers.enqueue(QStringList{QStringLiteral("/seq/Cleanup.kas")});
    editor.Get<QPushButton>("btCleanup")->click();
    QVERIFY(window.HasUnsavedChanges());
    QVERIFY(editor.SaveEnabled());

    editor.prompts.openAnswers.enqueue(QStringList{QStringLiteral("/seq/Lights Out.kas")});
    editor.Get<QPushButton>("btCleanup")->click();
    QCOMPARE(musical.CleanUp(), std::string("/seq/Lights Out.kas"));
    QCOMPARE(box->text(), QStringLiteral("/seq/Lights Out.kas"));

    // Typed text is stored as it stands, no file needed.
    box->clear();
    QTest::keyClicks(box, QStringLiteral("no such file"));
    QCOMPARE(musical.CleanUp(), std::string("no such file"));
    QCOMPARE(editor.prompts.Of(Kind::Message).size(), 0);
}

} // namespace bw::test
