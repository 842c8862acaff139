#include "app/UFrmMain.h"
#include "app/UStartup.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    InitApplication(app);
    TFrmMain main;
    main.show();
    return app.exec();
}
