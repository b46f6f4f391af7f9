#include "AppFixture.h"

#include "Application.h"
#include "BowlModel.h"
#include "BoxParameters.h"
#include "DesignDocument.h"
#include "DesignView.h"
#include "MainWindow.h"
#include "TestEnvironment.h"
#include "ViewProbe.h"

#include <QCoreApplication>
#include <QtTest>

namespace corvane::test {

AppFixture::AppFixture() = default;

AppFixture::~AppFixture() {
    tearDown();
}

void AppFixture::setUp(QSize frameSize) {
    TestEnvironment::resetModel();
    dialogs_ = std::make_unique<ScriptedDialogs>();
    restart(frameSize);
}

void AppFixture::restart(QSize frameSize) {
    app_.reset();
    // A program that starts anew has nothing unsaved yet.
    document().markSaved();
    app_ = std::make_unique<Application>(document());
    QVERIFY(app_->showMainWindow());
    if (frameSize.isValid()) {
        frame().resize(frameSize);
    }
    QVERIFY(QTest::qWaitForWindowExposed(&frame()));
    QCoreApplication::processEvents();
    if (frameSize.isValid()) {
        // Tests of a window of their own size measure the plan at true
        // scale, in the middle of the view.
        view().setZoomRequest(ZoomRequest{});
        QCoreApplication::processEvents();  // the scroll bars a larger bowl needs take their place
    }
    view().paintIfStale();
}

int AppFixture::tearDown() {
    const int unexpected = dialogs_ ? dialogs_->unexpected + dialogs_->unusedAnswers() : 0;
    app_.reset();
    dialogs_.reset();
    return unexpected;
}

const BowlModel& AppFixture::model() {
    return document().model();
}

DesignDocument& AppFixture::document() {
    return TestEnvironment::document();
}

MainWindow& AppFixture::frame() {
    return *app_->mainWindow();
}

DesignView& AppFixture::view() {
    return *frame().view();
}

void AppFixture::click(int index) {
    ClickView(view(), SegmentPoint(model(), view().layout(), index));
}

void AppFixture::editParameters(const std::function<void(BoxParameters&)>& edit) {
    BoxParameters values;
    values.LoadFrom(model());
    edit(values);
    document().setParameters(values);
}

}  // namespace corvane::test
