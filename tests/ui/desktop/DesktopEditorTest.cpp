// The editor as a desktop program: keys, drops and drags, file marks, help page, message boxes.

#include "DesktopTestSupport.h"
#include "dialogs/frmInteractiveGroupEditor.h"
#include "dialogs/frmTriggeredSequenceEditor.h"
#include "editor/DesktopHelp.h"
#include "editor/SectionListModel.h"
#include "widgets/FormControls.h"
#include "widgets/QtUserPrompts.h"

#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>

namespace bw::test {

// A text as a label or tooltip shows it: rich text when it might be rich text.
QString ShownText(const QString& text) {
    if (!Qt::mightBeRichText(text))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText().replace(QChar::Nbsp, QLatin1Char(' '));
}

class DesktopEditorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // Toolbar keys run their command, named in the tooltip (none without a standard key here), Tab
    // reaches the buttons; section keys go round the tabs; Enter edits a group, a double-click its
    // entry.
    void Keys() {
        for (const auto& [key, sequence] :
             {std::pair{"New", QKeySequence(QKeySequence::New)},
              {"Open", QKeySequence(QKeySequence::Open)},
              {"SaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
              {"Help", QKeySequence(QKeySequence::HelpContents)},
              {"Exit", QKeySequence(QKeySequence::Quit)}}) {
            Window w;
            w.prompts.openAnswers.enqueue(std::nullopt); // Open's and Save As's dialogs cancelled
            w.prompts.saveAnswers.enqueue(std::nullopt);
            QAction* action = w.Button(QString::fromLatin1(key));
            QSignalSpy triggered(action, &QAction::triggered);
            QTest::keySequence(w.list, sequence);
            QCOMPARE(triggered.size(), sequence.isEmpty() ? 0 : 1);
            QCOMPARE(action->toolTip().endsWith(sequence.toString(QKeySequence::NativeText) + ")"),
                     !sequence.isEmpty());
            QVERIFY(w.Get<QToolBar>("Toolbar1")->widgetForAction(action)->focusPolicy() &
                    Qt::TabFocus);
        }
        const int ctrl = Qt::ControlModifier;
        // clang-format off
        const struct { int key, modifiers, from, to; } rows[] = {
            {Qt::Key_Tab, ctrl, 1, 2}, {Qt::Key_Tab, ctrl, 6, 1}, {Qt::Key_Backtab, ctrl | Qt::ShiftModifier, 1, 6},
            {Qt::Key_PageDown, ctrl, 3, 4}, {Qt::Key_PageUp, ctrl, 3, 2}};
        // clang-format on
        Window w;
        for (const auto& row : rows) {
            w.Fill(row.from);
            QTest::keyClick(w.list, Qt::Key(row.key), Qt::KeyboardModifiers(row.modifiers));
            QCOMPARE(w.window->CurrentTabIndex(), row.to);
        }
        w.show().InteractiveGroups()->push_back(std::make_shared<InteractiveGroup>());
        w.show().InteractiveGroups()->back()->AddTriggeredSequences(Entry(0, 1, 1, "T", {"a.kas"}));
        w.Fill(frmShow::InteractiveTab);
        auto entryEditor = std::make_shared<bool>(false);
        WhenModal<frmInteractiveGroupEditor>([entryEditor](QWidget& editor) {
            auto* triggers = Child<QListWidget>(editor, "lbTrigger");
            triggers->setCurrentRow(0);
            WhenModal<frmTriggeredSequenceEditor>([entryEditor](auto&) { *entryEditor = true; });
            QTest::mouseDClick(triggers->viewport(), Qt::LeftButton, {},
                               triggers->visualItemRect(triggers->item(0)).center());
        });
        w.Select(0);
        QTest::keyClick(w.list, Qt::Key_Return);
        QVERIFY(*entryEditor);
    }

    // Keys, drags and row moves act as the buttons; none from or to no row.
    void ListKeysAndDrags() {
        const int ctrl = Qt::ControlModifier, drag = -1, move = -2;
        // clang-format off
        const struct { int key, mods, row, to; const char* order; int selected; } rows[] = {
            {Qt::Key_Delete, 0, 1, 0, "acd", -1}, {Qt::Key_Up, ctrl, 1, 0, "bacd", 0},
            {Qt::Key_Down, ctrl, 1, 0, "acbd", 2}, {Qt::Key_Up, ctrl, 0, 0, "abcd", 0},
            {drag, 0, 0, 0, "bcad", 2}, {drag, 0, 3, 0, "adbc", 1}, {move, 0, -1, 1, "abcd", 1},
            {move, 0, 4, 1, "abcd", 1}, {move, 0, 1, -1, "abcd", 1}, {move, 0, 1, 4, "abcd", 1}};
        // clang-format on
        for (const auto& row : rows) {
            Window w;
            w.Fill(frmShow::StartupTab, {"/d/a.kas", "/d/b.kms", "/d/c.kas", "/d/d.kas"});
            w.Select(row.key == move ? 1 : row.row);
            w.prompts.questionAnswers.enqueue(true);
            if (row.key == move) {
                w.list->model()->moveRow({}, row.row, {}, row.to > row.row ? row.to + 1 : row.to);
            } else if (row.key != drag) {
                QTest::keyClick(w.list, Qt::Key(row.key), Qt::KeyboardModifiers(row.mods));
            } else {
                QAbstractItemModel& model = *w.list->model();
                const std::unique_ptr<QMimeData> entry(model.mimeData({model.index(row.row, 0)}));
                QVERIFY(
                    DropOn(*w.list->viewport(), DropPoint(*w.list, row.row, row.selected), *entry));
            }
            QCOMPARE(w.Shown() + w.Held(), QString(row.order) + row.order);
            QCOMPARE(w.Selected(), row.selected);
            QCOMPARE(w.window->HasUnsavedChanges(), QLatin1String(row.order) != "abcd");
        }
    }

    // Files of the section's kinds are added as Add adds them, the others named in one message.
    void FilesOnSection() {
        // clang-format off
        const struct { int tab; const char *added, *refused; } rows[] = {
            {frmShow::BackgroundTab, "xac", "*.kas files can be added here. These files were not added:\n\nb.kms\nd.txt"},
            {frmShow::MusicalTab, "xabc", "*.kas, *.kms files can be added here. These files were not added:\n\nd.txt"},
            {frmShow::InteractiveTab, "", ""}};
        // clang-format on
        for (const auto& row : rows) {
            Window w;
            const bool takes = *row.added != 0;
            w.Fill(row.tab, std::vector<std::string>(takes ? 1 : 0, "/d/x.kas"));
            const auto files = FileDrag({"/d/a.kas", "/d/b.kms", "/d/c.KAS", "/d/d.txt"});
            QCOMPARE(DropOn(*w.list->viewport(), {5, 5}, *files) != Qt::IgnoreAction, takes);
            QCOMPARE(w.window->HasUnsavedChanges(), takes);
            QCOMPARE(takes ? w.Shown() + w.Held() : QString(), QString(row.added) + row.added);
            QCOMPARE(w.prompts.Said(),
                     QStringList(takes ? 1 : 0, "BWShow: Only " + QString(row.refused)));
        }
    }

    // The triggered sequence editor takes the kinds its group allows, and moves entries.
    void FilesOnEntryEditor() {
        FakeHost host;
        frmTriggeredSequenceEditor editor(host);
        editor.SetIG(std::make_shared<InteractiveGroup>());
        editor.IG()->SetMusicalAllowed(false);
        const QString d = QDir::rootPath() + "d/"; // "/d/" here, "C:/d/" on Windows
        editor.SetTS(Entry(0, 1, 1, "T", {(d + "a.kas").toStdString()}));
        editor.show();
        auto* list = Child<QTreeWidget>(editor, "lvSequences");
        QVERIFY(
            DropOn(*list->viewport(), {5, 5}, *FileDrag({d + "b.kas", d + "m.kms", d + "c.kas"})));
        QVERIFY(host.prompts.Said().value(0).endsWith("\nm.kms"));
        // Only the list moves the entry: its own drag proposes a move, and a drop that said "moved"
        // would have the drag take the entry away.
        const std::unique_ptr<QMimeData> entry(
            list->model()->mimeData({list->model()->index(0, 0)}));
        QCOMPARE(DropOn(*list->viewport(), DropPoint(*list, 0, 2), *entry, Qt::ShiftModifier),
                 Qt::CopyAction);
        for (const auto& [row, name] : {std::pair{0, "b.kas"}, {1, "c.kas"}, {2, "a.kas"}})
            QCOMPARE(list->topLevelItem(row)->text(0), QLatin1String(name));
        // None of the files is there: each is marked, as in the main window.
        QVERIFY(!list->topLevelItem(2)->icon(0).isNull());
        QCOMPARE(ShownText(list->topLevelItem(2)->toolTip(0)), "File not found: " + d + "a.kas");
    }

    // A missing file is marked, and looked for again when the tab is set up or the window
    // activated; the list's tooltip names each file as it is named, though it looks like markup.
    void MissingFileMarksAndToolTips() {
        QTemporaryDir temporary;
        const QString folder = temporary.path() + QLatin1Char('/'),
                      here = folder + "a  &amp; b.kas";
        QVERIFY(QFile(here).open(QIODevice::WriteOnly));
        const std::vector<std::string> names{"a  &amp; b.kas", "<font color=red>red.kms",
                                             "<b>here.kas", "<i>x"};
        Window w(folder);
        w.Fill(frmShow::BackgroundTab, names);
        SectionListModel& marks = w.window->SectionEntries();
        QVERIFY(marks.index(0).data(Qt::DecorationRole).isNull() &&
                !marks.index(1).data(Qt::DecorationRole).isNull());
        for (int row = 0; row < int(names.size()); ++row) {
            const QRect place = w.list->visualRect(w.list->model()->index(row, 0));
            QHelpEvent help(QEvent::ToolTip, place.center(), w.list->mapToGlobal(place.center()));
            QApplication::sendEvent(w.list->viewport(), &help);
            const QString named = (row == 0 ? "" : "File not found: ") + folder +
                                  QString::fromStdString(names[size_t(row)]);
            QCOMPARE(ShownText(QToolTip::text()), named);
        }
        // Every row is one line high, the marked ones too, whichever comes first.
        const int lineHeight = w.list->sizeHintForRow(0);
        QVERIFY(w.list->model()->moveRow({}, 1, {}, 0));
        for (int row = 0; row < int(names.size()); ++row)
            QCOMPARE(w.list->visualRect(w.list->model()->index(row, 0)).height(), lineHeight);
        QVERIFY(w.list->model()->moveRow({}, 0, {}, 2));
        QCOMPARE(ShownText(PlainToolTip("1\n2")), "1\n2");
        QCOMPARE(PlainToolTip(""), "");
        QVERIFY(QFile::remove(here));
        w.window->ShowCurrentTab();
        QVERIFY(marks.Missing(0));
        QVERIFY(QFile(here).open(QIODevice::WriteOnly));
        QEvent activation(QEvent::ActivationChange);
        QApplication::sendEvent(w.window.get(), &activation);
        QVERIFY(!marks.Missing(0));
        // The cleanup box marks its file the same way.
        auto* cleanupMark = w.Get<QAction>("cleanupMissing");
        for (const auto& [file, missing] : {std::pair{"<i>x", true}, {"a  &amp; b.kas", false}}) {
            w.window->MyShow()->Musical()->SetCleanUp(file);
            w.SelectTab(frmShow::MusicalTab);
            QCOMPARE(cleanupMark->isVisible(), missing);
            w.SelectTab(frmShow::BackgroundTab);
        }
    }

    // A show file dropped on the window opens as Open opens it.
    void ShowFileOnWindow() {
        const QByteArray show = "((0,1,2,0,,,T,F,F),(0,1,2,0,,,T,F,F),(1,0,1,0,,,T,F,F),(0,1,2,0,"
                                ",,T,F,F),,(2,0,1,0,,(/d/x.kas),T,F,F),, 0,,F)";
        for (const QByteArray& content : {show, QByteArray("abc")}) {
            QTemporaryDir folder;
            const QString path = QDir::toNativeSeparators(folder.filePath(QStringLiteral("S.kss")));
            QVERIFY(File::WriteWholeFile(path.toStdString(), content.toStdString()) == 0);
            Window w;
            w.window->AddSequenceToPlaylist("/d/y.kas");
            w.prompts.questionAnswers.enqueue(true);
            QVERIFY(DropOn(*w.list->viewport(), {5, 5}, *FileDrag({path})));
            QCOMPARE(w.window->ShowFileName() + w.Held(), content == show ? path + "x" : "y");
            QCOMPARE(w.window->windowTitle().endsWith(" - S"), content == show);
            QCOMPARE(w.prompts.Said().size(), 1);
        }
    }

    // Help names the page when it is missing or the desktop cannot open it, at once or when its
    // launcher (a stand-in xdg-open here) ends in failure.
    void HelpPage_SaysWhenTheDesktopCannotOpenIt() {
        QTemporaryDir folder;
        const QString page = folder.filePath(QStringLiteral("show_editor.htm"));
        QVERIFY(QFile(page).open(QIODevice::WriteOnly));
        const QString cannot = "BWShow: The desktop could not open the help page " +
                               QDir::toNativeSeparators(page) + " (!)";
        enum Opener { Opens, Refuses, FailsLater, Launcher };
        // clang-format off
        const struct { Opener opener; bool missing; const char* launcher; QString said; } rows[] = {
            {Opens, false, "", ""}, {Refuses, false, "", cannot}, {FailsLater, false, "", cannot},
            {Opens, true, "", "BWShow: The help page is missing: " + QDir::toNativeSeparators(page) + ".gone (!)"},
            {Launcher, false, "exit 0", ""}, {Launcher, false, "exit 4", cannot}};
        // clang-format on
        const QByteArray path = qgetenv("PATH");
        for (const auto& row : rows) {
#ifdef _WIN32
            if (row.opener == Launcher) // the stand-in launcher is a shell script
                continue;
#endif
            ScriptedPrompts prompts;
            const QString shown = row.missing ? page + ".gone" : page;
            QUrl opened;
            const UrlOpener open = [&](const QUrl& url, const std::function<void()>& failed) {
                if (row.opener == FailsLater)
                    QTimer::singleShot(0, failed);
                return opened = url, row.opener != Refuses;
            };
            QFile launcher(folder.filePath(QStringLiteral("xdg-open")));
            QVERIFY(launcher.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                    launcher.write(QByteArray("#!/bin/sh\n") + row.launcher + '\n') > 0 &&
                    launcher.setPermissions(launcher.permissions() | QFile::ExeOwner));
            launcher.close();
            qputenv("PATH", folder.path().toUtf8() + ':' + path);
            OpenHelpPage(nullptr, shown, prompts, row.opener == Launcher ? UrlOpener() : open);
            QTRY_VERIFY(!qApp->findChild<QProcess*>()); // the launcher has ended
            qputenv("PATH", path);
            QTRY_COMPARE(prompts.Said().join('|'), row.said);
            QCOMPARE(opened, row.missing || *row.launcher ? QUrl() : QUrl::fromLocalFile(shown));
        }
    }

    // A name that looks like markup is shown as typed.
    void PlainTextBoxes() {
        const QString text = QStringLiteral("Trigger 'Porch <b>left</b>' appears more than once.");
        QtUserPrompts prompts;
        const std::function<void()> asks[] = {
            [&] { prompts.Message(nullptr, text, QStringLiteral("T"), UserPrompts::Icon::None); },
            [&] { prompts.Question(nullptr, text, QStringLiteral("T")); },
            [&] { prompts.ConfirmReplace(nullptr, QStringLiteral("/d/<b>Yard</b>.kss"), "T"); }};
        for (const auto& ask : asks) {
            Qt::TextFormat format = Qt::RichText;
            WhenModal<QMessageBox>([&](QMessageBox& box) { format = box.textFormat(); });
            ask();
            QCOMPARE(format, Qt::PlainText);
        }
    }
};

} // namespace bw::test

QTEST_MAIN(bw::test::DesktopEditorTest)
#include "DesktopEditorTest.moc"
