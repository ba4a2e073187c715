// The yardstick for start-up: the least a Qt Widgets program does to show a
// window, built with the same compiler, flags and libraries as the program.
// tools/startup-probe times it against the birth form.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Zodiora"));
    window.show();
    return QApplication::exec();
}
