#include "gui/MainWindow.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    pafdm::MainWindow window(QDir::currentPath());
    window.show();
    return app.exec();
}
