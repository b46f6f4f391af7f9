#include "AppFixture.h"

#include "Application.h"
#include "BowlModel.h"
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
    app_ = std::make_unique<Application>(model());
    QVERIFY(app_->InitInstance());
    if (frameSize.isValid()) {
        frame().resize(frameSize);
    }
    QVERIFY(QTest::qWaitForWindowExposed(&frame()));
    QCoreApplication::processEvents();
    view().repaintNow();
}

int AppFixture::tearDown() {
    const int unexpected = dialogs_ ? dialogs_->unexpected + dialogs_->unusedAnswers() : 0;
    app_.reset();
    dialogs_.reset();
    return unexpected;
}

BowlModel& AppFixture::model() {
    return BowlModel::instance();
}

MainWindow& AppFixture::frame() {
    return *app_->mainWindow();
}

DesignView& AppFixture::view() {
    return *frame().view();
}

void AppFixture::click(int index) {
    ClickView(view(), SegmentPoint(model(), index));
}

}  // namespace corvane::test
