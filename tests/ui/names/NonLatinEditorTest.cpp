// Save As in folders named in scripts that Windows-1252 cannot hold: it asks before it replaces the
// file that its added ".kss" names, and the show saved opens again under its name.

#include "EditorTestSupport.h"
#include "NonLatinNames.h"

#include <QDir>
#include <QTemporaryDir>

namespace bw::test {

class NonLatinEditorTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;

private Q_SLOTS:
    void SaveAs_AsksBeforeReplacing_AndTheShowOpensUnderItsName() {
        for (std::string_view utf8 : NonLatinNames) {
            const QString name = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
            const QString path = folder_.filePath(name) + QLatin1Char('/') + name;
            QVERIFY(QDir().mkpath(folder_.filePath(name)));
            for (const bool replace : {false, true}) {
                QVERIFY(File::WriteWholeFile((path + ".kss").toStdString(), "old") == 0);
                Editor saving;
                saving.window->AddSequenceToPlaylist((path + ".kas").toStdString());
                saving.prompts.saveAnswers << path << std::nullopt; // No goes back to the dialog
                saving.prompts.questionAnswers.enqueue(replace);
                saving.Click(QStringLiteral("SaveAs"));
                QCOMPARE(saving.prompts.Said(),
                         QStringList("Select a show file: " + name +
                                     ".kss already exists.\nDo you want to replace it?"));
                QCOMPARE(saving.prompts.Dialogs().size(), replace ? 1 : 2);
                Editor opening;
                opening.Open(path + ".kss");
                QCOMPARE(opening.window->windowTitle().endsWith(" - " + name), replace);
                QCOMPARE(opening.show() == saving.show(), replace);
            }
        }
    }
};

} // namespace bw::test

QTEST_MAIN(bw::test::NonLatinEditorTest)
#include "NonLatinEditorTest.moc"
