#pragma once

#include "WhenModal.h"

#include "ScriptedPrompts.h"
#include "editor/frmShow.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace bw::test {

// The main window with scripted prompts and a record of the help pages it asked for.
class Editor {
public:
    struct HelpCall {
        QWidget* owner;
        int topic;
    };

    ScriptedPrompts prompts;
    QList<HelpCall> helpCalls;
    std::unique_ptr<frmShow> window;

    explicit Editor(const QString& defaultPath = QStringLiteral("/home/user/Sequences/")) {
        frmShowEnvironment environment;
        environment.defaultPath = defaultPath;
        environment.showHelpTopic = [this](QWidget* owner, int topic) {
            helpCalls.append({owner, topic});
        };
        window = std::make_unique<frmShow>(prompts, std::move(environment));
    }
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // A named control of the window; a missing one fails the test.
    template <class Control> Control* Get(const char* objectName) const {
        auto* control = window->findChild<Control*>(QString::fromLatin1(objectName));
        if (control == nullptr)
            throw std::runtime_error(std::string("no control ") + objectName);
        return control;
    }

    QAction* Button(const QString& key) const {
        const auto actions = Get<QToolBar>("Toolbar1")->actions();
        for (QAction* action : actions)
            if (action->data().toString() == key)
                return action;
        throw std::runtime_error("no toolbar button " + key.toStdString());
    }

    void Click(const QString& key) const { Button(key)->trigger(); }
    bool SaveEnabled() const { return Button(QStringLiteral("Save"))->isEnabled(); }

    void SelectTab(int index) const { Get<QTabBar>("tsMain")->setCurrentIndex(index - 1); }

    QListWidget* List() const { return Get<QListWidget>("lbSequences"); }

    QStringList Entries() const {
        QStringList entries;
        for (int row = 0; row < List()->count(); ++row)
            entries << List()->item(row)->text();
        return entries;
    }

    // The list position that is selected, -1 for none.
    int Selected() const {
        const auto rows = List()->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }

    void Select(int row) const { List()->setCurrentRow(row); }

    // Gives the show a name through Save As, then an unsaved edit: a state in which every part
    // (show, name, unsaved changes, Save button) can be seen to stay after a refused command.
    void MakeNamedChangedShow(const QString& path) {
        prompts.saveAnswers.enqueue(path);
        Click(QStringLiteral("SaveAs"));
        QVERIFY(!window->HasUnsavedChanges());
        window->AddSequenceToPlaylist("/seq/Intro.kas");
        QVERIFY(window->HasUnsavedChanges());
        prompts.prompts.clear();
    }

    // Opens the file through the toolbar's Open command.
    void Open(const QString& path) {
        prompts.openAnswers.enqueue(QStringList{path});
        Click(QStringLiteral("Open"));
    }
};

// The bytes of a file, to tell that a refused command left it untouched.
inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Writes the show's file as Save does; false when the write fails.
inline bool WriteShowFile(const QString& path, const Show& show) {
    return File::WriteWholeFile(path.toStdString(), ShowFunctions::ShowToText(show)) == 0;
}

inline std::vector<std::string> Strings(const QStringList& list) {
    std::vector<std::string> result;
    for (const QString& text : list)
        result.push_back(text.toStdString());
    return result;
}

} // namespace bw::test
