#include "widgets/EditorIcons.h"

#include "widgets/IconDrawing.h"

namespace bw::EditorIcons {

QStringList Keys() {
    return {QStringLiteral("New"),       QStringLiteral("Open"),    QStringLiteral("Save"),
            QStringLiteral("Rectangle"), QStringLiteral("Help"),    QStringLiteral("HelpLarge"),
            QStringLiteral("Quit"),      QStringLiteral("Options"), QStringLiteral("Add"),
            QStringLiteral("Remove"),    QStringLiteral("Up"),      QStringLiteral("Down")};
}

QIcon Icon(const QString& key) {
    QIconEngine* engine = DrawnIconEngine(key);
    if (!engine)
        return {};
    return QIcon(engine);
}

} // namespace bw::EditorIcons
