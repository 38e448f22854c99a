// What the editor does for the desktop around it: the show named on the command line, and the
// help page opened through the desktop.
#include "ScriptedPrompts.h"
#include "editor/DesktopHelp.h"
#include "editor/TitleWithVersion.h"
#include "editor/frmShow.h"
#include "showfile/ShowFunctions.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace bw;
using bw::test::ScriptedPrompts;

namespace {

// A new show with one background sequence, as the editor writes it.
const QByteArray ShowText =
    "((0,1,2,0,,,T,F,F),(0,1,2,0,,,T,F,F),(1,0,1,0,,,T,F,F),(0,1,2,0,,,T,F,F),,"
    "(2,0,1,0,,(/seq/a.kas),T,F,F),, 0,,F)";

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void OpenShowFile_AsOpenDoes_data() {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("message");
        QTest::newRow("show") << ShowText + "\r\n" << true << false;
        QTest::newRow("missing file") << QByteArray() << false << true;
        QTest::newRow("no list at all") << QByteArray("abc") << false << false;
        QTest::newRow("list without a show") << QByteArray("((0),(1),(2))") << false << true;
    }

    void OpenShowFile_AsOpenDoes() {
        QFETCH(QByteArray, content);
        QFETCH(bool, opened);
        QFETCH(bool, message);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Halloween.kss"));
        if (!content.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        ScriptedPrompts prompts;
        frmShow window(prompts, {});
        window.OpenShowFile(path);

        const QString title = TitleWithVersion(QStringLiteral("BW Show Editor"));
        QCOMPARE(window.ShowFileName(), opened ? path : QString());
        QCOMPARE(window.windowTitle(), opened ? title + QStringLiteral(" - Halloween") : title);
        QVERIFY(!window.HasUnsavedChanges());
        const std::string expected =
            opened ? ShowText.toStdString() : ShowFunctions::ShowToText(Show());
        QCOMPARE(ShowFunctions::ShowToText(*window.MyShow()), expected);
        QCOMPARE(prompts.prompts.size(), message ? 1 : 0);
        if (message) {
            QCOMPARE(prompts.prompts[0].text, QStringLiteral("Unable to open ") + path);
            QCOMPARE(prompts.prompts[0].title, QStringLiteral("BWShow"));
        }
    }

    void OpenHelpPage_ThroughTheDesktop_data() {
        QTest::addColumn<bool>("desktopOpens");
        QTest::newRow("opened") << true;
        QTest::newRow("desktop cannot") << false;
    }

    void OpenHelpPage_ThroughTheDesktop() {
        QFETCH(bool, desktopOpens);
        const QString page = QStringLiteral("/usr/share/brightwave/BWHelp/show_editor.htm");
        ScriptedPrompts prompts;
        QList<QUrl> opened;
        OpenHelpPage(nullptr, page, prompts, [&](const QUrl& url) {
            opened.append(url);
            return desktopOpens;
        });
        QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("file://") + page)});
        QCOMPARE(prompts.prompts.size(), desktopOpens ? 0 : 1);
        if (!desktopOpens) {
            QCOMPARE(prompts.prompts[0].text,
                     QStringLiteral("The desktop could not open the help page ") + page);
            QCOMPARE(prompts.prompts[0].title, QStringLiteral("BWShow"));
        }
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
