#include "DesignRenderer.h"

#include "ActiveSector.h"
#include "BowlModel.h"
#include "DesignLimits.h"
#include "DrawSectorOutline.h"
#include "TallyFont.h"
#include "TallyLayout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

namespace corvane {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kOutlineWidth = 3.0;
// More bands than cores gain nothing; a shop PC rarely has more than this.
constexpr int kMaxBands = 8;
constexpr double kInchesPerMeter = 39.37007874015748;

QColor toQColor(Argb argb) {
    return QColor::fromRgba(argb);
}

// The drawing library put pixel centres on integer coordinates; Qt puts them
// on half-integers. Shifting by half a pixel keeps circles, joints and the
// click test centred on the same pixels.
void usePixelCentres(QPainter& painter) {
    painter.translate(0.5, 0.5);
}

// The area a flat-capped pen of the given width covers along an arc of the
// circle of radius middle; angles clockwise on screen, as the model keeps them.
QPainterPath ArcBand(QPointF centre, double middle, double width, double start, double sweep) {
    const double outer = middle + width / 2.0;
    const double inner = std::max(0.0, middle - width / 2.0);
    const QRectF outerBox(centre.x() - outer, centre.y() - outer, 2.0 * outer, 2.0 * outer);
    const QRectF innerBox(centre.x() - inner, centre.y() - inner, 2.0 * inner, 2.0 * inner);
    QPainterPath band;
    band.arcMoveTo(outerBox, -start);
    band.arcTo(outerBox, -start, -sweep);
    band.arcTo(innerBox, -(start + sweep), sweep);
    band.closeSubpath();
    return band;
}

QString fromNameBytes(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::optional<SectorOutline> DesignRenderer::prepare(BowlModel& model, QSize clientSize) {
    model.CenterX = clientSize.width() / 2;
    model.CenterY = clientSize.height() / 2;
    if (model.SymmetrySectors > 0 && model.Segments >= 1) {
        return ComputeSectorOutline(model);
    }
    return std::nullopt;
}

void DesignRenderer::paint(QPainter& painter, BowlModel& model, QSize clientSize) {
    const std::optional<SectorOutline> outline = prepare(model, clientSize);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(0, 0, clientSize.width(), clientSize.height());
    painter.fillRect(QRect(QPoint(0, 0), clientSize), Qt::white);
    paintRings(painter, model, outline);
    paintTallies(painter, model, clientSize);
}

void DesignRenderer::paintRings(QPainter& painter, const BowlModel& model,
                                const std::optional<SectorOutline>& outline) {
    painter.save();
    usePixelCentres(painter);
    paintDisc(painter, model);
    paintSegments(painter, model);
    paintRingCircles(painter, model);
    paintJoints(painter, model);
    if (outline) {
        DrawSectorOutline(painter, *outline, QPointF(model.CenterX, model.CenterY));
    }
    painter.restore();
}

// One band of rows of the image, painted through a view onto its pixels:
// shifting by whole pixels keeps every pixel exactly as a single paint
// would make it.
void DesignRenderer::paintRingBand(QImage& image, int top, int bottom, const BowlModel& model,
                                   const std::optional<SectorOutline>& outline) {
    QImage band(image.scanLine(top), image.width(), bottom - top, image.bytesPerLine(),
                image.format());
    QPainter painter(&band);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(band.rect(), Qt::white);
    painter.translate(0, -top);
    paintRings(painter, model, outline);
}

QImage DesignRenderer::render(BowlModel& model, QSize clientSize) {
    QImage image(clientSize.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(model.PixelsPerInch * kInchesPerMeter));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    const std::optional<SectorOutline> outline = prepare(model, clientSize);

    const int bands = std::clamp(int(std::thread::hardware_concurrency()), 1,
                                 std::min(kMaxBands, image.height()));
    std::vector<std::jthread> helpers;
    for (int b = 1; b < bands; ++b) {
        helpers.emplace_back([&, b] {
            paintRingBand(image, image.height() * b / bands, image.height() * (b + 1) / bands,
                          model, outline);
        });
    }
    paintRingBand(image, 0, image.height() / bands, model, outline);
    helpers.clear();  // joins

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    paintTallies(painter, model, clientSize);
    return image;
}

void DesignRenderer::paintDisc(QPainter& painter, const BowlModel& model) {
    const SegmentProp& disc = model.SegmentTable[0];
    const float radius = static_cast<float>(disc.OuterRadius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(disc.SegmentColor));
    painter.drawEllipse(
        QRectF(model.CenterX - radius, model.CenterY - radius, 2.0f * radius, 2.0f * radius));
    painter.setBrush(Qt::NoBrush);
}

// Each segment is the stroke of an arc along the middle of its ring with a
// pen as wide as the ring and flat ends: exactly the band between the two
// radii and the two angles, which is filled here as one outline.
void DesignRenderer::paintSegments(QPainter& painter, const BowlModel& model) {
    painter.setPen(Qt::NoPen);
    const QPointF centre(model.CenterX, model.CenterY);
    const int last = model.LastLiveIndex();
    for (int k = 1; k <= last; ++k) {
        const SegmentProp& segment = model.SegmentTable[k];
        const float penWidth = static_cast<float>(segment.OuterRadius - segment.InnerRadius);
        if (!(penWidth > 0.0f)) {
            continue;  // a ring of no width has nothing to show
        }
        const float middle = static_cast<float>((segment.OuterRadius + segment.InnerRadius) * 0.5);
        const double start = static_cast<float>(segment.LeftAngle);
        const double sweep = static_cast<float>(segment.RightAngle - segment.LeftAngle);
        painter.fillPath(ArcBand(centre, middle, penWidth, start, sweep),
                         toQColor(segment.SegmentColor));
    }
}

// A 3-pixel circle is filled as the band a centred pen would cover, in
// eighths that overlap a little: large outlines rasterize much faster in
// pieces, and black over black leaves no seam.
void DesignRenderer::paintRingCircles(QPainter& painter, const BowlModel& model) {
    painter.setPen(Qt::NoPen);
    // Beyond the table every row would repeat the last circle drawn.
    const int rows = std::clamp(model.Rows, 0, kMaxLiveSegments);
    const QPointF centre(model.CenterX, model.CenterY);
    for (int i = 0; i <= rows; ++i) {
        const long long index = static_cast<long long>(i) * model.Segments;
        if (index < 0 || index > model.LastLiveIndex()) {
            continue;
        }
        const float radius = static_cast<float>(model.SegmentTable[index].OuterRadius);
        for (int piece = 0; piece < 8; ++piece) {
            painter.fillPath(
                ArcBand(centre, std::abs(radius), kOutlineWidth, piece * 45.0 - 1.0, 47.0),
                Qt::black);
        }
    }
}

// The y term is subtracted, so each joint is drawn at its mirror angle; a
// full ring is symmetric about the horizontal axis, so the joints match.
void DesignRenderer::paintJoints(QPainter& painter, const BowlModel& model) {
    painter.setPen(QPen(Qt::black, kOutlineWidth));
    const int last = model.LastLiveIndex();
    for (int k = 1; k <= last; ++k) {
        const SegmentProp& segment = model.SegmentTable[k];
        const double theta = segment.LeftAngle * kPi / 180.0;
        const double c = std::cos(theta);
        const double s = std::sin(theta);
        const QPoint inner(model.CenterX + TruncToInt(c * segment.InnerRadius),
                           model.CenterY - TruncToInt(s * segment.InnerRadius));
        const QPoint outer(model.CenterX + TruncToInt(c * segment.OuterRadius),
                           model.CenterY - TruncToInt(s * segment.OuterRadius));
        painter.drawLine(inner, outer);
    }
}

void DesignRenderer::paintTallies(QPainter& painter, BowlModel& model, QSize clientSize) {
    const QFont font = TallyFont(model.FontSize);
    const QFontMetricsF metrics(font, painter.device());
    // The measured box of a string carries a sixth of the em on each side.
    const double emPixels = font.pointSizeF() * painter.device()->logicalDpiY() / 72.0;
    const double padding = emPixels / 6.0;
    const TextWidthFn measure = [&](const std::string& text) {
        return metrics.horizontalAdvance(fromNameBytes(text)) + 2.0 * padding;
    };
    const TallyLayout layout = ComputeTallyLayout(model, clientSize.width(), clientSize.height(),
                                                  metrics.lineSpacing(), measure, measure);
    model.TallyRects = layout.rects;

    for (int i = 0; i < 3; ++i) {
        const IntRect& column = layout.rects[i];
        if (i == 0 || !column.IsRectEmpty()) {
            painter.fillRect(QRect(column.left, column.top, column.right - column.left,
                                   column.bottom - column.top),
                             Qt::white);
        }
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const TallyLine& line : layout.lines) {
        const QRectF box(line.x + padding, line.y, 1.0e6, layout.lineHeight * 4.0);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                         fromNameBytes(line.text));
    }
}

}  // namespace corvane
