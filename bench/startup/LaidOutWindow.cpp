// The floor of the start-up benchmark for a window with text: one push button in a layout. Its
// size is known only once its caption is measured, so the font configuration is read and a font
// loaded before the window can be mapped, as in any window whose layout depends on its texts.

#include <QApplication>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QPushButton(QStringLiteral("Show")));
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
