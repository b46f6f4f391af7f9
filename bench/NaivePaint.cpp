#include "NaivePaint.h"

#include "Application.h"
#include "BowlModel.h"
#include "MainWindow.h"
#include "TallyFont.h"
#include "TallyLayout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace corvane::bench {

namespace {

void paintRings(QPainter& painter, const BowlModel& model, QPointF centre) {
    const SegmentProp& disc = model.SegmentTable[0];
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(disc.SegmentColor));
    painter.drawEllipse(centre, disc.OuterRadius, disc.OuterRadius);
    painter.setBrush(Qt::NoBrush);
    const int last = model.LastLiveIndex();
    for (int k = 1; k <= last; ++k) {
        const SegmentProp& s = model.SegmentTable[k];
        const double middle = (s.OuterRadius + s.InnerRadius) * 0.5;
        painter.setPen(QPen(QColor::fromRgba(s.SegmentColor), s.OuterRadius - s.InnerRadius,
                            Qt::SolidLine, Qt::FlatCap));
        painter.drawArc(QRectF(centre.x() - middle, centre.y() - middle, 2 * middle, 2 * middle),
                        int(-s.LeftAngle * 16), int(-(s.RightAngle - s.LeftAngle) * 16));
    }
    const QPen outline(Qt::black, 3.0, Qt::SolidLine, Qt::FlatCap);
    painter.setPen(outline);
    for (int i = 0; i <= model.Rows && i * model.Segments <= last; ++i) {
        const double r = model.SegmentTable[i * model.Segments].OuterRadius;
        painter.drawEllipse(centre, r, r);
    }
    for (int k = 1; k <= last; ++k) {
        const SegmentProp& s = model.SegmentTable[k];
        const double theta = s.LeftAngle * std::numbers::pi / 180.0;
        painter.drawLine(QPointF(centre.x() + std::cos(theta) * s.InnerRadius,
                                 centre.y() - std::sin(theta) * s.InnerRadius),
                         QPointF(centre.x() + std::cos(theta) * s.OuterRadius,
                                 centre.y() - std::sin(theta) * s.OuterRadius));
    }
}

void paintTallies(QPainter& painter, const BowlModel& model, QSize size) {
    const QFont font = TallyFont(model.FontSize);
    const QFontMetricsF metrics(font, painter.device());
    const TextWidthFn measure = [&](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    const TallyLayout layout = ComputeTallyLayout(model, size.width(), size.height(),
                                                  metrics.lineSpacing(), measure, measure);
    for (const IntRect& column : layout.rects) {
        painter.fillRect(
            QRect(column.left, column.top, column.right - column.left, column.bottom - column.top),
            Qt::white);
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const TallyLine& line : layout.lines) {
        painter.drawText(QPointF(line.x, line.y + metrics.ascent()),
                         QString::fromStdString(line.text));
    }
}

}  // namespace

QImage NaivePaint(const BowlModel& model, QSize clientSize) {
    QImage image(clientSize, QImage::Format_RGB32);
    const QPointF centre(clientSize.width() / 2, clientSize.height() / 2);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(image.rect(), Qt::white);
    paintRings(painter, model, centre);
    paintTallies(painter, model, clientSize);
    return image;
}

std::vector<double> TimeRuns(int repeats, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> elapsed =
            std::chrono::steady_clock::now() - start;
        times.push_back(elapsed.count());
    }
    return times;
}

void PrintTimes(const char* what, std::vector<double> times) {
    if (times.empty()) {
        std::printf("  %-28s no runs\n", what);
        return;
    }
    std::sort(times.begin(), times.end());
    std::printf("  %-28s best %8.2f  median %8.2f  95%% %8.2f  worst %8.2f ms  (%zu runs)\n", what,
                times.front(), times[times.size() / 2], times[times.size() * 95 / 100],
                times.back(), times.size());
}

int RepeatsOr(int fallback) {
    const int asked = qEnvironmentVariableIntValue("CORVANE_BENCH_REPEATS");
    return asked > 0 ? asked : fallback;
}

MainWindow* ShowFullHdWindow(Application& app) {
    app.showMainWindow();
    MainWindow* frame = app.mainWindow();
    frame->setGeometry(0, 0, 1920, 1080);
    return QTest::qWaitForWindowExposed(frame) ? frame : nullptr;
}

}  // namespace corvane::bench
