// Save As asks before it replaces the file its added ".kss" names (in Cyrillic, in a folder named
// in Chinese, as people may); Open reads the show back from there;
// names whose bytes are not UTF-8 pass through Qt's strings unchanged.

#include "EditorTestSupport.h"
#include "document/QtText.h"

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
