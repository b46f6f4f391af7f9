// The reference for start-up times: a bare Qt main window with a menu bar,
// a toolbar and a status bar, started the way Corvane starts.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.addToolBar(QStringLiteral("Standard"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.setCentralWidget(new QLabel(QStringLiteral("Bare Qt main window")));
    window.resize(1000, 700);
    window.show();
    return QApplication::exec();
}
