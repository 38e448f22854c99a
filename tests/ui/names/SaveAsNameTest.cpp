// Save As asks before it replaces the file its added ".kss" names (in Cyrillic, as people may).

#include "EditorTestSupport.h"

#include <QTemporaryDir>

namespace bw::test {

class SaveAsNameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void AddedExtensionNamesAnExistingFile_AsksFirst() {
        QTemporaryDir folder;
        const QString name = QStringLiteral("Свет"), file = folder.filePath(name + ".kss");
        for (const bool replace : {false, true}) {
            QVERIFY(File::WriteWholeFile(file.toStdString(), "old") == 0);
            Editor editor;
            editor.prompts.saveAnswers << folder.filePath(name) << std::nullopt; // No: dialog again
            editor.prompts.questionAnswers.enqueue(replace);
            editor.Click(QStringLiteral("SaveAs"));
            QCOMPARE(editor.prompts.Said(),
                     QStringList("Select a show file: " + name +
                                 ".kss already exists.\nDo you want to replace it?"));
            QCOMPARE(editor.prompts.Dialogs().size(), replace ? 1 : 2);
            const QByteArray bytes = ReadBytes(file);
            const ShowPtr saved =
                replace ? ShowFunctions::ShowFromText(bytes.toStdString()) : nullptr;
            QVERIFY(replace ? saved && *saved == editor.show() : bytes.startsWith("old"));
        }
    }
};

} // namespace bw::test

QTEST_MAIN(bw::test::SaveAsNameTest)
#include "SaveAsNameTest.moc"
