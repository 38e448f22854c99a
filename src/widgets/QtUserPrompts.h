#pragma once

#include "widgets/UserPrompts.h"

namespace bw {

// The prompts as the person sees them: QMessageBox and QFileDialog.
class QtUserPrompts : public UserPrompts {
public:
    void Message(QWidget* parent, const QString& text, const QString& title, Icon icon) override;
    bool Question(QWidget* parent, const QString& text, const QString& title) override;
    std::optional<QStringList> OpenFiles(QWidget* parent,
                                         const FileDialogRequest& request) override;
    std::optional<QString> SaveFile(QWidget* parent, const FileDialogRequest& request) override;
    bool ConfirmReplace(QWidget* parent, const QString& path, const QString& title) override;

    // "Shows|*.kss|All Files|*.*" becomes {"Shows (*.kss)", "All Files (*.*)"}.
    static QStringList QtNameFilters(const QString& pipeFilter);
};

} // namespace bw
