#include "AppFixture.h"
#include "AppSettings.h"
#include "BowlMesh.h"
#include "BowlModel.h"
#include "BowlRendererLoader.h"
#include "BoxParameters.h"
#include "CommandIds.h"
#include "CutListPanel.h"
#include "DesignRenderer.h"
#include "DesignView.h"
#include "MainWindow.h"
#include "PreviewDock.h"
#include "PreviewPanel.h"
#include "ShapeFrame.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QWindow>
#include <QtTest>

#include <cmath>

using namespace corvane;

namespace {

constexpr Argb kBlue = 0xFF0000FFu;

bool isBackground(QRgb c) {
    return std::abs(qRed(c) - 0xE4) <= 4 && std::abs(qGreen(c) - 0xE4) <= 4 &&
           std::abs(qBlue(c) - 0xE4) <= 4;
}

bool isBlue(QRgb c) {
    return qBlue(c) > 2 * qRed(c) + 30 && qBlue(c) > 2 * qGreen(c) + 30;
}

// First and last radius (pixels from the centre) along a ray at a plan
// angle where the pixel passes the test.
QPair<int, int> runAlong(const QImage& image, QPointF center, double degrees, bool (*test)(QRgb)) {
    QPair<int, int> run{-1, -1};
    const double radians = degrees * M_PI / 180.0;
    for (int r = 0; r < std::max(image.width(), image.height()); ++r) {
        const QPoint p = (center + QPointF(std::cos(radians), std::sin(radians)) * r).toPoint();
        if (image.valid(p) && test(image.pixel(p))) {
            run.first = run.first < 0 ? r : run.first;
            run.second = r;
        }
    }
    return run;
}

bool notBackground(QRgb c) {
    return !isBackground(c);
}

double midAngle(const SegmentProp& segment) {
    return (segment.LeftAngle + segment.RightAngle) / 2;
}

// A small design that fits any picture at the plan's scale: rows of 0.5 in.
void makeSmallDesign(BowlModel& model) {
    model.ID = 1.0;
    model.OD = 3.0;
    model.Rows = 4;
    model.Segments = 12;
    model.ComputeGeometry(model.PixelsPerInch);
}

constexpr int kRow3Segment4 = 2 * 12 + 4;

}  // namespace

class PreviewTest : public test::AppTestCase {
    Q_OBJECT

    PreviewDock& dock() { return *frame().previewDock(); }
    PreviewPanel& panel() { return *dock().panel(); }
    BowlRenderer& renderer() { return *panel().renderer(); }

    void showPanel() {
        QVERIFY(frame().runCommand(cmd::ViewPreview3D));
        QVERIFY(dock().isVisible());
        QVERIFY(dock().panel() != nullptr);
        QVERIFY2(panel().renderer() != nullptr, qPrintable(panel().messageLine()->text()));
        frame().resizeDocks({&dock()}, {560}, Qt::Horizontal);
        QVERIFY(QTest::qWaitForWindowExposed(renderer().window()));
        QCoreApplication::processEvents();
        view().repaintNow();
    }

    QRgb scenePixel(QPointF offset) {
        const QImage picture = renderer().grab(QSize());
        return picture.pixel((QPointF(picture.width(), picture.height()) / 2 + offset).toPoint());
    }

    void expectCamera(double azimuth, double elevation, double zoom) {
        QCOMPARE(renderer().azimuth(), azimuth);
        QCOMPARE(renderer().elevation(), elevation);
        QCOMPARE(renderer().zoom(), zoom);
    }

    QString runProgram(
        const QStringList& arguments, int* exitCode,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(qEnvironmentVariable("CORVANE_BINARY"), arguments);
        process.waitForFinished(120000);
        *exitCode = process.exitCode();
        return QString::fromLocal8Bit(process.readAllStandardError());
    }

private slots:
    void init() {
        AppSettings().store().clear();
        fixture_.setUp(QSize(1400, 900));
    }

    void cleanup() { QCOMPARE(fixture_.tearDown(), 0); }

