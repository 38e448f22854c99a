#include "editor/TitleWithVersion.h"

#include <QStringList>

namespace bw {

ProgramVersion OwnVersion() {
    // The build hands the project version down as "major.minor.revision"; missing parts are 0.
    const QStringList parts = QStringLiteral(BWSHOW_VERSION).split(QLatin1Char('.'));
    const auto part = [&parts](qsizetype index) {
        return index < parts.size() ? parts[index].toInt() : 0;
    };
    return {part(0), part(1), part(2)};
}

QString TitleWithVersion(const QString& text, const ProgramVersion& version) {
    return text + QStringLiteral(" v") + QString::number(version.major) + QLatin1Char('.') +
           QString::number(version.minor) + QLatin1Char('.') + QString::number(version.revision);
}

QString TitleWithVersion(const QString& text) {
    return TitleWithVersion(text, OwnVersion());
}

} // namespace bw
