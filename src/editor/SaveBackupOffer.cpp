#include "editor/SaveBackupOffer.h"

#include "environment/SaveBackups.h"
#include "environment/WholeFile.h"
#include "widgets/UserPrompts.h"

#include <QDir>

namespace bw {

namespace {

QString Native(const std::string& path) {
    return QDir::toNativeSeparators(QString::fromStdString(path));
}

} // namespace

void OfferLeftSaveBackups(QWidget* owner, UserPrompts& prompts) {
    for (const SaveBackups::Backup& backup : SaveBackups::Left()) {
        std::string copy, current;
        if (!WholeFile::Read(backup.copyPath, copy))
            continue;
        if (WholeFile::Read(backup.originalPath, current) && current == copy) {
            SaveBackups::Discard(backup);
            continue;
        }
        const QString original = Native(backup.originalPath);
        const QString question =
            QStringLiteral("A save of %1 did not finish, and the file may be damaged. The show as "
                           "it was before that save is kept in %2.\n\nDo you want to put it back "
                           "in place of %1? (No leaves the copy where it is.)")
                .arg(original, Native(backup.copyPath));
        if (!prompts.Question(owner, question, QStringLiteral("Unfinished Save"))) {
            SaveBackups::SetAside(backup);
            continue;
        }
        if (WholeFile::Write(backup.originalPath, copy))
            SaveBackups::Discard(backup);
        else
            prompts.Message(owner, QStringLiteral("Unable to write to ") + original, ProgramTitle,
                            UserPrompts::Icon::None);
    }
}

} // namespace bw
