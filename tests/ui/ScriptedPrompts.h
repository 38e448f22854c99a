#pragma once

#include "widgets/UserPrompts.h"

#include <QQueue>
#include <QStringList>
#include <QTest>

#include <optional>

namespace bw::test {

// Stands in for the message boxes and file dialogs, answering from queues and recording each
// prompt. A question or file dialog with no answer queued fails the test and is answered No/Cancel.
class ScriptedPrompts : public UserPrompts {
public:
    using Prompt = QPair<bool, QString>; // whether it is a file dialog, and what it says

    QQueue<bool> questionAnswers;
    QQueue<std::optional<QStringList>> openAnswers;
    QQueue<std::optional<QString>> saveAnswers;
    QList<Prompt> prompts;

    void Message(QWidget*, const QString& text, const QString& title, Icon icon) override {
        prompts.append({false, title + ": " + text + (icon == Icon::Exclamation ? " (!)" : "")});
    }
    bool Question(QWidget*, const QString& text, const QString& title) override {
        prompts.append({false, title + ": " + text});
        return Next(questionAnswers);
    }
    std::optional<QStringList> OpenFiles(QWidget*, const FileDialogRequest& request) override {
        return Record(request), Next(openAnswers);
    }
    std::optional<QString> SaveFile(QWidget*, const FileDialogRequest& request) override {
        return Record(request), Next(saveAnswers);
    }

    // The message boxes and questions as "title: text", with " (!)" for the exclamation icon.
    QStringList Said() const { return Texts(false); }
    // The file dialogs' requests as "title|filter|index|start folder|offered name|multiple".
    QStringList Dialogs() const { return Texts(true); }

private:
    void Record(const FileDialogRequest& r) {
        const QStringList parts{r.title,       r.filter,   QString::number(r.filterIndex),
                                r.startFolder, r.fileName, r.multiple ? "multiple" : "one"};
        prompts.append({true, parts.join('|')});
    }
    QStringList Texts(bool fileDialogs) const {
        QStringList texts;
        for (const Prompt& prompt : prompts)
            if (prompt.first == fileDialogs)
                texts << prompt.second;
        return texts;
    }
    // No, or Cancel (an empty answer), when nothing is queued.
    template <class Answer> Answer Next(QQueue<Answer>& answers) {
        if (!answers.isEmpty())
            return answers.dequeue();
        QTest::qFail(qPrintable("unscripted prompt " + prompts.last().second), __FILE__, __LINE__);
        return Answer{};
    }
};

} // namespace bw::test
