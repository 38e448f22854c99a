// Save As asks before it replaces the file its added ".kss" names (in Cyrillic, in a folder named
// in Chinese, as people may); Open reads the show back from there.

#include "EditorTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

namespace bw::test {

class SaveAsNameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void AddedExtensionNamesAnExistingFile_AsksFirst() {
        QTemporaryDir temporary;
        const QString folder = temporary.filePath(QStringLiteral("灯光秀/")),
                      name = QStringLiteral("Свет"), file = folder + name + ".kss";
        QVERIFY(QDir().mkpath(folder));
        for (const bool replace : {false, true}) {
            QVERIFY(File::WriteWholeFile(file.toStdString(), "old") == 0);
            Editor editor;
            editor.window->AddSequenceToPlaylist("/seq/" + name.toStdString() + ".kas");
            editor.prompts.saveAnswers << folder + name << std::nullopt; // No: dialog again
            editor.prompts.questionAnswers.enqueue(replace);
            editor.Click(QStringLiteral("SaveAs"));
            QCOMPARE(editor.prompts.Said(),
                     QStringList("Select a show file: " + name +
                                 ".kss already exists.\nDo you want to replace it?"));
            QCOMPARE(editor.prompts.Dialogs().size(), replace ? 1 : 2);
            QVERIFY(replace || ReadBytes(file).startsWith("old"));
            Editor opened;
            opened.Open(file);
            QCOMPARE(opened.show() == editor.show(), replace);
        }
    }
};

} // namespace bw::test

QTEST_MAIN(bw::test::SaveAsNameTest)
#include "SaveAsNameTest.moc"
