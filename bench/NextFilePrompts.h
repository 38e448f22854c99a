#pragma once

#include "widgets/UserPrompts.h"

#include <QString>
#include <QStringList>

#include <optional>

// The prompts of a benchmark's window: every open dialog answers with the file in `next`, every
// question with Yes, every save dialog is cancelled and messages are dropped.
class NextFilePrompts : public bw::UserPrompts {
public:
    QString next;
    void Message(QWidget*, const QString&, const QString&, Icon) override {}
    bool Question(QWidget*, const QString&, const QString&) override { return true; }
    std::optional<QStringList> OpenFiles(QWidget*, const bw::FileDialogRequest&) override {
        return QStringList{next};
    }
    std::optional<QString> SaveFile(QWidget*, const bw::FileDialogRequest&) override {
        return std::nullopt;
    }
};
