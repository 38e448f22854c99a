#include "session/DocumentAutosave.h"

#include "document/ShowDocument.h"
#include "showfile/ShowFunctions.h"

namespace bw {

std::unique_ptr<AutosaveController> AutosaveDocument(RecoveryStore& store, ShowDocument& document) {
    AutosaveController::Document source{
        [&document] { return ShowFunctions::ShowToText(*document.MyShow()); },
        [&document] { return document.FileName(); }};
    auto autosave = std::make_unique<AutosaveController>(store, std::move(source));
    AutosaveController* controller = autosave.get();
    QObject::connect(&document, &ShowDocument::changed, controller,
                     &AutosaveController::DocumentChanged);
    QObject::connect(&document, &ShowDocument::modifiedChanged, controller,
                     &AutosaveController::ModifiedChanged);
    if (document.IsModified())
        controller->ModifiedChanged(true);
    return autosave;
}

} // namespace bw
