#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::fputs("usage: squadwright-cli [--folder DIR] check|roster [--json]\n", stderr);
    return 2;
}
