// The small pieces of the main window: the icon set, the toolbar and the wrapping check box.
#include "EditorTestSupport.h"
#include "editor/EditorIcons.h"
#include "editor/WrapCheckBox.h"

namespace bw::test {

class EditorHelpersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void IconsAndToolbar() {
        QCOMPARE(EditorIcons::Keys().size(), 12);
        for (const QString& key : EditorIcons::Keys()) {
            // The scalable icons need the SVG support at run time; without it they are empty.
            const QImage image = EditorIcons::Icon(key).pixmap(QSize(32, 32)).toImage();
            const auto painted =
                std::count_if(image.constBits(), image.constBits() + image.sizeInBytes(),
                              [](uchar byte) { return byte != 0; });
            QVERIFY2(painted > image.sizeInBytes() / 8, qPrintable(key));
        }
        QVERIFY(EditorIcons::Icon("NoSuchIcon").isNull());

        Editor editor;
        auto* toolbar = editor.Get<QToolBar>("Toolbar1");
        QCOMPARE(toolbar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QStringList buttons;
        for (QAction* action : toolbar->actions()) {
            buttons << action->data().toString() + '|' + action->text() + '|' + action->toolTip();
            QVERIFY(!action->icon().isNull());
            QVERIFY(toolbar->widgetForAction(action)->geometry().bottom() < toolbar->height());
        }
        QCOMPARE(
            buttons,
            (QStringList{"New|New|Create a new show", "Open|Open|Open a show file",
                         "Options|Options|Configure show options", "Save|Save|Save this show",
                         "SaveAs|Save As|Save this this show to a new file",
                         "Help|Help|Launch the Help Menu", "Exit|Exit|Close the Show Editor"}));
    }

    void WrapCheckBox_SecondLineTakesClicks() {
        QWidget window;
        auto* box = new WrapCheckBox("Songs can be repeated before all have been played", &window);
        box->setGeometry(0, 0, 120, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(100, 36));
        QVERIFY(box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(60, 4));
        QVERIFY(!box->isChecked());
    }
};

BWSHOW_REGISTER_TEST(EditorHelpersTest);

} // namespace bw::test

#include "EditorHelpersTest.moc"
