// The editor saving and opening shows in folders named in scripts that Windows-1252 cannot hold,
// and Save As asking before it replaces the file that its added ".kss" names.

#include "EditorTestSupport.h"
#include "NonLatinNames.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace bw::test {

using Kind = ScriptedPrompts::Kind;

class NonLatinEditorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(folder_.isValid()); }

    void SaveAsAndOpen_KeepTheNames_data();
    void SaveAsAndOpen_KeepTheNames();
    void SaveAs_AddedExtensionNamesAnExistingFile_AsksFirst_data();
    void SaveAs_AddedExtensionNamesAnExistingFile_AsksFirst();

private:
    QTemporaryDir folder_;
};

void NonLatinEditorTest::SaveAsAndOpen_KeepTheNames_data() {
    QTest::addColumn<QString>("name");
    for (std::string_view name : NonLatinNames)
        QTest::newRow(name.data()) << QString::fromUtf8(name.data(), qsizetype(name.size()));
}

void NonLatinEditorTest::SaveAsAndOpen_KeepTheNames() {
    QFETCH(QString, name);
    const QString folder = folder_.filePath(name) + QLatin1Char('/');
    QVERIFY(QDir().mkpath(folder));
    Editor saving;
    saving.window->AddSequenceToPlaylist((folder + name + QStringLiteral(".kas")).toStdString());
    saving.prompts.saveAnswers.enqueue(folder + name);
    saving.Click(QStringLiteral("SaveAs"));
    QVERIFY(!saving.window->HasUnsavedChanges());

    Editor opening;
    opening.Open(folder + name + QStringLiteral(".kss"));
    QCOMPARE(opening.prompts.Of(Kind::Message).size(), 0);
    QCOMPARE(opening.window->ShowFileName(), folder + name + QStringLiteral(".kss"));
    QVERIFY(opening.window->windowTitle().endsWith(QStringLiteral(" - ") + name));
    QCOMPARE(ShowFunctions::ShowToText(*opening.window->MyShow()),
             ShowFunctions::ShowToText(*saving.window->MyShow()));
}

void NonLatinEditorTest::SaveAs_AddedExtensionNamesAnExistingFile_AsksFirst_data() {
    QTest::addColumn<bool>("replace");
    QTest::newRow("Yes replaces the file") << true;
    QTest::newRow("No goes back to the dialog") << false;
}

void NonLatinEditorTest::SaveAs_AddedExtensionNamesAnExistingFile_AsksFirst() {
    QFETCH(bool, replace);
    const QString yard = folder_.filePath(QStringLiteral("Yard"));
    QFile existing(yard + QStringLiteral(".kss"));
    QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("old") == 3);
    existing.close();

    Editor editor;
    editor.prompts.saveAnswers.enqueue(yard);
    editor.prompts.questionAnswers.enqueue(replace);
    if (!replace)
        editor.prompts.saveAnswers.enqueue(std::nullopt);
    editor.Click(QStringLiteral("SaveAs"));

    const auto questions = editor.prompts.Of(Kind::Question);
    QCOMPARE(questions.size(), 1);
    QCOMPARE(questions[0].text,
             QStringLiteral("Yard.kss already exists.\nDo you want to replace it?"));
    QCOMPARE(questions[0].title, QStringLiteral("Select a show file"));
    QCOMPARE(editor.prompts.Of(Kind::SaveFile).size(), replace ? 1 : 2);
    QCOMPARE(ReadBytes(yard + QStringLiteral(".kss")) == "old", !replace);
}

} // namespace bw::test

QTEST_MAIN(bw::test::NonLatinEditorTest)
#include "NonLatinEditorTest.moc"
