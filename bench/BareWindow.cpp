// A bare Qt 6 main window, built only to measure what start-up costs without any program in it.

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    QAction *quit = file->addAction(QStringLiteral("E&xit"));
    QObject::connect(quit, &QAction::triggered, &window, &QWidget::close);
    QToolBar *tools = window.addToolBar(QStringLiteral("Tools"));
    tools->addAction(quit);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.setCentralWidget(new QLineEdit(&window));
    window.resize(927, 723);
    window.show();
    return app.exec();
}
