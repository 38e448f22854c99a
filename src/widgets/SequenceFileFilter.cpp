#include "widgets/SequenceFileFilter.h"

#include <QRegularExpression>

#include <algorithm>

namespace bw::SequenceFileFilter {

namespace {

// The name after the last separator; paths written on either system are taken apart alike.
QString FileName(const QString& path) {
    return path.mid(
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/'))) + 1);
}

} // namespace

QStringList Patterns(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList patterns;
    for (qsizetype i = 1; i < parts.size(); i += 2)
        for (const QString& pattern : parts[i].split(QLatin1Char(';'), Qt::SkipEmptyParts))
            if (!patterns.contains(pattern.trimmed()))
                patterns << pattern.trimmed();
    return patterns;
}

Sorted SortByFilter(const QStringList& files, const QString& pipeFilter) {
    QList<QRegularExpression> matchers;
    for (const QString& pattern : Patterns(pipeFilter))
        matchers << QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                                       QRegularExpression::CaseInsensitiveOption);
    Sorted sorted;
    for (const QString& file : files) {
        const QString name = FileName(file);
        const bool matches = std::any_of(matchers.cbegin(), matchers.cend(),
                                         [&](const auto& m) { return m.match(name).hasMatch(); });
        (matches ? sorted.taken : sorted.refused) << file;
    }
    return sorted;
}

QString RefusedMessage(const QStringList& refused, const QString& pipeFilter) {
    QStringList names;
    for (const QString& file : refused)
        names << FileName(file);
    return QStringLiteral("Only %1 files can be added here. These files were not added:\n\n%2")
        .arg(Patterns(pipeFilter).join(QStringLiteral(", ")), names.join(QLatin1Char('\n')));
}

} // namespace bw::SequenceFileFilter
