// The check window as the main window opens it and answers it.
#include "EditorTestSupport.h"
#include "checkwindow/frmShowCheck.h"
#include "document/ShowDocument.h"

#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUndoStack>
#include <algorithm>

namespace bw::test {

class CheckWindowTest : public QObject {
    Q_OBJECT

    static bool Names(const std::vector<ShowCheck::Finding>& findings, const std::string& name) {
        return std::any_of(findings.begin(), findings.end(), [&](const ShowCheck::Finding& f) {
            return f.text.find(name) != std::string::npos;
        });
    }

private Q_SLOTS:
    // Check Show opens one window on the show; its findings follow an edit and a replaced show;
    // a finding selects its entry; a relink of two files is one step of the history.
    void CheckShow_FollowsTheDocument() {
        QTemporaryDir folder;
        Editor editor(folder.path() + QLatin1Char('/'));
        editor.Fill(frmShow::BackgroundTab, {"gone1.kas", "gone2.kas"});
        editor.window->Document().Changed();
        QVERIFY(editor.window->CheckWindow() == nullptr);
        editor.Click(QStringLiteral("CheckShow"));
        editor.Click(QStringLiteral("CheckShow"));
        frmShowCheck* check = editor.window->CheckWindow();
        QVERIFY(check != nullptr && check->isVisible() && check->isWindow());
        QCOMPARE(editor.window->findChildren<frmShowCheck*>().size(), 1);
        QTRY_VERIFY(Names(check->Findings(), "gone2.kas") && !check->Busy());
        QVERIFY(!Names(check->Findings(), "gone3.kas"));

        editor.window->Document().AppendSequences(frmShow::BackgroundTab, {"gone3.kas"});
        QTRY_VERIFY(Names(check->Findings(), "gone3.kas"));

        // Each row: the finding's section and entry, then where the main window stands.
        editor.SelectTab(frmShow::MusicalTab);
        const int rows[][2] = {{1, 3}, {1, 2}};
        for (const auto& [section, entry] : rows) {
            const auto& findings = check->Findings();
            const auto found = std::find_if(findings.begin(), findings.end(), [&](const auto& f) {
                return static_cast<int>(f.section) == section && f.entry == entry;
            });
            QVERIFY(found != findings.end());
            check->FindingList()->setCurrentItem(
                check->FindingList()->topLevelItem(static_cast<int>(found - findings.begin())));
            QCOMPARE(editor.Get<QTabBar>("tsMain")->currentIndex(), section - 1);
            QCOMPARE(editor.List()->currentIndex().row(), entry - 1);
        }

        const QString moved = folder.filePath(QStringLiteral("moved/"));
        const int steps = editor.window->Document().UndoStack().count();
        Q_EMIT check->relinkRequested({{{ShowCheck::Section::Background, 1},
                                        "gone1.kas",
                                        (moved + "gone1.kas").toStdString()},
                                       {{ShowCheck::Section::Background, 2},
                                        "gone2.kas",
                                        (moved + "gone2.kas").toStdString()}});
        QCOMPARE(editor.show().Background()->List(),
                 (std::vector<std::string>{(moved + "gone1.kas").toStdString(),
                                           (moved + "gone2.kas").toStdString(), "gone3.kas"}));
        QCOMPARE(editor.window->Document().UndoStack().count(), steps + 1);
        editor.Get<QAction>("actionUndo")->trigger();
        QCOMPARE(editor.show().Background()->List(),
                 (std::vector<std::string>{"gone1.kas", "gone2.kas", "gone3.kas"}));

        // Undo replaced the show object; the window checks the new one.
        editor.window->Document().New();
        QTRY_VERIFY(!Names(check->Findings(), "gone1.kas") && !check->Busy());
    }
};

BWSHOW_REGISTER_TEST(CheckWindowTest);

} // namespace bw::test

#include "CheckWindowTest.moc"
