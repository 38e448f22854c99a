#pragma once

#include "DataLines.h"
#include "LayoutFaults.h"
#include "ScriptedPrompts.h"
#include "TestRegistry.h"
#include "WhenModal.h"
#include "editor/frmShow.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"

#include <QAction>
#include <QFile>
#include <QListView>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolBar>

#include <memory>
#include <stdexcept>
#include <string>

namespace bw::test {

// Puts files into the section that tab 1 to 6 edits, or on the Interactive tab groups of these
// names (lights off in "a" only).
inline void FillShow(const Show& show, int tab, const std::vector<std::string>& names) {
    const PlaylistPtr sections[] = {show.Background(), show.Startup(), show.Main(),
                                    show.Musical(),    nullptr,        show.Shutdown()};
    for (const std::string& name : names) {
        if (tab != frmShow::InteractiveTab) {
            sections[tab - 1]->List().push_back(name);
            continue;
        }
        auto group = std::make_shared<InteractiveGroup>();
        group->SetName(name);
        group->SetLightsOffAtEnd(name == "a");
        show.InteractiveGroups()->push_back(group);
    }
}

// The main window with scripted prompts and a record of the help topics it asked for.
class Editor {
public:
    ScriptedPrompts prompts;
    QList<int> helpTopics;
    std::unique_ptr<frmShow> window;
    Show& show() const { return *window->MyShow(); }

    explicit Editor(const QString& defaultPath = QStringLiteral("/home/user/Sequences/"),
                    std::optional<RecentShows::Place> recentShows = std::nullopt) {
        window = std::make_unique<frmShow>(
            prompts, frmShowEnvironment{defaultPath,
                                        [this](QWidget* owner, int topic) {
                                            helpTopics << (owner == window.get() ? topic : -1);
                                        },
                                        std::move(recentShows)});
    }
    // A named control of the window; a missing one fails the test.
    template <class Control = QPushButton> Control* Get(const char* objectName) const {
        auto* control = window->findChild<Control*>(QString::fromLatin1(objectName));
        if (control == nullptr)
            throw std::runtime_error(std::string("no control ") + objectName);
        return control;
    }
    QAction* Button(const QString& key) const { return Get<QAction>(qPrintable(key)); }
    void Click(const QString& key) const { Button(key)->trigger(); }
    void SelectTab(int tab) const { Get<QTabBar>("tsMain")->setCurrentIndex(tab - 1); }
    // Selects the tab, fills its section (FillShow) and sets the tab up.
    void Fill(int tab, const std::vector<std::string>& names = {}) const {
        SelectTab(tab);
        FillShow(show(), tab, names);
        window->ShowCurrentTab();
    }
    QListView* List() const { return Get<QListView>("lbSequences"); }
    void Select(int row) const { List()->setCurrentIndex(List()->model()->index(row, 0)); }
    QStringList Entries() const {
        QStringList entries;
        for (int row = 0; row < List()->model()->rowCount(); ++row)
            entries << List()->model()->index(row, 0).data().toString();
        return entries;
    }
    // The selected list position, -1 for none.
    int Selected() const {
        const auto rows = List()->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    void ShowWindow() const {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void Open(const QString& path) {
        prompts.openAnswers.enqueue(QStringList{path});
        Click(QStringLiteral("Open"));
    }
};

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline bool WriteShowFile(const QString& path, const Show& show) {
    return File::WriteWholeFile(path.toStdString(), ShowFunctions::ShowToText(show)) == 0;
}

} // namespace bw::test
