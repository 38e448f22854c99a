#pragma once

#include "dialogs/UserPrompts.h"

#include <QList>
#include <QQueue>

#include <optional>

namespace bw::test {

// Stands in for the message boxes and file dialogs: answers come from queues the test fills,
// and every prompt is recorded so the test can check texts, titles, icons and dialog requests.
// A prompt with no answer queued counts as unexpected and is answered No or Cancel.
class ScriptedPrompts : public UserPrompts {
public:
    enum class Kind { Message, Question, OpenFiles, SaveFile };

    struct Prompt {
        Kind kind;
        QString text;
        QString title;
        Icon icon = Icon::None;
        FileDialogRequest request;
    };

    QQueue<bool> questionAnswers;
    QQueue<std::optional<QStringList>> openAnswers;
    QQueue<std::optional<QString>> saveAnswers;

    QList<Prompt> prompts;
    int unexpected = 0;

    void Message(QWidget*, const QString& text, const QString& title, Icon icon) override {
        prompts.append({Kind::Message, text, title, icon, {}});
    }

    bool Question(QWidget*, const QString& text, const QString& title) override {
        prompts.append({Kind::Question, text, title, Icon::None, {}});
        if (questionAnswers.isEmpty()) {
            ++unexpected;
            return false;
        }
        return questionAnswers.dequeue();
    }

    std::optional<QStringList> OpenFiles(QWidget*, const FileDialogRequest& request) override {
        prompts.append({Kind::OpenFiles, {}, request.title, Icon::None, request});
        if (openAnswers.isEmpty()) {
            ++unexpected;
            return std::nullopt;
        }
        return openAnswers.dequeue();
    }

    std::optional<QString> SaveFile(QWidget*, const FileDialogRequest& request) override {
        prompts.append({Kind::SaveFile, {}, request.title, Icon::None, request});
        if (saveAnswers.isEmpty()) {
            ++unexpected;
            return std::nullopt;
        }
        return saveAnswers.dequeue();
    }

    // The prompts of one kind, in the order they came.
    QList<Prompt> Of(Kind kind) const {
        QList<Prompt> result;
        for (const Prompt& prompt : prompts)
            if (prompt.kind == kind)
                result.append(prompt);
        return result;
    }
};

} // namespace bw::test