    // Seen from straight above without perspective at the plan's scale, the
    // bowl shows the plan's rings and a filled segment where the plan has it.
    void viewFromAboveIsThePlan() {
        BowlModel model;
        makeSmallDesign(model);
        model.FillColor = kBlue;
        model.FillSegment(kRow3Segment4);
        BowlRendererLoader::Result started = BowlRendererLoader::create();
        QVERIFY2(started.renderer != nullptr, qPrintable(started.error));
        // A thin wall, so the inside seen from above lies on the plan's rings.
        started.renderer->setGlueLines(false);
        BowlRendererLoader::showMesh(*started.renderer, BuildBowlMesh(model, {0.75, 0.01}));
        started.renderer->setOrthographicScale(model.PixelsPerInch);
        started.renderer->setCamera(0, 90, 1);
        const QImage above = started.renderer->grab(QSize(600, 600));
        QCOMPARE(above.size(), QSize(600, 600));
        const QPointF center(300, 300);
        const SegmentProp& filled = model.SegmentTable[kRow3Segment4];
        const QPair<int, int> blue = runAlong(above, center, midAngle(filled), isBlue);
        QVERIFY(std::abs(blue.first - filled.InnerRadius) <= 2);
        QVERIFY(std::abs(blue.second - filled.OuterRadius) <= 2);
        const QPair<int, int> bowl = runAlong(above, center, 0.0, notBackground);
        QVERIFY(std::abs(bowl.second - model.OD / 2 * model.PixelsPerInch) <= 2);

        // The plan itself, drawn as the window draws it, agrees.
        const QImage plan = DesignRenderer::render(model, QSize(600, 600));
        const QPair<int, int> planBlue = runAlong(plan, center, midAngle(filled), isBlue);
        QVERIFY(std::abs(blue.first - planBlue.first) <= 3);
        QVERIFY(std::abs(blue.second - planBlue.second) <= 3);

        // From the side: the rows on the disc, each one ring height tall.
        started.renderer->setCamera(0, 0, 1);
        const QImage side = started.renderer->grab(QSize(600, 600));
        int top = -1;
        int bottom = -1;
        for (int y = 0; y < side.height(); ++y) {
            if (!isBackground(side.pixel(300, y))) {
                top = top < 0 ? y : top;
                bottom = y;
            }
        }
        const double height = (model.Rows + 1) * 0.75 * model.PixelsPerInch;
        QVERIFY2(std::abs(bottom - top + 1 - height) <= 2,
                 qPrintable(QStringLiteral("%1 rows high").arg(bottom - top + 1)));

        // A bellied profile: the side's outline is the curve, as wide as it
        // is at every height.
        model.Shape.profile = {{0.0, 0.0}, {1.5, 0.6}, {1.0, 1.0}};
        const BowlProfile profile = ProfileOf(model);
        BowlRendererLoader::showMesh(*started.renderer, BuildBowlMesh(model, model.Shape));
        const QImage bellied = started.renderer->grab(QSize(600, 600));
        for (const double z : {1.0, 2.0, 2.6, 3.3}) {
            const int y = bottom - int(std::lround(z * model.PixelsPerInch));
            int left = -1;
            int right = -1;
            for (int x = 0; x < bellied.width(); ++x) {
                if (!isBackground(bellied.pixel(x, y))) {
                    left = left < 0 ? x : left;
                    right = x;
                }
            }
            const double width = 2 * profile.radius(z) * model.PixelsPerInch;
            QVERIFY2(std::abs(right - left + 1 - width) <= 3,
                     qPrintable(QStringLiteral("%1 px wide at %2 in, not %3")
                                    .arg(right - left + 1)
                                    .arg(z)
                                    .arg(width)));
        }

        // Glue lines show between two segments of one wood, seen from above.
        model.Shape.profile = BowlShape::StraightProfile();
        for (int k = 2 * 12 + 1; k <= 3 * 12; ++k) {
            model.FillSegment(k);
        }
        started.renderer->setCamera(0, 90, 1);
        const SegmentProp& joint = model.SegmentTable[kRow3Segment4];
        const double radius = (joint.InnerRadius + joint.OuterRadius) / 2;
        const auto pixelAt = [&](const QImage& image, double degrees) {
            const double radians = degrees * M_PI / 180.0;
            return image.pixel(
                (center + QPointF(std::cos(radians), std::sin(radians)) * radius).toPoint());
        };
        BowlRendererLoader::showMesh(*started.renderer, BuildBowlMesh(model, {0.75, 0.01}));
        for (const bool glue : {true, false}) {
            started.renderer->setGlueLines(glue);
            const QImage joints = started.renderer->grab(QSize(600, 600));
            QVERIFY(isBlue(pixelAt(joints, midAngle(joint))));
            const QRgb atJoint = pixelAt(joints, joint.LeftAngle);
            QVERIFY2(isBlue(atJoint) != glue, qPrintable(QString::number(atJoint, 16)));
        }
    }

