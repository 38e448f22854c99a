#pragma once

#include "session/AutosaveController.h"

#include <memory>

namespace bw {

class RecoveryStore;
class ShowDocument;

// An autosave that follows the document: its edits, undo and redo restart the wait, and its
// unsaved-changes flag decides whether there is a copy at all. A document that already has unsaved
// changes (a recovered show) has them kept again at once.
std::unique_ptr<AutosaveController> AutosaveDocument(RecoveryStore& store, ShowDocument& document);

} // namespace bw
