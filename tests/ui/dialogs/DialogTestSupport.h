#pragma once

#include "WhenModal.h"

#include "ScriptedPrompts.h"
#include "dialogs/ShowEditorHost.h"
#include "listtext/Error.h"
#include "model/Show.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace bw::test {

// The main window as the dialogs see it: a show, a start folder, scripted prompts, and a record
// of the refreshes the dialogs ask for, in order.
class FakeHost : public ShowEditorHost {
public:
    ShowPtr show = std::make_shared<Show>();
    QString defaultPath = QStringLiteral("D:\\Seq\\");
    mutable ScriptedPrompts prompts;
    QStringList calls;
    // Makes SetUnsavedInfo fail with this error number when it is not 0.
    int failSetUnsavedInfo = 0;

    ShowPtr MyShow() const override { return show; }
    QString DefaultPath() const override { return defaultPath; }
    UserPrompts& Prompts() const override { return prompts; }
    void SetUnsavedInfo() override {
        if (failSetUnsavedInfo != 0)
            throw Error(failSetUnsavedInfo, {}, "Overflow");
        calls << QStringLiteral("SetUnsavedInfo");
    }
    void PopulateListboxWithInteractive() override {
        calls << QStringLiteral("PopulateListboxWithInteractive");
    }
};

// A named control of a dialog; a missing one fails the test.
template <class Control> Control* Child(const QWidget& parent, const char* objectName) {
    auto* control = parent.findChild<Control*>(QString::fromLatin1(objectName));
    if (control == nullptr)
        throw std::runtime_error(std::string("no control ") + objectName);
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

struct TriggerValues {
    int network;
    int unitId;
    int inputNumber;
    std::string name;
};

inline TriggeredSequencesPtr Entry(const TriggerValues& trigger,
                                   const std::vector<std::string>& files) {
    return TriggeredSequencesFunctions::NewTriggeredSequences(
        TriggerFunctions::NewTrigger(trigger.network, trigger.unitId, trigger.inputNumber,
                                     trigger.name),
        files);
}

} // namespace bw::test

Q_DECLARE_METATYPE(bw::test::TriggerValues)
Q_DECLARE_METATYPE(std::vector<bw::test::TriggerValues>)
