#include "app/UFrmMain.h"
#include "app/UStartup.h"
#include "app/UStartupWindows.h"
#include "common/UStartAhead.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    StartAhead::Begin();
    QApplication app(argc, argv);
    InitApplication(app);
    // Before anything shows a word: English loads its translation here, Chinese nothing.
    UseStartLanguage();
    StartAhead::Ready(TFrmMain::FirstPictures());
    TFrmMain main;
    main.show();
    TStartupWindows::Schedule(&main);
    return app.exec();
}
