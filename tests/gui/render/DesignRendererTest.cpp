#include "BowlModel.h"
#include "DesignCsvReader.h"
#include "DesignPicture.h"
#include "DesignRenderer.h"
#include "ViewProbe.h"

#include <QPainter>
#include <QtTest>

using namespace corvane;
using corvane::test::HasDarkPixel;
using corvane::test::SegmentPoint;
using corvane::test::ShownColor;

class DesignRendererTest : public QObject {
    Q_OBJECT

private:
    static BowlModel defaultModel() {
        BowlModel model;
        model.PixelsPerInch = 96;
        model.ComputeGeometry(96);
        return model;
    }

    // Where a paint of this size puts the design.
    static ViewLayout paintedLayout(const BowlModel& model, QSize size) {
        DesignPicture picture;
        picture.paintAll(model, size, 1.0);
        return picture.layout();
    }

private slots:
    void defaultDesignRingsAndCentre() {
        BowlModel model = defaultModel();
        const QImage image = DesignRenderer::render(model, QSize(1000, 700));
        QCOMPARE(image.size(), QSize(1000, 700));
        QCOMPARE(paintedLayout(model, QSize(1000, 700)).CenterX, 500);
        QCOMPARE(paintedLayout(model, QSize(1000, 700)).CenterY, 350);
        // The ID circle (radius 168) and the outer circle (radius 388.8) are black.
        QCOMPARE(ShownColor(image, {500 + 168, 350}), kBlackColor);
        QCOMPARE(ShownColor(image, {500, 350 + 168}), kBlackColor);
        QCOMPARE(ShownColor(image, {500 + 388, 350}), kBlackColor);
        QCOMPARE(ShownColor(image, {500 + 389, 350}), kBlackColor);
        // Disc, unfilled segments and the background outside the bowl are white.
        QCOMPARE(ShownColor(image, {500, 350}), kBlankColor);
        QCOMPARE(ShownColor(image, SegmentPoint(model, test::CentredLayout(image.size()), 1)),
                 kBlankColor);
        QCOMPARE(ShownColor(image, SegmentPoint(model, test::CentredLayout(image.size()), 8 * 24)),
                 kBlankColor);
        QCOMPARE(ShownColor(image, {500 + 396, 350}), kBlankColor);
    }

    void filledSegmentsShowTheirColourEdgeToEdge() {
        BowlModel model = defaultModel();
        model.SegmentTable[0].SegmentColor = 0xFF8B4513u;
        model.SegmentTable[30].SegmentColor = 0xFFEFDDD4u;
        model.SegmentTable[30 + 1].SegmentColor = 0xFF68315Bu;
        const QImage image = DesignRenderer::render(model, QSize(1000, 700));
        QCOMPARE(ShownColor(image, {500, 350}), 0xFF8B4513u);
        QCOMPARE(ShownColor(image, SegmentPoint(model, test::CentredLayout(image.size()), 30)),
                 0xFFEFDDD4u);
        QCOMPARE(ShownColor(image, SegmentPoint(model, test::CentredLayout(image.size()), 31)),
                 0xFF68315Bu);
        // The neighbour of a filled segment stays white.
        QCOMPARE(ShownColor(image, SegmentPoint(model, test::CentredLayout(image.size()), 29)),
                 kBlankColor);
    }

    void jointsAreDrawnAtEverySegmentBoundary() {
        BowlModel model = defaultModel();
        const QImage image = DesignRenderer::render(model, QSize(1000, 700));
        // Row 1 has a joint at 0 degrees, row 2 at 7.5 degrees.
        QCOMPARE(ShownColor(image, {500 + 180, 350}), kBlackColor);
        const double a = 7.5 * M_PI / 180.0;
        const QPoint row2Joint(500 + int(std::cos(a) * 209.4), 350 - int(std::sin(a) * 209.4));
        QVERIFY(HasDarkPixel(image, QRect(row2Joint - QPoint(1, 1), QSize(3, 3)), 60));
        // Half a segment away from a joint, row 1 is white.
        const double b = 7.5 * M_PI / 180.0;
        QCOMPARE(ShownColor(image, {500 + int(std::cos(b) * 182), 350 + int(std::sin(b) * 182)}),
                 kBlankColor);
    }

