#include "DesktopTestSupport.h"
#include "dialogs/ListDragDrop.h"
#include "dialogs/frmTriggeredSequenceEditor.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>

namespace bw::test {

namespace {

QStringList Shown(const QListWidget& list) {
    QStringList shown;
    for (int i = 0; i < list.count(); ++i)
        shown << list.item(i)->text();
    return shown;
}

// A point of the row that puts a dragged entry at row `to`: above the half of that row when
// the entry comes from below, beneath it when it comes from above.
QPoint DropPoint(const QAbstractItemView& list, int from, int to) {
    const QRect row = list.visualRect(list.model()->index(to, 0));
    return to < from ? row.topLeft() + QPoint(4, 2) : row.bottomLeft() + QPoint(4, -2);
}

} // namespace

class DropsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void FilesOnSection_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("refused");
        QTest::newRow("Background takes animations")
            << int(frmShow::BackgroundTab) << QStringList{"/d/a.kas", "/d/c.KAS"}
            << QStringList{"b.kms", "d.txt"};
        QTest::newRow("Musical takes both kinds")
            << int(frmShow::MusicalTab) << QStringList{"/d/a.kas", "/d/b.kms", "/d/c.KAS"}
            << QStringList{"d.txt"};
    }
    // Taken files are appended as Add appends them; the others are named in one message.
    void FilesOnSection() {
        QFETCH(int, tab);
        QFETCH(QStringList, added);
        QFETCH(QStringList, refused);
        Window w;
        w.Fill(tab, {"/d/first.kas"});
        auto* list = w.Get<QListWidget>("lbSequences");
        const auto data = FileDrag({"/d/a.kas", "/d/b.kms", "/d/c.KAS", "/d/d.txt"});
        QVERIFY(DropOn(*list->viewport(), {5, 5}, *data));

        QStringList expected{"first"};
        for (const QString& file : added)
            expected << file.mid(3, 1);
        QCOMPARE(Shown(*list), expected);
        QCOMPARE(QString::fromStdString(w.window->CurrentPlaylist()->List().back()), added.last());
        QCOMPARE(w.window->CurrentPlaylist()->Count(), 1 + added.size());
        QVERIFY(w.window->HasUnsavedChanges());
        QVERIFY(!w.window->ListDrags().IndicatorShown());
        const auto messages = w.prompts.Of(ScriptedPrompts::Kind::Message);
        QCOMPARE(messages.size(), 1);
        for (const QString& name : refused)
            QVERIFY(messages[0].text.contains(QLatin1Char('\n') + name));
        QVERIFY(!messages[0].text.contains(QStringLiteral("a.kas")));
    }

    // The Interactive section lists no files: a drag over it is not taken.
    void FilesOnInteractive() {
        Window w;
        w.Fill(frmShow::InteractiveTab, {});
        QVERIFY(!DropOn(*w.Get<QListWidget>("lbSequences")->viewport(), {5, 5},
                        *FileDrag({"/d/a.kas"})));
        QVERIFY(!w.window->HasUnsavedChanges());
    }

    void Reorder_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("down two") << 0 << 2 << QStringList{"b", "c", "a", "d"};
        QTest::newRow("up to the top") << 3 << 0 << QStringList{"d", "a", "b", "c"};
        QTest::newRow("onto itself") << 1 << 1 << QStringList{"a", "b", "c", "d"};
    }
    // A drag gives what the Up and Down steps give: list, show, selection and changed flag.
    void Reorder() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, order);
        Window w;
        w.Fill(frmShow::StartupTab, {"/d/a.kas", "/d/b.kms", "/d/c.kas", "/d/d.kas"});
        auto* list = w.Get<QListWidget>("lbSequences");
        const ListDragDrop& drags = w.window->ListDrags();
        const std::unique_ptr<QMimeData> entry(drags.EntryData(from));
        // While hovering, the line stands where the entry will go.
        const QRect place = list->visualRect(list->model()->index(to, 0));
        const int line = to < from ? std::max(0, place.top() - 1) : place.bottom();
        bool shownWhileOver = false;
        QVERIFY(DropOn(*list->viewport(), DropPoint(*list, from, to), *entry, [&] {
            shownWhileOver = drags.IndicatorShown() && drags.IndicatorTop() == line;
        }));
        QVERIFY(shownWhileOver);
        QVERIFY(!drags.IndicatorShown());

        QStringList held;
        for (const std::string& file : w.window->MyShow()->Startup()->List())
            held << QString::fromStdString(file).mid(3, 1);
        QCOMPARE(Shown(*list), order);
        QCOMPARE(held, order);
        QCOMPARE(w.window->HasUnsavedChanges(), from != to);
        if (from != to)
            QCOMPARE(list->currentRow(), to);
    }

    void ShowFileOnWindow_data() {
        QTest::addColumn<bool>("answer");
        QTest::newRow("changes let go") << true;
        QTest::newRow("changes kept") << false;
    }
    // A show file dropped anywhere, the list included, opens after the unsaved-changes question.
    void ShowFileOnWindow() {
        QFETCH(bool, answer);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Dropped.kss"));
        Show show;
        show.Background()->List().push_back("/d/x.kas");
        QCOMPARE(File::WriteWholeFile(path.toStdString(), ShowFunctions::ShowToText(show)), 0);
        Window w;
        w.window->AddSequenceToPlaylist("/d/changed.kas");
        w.prompts.questionAnswers.enqueue(answer);
        QVERIFY(DropOn(*w.Get<QListWidget>("lbSequences")->viewport(), {5, 5}, *FileDrag({path})));
        QCOMPARE(w.prompts.Of(ScriptedPrompts::Kind::Question).size(), 1);
        QCOMPARE(w.window->ShowFileName(), answer ? QDir::toNativeSeparators(path) : QString());
        QCOMPARE(w.window->HasUnsavedChanges(), !answer);
        QCOMPARE(w.window->MyShow()->Background()->List().front(),
                 answer ? "/d/x.kas" : "/d/changed.kas");
    }

    // The triggered sequence editor takes what its group allows, and moves entries as Up and
    // Down do.
    void EntryEditor() {
        Host host;
        auto group = std::make_shared<InteractiveGroup>();
        group->SetIndependent(true);
        group->SetInterruptible(true);
        group->SetMusicalAllowed(false);
        frmTriggeredSequenceEditor editor(host);
        editor.SetIG(group);
        editor.SetTS(TriggeredSequencesFunctions::NewTriggeredSequences(
            TriggerFunctions::NewTrigger(0, 1, 1, "T"), {"/d/a.kas"}));
        editor.show();
        auto* list = editor.findChild<QTreeWidget*>(QStringLiteral("lvSequences"));
        QVERIFY(DropOn(*list->viewport(), {5, 5}, *FileDrag({"/d/b.kas", "/d/m.kms", "/d/c.kas"})));
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(list->currentItem(), list->topLevelItem(2));
        const auto messages = host.prompts.Of(ScriptedPrompts::Kind::Message);
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].text.endsWith(QStringLiteral("\nm.kms")));

        auto* drags = list->findChild<ListDragDrop*>();
        QVERIFY(drags);
        const std::unique_ptr<QMimeData> entry(drags->EntryData(0));
        QVERIFY(DropOn(*list->viewport(), DropPoint(*list, 0, 2), *entry));
        QStringList order;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            order << list->topLevelItem(i)->text(0);
        QCOMPARE(order, QStringList({"b.kas", "c.kas", "a.kas"}));
        QCOMPARE(list->currentItem(), list->topLevelItem(2));
    }
};

int RunDropsTest(int argc, char** argv) {
    DropsTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace bw::test

#include "DropsTest.moc"
