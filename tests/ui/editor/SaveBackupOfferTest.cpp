// The copies that unfinished saves left, offered back when the editor starts.
#include "editor/SaveBackupOffer.h"
#include "DataLines.h"
#include "ScriptedPrompts.h"
#include "TestRegistry.h"
#include "environment/SaveBackups.h"
#include "environment/WholeFile.h"

#include <QDir>
#include <QTemporaryDir>

namespace bw::test {

class SaveBackupOfferTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The file as the save left it ("-": gone with its folder), the answer, the file afterwards;
    // a copy is set aside on No and still offered when it cannot be put back.
    void LeftCopies_AreOfferedBack() {
        const std::tuple<const char*, std::optional<bool>, const char*> cases[] = {
            {"(fragm", true, "(old)"},
            {"(fragm", false, "(fragm"},
            {"(old)", std::nullopt, "(old)"},
            {"-", true, "(none)"}};
        for (const auto& [now, answer, after] : cases) {
            QTemporaryDir home;
            qputenv("XDG_STATE_HOME", home.filePath("state").toUtf8());
            const std::string show = home.filePath("shows/Yard.kss").toStdString();
            QVERIFY(QDir(home.path()).mkpath("shows"));
            const auto backup = SaveBackups::Keep(show, "(old)");
            const bool gone = now == std::string("-");
            QVERIFY(backup && (gone ? QDir(home.filePath("shows")).removeRecursively()
                                    : WholeFile::Write(show, now)));
            ScriptedPrompts prompts;
            if (answer)
                prompts.questionAnswers.enqueue(*answer);
            OfferLeftSaveBackups(nullptr, prompts);

            QStringList said;
            if (answer)
                said << DataText("editor/unfinished-save.txt")
                            .trimmed()
                            .arg(show.c_str(), backup->copyPath.c_str());
            if (gone)
                said << QStringLiteral("BWShow: Unable to write to ") + show.c_str();
            QCOMPARE(prompts.Said(), said);
            std::string file = "(none)";
            WholeFile::Read(show, file);
            QCOMPARE(file, std::string(after));
            QCOMPARE(SaveBackups::Left().size(), std::size_t(gone));
            const QDir copies(QString::fromStdString(SaveBackups::Folder()));
            QCOMPARE(copies.entryList({"*.set-aside"}).size(), answer == false ? 1 : 0);
        }
    }
};

BWSHOW_REGISTER_TEST(SaveBackupOfferTest);

} // namespace bw::test

#include "SaveBackupOfferTest.moc"
