#pragma once

#include "LayoutFaults.h"
#include "ScriptedPrompts.h"
#include "TestRegistry.h"
#include "WhenModal.h"
#include "dialogs/ShowEditorHost.h"
#include "listtext/Error.h"
#include "model/Show.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"
#include "showfile/ShowFunctions.h"

#include <QPushButton>
#include <QTest>

#include <stdexcept>
#include <string>

namespace bw::test {

// The main window as the dialogs see it: a show, a start folder, scripted prompts, and a record
// of the refreshes the dialogs ask for, in order.
class FakeHost : public ShowEditorHost {
public:
    ShowPtr show = std::make_shared<Show>();
    QString defaultPath = QStringLiteral("D:\\Seq\\");
    mutable ScriptedPrompts prompts;
    QStringList calls;
    bool failSetUnsavedInfo = false; // with the overflow error

    ShowPtr MyShow() const override { return show; }
    QString DefaultPath() const override { return defaultPath; }
    UserPrompts& Prompts() const override { return prompts; }
    void SetUnsavedInfo() override {
        if (failSetUnsavedInfo)
            throw Error(ErrorNumber::Overflow, {}, "Overflow");
        calls << QStringLiteral("SetUnsavedInfo");
    }
    void PopulateListboxWithInteractive() override {
        calls << QStringLiteral("PopulateListboxWithInteractive");
    }
};

// A named control of a dialog; a missing one fails the test.
template <class Control = QPushButton> Control* Child(const QWidget& parent, const char* name) {
    auto* control = parent.findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr)
        throw std::runtime_error(std::string("no control ") + name);
    return control;
}

// The object names of the controls that Tab visits, starting at the named one, as many as asked.
inline QStringList TabChain(const QWidget& dialog, const char* first, qsizetype count) {
    QStringList chain;
    QWidget* control = Child<QWidget>(dialog, first);
    for (int step = 0; chain.size() < count && step < 1000; ++step) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(&dialog))
            chain << control->objectName();
        control = control->nextInFocusChain();
    }
    return chain;
}

inline TriggeredSequencesPtr Entry(int network, int unit, int input, const std::string& name,
                                   const std::vector<std::string>& files) {
    return TriggeredSequencesFunctions::NewTriggeredSequences(
        TriggerFunctions::NewTrigger(network, unit, input, name), files);
}

inline std::vector<std::string> Strings(const QStringList& list) {
    std::vector<std::string> result;
    for (const QString& text : list)
        result.push_back(text.toStdString());
    return result;
}

// A deep copy of the show, to tell afterwards whether anything in it changed.
inline Show Snapshot(const Show& show) {
    return *ShowFunctions::ShowFromText(ShowFunctions::ShowToText(show));
}

} // namespace bw::test
