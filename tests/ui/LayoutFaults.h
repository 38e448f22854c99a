#pragma once

#include <QStringList>
#include <QWidget>

namespace bw::test {

// The named controls that a person cannot see whole: cut off by their parent, or overlapping a
// sibling. Hidden controls and Qt's own parts are left out. The forms let neighbours share an edge
// of up to 60 twips (the toolbar over the tab strip), so only a deeper overlap counts.
inline QStringList LayoutFaults(const QWidget& window) {
    const auto shown = [&window](const QWidget* control) {
        return control->isVisibleTo(&window) && !control->objectName().isEmpty() &&
               !control->objectName().startsWith(QLatin1String("qt_"));
    };
    QStringList faults;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!shown(control))
            continue;
        const QWidget* parent = control->parentWidget();
        if (!parent->rect().contains(control->geometry()))
            faults << control->objectName() + QStringLiteral(" is cut off");
        const auto siblings = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (qsizetype i = siblings.indexOf(control) + 1; i < siblings.size(); ++i)
            if (const QRect common = siblings[i]->geometry() & control->geometry();
                shown(siblings[i]) && common.width() > 4 && common.height() > 4)
                faults << control->objectName() + QStringLiteral(" overlaps ") +
                              siblings[i]->objectName();
    }
    return faults;
}

} // namespace bw::test
