// The editor saving and opening shows in folders named in scripts that Windows-1252 cannot hold,
// and Save As asking before it replaces the file that its added ".kss" names.

#include "EditorTestSupport.h"
#include "NonLatinNames.h"

#include <QDir>
#include <QTemporaryDir>

namespace bw::test {

using Kind = ScriptedPrompts::Kind;

class NonLatinEditorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void SaveAsAndOpen_KeepTheNames();
    void SaveAs_AddedExtensionNamesAnExistingFile_AsksFirst();

private:
    QTemporaryDir folder_;
};

void NonLatinEditorTest::SaveAsAndOpen_KeepTheNames() {
    for (std::string_view utf8 : NonLatinNames) {
        const QString name = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        const QString path = folder_.filePath(name) + QLatin1Char('/') + name;
        QVERIFY(QDir().mkpath(folder_.filePath(name)));
        Editor saving;
        saving.window->AddSequenceToPlaylist((path + QStringLiteral(".kas")).toStdString());
        saving.prompts.saveAnswers.enqueue(path);
        saving.Click(QStringLiteral("SaveAs"));

        Editor opening;
        opening.Open(path + QStringLiteral(".kss"));
        QVERIFY(opening.prompts.Of(Kind::Message).isEmpty());
        QVERIFY(opening.window->windowTitle().endsWith(QStringLiteral(" - ") + name));
        QCOMPARE(ShowFunctions::ShowToText(*opening.window->MyShow()),
                 ShowFunctions::ShowToText(*saving.window->MyShow()));
    }
}

void NonLatinEditorTest::SaveAs_AddedExtensionNamesAnExistingFile_AsksFirst() {
    const QString yard = folder_.filePath(QStringLiteral("Yard"));
    for (const bool replace : {false, true}) {
        QFile existing(yard + QStringLiteral(".kss"));
        QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("old") == 3);
        existing.close();
        Editor editor;
        editor.prompts.saveAnswers << yard << std::nullopt; // No goes back to the dialog
        editor.prompts.questionAnswers.enqueue(replace);
        editor.Click(QStringLiteral("SaveAs"));

        const auto questions = editor.prompts.Of(Kind::Question);
        QCOMPARE(questions.size(), 1);
        QCOMPARE(questions[0].text,
                 QStringLiteral("Yard.kss already exists.\nDo you want to replace it?"));
        QCOMPARE(questions[0].title, QStringLiteral("Select a show file"));
        QCOMPARE(editor.prompts.Of(Kind::SaveFile).size(), replace ? 1 : 2);
        QCOMPARE(ReadBytes(yard + QStringLiteral(".kss")) == "old", !replace);
    }
}

} // namespace bw::test

QTEST_MAIN(bw::test::NonLatinEditorTest)
#include "NonLatinEditorTest.moc"
