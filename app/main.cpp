#include "instancemarker.h"
#include "mainwindow.h"
#include "qsingleapplication.h"

int main(int argc, char* argv[])
{
    QSingleApplication app(argc, argv);
    auto* window = new MainWindow;
    app.installEventFilter(window);
    InstanceMarker::create();
    window->show();
    if (argc > 1)
        window->openArgument(argv[1]);
    const int result = app.exec();
    delete window;
    return result;
}
