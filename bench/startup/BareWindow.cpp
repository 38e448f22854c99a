// The baseline of the start-up benchmark: a Qt program that shows one empty window, the least
// any Qt Widgets program does before its window appears.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
