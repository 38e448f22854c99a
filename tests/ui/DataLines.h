#pragma once

#include <QFile>
#include <QStringList>

#include <stdexcept>

namespace bw::test {

// The lines of a file under tests/data ("dialogs/chooser.txt"), but for blank ones and those
// starting with '#'. A missing file or one without cases fails the test.
inline QStringList DataLines(const QString& name) {
    QFile file(QStringLiteral(BWSHOW_TEST_DATA "/") + name);
    QStringList lines;
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        for (const QString& line :
             QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts))
            if (!line.startsWith('#'))
                lines << line;
    if (lines.isEmpty())
        throw std::runtime_error("no cases in " + name.toStdString());
    return lines;
}

// The whole text of a file under tests/data; a missing file fails the test.
inline QString DataText(const QString& name) {
    QFile file(QStringLiteral(BWSHOW_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("no data file " + name.toStdString());
    return QString::fromUtf8(file.readAll());
}

} // namespace bw::test
