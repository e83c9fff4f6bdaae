// squadwright: the desktop program.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Squadwright"));
    label.show();
    return app.exec();
}
