// A bare Qt 6 main window, built only to measure what start-up costs without any program in it.
// Its captions are Chinese, as the program's are, so that the Chinese font is looked up, loaded
// and shaped on both sides of the comparison.

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("空白窗口"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("文件(&F)"));
    QAction *quit = file->addAction(QStringLiteral("退出(&X)"));
    QObject::connect(quit, &QAction::triggered, &window, &QWidget::close);
    window.menuBar()->addMenu(QStringLiteral("帮助(&H)"))->addAction(QStringLiteral("关于(&A)..."));
    QToolBar *tools = window.addToolBar(QStringLiteral("工具栏"));
    tools->addAction(quit);
    window.statusBar()->showMessage(QStringLiteral("就绪"));
    auto *edit = new QLineEdit(&window);
    edit->setPlaceholderText(QStringLiteral("请输入金额"));
    window.setCentralWidget(edit);
    window.resize(927, 723);
    window.show();
    return app.exec();
}
