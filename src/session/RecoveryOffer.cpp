#include "session/RecoveryOffer.h"

#include "document/QtText.h"
#include "environment/RecoveryStore.h"
#include "showfile/ShowFunctions.h"
#include "widgets/UserPrompts.h"

#include <QDateTime>
#include <QFileInfo>

namespace bw {

namespace {

ShowPtr ShowOf(const RecoveryCopy& copy) {
    try {
        return ShowFunctions::ShowFromText(copy.showText);
    } catch (...) {
        return nullptr;
    }
}

} // namespace

QString RecoveryQuestion(const RecoveryCopy& copy) {
    const QString fileName = QtText::FromBytes(copy.showFileName);
    QString show = QStringLiteral("a new show that was never saved");
    if (!fileName.isEmpty()) {
        show = QStringLiteral("the show %1 (%2)")
                   .arg(QFileInfo(fileName).completeBaseName(), fileName);
        if (!QFileInfo::exists(fileName))
            show += QStringLiteral(", whose file no longer exists");
    }
    const QString kept = QDateTime::fromSecsSinceEpoch(copy.savedAt)
                             .toString(QStringLiteral("yyyy-MM-dd 'at' hh:mm:ss"));
    return QStringLiteral("The show editor ended without saving the changes to %1. They were "
                          "kept on %2.\n\nDo you want to recover these changes?")
        .arg(show, kept);
}

std::optional<RecoveredShow> OfferRecovery(RecoveryStore& store, UserPrompts& prompts,
                                           QWidget* parent) {
    for (const std::string& path : store.Abandoned()) {
        if (!store.Take(path))
            continue; // another editor has it
        const std::optional<RecoveryCopy> copy = RecoveryStore::Read(store.OwnPath());
        ShowPtr show = copy ? ShowOf(*copy) : nullptr;
        if (show && prompts.Question(parent, RecoveryQuestion(*copy), RecoveryTitle))
            return RecoveredShow{std::move(show), QtText::FromBytes(copy->showFileName)};
        store.Remove();
    }
    return std::nullopt;
}

} // namespace bw
