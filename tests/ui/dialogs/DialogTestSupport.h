#pragma once

#include "DataLines.h"
#include "LayoutFaults.h"
#include "ScriptedPrompts.h"
#include "TestRegistry.h"
#include "WhenModal.h"
#include "dialogs/ShowEditorHost.h"
#include "listtext/Error.h"
#include "model/Show.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <stdexcept>

namespace bw::test {

// The main window as the dialogs see it: a show, a start folder, scripted prompts, and the
// refreshes the dialogs ask for, in order.
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
template <class Control = QPushButton> Control* Child(const QWidget& parent, const QString& name) {
    if (auto* control = parent.findChild<Control*>(name))
        return control;
    throw std::runtime_error("no control " + name.toStdString());
}

// How a shown dialog differs from tests/data/dialogs/<name>.txt: its title, its Tab order (the
// shown controls, wrapping around), then a control a line with the text it shows, a label's
// buddy after " -> ", " (default)" after the default button, " (bold)" after bold text, a list's
// column titles joined by '|'. Every dialog also has a fixed size and nothing in it cut off or
// overlapping.
inline QStringList FormFaults(const QWidget& dialog, const std::string& name) {
    QStringList lines = DataLines("dialogs/" + QString::fromStdString(name) + ".txt");
    QStringList faults = LayoutFaults(dialog);
    if (dialog.minimumSize() != dialog.maximumSize())
        faults << "the size can change";
    if (const QString title = lines.takeFirst(); dialog.windowTitle() != title)
        faults << "title " + dialog.windowTitle();
    const QStringList order = lines.takeFirst().split(' ');
    QStringList chain;
    const QWidget* control = Child<QWidget>(dialog, order[0]);
    for (int step = 0; chain.size() < order.size() && step < 1000; ++step) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(&dialog))
            chain << control->objectName();
        control = control->nextInFocusChain();
    }
    if (chain != order)
        faults << "Tab order " + chain.join(' ');
    for (const QString& line : lines) {
        control = Child<QWidget>(dialog, line.section(' ', 0, 0));
        QString text =
            control->property(control->inherits("QGroupBox") ? "title" : "text").toString();
        if (const auto* label = qobject_cast<const QLabel*>(control); label && label->buddy())
            text += " -> " + label->buddy()->objectName();
        if (const auto* button = qobject_cast<const QPushButton*>(control);
            button && button->isDefault())
            text += " (default)";
        if (control->font().bold())
            text += " (bold)";
        if (const auto* list = qobject_cast<const QTreeWidget*>(control)) // two columns
            text += list->headerItem()->text(0) + '|' + list->headerItem()->text(1);
        if (line.section(' ', 1) != text)
            faults << line.section(' ', 0, 0) + " shows " + text;
    }
    return faults;
}

inline TriggeredSequencesPtr Entry(int network, int unit, int input, const std::string& name,
                                   const std::vector<std::string>& files) {
    return TriggeredSequencesFunctions::NewTriggeredSequences(
        TriggerFunctions::NewTrigger(network, unit, input, name), files);
}

} // namespace bw::test
