// Autosave, the recovery offer at start and the recent shows menu, each on its own; and an editor
// killed with unsaved changes, played by a child process that this program starts.
#include "editor/EditorTestSupport.h"
#include "environment/RecoveryStore.h"
#include "session/AutosaveController.h"
#include "session/DocumentAutosave.h"
#include "session/RecentShowsMenu.h"
#include "session/RecoveryOffer.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace bw::test {

namespace {

// The killed editor: the editor's window with its autosave, on the show file, given an evening's
// work through its controls (a song dropped on the Musical tab, its delay typed). Once the copy is
// kept it writes beside it what its Save would have written, says "ready" and waits to be killed.
int RunKilledEditor(const QString& folder, const QString& showFile) {
    RecoveryStore store(folder.toStdString(), ProcessIdentity::Current());
    Editor editor;
    editor.window->OpenShowFile(showFile);
    const auto autosave = AutosaveDocument(store, editor.window->Document());
    QObject::connect(autosave.get(), &AutosaveController::copyWritten, [&](bool written) {
        File::WriteWholeFile((folder + "/expected.kss").toStdString(),
                             ShowFunctions::ShowToText(editor.show()));
        std::puts(written ? "ready" : "failed");
        std::fflush(stdout);
    });
    editor.SelectTab(frmShow::MusicalTab);
    editor.window->DropSequenceFiles({"/home/ann/Songs/\u0141\u00f3d\u017a (live).kms"});
    auto* delay = editor.Get<QLineEdit>("txtDelay");
    delay->selectAll();
    QTest::keyClicks(delay, "17");
    return QApplication::exec();
}

} // namespace

class SessionTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QString Path(const QString& name) const { return folder_.filePath(name); }

