// What the editor does for the desktop: the show named on the command line, the help page.
#include "ScriptedPrompts.h"
#include "editor/DesktopHelp.h"
#include "editor/frmShow.h"
#include "showfile/ShowFunctions.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace bw;

class DesktopTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void OpenShowFile_AsOpenDoes() {
        // A new show with one background sequence; a text that is no list; one without a show.
        const QByteArray show = "((0,1,2,0,,,T,F,F),(0,1,2,0,,,T,F,F),(1,0,1,0,,,T,F,F),(0,1,2,0,"
                                ",,T,F,F),,(2,0,1,0,,(/seq/a.kas),T,F,F),, 0,,F)";
        const QList<std::pair<QByteArray, bool>> cases{
            {show, false}, {{}, true}, {"abc", false}, {"((0),(1),(2))", true}};
        for (const auto& [content, refused] : cases) {
            QTemporaryDir folder;
            const QString path = folder.filePath(QStringLiteral("Yard.kss"));
            QFile file(path);
            if (!content.isNull() && (!file.open(QIODevice::WriteOnly) || !file.write(content)))
                QFAIL("cannot write the show file");
            file.close();
            test::ScriptedPrompts prompts;
            frmShow window(prompts, {});
            window.OpenShowFile(path);
            const bool opened = content == show;
            QCOMPARE(window.ShowFileName(), opened ? path : QString());
            QCOMPARE(window.windowTitle().endsWith(QStringLiteral(" - Yard")), opened);
            QCOMPARE(ShowFunctions::ShowToText(*window.MyShow()),
                     opened ? show.toStdString() : ShowFunctions::ShowToText(Show()));
            QCOMPARE(prompts.prompts.size(), refused ? 1 : 0);
            if (refused)
                QCOMPARE(prompts.prompts[0].text, QStringLiteral("Unable to open ") + path);
        }
    }

    void OpenHelpPage_SaysWhenTheDesktopCannot() {
        const QString page = QStringLiteral("/usr/share/brightwave/BWHelp/show_editor.htm");
        for (const bool desktopOpens : {true, false}) {
            test::ScriptedPrompts prompts;
            QList<QUrl> opened;
            OpenHelpPage(nullptr, page, prompts, [&](const QUrl& url) {
                opened.append(url);
                return desktopOpens;
            });
            QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("file://") + page)});
            QCOMPARE(prompts.prompts.size(), desktopOpens ? 0 : 1);
            if (!desktopOpens)
                QCOMPARE(prompts.prompts[0].text,
                         QStringLiteral("The desktop could not open the help page ") + page);
        }
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
