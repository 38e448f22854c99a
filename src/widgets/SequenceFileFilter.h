#pragma once

#include <QString>
#include <QStringList>

// Which of a set of files an open dialog's filter would have offered, for files that come in
// another way (dropped from a file manager).
namespace bw::SequenceFileFilter {

// The patterns of a filter in the pipe form ("All Sequences|*.kas;*.kms|Animation Sequences|
// *.kas"), each once, in their first order: "*.kas", "*.kms".
QStringList Patterns(const QString& pipeFilter);

struct Sorted {
    QStringList taken;
    QStringList refused;
};

// The files that match one of the filter's patterns (letter case aside, as on Windows) and the
// others, each in the given order.
Sorted SortByFilter(const QStringList& files, const QString& pipeFilter);

// The message that names the files that were not taken, one a line.
QString RefusedMessage(const QStringList& refused, const QString& pipeFilter);

} // namespace bw::SequenceFileFilter
