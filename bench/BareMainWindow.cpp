// The reference for start-up times: a bare Qt main window with the bars of
// Corvane's first window (the same menu titles, a "Standard" toolbar of
// five buttons, a status bar with "Ready" and three small panes) around a
// white centre, placed as Corvane places its first window: three quarters
// of the screen's free area, centred. Only Qt's own defaults: no style
// sheets, icons, settings or design.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace {

void addMenus(QMainWindow& window) {
    for (const char* title :
         {"&File", "Parameters", "Undo", "Symmetry Mode", "Print", "Save/Open", "&View", "&Help"}) {
        window.menuBar()->addMenu(QString::fromLatin1(title));
    }
}

void addToolBar(QMainWindow& window) {
    QToolBar* toolBar = window.addToolBar(QStringLiteral("Standard"));
    toolBar->setIconSize(QSize(16, 15));
    for (const char* text : {"Cut", "Copy", "Paste"}) {
        toolBar->addAction(QString::fromLatin1(text));
    }
    toolBar->addSeparator();
    toolBar->addAction(QStringLiteral("Help"));
    toolBar->addAction(QStringLiteral("Customize..."));
}

void addStatusBar(QMainWindow& window) {
    window.statusBar()->addWidget(new QLabel(QStringLiteral("Ready")), 1);
    for (const char* name : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(QString::fromLatin1(name));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        window.statusBar()->addPermanentWidget(pane);
    }
}

QWidget* whiteCentre() {
    auto* centre = new QWidget;
    QPalette palette = centre->palette();
    palette.setColor(QPalette::Window, Qt::white);
    centre->setPalette(palette);
    centre->setAutoFillBackground(true);
    return centre;
}

// Three quarters of the primary screen's free area, centred.
QRect firstStartRect() {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QRect rect(QPoint(0, 0), QSize(int(available.width() * 0.75), int(available.height() * 0.75)));
    rect.moveCenter(available.center());
    return rect;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt main window"));
    addMenus(window);
    addToolBar(window);
    addStatusBar(window);
    window.setCentralWidget(whiteCentre());
    window.setGeometry(firstStartRect());
    window.show();
    return QApplication::exec();
}
