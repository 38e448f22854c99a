// The editor saving and opening shows in folders named in scripts that Windows-1252 cannot hold,
// and Save As asking before it replaces the file that its added ".kss" names.

#include "EditorTestSupport.h"
#include "NonLatinNames.h"

#include <QDir>
#include <QTemporaryDir>

#include <fstream>

namespace bw::test {

class NonLatinEditorTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;

private Q_SLOTS:
    void SaveAsAndOpen_KeepTheNames() {
        for (std::string_view utf8 : NonLatinNames) {
            const QString name = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
            const QString path = folder_.filePath(name) + QLatin1Char('/') + name;
            QVERIFY(QDir().mkpath(folder_.filePath(name)));
            Editor saving;
            saving.window->AddSequenceToPlaylist((path + QStringLiteral(".kas")).toStdString());
            saving.prompts.saveAnswers.enqueue(path);
            saving.Click(QStringLiteral("SaveAs"));
            Editor opening;
            opening.Open(path + QStringLiteral(".kss"));
            QVERIFY(opening.window->windowTitle().endsWith(QStringLiteral(" - ") + name));
            QCOMPARE(ShowFunctions::ShowToText(*opening.window->MyShow()),
                     ShowFunctions::ShowToText(*saving.window->MyShow()));
        }
    }

    void SaveAs_AddedExtensionNamesAnExistingFile_AsksFirst() {
        const QString yard = folder_.filePath(QStringLiteral("Yard"));
        for (const bool replace : {false, true}) {
            std::ofstream((yard + QStringLiteral(".kss")).toStdString()) << "old";
            Editor editor;
            editor.prompts.saveAnswers << yard << std::nullopt; // No goes back to the dialog
            editor.prompts.questionAnswers.enqueue(replace);
            editor.Click(QStringLiteral("SaveAs"));
            QCOMPARE(editor.prompts.Said(),
                     QStringList("Select a show file: Yard.kss already exists.\nDo you want to "
                                 "replace it?"));
            QCOMPARE(editor.prompts.Dialogs().size(), replace ? 1 : 2);
            QCOMPARE(ReadBytes(yard + QStringLiteral(".kss")) == "old", !replace);
        }
    }
};

} // namespace bw::test

QTEST_MAIN(bw::test::NonLatinEditorTest)
#include "NonLatinEditorTest.moc"
