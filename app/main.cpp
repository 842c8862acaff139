#include "app/UFrmMain.h"
#include "app/UStartup.h"
#include "app/UStartupWindows.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    InitApplication(app);
    TFrmMain main;
    main.show();
    TStartupWindows::Schedule(&main);
    return app.exec();
}
