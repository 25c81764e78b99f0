// The yardstick for start-up: the least a Qt Widgets program does to map a window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(660, 493);
    window.show();
    return QApplication::exec();
}
