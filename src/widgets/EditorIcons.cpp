#include "widgets/EditorIcons.h"

#include "widgets/SvgIconEngine.h"

#include <QFile>

namespace bw::EditorIcons {

QStringList Keys() {
    return {QStringLiteral("New"),       QStringLiteral("Open"),    QStringLiteral("Save"),
            QStringLiteral("Rectangle"), QStringLiteral("Help"),    QStringLiteral("HelpLarge"),
            QStringLiteral("Quit"),      QStringLiteral("Options"), QStringLiteral("Add"),
            QStringLiteral("Remove"),    QStringLiteral("Up"),      QStringLiteral("Down")};
}

QIcon Icon(const QString& key) {
    const QString path = QStringLiteral(":/icons/%1.svg").arg(key);
    if (!QFile::exists(path))
        return {};
    return QIcon(new SvgIconEngine(path));
}

} // namespace bw::EditorIcons