    // The joints end flat inside the ring circles: no nub pokes into the
    // disc or past the outer circle, at any angle.
    void jointsEndFlatInsideTheRingCircles() {
        BowlModel model = defaultModel();
        model.SegmentTable[0].SegmentColor = 0xFFEFDDD4u;
        const QImage image = DesignRenderer::render(model, QSize(1000, 700));
        for (double degrees : {15.0, 30.0, 45.0, 60.0, 120.0, 165.0, 225.0}) {
            const double a = degrees * M_PI / 180.0;
            const QPoint inDisc(500 + int(std::lround(std::cos(a) * 164.0)),
                                350 + int(std::lround(std::sin(a) * 164.0)));
            QCOMPARE(ShownColor(image, inDisc), 0xFFEFDDD4u);
            const QPoint outside(500 + int(std::lround(std::cos(a) * 393.0)),
                                 350 + int(std::lround(std::sin(a) * 393.0)));
            QVERIFY2(ShownColor(image, outside) == kBlankColor,
                     qPrintable(QString::number(degrees)));
        }
    }

    void tallyColumnListsEveryRowAsBlank() {
        BowlModel model = defaultModel();
        const QImage image = DesignRenderer::render(model, QSize(1000, 700));
        const std::array<IntRect, 3> rects = paintedLayout(model, QSize(1000, 700)).TallyRects;
        const IntRect first = rects[0];
        QCOMPARE(first.left, 0);
        QCOMPARE(first.top, 0);
        QCOMPARE(first.bottom, 700 - 23);
        QVERIFY(first.right > 60 && first.right <= 250);
        QVERIFY(rects[1].IsEmpty());
        QVERIFY(rects[2].IsEmpty());
        // "Row 1:" starts 10 pixels in, " blank" 30 pixels in on the next line.
        QVERIFY(HasDarkPixel(image, QRect(10, 0, 30, 20)));
        QVERIFY(!HasDarkPixel(image, QRect(0, 0, 9, 700)));
        QVERIFY(HasDarkPixel(image, QRect(30, 22, 40, 20)));
        QVERIFY(!HasDarkPixel(image, QRect(10, 22, 19, 20)));
        // Sixteen lines in all: the last row's blank line ends above 16 * 22 pixels.
        QVERIFY(HasDarkPixel(image, QRect(30, 15 * 22, 40, 22)));
        QVERIFY(!HasDarkPixel(image, QRect(0, 16 * 22 + 2, first.right, 40)));
    }

    void shortWindowsContinueInSecondThenThirdColumn() {
        BowlModel model = defaultModel();
        const std::array<IntRect, 3> high = paintedLayout(model, QSize(1000, 200)).TallyRects;
        const int width = high[0].right;
        QCOMPARE(high[1], (IntRect{1000 - width, 0, 1000, 177}));
        QVERIFY(high[2].IsEmpty());

        const std::array<IntRect, 3> low = paintedLayout(model, QSize(1000, 130)).TallyRects;
        QCOMPARE(low[1], (IntRect{1000 - width, 0, 1000, 107}));
        QCOMPARE(low[2], (IntRect{width + 5, 0, 2 * width + 5, 107}));
    }

    void narrowWindowLimitsColumnToAQuarter() {
        BowlModel model = defaultModel();
        QCOMPARE(paintedLayout(model, QSize(200, 700)).TallyRects[0].right, 50);
    }

