// Save As asks before it replaces the file its added ".kss" names (in Cyrillic, as people may);
// names whose bytes are not UTF-8 pass through Qt's strings unchanged.

#include "EditorTestSupport.h"
#include "document/QtText.h"

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

    void NamesThatAreNotUtf8_PassThroughQtStringsUnchanged() {
        const std::string names[] = {
            "plain",        "/home/caf\xE9/\xC5\x81\xC3\xB3\x64\xC5\xBA \xF0\x9F\x8E\x84",
            "cut off \xC5", "\xED\xB2\x80 no surrogate",
            "\xEF\xBF\xBD", "\xFF\xFE"};
        for (const std::string& name : names)
            QVERIFY(QtText::ToBytes(QtText::FromBytes(name)) == name);
        // Valid text is what Qt makes of it; a byte that is not UTF-8 is no U+FFFD.
        QCOMPARE(QtText::FromBytes("\xC5\x81 \xF0\x9F\x8E\x84"), QStringLiteral("Ł 🎄"));
        QCOMPARE(QtText::FromBytes("a\xE9").size(), 2);
        QVERIFY(QtText::FromBytes("a\xE9") != QString::fromUtf8("a\xE9"));
    }
};

} // namespace bw::test

QTEST_MAIN(bw::test::SaveAsNameTest)
#include "SaveAsNameTest.moc"
