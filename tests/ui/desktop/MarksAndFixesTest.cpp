#include "DesktopTestSupport.h"
#include "WhenModal.h"
#include "dialogs/QtUserPrompts.h"
#include "dialogs/Twips.h"
#include "dialogs/frmInteractiveGroupEditor.h"
#include "editor/SequenceFileMarks.h"
#include "editor/UpDown.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QToolButton>

namespace bw::test {

class MarksAndFixesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Names are resolved against the sequence folder; a missing file is marked and so named in
    // the tooltip, and files are looked at again when the tab is set up or the window active.
    void MissingFileMarks() {
        QTemporaryDir temporary;
        const QString folder = temporary.path() + QLatin1Char('/');
        const QString here = folder + QStringLiteral("here.kas");
        QVERIFY(QFile(here).open(QIODevice::WriteOnly));
        Window w(folder);
        w.Fill(frmShow::BackgroundTab, {"here.kas", "gone.kas", here.toStdString()});
        SequenceFileMarks& marks = w.window->FileMarks();
        QCOMPARE(marks.ToolTip(0), here);
        QCOMPARE(marks.ToolTip(1), QStringLiteral("File not found: ") + folder + "gone.kas");
        QCOMPARE(marks.ToolTip(2), here);
        auto* list = w.Get<QListWidget>("lbSequences");
        for (int row : {0, 1}) {
            QStyleOptionViewItem option;
            option.initFrom(list);
            marks.initStyleOption(&option, list->model()->index(row, 0));
            QCOMPARE(bool(option.features & QStyleOptionViewItem::HasDecoration), row == 1);
            QCOMPARE(option.icon.isNull(), row == 0);
        }

        QVERIFY(QFile::remove(here));
        QVERIFY(!marks.Missing(0));
        w.window->ShowCurrentTab();
        QVERIFY(marks.Missing(0));
        QVERIFY(QFile(here).open(QIODevice::WriteOnly));
        QEvent activation(QEvent::ActivationChange);
        QApplication::sendEvent(w.window.get(), &activation);
        QVERIFY(!marks.Missing(0));

        w.Fill(frmShow::InteractiveTab, {});
        w.window->MyShow()->InteractiveGroups()->push_back(std::make_shared<InteractiveGroup>());
        w.window->ShowCurrentTab();
        QVERIFY(marks.ToolTip(0).isEmpty());
    }

    void PlainTextBoxes_data() {
        QTest::addColumn<bool>("question");
        QTest::newRow("message") << false;
        QTest::newRow("question") << true;
    }
    void PlainTextBoxes() {
        QFETCH(bool, question);
        QtUserPrompts prompts;
        Qt::TextFormat format = Qt::RichText;
        WhenModal<QMessageBox>([&](QMessageBox& box) { format = box.textFormat(); });
        const QString text = QStringLiteral("Trigger 'Porch <b>left</b>' appears more than once.");
        if (question)
            prompts.Question(nullptr, text, QStringLiteral("T"));
        else
            prompts.Message(nullptr, text, QStringLiteral("T"), UserPrompts::Icon::None);
        QCOMPARE(format, Qt::PlainText);
    }

    void SpinnerAtTheEnd_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("direction");
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Up at 999") << "999" << 1 << false;
        QTest::newRow("Down at 0") << "0" << -1 << false;
        QTest::newRow("Up key at 999") << "999" << 1 << true;
        QTest::newRow("Down key at 0") << "0" << -1 << true;
    }
    void SpinnerAtTheEnd() {
        QFETCH(QString, start);
        QFETCH(int, direction);
        QFETCH(bool, byKey);
        Window w;
        w.window->MyShow()->Musical()->SetDelay(start.toInt());
        w.Fill(frmShow::MusicalTab, {});
        auto* box = w.Get<QLineEdit>("txtDelay");
        QCOMPARE(box->text(), start);
        auto* spinner = w.Get<UpDown>("UpDown1");
        if (byKey)
            QTest::keyClick(box, direction > 0 ? Qt::Key_Up : Qt::Key_Down);
        else
            (direction > 0 ? spinner->UpButton() : spinner->DownButton())->click();
        QCOMPARE(box->text(), start);
        QVERIFY(!w.window->HasUnsavedChanges());
    }

    void NameLabelFits_data() {
        QTest::addColumn<bool>("independent");
        QTest::addColumn<bool>("interruptible");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Jukebox") << false << false << "Jukebox Name";
        QTest::newRow("Soundboard") << false << true << "Soundboard Name";
        QTest::newRow("Magic Toy") << true << true << "Magic Toy Name";
        QTest::newRow("none of them") << true << false << "Interactive Group Name";
    }
    void NameLabelFits() {
        QFETCH(bool, independent);
        QFETCH(bool, interruptible);
        QFETCH(QString, caption);
        Host host;
        frmInteractiveGroupEditor editor(host);
        auto group = std::make_shared<InteractiveGroup>();
        group->SetIndependent(independent);
        group->SetInterruptible(interruptible);
        editor.SetIG(group);
        editor.show();
        auto* label = editor.findChild<QLabel*>(QStringLiteral("lblName"));
        auto* box = editor.findChild<QLineEdit*>(QStringLiteral("txtName"));
        QCOMPARE(label->text().remove(QLatin1Char('&')), caption);
        QVERIFY(label->width() >= QFontMetrics(label->font()).horizontalAdvance(caption));
        QVERIFY(label->geometry().right() < box->x());
        QCOMPARE(box->geometry().right(), TwipRect(2160, 135, 5415, 315).right());
    }
};

int RunMarksAndFixesTest(int argc, char** argv) {
    MarksAndFixesTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace bw::test

#include "MarksAndFixesTest.moc"
