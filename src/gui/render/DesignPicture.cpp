#include "DesignPicture.h"

#include "ActiveSector.h"
#include "BowlModel.h"
#include "CoverageRaster.h"
#include "DesignLimits.h"
#include "DrawSectorOutline.h"
#include "TallyFont.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <thread>

namespace corvane {

namespace {

constexpr double kOutlineWidth = 3.0;
constexpr double kInchesPerMeter = 39.37007874015748;
// Arcs become chords no further than this from the true curve (device pixels).
constexpr double kChordTolerance = 0.2;
constexpr int kMaxChordsPerArc = 4096;
// Bands of outline closer than this merge into one (device pixels).
constexpr double kBandMergeGap = 0.5;

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

int ChordCount(double radius, double sweepRadians) {
    const double step = radius > kChordTolerance ? 2.0 * std::acos(1.0 - kChordTolerance / radius)
                                                 : 2.0 * std::numbers::pi;
    const double chords = std::ceil(std::fabs(sweepRadians) / step);
    return static_cast<int>(std::clamp(chords, 1.0, double(kMaxChordsPerArc)));
}

// The band between two radii and two angles (clockwise on screen) as one
// polygon: along the outer arc, back along the inner one. An inner radius of
// 0 gives a whole wedge; a full turn gives a ring with a seam that fills
// nothing twice.
QPolygonF BandPolygon(QPointF centre, double inner, double outer, double start, double sweep) {
    const double from = Radians(start);
    const double span = Radians(sweep);
    const int outerChords = ChordCount(outer, span);
    const int innerChords = inner > 0.0 ? ChordCount(inner, span) : 0;
    QPolygonF polygon;
    polygon.reserve(outerChords + innerChords + 2);
    for (int i = 0; i <= outerChords; ++i) {
        const double a = from + span * i / outerChords;
        polygon << QPointF(centre.x() + outer * std::cos(a), centre.y() + outer * std::sin(a));
    }
    if (innerChords == 0) {
        polygon << centre;
        return polygon;
    }
    for (int i = innerChords; i >= 0; --i) {
        const double a = from + span * i / innerChords;
        polygon << QPointF(centre.x() + inner * std::cos(a), centre.y() + inner * std::sin(a));
    }
    return polygon;
}

QString fromNameBytes(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A view onto an image's pixels without its device pixel ratio, so that
// clip regions can be given in device pixels.
QImage DeviceView(QImage& image, int dotsPerMeter) {
    QImage view(image.bits(), image.width(), image.height(), image.bytesPerLine(), image.format());
    view.setDotsPerMeterX(dotsPerMeter);
    view.setDotsPerMeterY(dotsPerMeter);
    return view;
}

int DotsPerMeter(const BowlModel& model) {
    return static_cast<int>(std::lround(model.PixelsPerInch * kInchesPerMeter));
}

uint Blend(uint value, uint over, uint alpha) {
    const uint mixed = value * (255u - alpha) + over * alpha + 128u;
    return (mixed + (mixed >> 8)) >> 8;
}

QRgb ComposePixel(QRgb fill, uint black, uint red) {
    uint r = Blend(qRed(fill), 0, black);
    uint g = Blend(qGreen(fill), 0, black);
    uint b = Blend(qBlue(fill), 0, black);
    r = Blend(r, 255, red);
    g = Blend(g, 0, red);
    b = Blend(b, 0, red);
    return qRgb(int(r), int(g), int(b));
}

// More slices than cores gain nothing; a shop PC rarely has more than this.
constexpr int kMaxRowSlices = 4;

int RowSlices(int height) {
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(cores, 1, std::clamp(height, 1, kMaxRowSlices));
}

// Runs work(slice, firstRow, endRow) for horizontal slices of the picture on
// all cores at once; the slices share no pixel, so no two threads write one.
template <typename Work>
void ForEachRowSlice(int height, const Work& work) {
    const int slices = RowSlices(height);
    std::vector<std::jthread> helpers;
    for (int i = 1; i < slices; ++i) {
        helpers.emplace_back([&, i] { work(i, height * i / slices, height * (i + 1) / slices); });
    }
    work(0, 0, height / slices);
}

double FarthestCorner(QPointF centre, QSize size) {
    const double dx = std::max(std::fabs(centre.x()), std::fabs(size.width() - centre.x()));
    const double dy = std::max(std::fabs(centre.y()), std::fabs(size.height() - centre.y()));
    return std::hypot(dx, dy);
}

// The measured box of a string carries a sixth of the em on each side.
double TextPadding(const QFont& font, const QPaintDevice& device) {
    return font.pointSizeF() * device.logicalDpiY() / 72.0 / 6.0;
}

}  // namespace

DesignPicture::Parameters DesignPicture::parametersOf(const BowlModel& model, QSize clientSize,
                                                      qreal pixelRatio, RenderOptions options) {
    return {model.ID,
            model.OD,
            model.Rows,
            model.Segments,
            model.FontSize,
            model.PixelsPerInch,
            options.sectorOutline ? model.SymmetrySectors : 0,
            clientSize,
            pixelRatio,
            options.zoom};
}

bool DesignPicture::isCurrent(const BowlModel& model, QSize clientSize, qreal pixelRatio,
                              RenderOptions options) const {
    return !shown_.isNull() && painted_ == parametersOf(model, clientSize, pixelRatio, options);
}

QPointF DesignPicture::devicePoint(double angleDegrees, double radius) const {
    const double a = Radians(angleDegrees);
    return {centre_.x() + radius * std::cos(a), centre_.y() + radius * std::sin(a)};
}

// Radii far beyond the window (a hostile file) are cut to what can show.
double DesignPicture::deviceRadius(double logicalRadius) const {
    const double r = logicalRadius * scale_;
    return std::isnan(r) ? 0.0 : std::min(r, visibleRadius_);
}

QRect DesignPicture::deviceRect(const QRectF& logical) const {
    const qreal s = painted_.ratio;
    const QRectF device(logical.left() * s, logical.top() * s, logical.width() * s,
                        logical.height() * s);
    return device.toAlignedRect().intersected(shown_.rect());
}

void DesignPicture::allocate(const BowlModel& model, QSize deviceSize) {
    if (shown_.size() != deviceSize) {
        fills_ = QImage(deviceSize, QImage::Format_RGB32);
        black_ = QImage(deviceSize, QImage::Format_Alpha8);
        red_ = QImage(deviceSize, QImage::Format_Alpha8);
        shown_ = QImage(deviceSize, QImage::Format_RGB32);
        // Without every layer there is no picture at all, so that the caller
        // can tell memory that ran out from a picture that is only partly painted.
        if (fills_.isNull() || black_.isNull() || red_.isNull() || shown_.isNull()) {
            fills_ = black_ = red_ = shown_ = QImage();
        }
    }
    shown_.setDotsPerMeterX(DotsPerMeter(model));
    shown_.setDotsPerMeterY(DotsPerMeter(model));
}

void DesignPicture::paintAll(const BowlModel& model, QSize clientSize, qreal pixelRatio,
                             RenderOptions options) {
    const qreal s = pixelRatio > 0.0 ? pixelRatio : 1.0;
    const QSize logical = clientSize.expandedTo(QSize(1, 1));
    const QSize device(static_cast<int>(std::ceil(logical.width() * s)),
                       static_cast<int>(std::ceil(logical.height() * s)));
    painted_ = parametersOf(model, clientSize, s, options);
    options_ = options;
    allocate(model, device);
    if (shown_.isNull()) {
        return;
    }

    layout_ = ViewLayout{};
    layout_.CenterX = clientSize.width() / 2;
    layout_.CenterY = clientSize.height() / 2;
    // The tallies stand where the client size puts them, whatever the zoom;
    // the bowl is placed in the room they leave.
    tallies_ = layTallies(model, painted_.size);
    const ViewPlacement& placement = layout_.Placement =
        PlaceDesign(model, clientSize.width(), clientSize.height(), tallies_.rects, options.zoom);
    const IntPoint centre{layout_.CenterX, layout_.CenterY};
    std::optional<SectorOutline> outline;
    if (painted_.sectors > 0 && model.Segments >= 1) {
        outline = ComputeSectorOutline(model, centre);
        layout_.Sector = outline->angles;
    }
    // The model's pixel centres lie on whole coordinates, Qt's on halves.
    const ViewPoint middle = DesignToView(placement, centre.x, centre.y);
    centre_ = QPointF((middle.x + 0.5) * s, (middle.y + 0.5) * s);
    scale_ = placement.zoom * s;
    visibleRadius_ = FarthestCorner(centre_, device) + 8.0 * s;
    halfOutline_ = kOutlineWidth / 2.0 * s;

    planRows(model);
    buildShapes(model);
    paintFills(fills_.rect());
    paintOutlines(model);
    paintSectorOutline(outline);
    shown_.bits();  // detach here: the slices below must not copy it each
    ForEachRowSlice(shown_.height(), [&](int, int firstRow, int endRow) {
        compose(QRect(0, firstRow, shown_.width(), endRow - firstRow));
    });
    paintTallies(model, tallies_, QRegion(shown_.rect()));
    shown_.setDevicePixelRatio(s);
}

QRegion DesignPicture::repaintRecords(const BowlModel& model, const std::vector<int>& records) {
    // A recount may widen the tally column, and a fitted bowl then moves
    // aside and shrinks: nothing less than a full paint shows that.
    const TallyLayout recounted = layTallies(model, painted_.size);
    if (PlaceDesign(model, painted_.size.width(), painted_.size.height(), recounted.rects,
                    painted_.zoom) != layout_.Placement) {
        paintAll(model, painted_.size, painted_.ratio, options_);
        return QRegion(QRect(QPoint(0, 0), painted_.size));
    }
    QRegion changed;
    for (int k : records) {
        if (k >= 0 && k < static_cast<int>(shapes_.size()) && !shapes_[k].outline.isEmpty()) {
            shapes_[k].color = model.SegmentTable[k].SegmentColor;
            changed += shapes_[k].bounds;
        }
    }
    for (const QRect& area : changed) {
        paintFills(area);
    }
    const TallyLayout& layout = recounted;
    changed += changedTallyArea(layout);
    for (const QRect& area : changed) {
        compose(area);
    }
    paintTallies(model, layout, changed);
    tallies_ = layout;

    QRegion logical;
    for (const QRect& area : changed) {
        const qreal s = painted_.ratio;
        logical += QRectF(area.left() / s, area.top() / s, area.width() / s, area.height() / s)
                       .toAlignedRect();
    }
    return logical;
}

Argb DesignPicture::colorAt(QPoint clientPoint) const {
    const qreal s = painted_.ratio;
    const QPoint device(static_cast<int>(std::floor((clientPoint.x() + 0.5) * s)),
                        static_cast<int>(std::floor((clientPoint.y() + 0.5) * s)));
    if (!shown_.valid(device)) {
        return kBlankColor;
    }
    return shown_.pixel(device) | 0xFF000000u;
}

// A row whose records are the equal, contiguous segments of one ring between
// two ring circles can be judged as a whole: when it is too thin, or its
// joints too close together, the black outlines cover it entirely.
void DesignPicture::planRows(const BowlModel& model) {
    const int last = model.LastLiveIndex();
    const int segments = model.Segments;
    const int rows = model.RowOf(last);
    rows_.assign(static_cast<std::size_t>(rows) + 1, RowOutline{});
    const double fullBlack = halfOutline_ - 0.5;  // distance within which a pixel is all black
    for (int i = 1; i <= rows; ++i) {
        const int first = static_cast<int>(model.FirstRecordOf(i));
        const int end = first + segments;  // one past the row's last record
        if (end - 1 > last) {
            break;  // a row the table cuts short
        }
        const SegmentProp& start = model.SegmentTable[first];
        // Entry (i - 1) * Segments is the last of the row below, or the disc.
        const double circleBelow =
            model.SegmentTable[static_cast<std::size_t>(first - 1)].OuterRadius;
        bool regular = start.InnerRadius == circleBelow && start.OuterRadius > start.InnerRadius;
        for (int j = first; regular && j < end; ++j) {
            const SegmentProp& segment = model.SegmentTable[j];
            regular = IsUsableRecord(segment) && segment.InnerRadius == start.InnerRadius &&
                      segment.OuterRadius == start.OuterRadius &&
                      (j + 1 == end || segment.RightAngle == model.SegmentTable[j + 1].LeftAngle);
        }
        const SegmentProp& final = model.SegmentTable[end - 1];
        if (!regular || std::fabs(final.RightAngle - start.LeftAngle - 360.0) > 1e-6) {
            continue;
        }
        RowOutline& row = rows_[i];
        row.regular = true;
        row.solidRadius = 2.0 * fullBlack / Radians(360.0 / segments);
        const double inner = start.InnerRadius * scale_;
        const double outer = start.OuterRadius * scale_;
        row.hidesSegments = outer - inner <= 2.0 * fullBlack || row.solidRadius >= outer;
    }
}

void DesignPicture::buildShapes(const BowlModel& model) {
    const int last = model.LastLiveIndex();
    shapes_.assign(static_cast<std::size_t>(last) + 1, Shape{});
    const QRect canvas = fills_.rect();
    for (int k = 0; k <= last; ++k) {
        const SegmentProp& segment = model.SegmentTable[k];
        const int row = model.RowOf(k);
        if ((k > 0 && rows_[row].hidesSegments) || !IsUsableRecord(segment)) {
            continue;  // entirely under black outlines, or beyond what can be drawn
        }
        const double inner = k == 0 ? 0.0 : std::max(deviceRadius(segment.InnerRadius), 0.0);
        const double outer = deviceRadius(segment.OuterRadius);
        const double sweep = k == 0 ? 360.0 : segment.RightAngle - segment.LeftAngle;
        if (!(outer > inner) || !std::isfinite(segment.LeftAngle) || std::isnan(sweep)) {
            continue;
        }
        Shape& shape = shapes_[k];
        shape.outline = BandPolygon(centre_, inner, outer, k == 0 ? 0.0 : segment.LeftAngle,
                                    std::clamp(sweep, -360.0, 360.0));
        shape.bounds = shape.outline.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1) & canvas;
        shape.color = segment.SegmentColor;
        if (shape.bounds.isEmpty()) {
            shape.outline.clear();
        }
    }
}

void DesignPicture::paintFills(const QRect& area) {
    QPainter painter(&fills_);
    painter.setClipRect(area);
    painter.fillRect(area, Qt::white);
    painter.setPen(Qt::NoPen);
    for (const Shape& shape : shapes_) {
        if (!shape.outline.isEmpty() && shape.bounds.intersects(area)) {
            painter.setBrush(QColor::fromRgba(shape.color));
            painter.drawPolygon(shape.outline);
        }
    }
}

// The ring circles, and the inner parts of rows whose joints stand so close
// that they are black anyway, merged into as few bands as they make.
void DesignPicture::paintOutlines(const BowlModel& model) {
    black_.fill(0);
    std::vector<std::pair<double, double>> bands;
    const int last = model.LastLiveIndex();
    const int segments = std::max(model.Segments, 1);
    // Circle i is the outer circle of row i (the disc for 0): entry i * Segments.
    for (int i = 0; i * segments <= last && i <= model.Rows; ++i) {
        const double r =
            std::fabs(model.SegmentTable[static_cast<std::size_t>(i * segments)].OuterRadius) *
            scale_;
        if (r - halfOutline_ < visibleRadius_) {
            bands.emplace_back(r - halfOutline_, r + halfOutline_);
        }
    }
    for (std::size_t i = 1; i < rows_.size(); ++i) {
        const SegmentProp& first = model.SegmentTable[model.FirstRecordOf(int(i))];
        const double inner = deviceRadius(first.InnerRadius);
        if (rows_[i].regular && rows_[i].solidRadius > inner) {
            bands.emplace_back(inner,
                               std::min(deviceRadius(first.OuterRadius), rows_[i].solidRadius));
        }
    }
    std::sort(bands.begin(), bands.end());
    std::vector<std::pair<double, double>> merged;
    for (const auto& band : bands) {
        if (!merged.empty() && band.first <= merged.back().second + kBandMergeGap) {
            merged.back().second = std::max(merged.back().second, band.second);
        } else {
            merged.push_back(band);
        }
    }
    std::vector<QRect> touched(RowSlices(black_.height()));
    black_.bits();  // detached once, before the slices write to it
    ForEachRowSlice(black_.height(), [&](int slice, int firstRow, int endRow) {
        CoverageRaster raster(black_, firstRow, endRow);
        for (const auto& [inner, outer] : merged) {
            raster.fillBand(centre_, inner, std::min(outer, visibleRadius_));
        }
        paintJoints(model, raster);
        touched[slice] = raster.touched();
    });
    outlined_ = QRect();
    for (const QRect& rect : touched) {
        outlined_ |= rect;
    }
}

// A joint at the left edge of every record, from its inner to its outer
// radius, with flat ends that stop inside the ring circles.
void DesignPicture::paintJoints(const BowlModel& model, CoverageRaster& raster) const {
    const int last = model.LastLiveIndex();
    for (int k = 1; k <= last; ++k) {
        const SegmentProp& segment = model.SegmentTable[k];
        if (!IsUsableRecord(segment)) {
            continue;
        }
        const RowOutline& row = rows_[model.RowOf(k)];
        double inner = std::max(deviceRadius(segment.InnerRadius), 0.0);
        const double outer = deviceRadius(segment.OuterRadius);
        if (row.regular) {
            if (row.solidRadius >= outer) {
                continue;
            }
            inner = std::max(inner, row.solidRadius - 2.0);
        }
        if (!(outer > inner) || !std::isfinite(segment.LeftAngle)) {
            continue;
        }
        raster.fillLine(devicePoint(segment.LeftAngle, inner),
                        devicePoint(segment.LeftAngle, outer), 2.0 * halfOutline_);
    }
}

void DesignPicture::paintSectorOutline(const std::optional<SectorOutline>& outline) {
    red_.fill(0);
    if (!outline) {
        return;
    }
    outlined_ = red_.rect();
    QPainter painter(&red_);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Design coordinates, their pixel centres on Qt's halves.
    const ViewPlacement& placement = layout_.Placement;
    const double zoom = placement.zoom;
    painter.scale(painted_.ratio, painted_.ratio);
    painter.translate(placement.offsetX + 0.5 * zoom, placement.offsetY + 0.5 * zoom);
    painter.scale(zoom, zoom);
    const ViewPoint topLeft = ViewToDesign(placement, -0.5, -0.5);
    const QRectF visible(topLeft.x, topLeft.y, painted_.size.width() / zoom,
                         painted_.size.height() / zoom);
    DrawSectorOutline(painter, *outline, QPointF(layout_.CenterX, layout_.CenterY), visible, zoom);
}

// Outside the outlined area the fills show as they are; inside, eight
// pixels without any outline at a time are copied as they are too.
void DesignPicture::compose(const QRect& area) {
    const QRect rect = area & shown_.rect();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const auto* fill = reinterpret_cast<const QRgb*>(fills_.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(shown_.scanLine(y));
        int from = rect.right() + 1;
        int to = rect.right();
        if (y >= outlined_.top() && y <= outlined_.bottom()) {
            from = std::max(rect.left(), outlined_.left());
            to = std::min(rect.right(), outlined_.right());
        }
        if (from > to) {
            from = to = rect.right() + 1;
        }
        std::memcpy(out + rect.left(), fill + rect.left(),
                    sizeof(QRgb) * static_cast<size_t>(std::max(from - rect.left(), 0)));
        std::memcpy(out + to + 1, fill + to + 1,
                    sizeof(QRgb) * static_cast<size_t>(std::max(rect.right() - to, 0)));
        const uchar* black = black_.constScanLine(y);
        const uchar* red = red_.constScanLine(y);
        for (int x = from; x <= to && x <= rect.right(); ++x) {
            if (x + 8 <= to + 1) {
                std::uint64_t b8 = 0;
                std::uint64_t r8 = 0;
                std::memcpy(&b8, black + x, 8);
                std::memcpy(&r8, red + x, 8);
                if ((b8 | r8) == 0) {
                    std::memcpy(out + x, fill + x, 8 * sizeof(QRgb));
                    x += 7;
                    continue;
                }
            }
            out[x] = (black[x] | red[x]) == 0 ? fill[x] : ComposePixel(fill[x], black[x], red[x]);
        }
    }
}

TallyLayout DesignPicture::layTallies(const BowlModel& model, QSize clientSize) {
    // Only the resolution matters for measuring: point sizes as on the screen.
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterX(DotsPerMeter(model));
    probe.setDotsPerMeterY(DotsPerMeter(model));
    const QFont font = TallyFont(model.FontSize);
    const QFontMetricsF metrics(font, &probe);
    const double padding = TextPadding(font, probe);
    const TextWidthFn measure = [&](const std::string& text) {
        return metrics.horizontalAdvance(fromNameBytes(text)) + 2.0 * padding;
    };
    return ComputeTallyLayout(model, clientSize.width(), clientSize.height(), metrics.lineSpacing(),
                              measure, measure);
}

// A line's text may run past a narrow column, up to the window's edge, but
// no further than its measured width and a little for glyphs that reach
// beyond their advance: a changed line repaints no more than it covers.
QRect DesignPicture::lineBox(const TallyLine& line, int lineHeight) const {
    constexpr double kGlyphOverhang = 8.0;
    const double toEdge = double(painted_.size.width()) - line.x + 2.0;
    const double width =
        std::isfinite(line.width) ? std::min(toEdge, line.width + 2.0 + kGlyphOverhang) : toEdge;
    return deviceRect(QRectF(line.x - 2.0, line.y - 2.0, width, lineHeight + 4.0));
}

std::vector<QRectF> DesignPicture::tallyColumns(const TallyLayout& layout) {
    std::vector<QRectF> columns;
    for (int i = 0; i < 3; ++i) {
        const IntRect& column = layout.rects[i];
        if (i == 0 || !column.IsEmpty()) {
            columns.emplace_back(column.left, column.top, double(column.right) - column.left,
                                 double(column.bottom) - column.top);
        }
    }
    return columns;
}

QRegion DesignPicture::tallyArea(const TallyLayout& layout) const {
    QRegion area;
    for (const QRectF& column : tallyColumns(layout)) {
        area += deviceRect(column);
    }
    for (const TallyLine& line : layout.lines) {
        area += lineBox(line, layout.lineHeight);
    }
    return area;
}

// Where the tallies differ from the last ones drawn: the lines that changed
// when the columns stay as they were, everything they cover otherwise.
QRegion DesignPicture::changedTallyArea(const TallyLayout& layout) const {
    const bool sameColumns = layout.rects == tallies_.rects &&
                             layout.lines.size() == tallies_.lines.size() &&
                             layout.lineHeight == tallies_.lineHeight;
    if (!sameColumns) {
        return tallyArea(layout) + tallyArea(tallies_);
    }
    QRegion area;
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        const TallyLine& now = layout.lines[i];
        const TallyLine& before = tallies_.lines[i];
        if (now.text != before.text || now.x != before.x || now.y != before.y) {
            area += lineBox(now, layout.lineHeight);
            area += lineBox(before, layout.lineHeight);
        }
    }
    return area;
}

// Drawn rectangle by rectangle: text clipped to anything but a rectangle is
// rasterized another way, which would change its pixels.
void DesignPicture::paintTallies(const BowlModel& model, const TallyLayout& layout,
                                 const QRegion& area) {
    layout_.TallyRects = layout.rects;
    if (area.isEmpty()) {
        return;
    }
    QImage device = DeviceView(shown_, DotsPerMeter(model));
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QFont font = TallyFont(model.FontSize);
    const double padding = TextPadding(font, device);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const QRect& rect : area) {
        painter.resetTransform();
        painter.setClipRect(rect);
        painter.scale(painted_.ratio, painted_.ratio);
        for (const QRectF& column : tallyColumns(layout)) {
            painter.fillRect(column, Qt::white);
        }
        for (const TallyLine& line : layout.lines) {
            if (rect.intersects(lineBox(line, layout.lineHeight))) {
                painter.drawText(QRectF(line.x + padding, line.y, 1.0e6, layout.lineHeight * 4.0),
                                 Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                                 fromNameBytes(line.text));
            }
        }
    }
}

}  // namespace corvane
