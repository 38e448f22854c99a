// Draws each SVG file named on the command line at each pixel size, as Qt's own SVG icons draw
// them (the drawing scaled into the size, keeping its proportions), into
// <folder>/<name>-<size>.png. Usage: bwshow-icon-renderer <folder> <size,size,...> <file.svg>...

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv) {
    // No display is needed to draw into images.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: bwshow-icon-renderer <folder> <sizes> <file.svg>...\n");
        return 2;
    }
    const QDir folder(arguments.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    QList<int> sizes;
    for (const QString& size : arguments.at(2).split(QLatin1Char(','))) {
        bool ok = false;
        sizes.append(size.toInt(&ok));
        if (!ok || sizes.last() <= 0) {
            std::fprintf(stderr, "not a size: %s\n", qPrintable(size));
            return 2;
        }
    }
    for (qsizetype i = 3; i < arguments.size(); ++i) {
        const QString& svg = arguments.at(i);
        const QIcon icon(svg);
        const QString name = QFileInfo(svg).completeBaseName();
        for (const int size : sizes) {
            const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
            const QString png = folder.filePath(QStringLiteral("%1-%2.png").arg(name).arg(size));
            if (image.isNull() || !image.save(png, "PNG")) {
                std::fprintf(stderr, "cannot draw %s at %d into %s\n", qPrintable(svg), size,
                             qPrintable(png));
                return 1;
            }
        }
    }
    return 0;
}
