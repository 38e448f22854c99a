#pragma once

#include "model/Show.h"

#include <QString>

namespace bw {

class UserPrompts;

// What the dialogs need from the window that owns the show: the show itself, the folder where
// file dialogs start, the prompts, and the refreshes that follow an edit.
class ShowEditorHost {
public:
    virtual ~ShowEditorHost() = default;

    virtual ShowPtr MyShow() const = 0;
    virtual QString DefaultPath() const = 0;
    virtual UserPrompts& Prompts() const = 0;
    // Marks the show as changed and updates the Save button.
    virtual void SetUnsavedInfo() = 0;
    // Refills the section list with the show's interactive groups.
    virtual void PopulateListboxWithInteractive() = 0;
};

} // namespace bw