    // Nothing of the preview exists until it is first shown; the menu item
    // follows "Cut List" and the dock's place is kept like the toolbars.
    void panelIsMadeWhenFirstShownAndRemembered() {
        QVERIFY(!dock().isVisible());
        QVERIFY(dock().panel() == nullptr);
        QVERIFY(frame().menuAction(cmd::ViewCutList)->isCheckable());
        QAction* item = frame().menuAction(cmd::ViewPreview3D);
        QVERIFY(item != nullptr);
        QCOMPARE(item->text(), QStringLiteral("3D Preview"));
        const QList<QAction*> viewMenu = qobject_cast<QMenu*>(item->parent())->actions();
        QCOMPARE(viewMenu.indexOf(item) - 1,
                 viewMenu.indexOf(frame().menuAction(cmd::ViewCutList)));
        showPanel();
        frame().updateCommandStates();
        QVERIFY(item->isChecked());
        QVERIFY(dock().panel()->glueLinesBox()->isChecked());
        dock().panel()->glueLinesBox()->setChecked(false);
        QVERIFY(frame().close());
        fixture_.restart(QSize(1400, 900));
        QVERIFY(dock().isVisible());
        QTRY_VERIFY(dock().panel() != nullptr);  // made once the window is on the screen
        QVERIFY(!dock().panel()->glueLinesBox()->isChecked());
        QVERIFY(frame().runCommand(cmd::ViewPreview3D));
        QVERIFY(frame().close());
        fixture_.restart(QSize(1400, 900));
        QVERIFY(!dock().isVisible());
        QVERIFY(dock().panel() == nullptr);
    }

    // A click and an undo show at once, and the camera stays where it was.
    void panelFollowsAClickAndAnUndoAndKeepsItsCamera() {
        showPanel();
        editParameters([&](BoxParameters& p) {
            p.BoxID = 1.0;
            p.BoxOD = 3.0;
            p.BoxRows = 4;
            p.BoxSegments = 12;
        });
        QVERIFY(!document().setWallThickness(0.01));
        renderer().setCamera(120, 40, 0.7);
        document().setFillColor(kBlue);
        click(1);
        expectCamera(120, 40, 0.7);

        renderer().setOrthographicScale(model().PixelsPerInch);
        renderer().setCamera(0, 90, 1);
        const SegmentProp& target = model().SegmentTable[kRow3Segment4];
        const double radians = midAngle(target) * M_PI / 180.0;
        const QPointF offset = QPointF(std::cos(radians), std::sin(radians)) *
                               (target.InnerRadius + target.OuterRadius) / 2;
        QVERIFY(!isBlue(scenePixel(offset)));
        click(kRow3Segment4);
        QTRY_VERIFY(isBlue(scenePixel(offset)));
        QVERIFY(frame().runCommand(cmd::UndoLastFill));
        QTRY_VERIFY(!isBlue(scenePixel(offset)));
        expectCamera(0, 90, 1);
    }

    void dragOrbitsWheelZoomsDoubleClickResets() {
        showPanel();
        QWindow* window = renderer().window();
        const double azimuth = renderer().azimuth();
        const double elevation = renderer().elevation();
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        QTest::mouseMove(window, QPoint(150, 120));
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, QPoint(150, 120));
        QCOMPARE(renderer().azimuth(), azimuth - 50 * 0.4);
        QCOMPARE(renderer().elevation(), elevation + 20 * 0.4);
        QWheelEvent wheel(QPointF(100, 100), window->mapToGlobal(QPointF(100, 100)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(window, &wheel);
        QVERIFY(renderer().zoom() < 0.95);
        QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        expectCamera(azimuth, elevation, 1.0);
    }

    void exportDrawsTheBowlWithoutAWindow() {
        const QString path = tempPath("bowl.png");
        int exitCode = -1;
        QString errors = runProgram({"--export-3d", path, "--size", "320x240", "--azimuth", "10",
                                     "--elevation", "45", "--ring-height", "1"},
                                    &exitCode);
        QCOMPARE(exitCode, 0);
        const QImage picture(path);
        QCOMPARE(picture.size(), QSize(320, 240));
        QVERIFY(!isBackground(picture.pixel(160, 120)));
        QVERIFY(isBackground(picture.pixel(2, 2)));

        errors = runProgram({"--export-3d", path, "--elevation", "100"}, &exitCode);
        QCOMPARE(exitCode, 2);
        QVERIFY(errors.contains(QStringLiteral("--elevation")));
        errors = runProgram({"--export-3d", path, "--ring-height", "0"}, &exitCode);
        QCOMPARE(exitCode, 2);
        QVERIFY(errors.contains(QStringLiteral("Ring height must be above 0")));

        QProcessEnvironment offscreen = QProcessEnvironment::systemEnvironment();
        offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        errors = runProgram({"--export-3d", path}, &exitCode, offscreen);
        QCOMPARE(exitCode, 1);
        QVERIFY(errors.contains(QStringLiteral("offscreen")));
        QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
        noDisplay.remove(QStringLiteral("QT_QPA_PLATFORM"));
        noDisplay.remove(QStringLiteral("DISPLAY"));
        noDisplay.remove(QStringLiteral("WAYLAND_DISPLAY"));
        errors = runProgram({"--export-3d", path}, &exitCode, noDisplay);
        QCOMPARE(exitCode, 1);
        QVERIFY(errors.contains(QStringLiteral("xvfb-run")));
    }
};

QTEST_MAIN(PreviewTest)
#include "PreviewTest.moc"
