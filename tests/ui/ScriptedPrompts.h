#pragma once

#include "dialogs/UserPrompts.h"

#include <QList>
#include <QQueue>
#include <QStringList>

#include <optional>

namespace bw::test {

// Stands in for the message boxes and file dialogs: answers come from queues the test fills,
// and every prompt is recorded. A prompt with no answer queued counts as unexpected and is
// answered No or Cancel.
class ScriptedPrompts : public UserPrompts {
public:
    enum class Kind { Message, Question, OpenFiles, SaveFile };
    struct Prompt {
        Kind kind;
        QString text, title;
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
        return Next(questionAnswers, false);
    }
    std::optional<QStringList> OpenFiles(QWidget*, const FileDialogRequest& request) override {
        prompts.append({Kind::OpenFiles, {}, request.title, Icon::None, request});
        return Next(openAnswers, std::optional<QStringList>());
    }
    std::optional<QString> SaveFile(QWidget*, const FileDialogRequest& request) override {
        prompts.append({Kind::SaveFile, {}, request.title, Icon::None, request});
        return Next(saveAnswers, std::optional<QString>());
    }

    // The prompts of one kind, in the order they came.
    QList<Prompt> Of(Kind kind) const {
        QList<Prompt> found;
        for (const Prompt& p : prompts)
            if (p.kind == kind)
                found << p;
        return found;
    }
    // The message boxes and questions as "title: text", with " (!)" for the exclamation icon.
    QStringList Said() const {
        QStringList said;
        for (const Prompt& p : prompts)
            if (p.kind == Kind::Message || p.kind == Kind::Question)
                said << p.title + ": " + p.text + (p.icon == Icon::Exclamation ? " (!)" : "");
        return said;
    }
    // The file dialogs' requests as "title|filter|index|start folder|offered name|multiple".
    QStringList Dialogs() const {
        QStringList dialogs;
        for (const Prompt& p : prompts)
            if (p.kind == Kind::OpenFiles || p.kind == Kind::SaveFile)
                dialogs << QStringList{p.request.title,
                                       p.request.filter,
                                       QString::number(p.request.filterIndex),
                                       p.request.startFolder,
                                       p.request.fileName,
                                       p.request.multiple ? "multiple" : "one"}
                               .join('|');
        return dialogs;
    }

private:
    template <class Answer> Answer Next(QQueue<Answer>& answers, Answer none) {
        if (answers.isEmpty())
            return ++unexpected, none;
        return answers.dequeue();
    }
};

} // namespace bw::test