    // A click, an undo or a symmetric fill repaints only the records it
    // changed and the tally columns; the picture must be the one a full
    // paint gives, at every pixel ratio.
    void partialRepaintEqualsFullPaint_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("segments");
        QTest::addColumn<int>("sectors");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("ratio");
        QTest::newRow("default") << 8 << 24 << 0 << QSize(1000, 700) << 1.0;
        QTest::newRow("largest, odd height") << 23 << 89 << 0 << QSize(1917, 1003) << 1.0;
        QTest::newRow("symmetry") << 8 << 24 << 4 << QSize(801, 599) << 1.0;
        QTest::newRow("one ring of 2047") << 1 << 2047 << 0 << QSize(900, 800) << 1.0;
        QTest::newRow("2047 rings of one") << 2047 << 1 << 0 << QSize(900, 800) << 1.0;
        QTest::newRow("narrow window, text over rings") << 45 << 45 << 0 << QSize(300, 500) << 1.0;
        QTest::newRow("pixel ratio 2") << 8 << 24 << 4 << QSize(600, 450) << 2.0;
        QTest::newRow("pixel ratio 1.5") << 23 << 89 << 0 << QSize(701, 533) << 1.5;
        QTest::newRow("one pixel high") << 8 << 24 << 0 << QSize(300, 1) << 1.0;
    }

    void partialRepaintEqualsFullPaint() {
        QFETCH(int, rows);
        QFETCH(int, segments);
        QFETCH(int, sectors);
        QFETCH(QSize, size);
        QFETCH(double, ratio);
        BowlModel model = defaultModel();
        model.Rows = rows;
        model.Segments = segments;
        model.ComputeGeometry(96);
        model.SymmetrySectors = sectors;
        for (int k = 0; k <= model.LastLiveIndex(); k += 3) {
            model.SegmentTable[k].SegmentColor = 0xFF000000u | (0x10203u * k);
        }
        DesignPicture kept;
        kept.paintAll(model, size, ratio);
        // A fill that adds a name to a row, one that only changes counts, the
        // disc, and a record restored to blank.
        const int last = model.LastLiveIndex();
        const std::vector<int> changed{1, last / 2, last, 0, 3};
        for (int k : changed) {
            model.FillColor = k == 3 ? kBlankColor : 0xFF8B4513u;
            model.FillSegment(k);
        }
        model.RecountRowTallies();
        const QRegion repainted = kept.repaintRecords(model, changed);
        QVERIFY(!repainted.isEmpty());

        DesignPicture fresh;
        fresh.paintAll(model, size, ratio);
        QCOMPARE(kept.image().devicePixelRatio(), ratio);
        QCOMPARE(kept.image(), fresh.image());
    }

    // With an inside diameter of 0 the first row's segments are whole
    // wedges down to the centre, not slivers between arc and chord.
    void zeroInsideDiameterFillsWholeWedges() {
        BowlModel model = defaultModel();
        model.ID = 0.0;
        model.ComputeGeometry(96);
        model.SegmentTable[1].SegmentColor = 0xFF8B4513u;
        const QImage image = DesignRenderer::render(model, QSize(600, 500));
        const double mid = 7.5 * M_PI / 180.0;
        for (double r : {20.0, 28.0, 40.0}) {
            const QPoint inside(300 + int(std::cos(mid) * r), 250 + int(std::sin(mid) * r));
            QCOMPARE(ShownColor(image, inside), 0xFF8B4513u);
        }
    }

    // Radii and angles from a hostile file: the picture is drawn, cut to the
    // window, without an int overflow anywhere (the sanitizers would stop
    // the test on one).
    void hostileGeometryStaysInsideTheWindow() {
        BowlModel model = defaultModel();
        model.Rows = 1;
        model.Segments = 4;
        model.ComputeGeometry(96);
        model.SegmentTable[1].OuterRadius = 1e10;
        model.SegmentTable[1].SegmentColor = 0xFF68315Bu;
        model.SegmentTable[2].InnerRadius = std::nan("");
        model.SegmentTable[3].LeftAngle = 1e300;
        model.SegmentTable[3].RightAngle = -1e300;
        model.SegmentTable[4].OuterRadius = -1e10;
        model.SegmentTable[0].OuterRadius = 1e10;
        model.SymmetrySectors = 2;
        const QImage image = DesignRenderer::render(model, QSize(400, 300));
        QCOMPARE(image.size(), QSize(400, 300));
        model.SymmetrySectors = 0;
        model.SegmentTable[0].OuterRadius = 2.0;
        const QImage plain = DesignRenderer::render(model, QSize(400, 300));
        // Record 1 spans 0 to 90 degrees out to beyond the window's corner.
        QCOMPARE(ShownColor(plain, {390, 290}), 0xFF68315Bu);
    }

    // A design file may store any radius: one of 1e10 on the disc and on
    // every last segment of a row, in symmetry mode, paints cut to the window.
    void designFileWithHugeRadiiPaints() {
        QFile file(QStringLiteral(CORVANE_TEST_DATA "/default-design-filled.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString text = QString::fromLatin1(file.readAll());
        text.replace(QStringLiteral("0.00,168.00,0.00,360.00"),
                     QStringLiteral("0.00,1e10,0.00,360.00"));
        text.replace(QStringLiteral(",195.60,345.00,360.00,"),
                     QStringLiteral(",1e10,345.00,360.00,"));
        BowlModel model = defaultModel();
        const std::string bytes = text.toStdString();
        QVERIFY(ReadDesignCsv(bytes, model).ok);
        QCOMPARE(model.SegmentTable[0].OuterRadius, 1e10);
        QCOMPARE(model.SegmentTable[24].OuterRadius, 1e10);
        model.SymmetrySectors = 4;
        const QImage image = DesignRenderer::render(model, QSize(800, 600));
        // The disc, as large as the file says, fills the window outside the tallies.
        QCOMPARE(ShownColor(image, {790, 590}), 0xFF8B4513u);
    }

    // The smallest file that once overflowed an int while its band was laid
    // out (an angle of 6e307 degrees is infinite in radians): the record is
    // left out, the rest of the design is drawn, and the sanitizers see no
    // overflow, in a full paint or a repaint of that record.
    void anAngleBeyondDrawingLeavesItsRecordOut() {
        QFile file(QStringLiteral(CORVANE_TEST_DATA "/angle-beyond-drawing.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        BowlModel model = defaultModel();
        QVERIFY(ReadDesignCsv(std::string_view(bytes.constData(), size_t(bytes.size())), model).ok);
        QCOMPARE(model.SegmentTable[1].LeftAngle, 6e307);
        model.SymmetrySectors = 0;
        DesignPicture picture;
        picture.paintAll(model, QSize(1000, 700), 1.0);
        QCOMPARE(ShownColor(picture.image(), {500, 350}), 0xFF8B4513u);
        QCOMPARE(ShownColor(picture.image(), {500 + 278, 350}), kBlankColor);
        QCOMPARE(ShownColor(picture.image(), {500, 350 - 278}), kBlankColor);
        model.SegmentTable[1].SegmentColor = 0xFF68315Bu;
        picture.repaintRecords(model, {1});
        QCOMPARE(ShownColor(picture.image(), {500 + 278, 350}), kBlankColor);
    }

    // Negative Rows and Segments together leave the design without rings:
    // no circles, no joints, no tally rows.
    void negativeRowsAndSegmentsDrawNoRings() {
        BowlModel model = defaultModel();
        model.FillSegment(5);
        model.Rows = -3;
        model.Segments = -4;
        model.RecountRowTallies();
        const QImage image = DesignRenderer::render(model, QSize(1000, 700));
        QVERIFY(!HasDarkPixel(image, QRect(0, 0, 1000, 700)));
        QCOMPARE(model.RowTallies.size(), size_t(1));
    }

    // At a device pixel ratio of 2 the picture has twice the pixels and the
    // ring circles are drawn at that resolution: a dark core twice as wide,
    // and no wider grey fringe than at 1.
    void ringCirclesAreSharpAtEveryPixelRatio() {
        BowlModel model = defaultModel();
        const auto profile = [&](double ratio) {
            DesignPicture picture;
            picture.paintAll(model, QSize(800, 600), ratio);
            const QImage& image = picture.image();
            const int y = int(290.5 * ratio);  // clear of the joint at 0 degrees
            int dark = 0;
            int grey = 0;
            for (int x = int((400 + 160) * ratio); x < int((400 + 176) * ratio); ++x) {
                const int level = qGray(image.pixel(x, y));
                dark += level < 40 ? 1 : 0;
                grey += level >= 40 && level < 215 ? 1 : 0;
            }
            return std::pair{dark, grey};
        };
        const auto [dark1, grey1] = profile(1.0);
        const auto [dark2, grey2] = profile(2.0);
        QVERIFY2(dark1 >= 2 && dark1 <= 4, qPrintable(QString::number(dark1)));
        QVERIFY2(dark2 >= 2 * dark1 - 1 && dark2 <= 2 * dark1 + 1,
                 qPrintable(QString::number(dark2)));
        QVERIFY2(grey2 <= 2 && grey1 <= 2, qPrintable(QString("%1 %2").arg(grey1).arg(grey2)));
    }

    void sectorOutlineIsRedOverTheRings() {
        BowlModel model = defaultModel();
        model.SymmetrySectors = 4;
        const QImage image = DesignRenderer::render(model, QSize(1000, 700));
        QCOMPARE(paintedLayout(model, QSize(1000, 700)).Sector.SectorStartAngle, 225.0f);
        QCOMPARE(paintedLayout(model, QSize(1000, 700)).Sector.SectorEndAngle, 315.0f);
        const double a = 225.0 * M_PI / 180.0;
        const QPoint onEdge(500 + int(std::cos(a) * 182), 350 + int(std::sin(a) * 182));
        const QRgb pixel = image.pixel(onEdge);
        QVERIFY2(qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80,
                 qPrintable(QString::number(pixel, 16)));
        // Without symmetry mode the same place shows the black joint under it.
        model.SymmetrySectors = 0;
        const QImage plain = DesignRenderer::render(model, QSize(1000, 700));
        QCOMPARE(ShownColor(plain, onEdge), kBlackColor);
    }
};

QTEST_MAIN(DesignRendererTest)
#include "DesignRendererTest.moc"