private Q_SLOTS:
    void Autosave_MakesTheTextOnlyWhenACopyIsDueAndOnlyWhileChanged() {
        QFile(Path("Yard.kss")).open(QIODevice::WriteOnly);
        RecoveryStore store(Path("autosave").toStdString(), ProcessIdentity::Current());
        int made = 0;
        std::string text = "(first)";
        auto autosave = std::make_unique<AutosaveController>(
            store,
            AutosaveController::Document{[&] { return ++made, text; },
                                         [this] { return Path("Yard.kss"); }},
            60000, 100); // no pause long enough: only the latest time writes
        QSignalSpy written(autosave.get(), &AutosaveController::copyWritten);
        const QString copy = QString::fromStdString(store.OwnPath());

        autosave->ModifiedChanged(true);
        for (int key = 0; key < 20; ++key)
            autosave->DocumentChanged();
        QCOMPARE(made, 0); // typing only restarts the wait
        QVERIFY(written.wait(2000));
        QCOMPARE(made, 1);
        QCOMPARE(written.takeFirst().at(0).toBool(), true);
        const RecoveryCopy kept = RecoveryStore::Read(copy.toStdString()).value_or(RecoveryCopy{});
        QCOMPARE(kept.showText + "|" + kept.showFileName,
                 "(first)|" + Path("Yard.kss").toStdString());
        QCOMPARE(ReadBytes(Path("Yard.kss")), QByteArray()); // the show file itself is untouched

        // Save, New and Open clear the flag: the copy goes, and no change makes another.
        autosave->ModifiedChanged(false);
        QVERIFY(!QFile::exists(copy));
        autosave->DocumentChanged();
        QTest::qWait(120);
        QCOMPARE(written.count(), 0);

        // Closing normally leaves no copy either.
        autosave->ModifiedChanged(true);
        QVERIFY(written.wait(2000));
        QVERIFY(QFile::exists(copy));
        autosave.reset();
        QVERIFY(!QFile::exists(copy));
    }

    void OfferRecovery_AsksForEachAbandonedCopyAndRecoversTheOneAccepted() {
        const QString show = ShowFunctions::ShowToText(Show()).c_str();
        // The copies ("file name|text", oldest first; "!" damaged), the answers, the questions'
        // show parts, and what is recovered ("file name|text", empty for none).
        // clang-format off
        const struct { QStringList copies; QList<bool> answers; QStringList asked; QString recovered; } cases[] = {
            {{"Yard.kss|" + show}, {true}, {"the show Yard (%1/Yard.kss)"}, "%1/Yard.kss|" + show},
            {{"|" + show}, {true}, {"a new show that was never saved"}, "|" + show},
            {{"Yard.kss|" + show, "!", "a.b.kss|" + show}, {false, true}, // the newest declined
             {"the show a.b (%1/a.b.kss), whose file no longer exists", "the show Yard (%1/Yard.kss)"},
             "%1/Yard.kss|" + show},
            {{"Yard.kss|(x)"}, {}, {}, ""}}; // no show in the text
        // clang-format on
        for (const auto& [copies, answers, asked, recovered] : cases) {
            QTemporaryDir shows;
            QFile(shows.filePath("Yard.kss")).open(QIODevice::WriteOnly);
            const QString folder = shows.filePath("recovery");
            for (int i = 0; i < copies.size(); ++i) {
                // An editor that ended: this process's id with another start.
                const ProcessIdentity::Identity me = ProcessIdentity::Current();
                RecoveryStore ended(folder.toStdString(), {me.pid, me.started + std::to_string(i)});
                const QStringList parts = copies[i].split('|');
                const QString file = parts[0].isEmpty() ? "" : shows.filePath(parts[0]);
                QVERIFY(ended.Write(parts.value(1).toStdString(), file.toStdString(), 1765119065));
                if (parts[0] == "!")
                    QFile(QString::fromStdString(ended.OwnPath())).resize(60);
                // The newest copy is offered first.
                QFile(QString::fromStdString(ended.OwnPath()))
                    .setFileTime(QDateTime::currentDateTime().addSecs(i),
                                 QFile::FileModificationTime);
            }

            ScriptedPrompts prompts;
            prompts.questionAnswers.append(answers);
            RecoveryStore store(folder.toStdString(), ProcessIdentity::Current());
            const std::optional<RecoveredShow> got = OfferRecovery(store, prompts, nullptr);

            QStringList expected;
            for (QString part : asked)
                expected << RecoveryTitle +
                                ": The show editor ended without saving the changes to " +
                                part.replace("%1", shows.path()) +
                                ". They were kept on 2025-12-07 at 14:51:05.\n\n"
                                "Do you want to recover these changes?";
            QCOMPARE(prompts.Said(), expected);
            QCOMPARE(got ? got->fileName + '|' + ShowFunctions::ShowToText(*got->show).c_str() : "",
                     QString(recovered).replace("%1", shows.path()));
            // Only this editor's copy of a recovered show is left.
            QCOMPARE(QDir(folder).entryList(QDir::Files).size(), got ? 1 : 0);
            QCOMPARE(QFile::exists(QString::fromStdString(store.OwnPath())), got.has_value());
        }
    }

    void RecentShowsMenu_NumbersMarksAndTakesOffMissingShows() {
        QFile(Path("a.kss")).open(QIODevice::WriteOnly);
        QFile(Path("b&c.kss")).open(QIODevice::WriteOnly);
        ScriptedPrompts prompts;
        // On Windows the list lives in the user's registry: each test starts it empty.
        const RecentShows::Place place{"Software\\Brightwave\\BWShow",
                                       Path("registry.reg").toStdString()};
        RecentShows::Save(place, {});
        RecentShowsMenu menu(place, prompts);
        const auto texts = [&menu] {
            menu.Refresh();
            QStringList list;
            for (const QAction* action : menu.actions())
                list << action->text() + (action->isEnabled() ? "" : " (disabled)");
            return list;
        };
        for (const char* name : {"a.kss", "gone.kss", "b&c.kss", "a.kss"})
            menu.ShowUsed(Path(name));
        QCOMPARE(texts(), (QStringList{"&1 " + Path("a.kss"), "&2 " + Path("b&&c.kss"),
                                       "&3 " + Path("gone.kss") + "  (not found)"}));

        QSignalSpy opened(&menu, &RecentShowsMenu::openRequested);
        prompts.questionAnswers << true;
        menu.popup(QPoint(0, 0));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTest::keyClick(&menu, Qt::Key_3);
        QCOMPARE(opened.count(), 0);
        QCOMPARE(prompts.Said(), QStringList{"Recent Shows: The show file " + Path("gone.kss") +
                                             " no longer exists.\n\nDo you want to take it off the "
                                             "list of recent shows?"});
        QCOMPARE(texts(), (QStringList{"&1 " + Path("a.kss"), "&2 " + Path("b&&c.kss")}));
    }

    void EditorWindow_ListsOpenedAndSavedShowsAndOpensThemFromTheKeyboard() {
        QTemporaryDir shows;
        const QString a = shows.filePath("a&b.kss"), b = shows.filePath("b.kss");
        QVERIFY(WriteShowFile(a, Show()));
        const RecentShows::Place place{"Software\\Brightwave\\BWShow",
                                       shows.filePath("registry.reg").toStdString()};
        RecentShows::Save(place, {});
        Editor plain;
        Editor editor(QString(), place);
        plain.ShowWindow();
        editor.ShowWindow();
        // The Open button keeps its place and size with the list on it.
        const auto* openButton =
            editor.Get<QToolBar>("Toolbar1")->widgetForAction(editor.Button("Open"));
        QCOMPARE(
            openButton->geometry(),
            plain.Get<QToolBar>("Toolbar1")->widgetForAction(plain.Button("Open"))->geometry());

        editor.Open(a);
        editor.window->DropSequenceFiles({"/seq/x.kas"});
        editor.prompts.saveAnswers << b;
        editor.Click("SaveAs");
        QCOMPARE(RecentShows::Load(place),
                 (std::vector<std::string>{b.toStdString(), a.toStdString()}));

        QTest::keyClick(editor.window.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        RecentShowsMenu* menu = editor.window->RecentMenu();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::keyClick(menu, Qt::Key_2);
        QCOMPARE(editor.window->ShowFileName(), a);
    }

    void KilledEditor_OffersItsChangesAndTheRecoveredShowSavesAsItWould() {
        QTemporaryDir shows;
        const QString showFile = shows.filePath("Yard.kss");
        QVERIFY(WriteShowFile(showFile, Show()));
        const QByteArray before = ReadBytes(showFile);
        const QString recovery = shows.filePath("recovery");

        QProcess killed;
        killed.start(QCoreApplication::applicationFilePath(),
                     {"--killed-editor", recovery, showFile});
        QVERIFY(killed.waitForReadyRead(20000));
        QCOMPARE(killed.readAllStandardOutput().trimmed(), QByteArray("ready"));
        killed.kill(); // SIGKILL: nothing of the editor's own runs any more
        QVERIFY(killed.waitForFinished(10000));
        QCOMPARE(killed.exitStatus(), QProcess::CrashExit);
        QCOMPARE(ReadBytes(showFile), before);

        // The next editor takes the changes up as unsaved changes of the show, and Save writes
        // them there.
        Editor editor;
        editor.prompts.questionAnswers << true;
        RecoveryStore store(recovery.toStdString(), ProcessIdentity::Current());
        std::optional<RecoveredShow> got =
            OfferRecovery(store, editor.prompts, editor.window.get());
        QVERIFY(got);
        editor.window->Document().TakeUnsaved(std::move(got->show), got->fileName);
        const auto autosave = AutosaveDocument(store, editor.window->Document());
        QCOMPARE(editor.window->ShowFileName(), showFile);
        QVERIFY(editor.window->HasUnsavedChanges() && editor.Button("Save")->isEnabled());
        editor.Click("Save");
        QCOMPARE(ReadBytes(showFile), ReadBytes(recovery + "/expected.kss"));
        QVERIFY(ReadBytes(showFile) != before);
        // Saved, the changes need no copy any more.
        QVERIFY(!QFile::exists(QString::fromStdString(store.OwnPath())));
    }
};

} // namespace bw::test

int main(int argc, char** argv) {
    // Times in the questions are local times; the expected texts are worked out for UTC.
    qputenv("TZ", "UTC");
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && arguments[1] == "--killed-editor")
        return bw::test::RunKilledEditor(arguments[2], arguments[3]);
    bw::test::SessionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SessionTest.moc"
