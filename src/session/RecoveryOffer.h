#pragma once

#include "model/Show.h"

#include <QString>

#include <optional>

class QWidget;

namespace bw {

class RecoveryStore;
class UserPrompts;
struct RecoveryCopy;

// A show recovered from a copy: its unsaved changes, under the file name it belongs to.
struct RecoveredShow {
    ShowPtr show;
    QString fileName; // empty for a show that was never saved
};

// At start, before the editor has a copy of its own: offers, newest first, the unsaved changes
// that editors no longer running left behind, until one is recovered. A copy that is offered
// becomes this editor's own, so that no other editor offers it too; recovered, it stays as the
// copy of the changes until they are saved or written again; declined, it is removed. A damaged
// copy is removed without a word.
std::optional<RecoveredShow> OfferRecovery(RecoveryStore& store, UserPrompts& prompts,
                                           QWidget* parent);

// The question for a copy: which show, and when its changes were kept.
QString RecoveryQuestion(const RecoveryCopy& copy);

inline const QString RecoveryTitle = QStringLiteral("Recover Unsaved Changes");

} // namespace bw
