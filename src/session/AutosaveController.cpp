#include "session/AutosaveController.h"

#include "document/QtText.h"
#include "environment/RecoveryStore.h"

#include <QDateTime>

#include <exception>

namespace bw {

AutosaveController::AutosaveController(RecoveryStore& store, Document document, int pauseMs,
                                       int latestMs, QObject* parent)
    : QObject(parent), store_(store), document_(std::move(document)) {
    for (const auto& [timer, interval] : {std::pair{&pause_, pauseMs}, {&latest_, latestMs}}) {
        timer->setSingleShot(true);
        timer->setInterval(interval);
        connect(timer, &QTimer::timeout, this, &AutosaveController::WriteCopy);
    }
}

AutosaveController::~AutosaveController() {
    store_.Remove();
}

void AutosaveController::DocumentChanged() {
    pause_.start();
    // Changes that never pause are kept all the same.
    if (!latest_.isActive())
        latest_.start();
}

void AutosaveController::ModifiedChanged(bool modified) {
    modified_ = modified;
    if (modified)
        DocumentChanged();
    else
        Discard();
}

void AutosaveController::Discard() {
    pause_.stop();
    latest_.stop();
    store_.Remove();
}

void AutosaveController::WriteCopy() {
    pause_.stop();
    latest_.stop();
    if (!modified_)
        return;
    bool written = false;
    try {
        written = store_.Write(document_.showText(), QtText::ToBytes(document_.fileName()),
                               QDateTime::currentSecsSinceEpoch());
    } catch (const std::exception&) {
        // A show that cannot be written as text now is kept at the next change.
    }
    Q_EMIT copyWritten(written);
}

} // namespace bw
