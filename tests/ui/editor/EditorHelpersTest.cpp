#include "EditorHelpersTest.h"

#include "EditorTestSupport.h"
#include "dialogs/LibErr.h"
#include "dialogs/LibListView.h"
#include "editor/EditorIcons.h"
#include "editor/WrapCheckBox.h"
#include "listtext/Error.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace bw::test {

void EditorHelpersTest::AutoSizeColumns_FitsHeaderAndEntries() {
    LibListView::AutoSizeColumns(nullptr);

    // Column 0 is wider in its header, column 1 in an entry.
    QTreeWidget tree;
    tree.setColumnCount(2);
    tree.setHeaderLabels(
        {QStringLiteral("A long header text for a short column"), QStringLiteral("B")});
    new QTreeWidget(&tree);
    auto* item = new QTreeWidgetItem(&tree);
    item->setText(0, QStringLiteral("x"));
    item->setText(1, QStringLiteral("An entry that is much wider than its header"));
    tree.setColumnWidth(0, 5);
    tree.setColumnWidth(1, 5);
    tree.header()->setStretchLastSection(false);

    LibListView::AutoSizeColumns(&tree);
    const QFontMetrics metrics(tree.font());
    QVERIFY(tree.columnWidth(0) >= metrics.horizontalAdvance(tree.headerItem()->text(0)));
    QVERIFY(tree.columnWidth(1) >= metrics.horizontalAdvance(item->text(1)));
    QVERIFY(tree.columnWidth(1) > tree.columnWidth(0));

    QTableWidget table(1, 2);
    table.setHorizontalHeaderLabels(
        {QStringLiteral("A long header text for a short column"), QStringLiteral("B")});
    table.setItem(
        0, 1, new QTableWidgetItem(QStringLiteral("An entry that is much wider than its header")));
    table.setColumnWidth(0, 5);
    table.setColumnWidth(1, 5);
    LibListView::AutoSizeColumns(&table);
    QVERIFY(table.columnWidth(0) >=
            metrics.horizontalAdvance(table.horizontalHeaderItem(0)->text()));
    QVERIFY(table.columnWidth(1) >= metrics.horizontalAdvance(table.item(0, 1)->text()));
}

void EditorHelpersTest::ShowErrorMessage_DescriptionWithExclamation() {
    ScriptedPrompts prompts;
    LibErr::ShowErrorMessage(prompts, nullptr, QStringLiteral("Cannot Set Show Options"),
                             Error(6, QStringLiteral("Somewhere").toStdString(), "Overflow"));
    LibErr::ShowErrorMessage(prompts, nullptr, QStringLiteral("Error Saving Show Options"),
                             QStringLiteral("Type mismatch"));
    QCOMPARE(prompts.prompts.size(), 2);
    QCOMPARE(prompts.prompts[0].kind, ScriptedPrompts::Kind::Message);
    QCOMPARE(prompts.prompts[0].text, QStringLiteral("Overflow"));
    QCOMPARE(prompts.prompts[0].title, QStringLiteral("Cannot Set Show Options"));
    QCOMPARE(prompts.prompts[0].icon, UserPrompts::Icon::Exclamation);
    QCOMPARE(prompts.prompts[1].text, QStringLiteral("Type mismatch"));
    QCOMPARE(prompts.prompts[1].title, QStringLiteral("Error Saving Show Options"));
    QCOMPARE(prompts.prompts[1].icon, UserPrompts::Icon::Exclamation);
}

void EditorHelpersTest::Icons_EveryKeyRenders_data() {
    QTest::addColumn<QString>("key");
    for (const QString& key : EditorIcons::Keys())
        QTest::newRow(key.toLatin1().constData()) << key;
}

void EditorHelpersTest::Icons_EveryKeyRenders() {
    QFETCH(QString, key);
    QCOMPARE(EditorIcons::Keys().size(), 12);
    const QIcon icon = EditorIcons::Icon(key);
    QVERIFY(!icon.isNull());
    // The scalable icons need the SVG support at run time; without it the pixmaps are empty.
    for (int size : {20, 32, 64}) {
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        int painted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        QVERIFY2(painted > size * size / 8, qPrintable(key));
    }
    QVERIFY(EditorIcons::Icon(QStringLiteral("NoSuchIcon")).isNull());
}

void EditorHelpersTest::Toolbar_SevenCaptionedButtonsByKey() {
    Editor editor;
    auto* toolbar = editor.Get<QToolBar>("Toolbar1");
    QCOMPARE(toolbar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    struct Expected {
        const char* key;
        const char* caption;
        const char* toolTip;
    };
    const Expected expected[] = {
        {"New", "New", "Create a new show"},
        {"Open", "Open", "Open a show file"},
        {"Options", "Options", "Configure show options"},
        {"Save", "Save", "Save this show"},
        {"SaveAs", "Save As", "Save this this show to a new file"},
        {"Help", "Help", "Launch the Help Menu"},
        {"Exit", "Exit", "Close the Show Editor"},
    };
    const auto actions = toolbar->actions();
    QCOMPARE(actions.size(), 7);
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(actions[i]->data().toString(), QString::fromLatin1(expected[i].key));
        QCOMPARE(actions[i]->text(), QString::fromLatin1(expected[i].caption));
        QVERIFY(actions[i]->toolTip().startsWith(QString::fromLatin1(expected[i].toolTip)));
        QVERIFY(!actions[i]->icon().isNull());
        auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(actions[i]));
        QVERIFY(button);
        QVERIFY(button->geometry().bottom() < toolbar->height());
    }
}

void EditorHelpersTest::WrapCheckBox_SecondLineTakesClicks() {
    QWidget window;
    auto* box = new WrapCheckBox(
        QStringLiteral("Songs can be repeated before all have been played"), &window);
    box->setGeometry(0, 0, 120, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(100, 36));
    QVERIFY(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(60, 4));
    QVERIFY(!box->isChecked());
}

} // namespace bw::test
