// The editor as a desktop program: keys, drops and drags, missing-file marks, and the fixes
// found on the way.

#include "DesktopTestSupport.h"
#include "WhenModal.h"
#include "dialogs/ListDragDrop.h"
#include "dialogs/QtUserPrompts.h"
#include "dialogs/Twips.h"
#include "dialogs/frmInteractiveGroupEditor.h"
#include "dialogs/frmTriggeredSequenceEditor.h"
#include "editor/SequenceFileMarks.h"
#include "editor/UpDown.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>

namespace bw::test {

namespace {

TriggeredSequencesPtr Entry(const std::vector<std::string>& files) {
    return TriggeredSequencesFunctions::NewTriggeredSequences(
        TriggerFunctions::NewTrigger(0, 1, 1, "T"), files);
}

// The point of row `to` that puts a dragged entry there: above the half of that row when the
// entry comes from below, beneath it when it comes from above.
QPoint DropPoint(const QAbstractItemView& list, int from, int to) {
    const QRect row = list.visualRect(list.model()->index(to, 0));
    return to < from ? row.topLeft() + QPoint(4, 2) : row.bottomLeft() + QPoint(4, -2);
}

} // namespace

class DesktopEditorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // Each key runs its command and is named in the tooltip; Tab reaches the buttons. A command
    // without a standard key on this system has none.
    void ToolbarKeys() {
        for (const auto& [key, sequence] :
             {std::pair{"New", QKeySequence(QKeySequence::New)},
              {"Open", QKeySequence(QKeySequence::Open)},
              {"SaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
              {"Help", QKeySequence(QKeySequence::HelpContents)},
              {"Exit", QKeySequence(QKeySequence::Quit)}}) {
            Window w;
            auto* toolbar = w.window->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
            QAction* action = toolbar->findChild<QAction*>(QString::fromLatin1(key));
            QSignalSpy triggered(action, &QAction::triggered);
            QTest::keySequence(w.list, sequence);
            QCOMPARE(triggered.size(), sequence.isEmpty() ? 0 : 1);
            QCOMPARE(action->shortcuts().value(0), sequence);
            QCOMPARE(action->toolTip().endsWith(sequence.toString(QKeySequence::NativeText) + ")"),
                     !sequence.isEmpty());
            QVERIFY(toolbar->widgetForAction(action)->focusPolicy() & Qt::TabFocus);
        }
    }

    void SectionKeys() {
        const int ctrl = Qt::ControlModifier;
        const struct {
            int key, modifiers, from, to;
        } rows[] = {{Qt::Key_Tab, ctrl, 1, 2},
                    {Qt::Key_Tab, ctrl, 6, 1},
                    {Qt::Key_Backtab, ctrl | Qt::ShiftModifier, 1, 6},
                    {Qt::Key_PageDown, ctrl, 3, 4},
                    {Qt::Key_PageUp, ctrl, 3, 2}};
        Window w;
        for (const auto& row : rows) {
            w.Fill(row.from);
            QTest::keyClick(w.list, Qt::Key(row.key), Qt::KeyboardModifiers(row.modifiers));
            QCOMPARE(w.window->CurrentTabIndex(), row.to);
        }
    }

    // The keys do what the buttons do, to the list and to the show alike.
    void ListKeys() {
        const struct {
            int key, modifiers, row;
            bool answer;
            const char* entries;
            int selected;
        } rows[] = {{Qt::Key_Delete, 0, 1, true, "ac", -1},
                    {Qt::Key_Delete, 0, 1, false, "abc", 1},
                    {Qt::Key_Up, Qt::ControlModifier, 1, false, "bac", 0},
                    {Qt::Key_Down, Qt::ControlModifier, 1, false, "acb", 2},
                    {Qt::Key_Up, Qt::ControlModifier, 0, false, "abc", 0}};
        for (const auto& row : rows) {
            Window w;
            w.Fill(frmShow::AnimationTab, {"/s/a.kas", "/s/b.kas", "/s/c.kas"});
            w.list->setCurrentRow(row.row);
            w.prompts.questionAnswers.enqueue(row.answer);
            QTest::keyClick(w.list, Qt::Key(row.key), Qt::KeyboardModifiers(row.modifiers));
            QCOMPARE(w.Shown(), QString::fromLatin1(row.entries));
            QCOMPARE(w.Held(), QString::fromLatin1(row.entries));
            const auto selected = w.list->selectionModel()->selectedRows();
            QCOMPARE(selected.isEmpty() ? -1 : selected.first().row(), row.selected);
            QCOMPARE(w.window->HasUnsavedChanges(), QLatin1String(row.entries) != "abc");
            QCOMPARE(w.prompts.Of(ScriptedPrompts::Kind::Question).size(),
                     row.key == Qt::Key_Delete ? 1 : 0);
        }
    }

    // Enter edits the group in the main window; in the group editor a double-click edits the
    // trigger entry and Delete asks the editor's own question.
    void EditKeys() {
        Window w;
        auto group = std::make_shared<InteractiveGroup>();
        group->AddTriggeredSequences(Entry({"/s/a.kas"}));
        w.window->MyShow()->InteractiveGroups()->push_back(group);
        w.Fill(frmShow::InteractiveTab);
        auto entryEditor = std::make_shared<bool>(false);
        WhenModal<frmInteractiveGroupEditor>([&](frmInteractiveGroupEditor& editor) {
            auto* triggers = editor.findChild<QListWidget*>(QStringLiteral("lbTrigger"));
            triggers->setCurrentRow(0);
            WhenModal<frmTriggeredSequenceEditor>([](auto&) {}, entryEditor);
            QTest::mouseDClick(triggers->viewport(), Qt::LeftButton, {},
                               triggers->visualItemRect(triggers->item(0)).center());
            w.prompts.questionAnswers.enqueue(false);
            QTest::keyClick(triggers, Qt::Key_Delete);
        });
        w.list->setCurrentRow(0);
        QTest::keyClick(w.list, Qt::Key_Return);
        QVERIFY(*entryEditor);
        QCOMPARE(w.prompts.Of(ScriptedPrompts::Kind::Question).value(0).text,
                 QStringLiteral("Remove this triggered sequence from the Jukebox?"));
    }

    // Files of the section's kinds are appended as Add appends them, the others named in one
    // message; the Interactive section takes no files.
    void FilesOnSection() {
        const struct {
            int tab;
            const char *added, *refused;
        } rows[] = {{frmShow::BackgroundTab, "xac", "\nb.kms\nd.txt"},
                    {frmShow::MusicalTab, "xabc", "\nd.txt"},
                    {frmShow::InteractiveTab, "", ""}};
        for (const auto& row : rows) {
            Window w;
            w.Fill(row.tab);
            if (*row.added)
                w.Fill(row.tab, {"/d/x.kas"});
            const auto files = FileDrag({"/d/a.kas", "/d/b.kms", "/d/c.KAS", "/d/d.txt"});
            QCOMPARE(DropOn(*w.list->viewport(), {5, 5}, *files), *row.added != 0);
            QCOMPARE(w.window->HasUnsavedChanges(), *row.added != 0);
            if (*row.added == 0)
                continue;
            QCOMPARE(w.Shown(), QString::fromLatin1(row.added));
            QCOMPARE(w.Held(), QString::fromLatin1(row.added));
            const auto messages = w.prompts.Of(ScriptedPrompts::Kind::Message);
            QCOMPARE(messages.size(), 1);
            QVERIFY(messages[0].text.endsWith(QString::fromLatin1(row.refused)));
        }
    }

    // A drag gives what the Up and Down steps give: list, show, selection and the changed flag;
    // while it hovers, a line stands where the entry will go.
    void Reorder() {
        const struct {
            int from, to;
            const char* order;
        } rows[] = {{0, 2, "bcad"}, {3, 0, "dabc"}, {1, 1, "abcd"}};
        for (const auto& row : rows) {
            Window w;
            w.Fill(frmShow::StartupTab, {"/d/a.kas", "/d/b.kms", "/d/c.kas", "/d/d.kas"});
            const ListDragDrop& drags = w.window->ListDrags();
            const std::unique_ptr<QMimeData> entry(drags.EntryData(row.from));
            const QRect place = w.list->visualRect(w.list->model()->index(row.to, 0));
            const int line = row.to < row.from ? std::max(0, place.top() - 1) : place.bottom();
            bool lineShown = false;
            QVERIFY(DropOn(*w.list->viewport(), DropPoint(*w.list, row.from, row.to), *entry, [&] {
                lineShown = drags.IndicatorShown() && drags.IndicatorTop() == line;
            }));
            QVERIFY(lineShown && !drags.IndicatorShown());
            QCOMPARE(w.Shown(), QString::fromLatin1(row.order));
            QCOMPARE(w.Held(), QString::fromLatin1(row.order));
            QCOMPARE(w.window->HasUnsavedChanges(), row.from != row.to);
            if (row.from != row.to)
                QCOMPARE(w.list->currentRow(), row.to);
        }
    }

    // A show file dropped on the window, over the list too, opens after the question.
    void ShowFileOnWindow() {
        QTemporaryDir folder;
        const QString path = QDir::toNativeSeparators(folder.filePath(QStringLiteral("S.kss")));
        Show show;
        show.Background()->List().push_back("/d/x.kas");
        QCOMPARE(File::WriteWholeFile(path.toStdString(), ShowFunctions::ShowToText(show)), 0);
        for (bool answer : {true, false}) {
            Window w;
            w.window->AddSequenceToPlaylist("/d/y.kas");
            w.prompts.questionAnswers.enqueue(answer);
            QVERIFY(DropOn(*w.list->viewport(), {5, 5}, *FileDrag({path})));
            QCOMPARE(w.prompts.Of(ScriptedPrompts::Kind::Question).size(), 1);
            QCOMPARE(w.window->ShowFileName(), answer ? path : QString());
            QCOMPARE(w.Held(), answer ? QStringLiteral("x") : QStringLiteral("y"));
        }
    }

    // The triggered sequence editor takes the kinds its group allows, and moves entries.
    void FilesOnEntryEditor() {
        Host host;
        auto group = std::make_shared<InteractiveGroup>();
        group->SetMusicalAllowed(false);
        frmTriggeredSequenceEditor editor(host);
        editor.SetIG(group);
        editor.SetTS(Entry({"/d/a.kas"}));
        editor.show();
        auto* list = editor.findChild<QTreeWidget*>(QStringLiteral("lvSequences"));
        QVERIFY(DropOn(*list->viewport(), {5, 5}, *FileDrag({"/d/b.kas", "/d/m.kms", "/d/c.kas"})));
        QVERIFY(host.prompts.Of(ScriptedPrompts::Kind::Message).value(0).text.endsWith("\nm.kms"));
        const std::unique_ptr<QMimeData> entry(list->findChild<ListDragDrop*>()->EntryData(0));
        QVERIFY(DropOn(*list->viewport(), DropPoint(*list, 0, 2), *entry));
        QStringList order;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            order << list->topLevelItem(i)->text(0);
        QCOMPARE(order, QStringList({"b.kas", "c.kas", "a.kas"}));
    }

    // Names are resolved against the sequence folder; a missing file is marked and named so in
    // the tooltip; files are looked at again when the tab is set up or the window activated.
    void MissingFileMarks() {
        QTemporaryDir temporary;
        const QString folder = temporary.path() + QLatin1Char('/');
        const QString here = folder + QStringLiteral("here.kas");
        QVERIFY(QFile(here).open(QIODevice::WriteOnly));
        Window w(folder);
        w.Fill(frmShow::BackgroundTab, {"here.kas", "gone.kas", here.toStdString()});
        SequenceFileMarks& marks = w.window->FileMarks();
        QCOMPARE(marks.ToolTip(0), here);
        QCOMPARE(marks.ToolTip(1), "File not found: " + folder + "gone.kas");
        QCOMPARE(marks.ToolTip(2), here);
        for (int row : {0, 1}) {
            QStyleOptionViewItem option;
            option.initFrom(w.list);
            marks.initStyleOption(&option, w.list->model()->index(row, 0));
            QCOMPARE(option.icon.isNull(), row == 0);
        }
        QVERIFY(QFile::remove(here));
        QVERIFY(!marks.Missing(0));
        w.window->ShowCurrentTab();
        QVERIFY(marks.Missing(0));
        QVERIFY(QFile(here).open(QIODevice::WriteOnly));
        QEvent activation(QEvent::ActivationChange);
        QApplication::sendEvent(w.window.get(), &activation);
        QVERIFY(!marks.Missing(0));
        w.window->MyShow()->InteractiveGroups()->push_back(std::make_shared<InteractiveGroup>());
        w.Fill(frmShow::InteractiveTab);
        QVERIFY(marks.ToolTip(0).isEmpty());
    }

    // A name that looks like markup is shown as typed.
    void PlainTextBoxes() {
        const QString text = QStringLiteral("Trigger 'Porch <b>left</b>' appears more than once.");
        for (bool question : {false, true}) {
            QtUserPrompts prompts;
            Qt::TextFormat format = Qt::RichText;
            WhenModal<QMessageBox>([&](QMessageBox& box) { format = box.textFormat(); });
            if (question)
                prompts.Question(nullptr, text, QStringLiteral("T"));
            else
                prompts.Message(nullptr, text, QStringLiteral("T"), UserPrompts::Icon::None);
            QCOMPARE(format, Qt::PlainText);
        }
    }

    // A step against the end of the range, by button or arrow key, is no edit.
    void SpinnerAtTheEnd() {
        for (const auto& [start, up, byKey] : {std::tuple{999, true, false},
                                               {0, false, false},
                                               {999, true, true},
                                               {0, false, true}}) {
            Window w;
            w.window->MyShow()->Musical()->SetDelay(start);
            w.Fill(frmShow::MusicalTab);
            auto* box = w.window->findChild<QLineEdit*>(QStringLiteral("txtDelay"));
            auto* spinner = w.window->findChild<UpDown*>(QStringLiteral("UpDown1"));
            if (byKey)
                QTest::keyClick(box, up ? Qt::Key_Up : Qt::Key_Down);
            else
                (up ? spinner->UpButton() : spinner->DownButton())->click();
            QCOMPARE(box->text(), QString::number(start));
            QVERIFY(!w.window->HasUnsavedChanges());
        }
    }

    // The name label shows its whole caption for every type, beside the text box.
    void NameLabelFits() {
        for (const auto& [independent, interruptible, caption] :
             {std::tuple{false, false, "Jukebox Name"},
              {false, true, "Soundboard Name"},
              {true, true, "Magic Toy Name"},
              {true, false, "Interactive Group Name"}}) {
            Host host;
            frmInteractiveGroupEditor editor(host);
            auto group = std::make_shared<InteractiveGroup>();
            group->SetIndependent(independent);
            group->SetInterruptible(interruptible);
            editor.SetIG(group);
            editor.show();
            auto* label = editor.findChild<QLabel*>(QStringLiteral("lblName"));
            auto* box = editor.findChild<QLineEdit*>(QStringLiteral("txtName"));
            QCOMPARE(label->text().remove(QLatin1Char('&')), QString::fromLatin1(caption));
            QVERIFY(label->width() >= QFontMetrics(label->font()).horizontalAdvance(caption));
            QVERIFY(label->geometry().right() < box->x());
            QCOMPARE(box->geometry().right(), TwipRect(2160, 135, 5415, 315).right());
        }
    }
};

} // namespace bw::test

QTEST_MAIN(bw::test::DesktopEditorTest)
#include "DesktopEditorTest.moc"
