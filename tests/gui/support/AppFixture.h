#pragma once

#include "DesignDocument.h"
#include "ScriptedDialogs.h"
#include "TestEnvironment.h"

#include <QObject>

#include <QSize>

#include <functional>

#include <memory>

namespace corvane {
class BowlModel;
class DesignDocument;
struct BoxParameters;
class Application;
class DesignView;
class MainWindow;
}  // namespace corvane

namespace corvane::test {

// A running program for one test: the application object with its shown
// main frame, the process-wide model reset to a fresh design, and scripted
// dialogs that answer whatever the test queued.
class AppFixture {
public:
    AppFixture();
    ~AppFixture();

    // Resets the model and dialogs and starts the program, at true scale in
    // a window of the given size. An invalid size leaves the window, and
    // its zoom, as the program chooses them.
    void setUp(QSize frameSize = QSize(1000, 760));
    // Starts the program again on the same model, as a restart would.
    void restart(QSize frameSize = QSize(1000, 760));
    // Ends the program; the number of dialogs the test did not expect plus
    // the answers it queued that nothing asked for.
    int tearDown();

    ScriptedDialogs& dialogs() { return *dialogs_; }
    const BowlModel& model();
    DesignDocument& document();
    Application& app() { return *app_; }
    MainWindow& frame();
    DesignView& view();

    // Left click at the middle of record k.
    void click(int index);
    // Changes the design's parameters as the parameters box does.
    void editParameters(const std::function<void(BoxParameters&)>& edit);

private:
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<Application> app_;
};

// Base of the widget tests that drive the whole program.
class AppTestCase : public QObject {
protected:
    const BowlModel& model() { return fixture_.model(); }
    DesignDocument& document() { return fixture_.document(); }
    MainWindow& frame() { return fixture_.frame(); }
    DesignView& view() { return fixture_.view(); }
    ScriptedDialogs& dialogs() { return fixture_.dialogs(); }
    void click(int index) { fixture_.click(index); }
    void editParameters(const std::function<void(BoxParameters&)>& edit) {
        fixture_.editParameters(edit);
    }
    QString tempPath(const QString& name) const { return environment_.tempPath(name); }

    TestEnvironment environment_;
    AppFixture fixture_;
};

}  // namespace corvane::test
