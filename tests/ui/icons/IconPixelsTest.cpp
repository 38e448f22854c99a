// The program's icons draw the same pixels as Qt's own SVG icons made from the same files, at
// every size and in every mode, on plain and doubled screens.
#include "dialogs/EditorIcons.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace bw::test {

namespace {

QIcon QtSvgIcon(const QString& key) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(key));
}

// The icon painted into a place of the given size on a screen of the given scale.
QImage Painted(const QIcon& icon, const QSize& size, qreal ratio, QIcon::Mode mode) {
    QImage canvas(size * ratio, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    icon.paint(&painter, QRect(QPoint(0, 0), size), Qt::AlignCenter, mode);
    return canvas;
}

} // namespace

class IconPixelsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void SameAsQtSvgIcons_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QSize>("size");
        const QStringList keys = EditorIcons::Keys() << QStringLiteral("BWShow");
        // The toolbar's and the list buttons' sizes, the window icon's, and a place wider than
        // tall, where the drawing keeps its proportions.
        for (const QSize& size :
             {QSize(20, 20), QSize(32, 32), QSize(16, 16), QSize(128, 128), QSize(40, 22)}) {
            for (const QString& key : keys)
                QTest::addRow("%s %dx%d", qPrintable(key), size.width(), size.height())
                    << key << size;
        }
    }

    void SameAsQtSvgIcons() {
        QFETCH(QString, key);
        QFETCH(QSize, size);
        // A copy of the icon, drawn by its own engine.
        QIcon ours = EditorIcons::Icon(key);
        ours.detach();
        const QIcon qts = QtSvgIcon(key);
        QVERIFY(!qts.isNull() && !ours.isNull());
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
            for (QIcon::State state : {QIcon::Off, QIcon::On}) {
                const QImage expected = qts.pixmap(size, 1.0, mode, state).toImage();
                QVERIFY(!expected.isNull());
                QCOMPARE(ours.pixmap(size, 1.0, mode, state).toImage(), expected);
                QCOMPARE(ours.actualSize(size, mode, state), qts.actualSize(size, mode, state));
            }
            for (qreal ratio : {1.0, 2.0, 1.5})
                QCOMPARE(Painted(ours, size, ratio, mode), Painted(qts, size, ratio, mode));
            QCOMPARE(ours.pixmap(size, 2.0, mode).toImage(), qts.pixmap(size, 2.0, mode).toImage());
        }
    }
};

} // namespace bw::test

QTEST_MAIN(bw::test::IconPixelsTest)
#include "IconPixelsTest.moc"
