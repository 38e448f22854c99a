#include "CheckTable.h"
#include "checkwindow/frmShowCheck.h"

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>

using namespace bw;

namespace {

void Touch(const QString& path) {
    QFile file(path); // not a narrow stream, whose name Windows reads in the ANSI code page
    QVERIFY(QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly));
}

} // namespace

class ShowCheckWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    std::string Folder() const { return folder_.path().toStdString() + "/"; }

    static void WaitForCheck(frmShowCheck& window) {
        QSignalSpy checked(&window, &frmShowCheck::checked);
        QVERIFY(checked.wait(10000));
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        for (const std::string& name : test::CheckFolderFiles)
            Touch(QString::fromStdString(Folder() + name));
    }

    // The window lists the findings of the shared table, line for line, with section and entry
    // columns; selecting a finding names its place to the owner. In the trigger map network, unit
    // and input sort as numbers; every use of a shared input is marked.
    void FindingsOfTheSharedTable() {
        for (const std::string& name : test::CheckShows) {
            const ShowPtr show = test::CheckShow(name, Folder());
            frmShowCheck window;
            QSignalSpy activated(&window, &frmShowCheck::findingActivated);
            window.SetShow(show.get(), QString::fromStdString(Folder()));
            WaitForCheck(window);
            const auto expected = test::ExpectedFindings(name, Folder());
            QTreeWidget* list = window.FindingList();
            QCOMPARE(list->topLevelItemCount(), static_cast<int>(expected.size()));
            for (int row = 0; row < list->topLevelItemCount(); ++row) {
                const test::ExpectedFinding& finding = expected[static_cast<std::size_t>(row)];
                QCOMPARE(list->topLevelItem(row)->text(2).toStdString(), finding.text);
                list->setCurrentItem(list->topLevelItem(row));
                QCOMPARE(activated.size(), row + 1);
                QCOMPARE(activated.last(),
                         (QList<QVariant>{finding.section, finding.entry, finding.groupEntry}));
            }
            if (name != "shared-triggers")
                continue;
            QTableWidget* table = window.TriggerTable();
            QCOMPARE(table->rowCount(), 9);
            table->sortItems(2, Qt::DescendingOrder);
            QCOMPARE(table->item(0, 2)->text(), QStringLiteral("4"));
            table->sortItems(0, Qt::DescendingOrder);
            QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Aux A"));
            QStringList conflicts;
            for (int row = 0; row < table->rowCount(); ++row)
                if (!table->item(row, 3)->icon().isNull())
                    conflicts << table->item(row, 4)->text().section(':', 0, 0);
            conflicts.sort();
            QCOMPARE(conflicts, (QStringList{"Interactive group 2 \"Toy\", entry 2",
                                             "Interactive group 3 \"Net\", entry 1",
                                             "Interactive group 6 \"Both\", entry 1",
                                             "Interactive group 6 \"Both\", entry 2"}));
        }
    }

    // Find moved files offers the closest file first and lets the user pick another; Relink hands
    // the choices to the owner, which answers with the count.
    void FindMovedFilesOffersTheClosestFirst() {
        QTemporaryDir tree;
        for (const char* name : {"Xmas/Свет/a.kas", "Easter/a.kas", "b/c.kas"})
            Touch(tree.filePath(QString::fromUtf8(name)));
        Show show;
        show.Main()->List() = {"C:\\Old\\Свет\\a.kas", "C:\\Old\\c.kas", "C:\\gone.kas"};
        frmShowCheck window;
        window.SetShow(&show, QString::fromStdString(Folder()));
        WaitForCheck(window);
        window.SearchFolder()->setText(tree.path());
        QSignalSpy searched(&window, &frmShowCheck::searched);
        QTest::mouseClick(window.FindButton(), Qt::LeftButton);
        QVERIFY(searched.wait(10000));
        QTableWidget* moved = window.MovedTable();
        QCOMPARE(moved->rowCount(), 3);
        auto* first = qobject_cast<QComboBox*>(moved->cellWidget(0, 2));
        QVERIFY(first);
        QCOMPARE(first->count(), 2);
        const auto found = [&](const char* name) {
            return QDir::toNativeSeparators(tree.filePath(QString::fromUtf8(name)));
        };
        QCOMPARE(first->currentText(), found("Xmas/Свет/a.kas"));
        first->setCurrentIndex(1);
        QCOMPARE(moved->item(2, 2)->text(), QStringLiteral("not found"));

        std::vector<Relink::Choice> asked;
        connect(&window, &frmShowCheck::relinkRequested, this,
                [&](const std::vector<Relink::Choice>& choices) { asked = choices; });
        QTest::mouseClick(window.RelinkButton(), Qt::LeftButton);
        QCOMPARE(asked.size(), std::size_t(2));
        QCOMPARE(QString::fromStdString(asked[0].newName), found("Easter/a.kas"));
        QCOMPARE(QString::fromStdString(asked[1].newName), found("b/c.kas"));
        window.RelinkDone(int(std::count_if(asked.begin(), asked.end(), [&](const auto& choice) {
            return Relink::Apply(show, choice);
        })));
        QCOMPARE(window.Status()->text(), QStringLiteral("Relinked 2 of 3 missing files."));
        WaitForCheck(window);
        QCOMPARE(window.FindingList()->topLevelItemCount(), 6); // five empty sections, gone.kas
    }

    void ChangesInARowMakeOneCheck() {
        Show show;
        frmShowCheck window;
        window.SetShow(&show, QString::fromStdString(Folder()));
        WaitForCheck(window);
        QSignalSpy checked(&window, &frmShowCheck::checked);
        for (const char* name : {"a.kas", "b.kas", "x.kas"}) {
            show.Main()->List().push_back(Folder() + name);
            window.ShowChanged();
        }
        QVERIFY(checked.wait(10000));
        QTest::qWait(500);
        QCOMPARE(checked.size(), 1);
        QCOMPARE(window.FindingList()->topLevelItem(2)->text(2).toStdString(),
                 "Animation section, entry 3: sequence file not found: \"" + Folder() + "x.kas\"");
    }
};

QTEST_MAIN(ShowCheckWindowTest)
#include "ShowCheckWindowTest.moc"
