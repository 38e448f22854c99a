#include "widgets/MissingFileMark.h"

#include "environment/LibFile.h"
#include "widgets/FormControls.h"

#include <QApplication>
#include <QStyle>

namespace bw::MissingFileMark {

bool IsMissing(const std::string& path) {
    return !path.empty() && !LibFile::FileExists(path);
}

QIcon Icon() {
    return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
}

QString ToolTip(const QString& path, bool missing) {
    return PlainToolTip(missing ? QStringLiteral("File not found: ") + path : path);
}

} // namespace bw::MissingFileMark
