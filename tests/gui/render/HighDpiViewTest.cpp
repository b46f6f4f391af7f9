// The design view on a high-DPI screen (QT_SCALE_FACTOR, 2 unless
// CORVANE_TEST_SCALE says otherwise): painted at device resolution, laid
// out in logical pixels, clicked and exported as at a ratio of 1.
#include "AppFixture.h"
#include "BowlModel.h"
#include "CommandIds.h"
#include "DesignPicture.h"
#include "DesignRenderer.h"
#include "DesignView.h"
#include "MainWindow.h"
#include "ViewProbe.h"

#include <QApplication>
#include <QtTest>

#include <cmath>

using namespace corvane;
using test::SegmentPoint;

namespace {
constexpr Argb kWalnutColor = 0xFF8B4513u;

qreal requestedScale() {
    const QByteArray asked = qgetenv("CORVANE_TEST_SCALE");
    return asked.isEmpty() ? 2.0 : asked.toDouble();
}
}  // namespace

class HighDpiViewTest : public test::AppTestCase {
    Q_OBJECT

    qreal scale() const { return view().devicePixelRatioF(); }
    DesignView& view() const { return const_cast<HighDpiViewTest*>(this)->fixture_.view(); }

private slots:
    void init() { fixture_.setUp(); }
    void cleanup() { QCOMPARE(fixture_.tearDown(), 0); }

    void paintsAtDeviceResolutionWithLogicalGeometry() {
        QCOMPARE(scale(), requestedScale());
        QCOMPARE(model().PixelsPerInch, 96);
        QCOMPARE(model().SegmentTable[0].OuterRadius, 168.0);
        QCOMPARE(view().layout().CenterX, view().width() / 2);
        const QImage& shown = view().lastPaintedImage();
        QCOMPARE(shown.devicePixelRatio(), scale());
        QCOMPARE(shown.width(), int(std::ceil(view().width() * scale())));
    }

    // Through the bowl's centre row, clear of the joint at 0 degrees: the
    // ID circle is about 3 logical pixels of black with at most one grey
    // device pixel on each side, not an enlarged, blurred picture.
    void ringCirclesAreSharp() {
        const QImage& shown = view().lastPaintedImage();
        const qreal s = scale();
        const int y = int((view().layout().CenterY - 10 + 0.5) * s);
        int dark = 0;
        int grey = 0;
        for (int x = int((view().layout().CenterX + 160) * s);
             x < int((view().layout().CenterX + 176) * s); ++x) {
            const int level = qGray(shown.pixel(x, y));
            dark += level < 40 ? 1 : 0;
            grey += level >= 40 && level < 215 ? 1 : 0;
        }
        QVERIFY2(std::abs(dark - 3.0 * s) <= 1.5, qPrintable(QString::number(dark)));
        QVERIFY2(grey <= 2, qPrintable(QString::number(grey)));
    }

    void aClickAtASegmentsCentreFillsThatSegment() {
        for (int k : {1, 30, 100, 192}) {
            click(k);
            QCOMPARE(model().FillHistory.back().SegmentIndex, k);
            QCOMPARE(view().shownColorAt(SegmentPoint(model(), view().layout(), k)), kWalnutColor);
        }
        click(30);  // shows the fill colour now: refused
        QCOMPARE(model().FillHistory.size(), size_t(4));
        // What the click repainted is what a full paint at this ratio gives.
        DesignPicture fresh;
        fresh.paintAll(model(), view().size(), scale());
        QCOMPARE(view().lastPaintedImage(), fresh.image());
    }

    // Pictures written to files are in logical pixels at any pixel ratio,
    // as printing is.
    void exportKeepsTheLogicalSize() {
        const QString path = tempPath("view.png");
        dialogs().fileAnswers.push_back(path);
        QVERIFY(frame().runCommand(cmd::SavePng));
        QCOMPARE(QImage(path).size(),
                 DesignRenderer::renderWholeDesign(model(), view().size()).size());
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(requestedScale()));
    QApplication application(argc, argv);
    HighDpiViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HighDpiViewTest.moc"
