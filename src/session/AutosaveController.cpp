#include "session/AutosaveController.h"

#include "environment/RecoveryStore.h"

#include <QDateTime>

namespace bw {

AutosaveController::AutosaveController(RecoveryStore& store, Document document, int delayMs,
                                       QObject* parent)
    : QObject(parent), store_(store), document_(std::move(document)) {
    timer_.setSingleShot(true);
    timer_.setInterval(delayMs);
    connect(&timer_, &QTimer::timeout, this, &AutosaveController::WriteCopy);
}

AutosaveController::~AutosaveController() {
    store_.Remove();
}

void AutosaveController::DocumentChanged() {
    timer_.start();
}

void AutosaveController::ModifiedChanged(bool modified) {
    modified_ = modified;
    if (modified)
        timer_.start();
    else
        Discard();
}

void AutosaveController::Discard() {
    timer_.stop();
    store_.Remove();
}

void AutosaveController::WriteCopy() {
    if (!modified_)
        return;
    const bool written = store_.Write(document_.showText(), document_.fileName().toStdString(),
                                      QDateTime::currentSecsSinceEpoch());
    Q_EMIT copyWritten(written);
}

} // namespace bw
