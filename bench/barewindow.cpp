// The yardstick for the start-up benchmark: the least a Qt Widgets program
// can do to show a window like the page's. One fixed 327 x 440 window with
// the page's title, the platform's default palette and nothing inside it.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Velmo NewsPaper"));
    window.setFixedSize(327, 440);
    window.show();
    return application.exec();
}
