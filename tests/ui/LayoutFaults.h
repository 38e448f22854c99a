#pragma once

#include <QStringList>
#include <QWidget>

namespace bw::test {

// The named, shown controls (not Qt's own) cut off by their parent or overlapping a sibling by
// more than the 60-twip edge that the toolbar shares with the tab strip.
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
                faults << control->objectName() + " overlaps " + siblings[i]->objectName();
    }
    return faults;
}

} // namespace bw::test
