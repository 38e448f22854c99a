// The copies that unfinished saves left, offered back when the editor starts.
#include "editor/SaveBackupOffer.h"
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
    void LeftCopies_AreOfferedBack() {
        struct Case {
            const char* name;
            const char* fileNow; // nullptr: the file is gone
            std::optional<bool> answer;
            bool folderGone; // the save's folder no longer exists
            const char* fileAfter;
            QString said;       // the message after the question, if any
            int left, setAside; // copies still offered, and those set aside
        };
        const QString question = "Unfinished Save: A save of %1 did not finish, and the file may "
                                 "be damaged. The show as it was before that save is kept in "
                                 "%2.\n\nDo you want to put it back in place of %1? (No leaves "
                                 "the copy where it is.)";
        const Case cases[] = {
            {"fragment, Yes", "(fragm", true, false, "(old)", {}, 0, 0},
            {"fragment, No", "(fragm", false, false, "(fragm", {}, 0, 1},
            {"gone, Yes", nullptr, true, false, "(old)", {}, 0, 0},
            {"unchanged", "(old)", std::nullopt, false, "(old)", {}, 0, 0},
            {"folder gone, Yes", nullptr, true, true, nullptr, "BWShow: Unable to write to ", 1, 0},
        };
        for (const Case& c : cases) {
            QTemporaryDir home;
            qputenv("XDG_STATE_HOME", home.filePath("state").toUtf8());
            QVERIFY(QDir(home.path()).mkpath("shows"));
            const std::string show = home.filePath("shows/Yard.kss").toStdString();
            const auto backup = SaveBackups::Keep(show, "(old)");
            QVERIFY(backup);
            if (c.fileNow)
                QVERIFY(WholeFile::Write(show, c.fileNow));
            if (c.folderGone)
                QVERIFY(QDir(home.filePath("shows")).removeRecursively());

            ScriptedPrompts prompts;
            if (c.answer)
                prompts.questionAnswers.enqueue(*c.answer);
            OfferLeftSaveBackups(nullptr, prompts);

            QStringList said;
            if (c.answer)
                said << question.arg(QString::fromStdString(show),
                                     QString::fromStdString(backup->copyPath));
            if (!c.said.isEmpty())
                said << c.said + QString::fromStdString(show);
            QCOMPARE(prompts.Said(), said);
            QCOMPARE(prompts.unexpected, 0);
            std::string after;
            QCOMPARE(WholeFile::Read(show, after), c.fileAfter != nullptr);
            if (c.fileAfter)
                QCOMPARE(after, std::string(c.fileAfter));
            QCOMPARE(int(SaveBackups::Left().size()), c.left);
            const QStringList setAside =
                QDir(QString::fromStdString(SaveBackups::Folder())).entryList({"*.set-aside"});
            QVERIFY2(setAside.size() == c.setAside, c.name);
        }
    }
};

BWSHOW_REGISTER_TEST(SaveBackupOfferTest);

} // namespace bw::test

#include "SaveBackupOfferTest.moc"
