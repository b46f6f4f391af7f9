#include "DesignDrawing.h"

#include "ActiveSector.h"
#include "BowlModel.h"
#include "DesignLimits.h"
#include "DrawSectorOutline.h"
#include "TallyFont.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace corvane {

namespace {

constexpr double kOutlineWidth = 3.0;
// Far beyond any page; radii of a hostile file are cut to it.
constexpr double kLargestRadius = 1.0e6;

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

QPointF PointAt(QPointF centre, double degrees, double radius) {
    const double a = Radians(degrees);
    return {centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a)};
}

QRectF Square(QPointF centre, double radius) {
    return {centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius};
}

double DrawnRadius(double radius) {
    return std::isfinite(radius) ? std::clamp(radius, 0.0, kLargestRadius) : 0.0;
}

// The band between two radii and two angles (clockwise on screen, as Qt's
// arcs count the other way), as exact arcs.
QPainterPath BandPath(QPointF centre, double inner, double outer, double start, double sweep) {
    QPainterPath path;
    if (std::fabs(sweep) >= 360.0) {
        path.addEllipse(Square(centre, outer));
        if (inner > 0.0) {
            path.addEllipse(Square(centre, inner));
        }
        return path;
    }
    path.arcMoveTo(Square(centre, outer), -start);
    path.arcTo(Square(centre, outer), -start, -sweep);
    if (inner > 0.0) {
        path.arcTo(Square(centre, inner), -(start + sweep), sweep);
    } else {
        path.lineTo(centre);
    }
    path.closeSubpath();
    return path;
}

void DrawFills(QPainter& painter, const BowlModel& model, QPointF centre) {
    painter.setPen(Qt::NoPen);
    const int last = model.LastLiveIndex();
    for (int k = 0; k <= last; ++k) {
        const SegmentProp& segment = model.SegmentTable[k];
        if (!IsUsableRecord(segment) || (segment.SegmentColor | kBlackColor) == kBlankColor) {
            continue;  // white on white
        }
        const double inner = k == 0 ? 0.0 : DrawnRadius(segment.InnerRadius);
        const double outer = DrawnRadius(segment.OuterRadius);
        const double sweep = k == 0 ? 360.0 : segment.RightAngle - segment.LeftAngle;
        if (!(outer > inner) || !std::isfinite(segment.LeftAngle) || !std::isfinite(sweep)) {
            continue;
        }
        painter.setBrush(QColor::fromRgba(segment.SegmentColor | kBlackColor));
        painter.drawPath(BandPath(centre, inner, outer, k == 0 ? 0.0 : segment.LeftAngle,
                                  std::clamp(sweep, -360.0, 360.0)));
    }
}

// The ring circles, and a joint at the left edge of every segment from its
// inner to its outer circle.
void DrawOutlines(QPainter& painter, const BowlModel& model, QPointF centre) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, kOutlineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    const int last = model.LastLiveIndex();
    const int segments = std::max(model.Segments, 1);
    for (int i = 0; i * segments <= last && i <= model.Rows; ++i) {
        const double r = DrawnRadius(
            std::fabs(model.SegmentTable[static_cast<std::size_t>(i * segments)].OuterRadius));
        painter.drawEllipse(Square(centre, r));
    }
    for (int k = 1; k <= last; ++k) {
        const SegmentProp& segment = model.SegmentTable[k];
        if (!IsUsableRecord(segment) || !std::isfinite(segment.LeftAngle)) {
            continue;
        }
        const double inner = DrawnRadius(segment.InnerRadius);
        const double outer = DrawnRadius(segment.OuterRadius);
        if (outer > inner) {
            painter.drawLine(PointAt(centre, segment.LeftAngle, inner),
                             PointAt(centre, segment.LeftAngle, outer));
        }
    }
}

QString FromNameBytes(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Point sizes are those of the screen the design is laid out for: the
// painter's transform already takes its pixels to the device.
QFont TallyFontFor(const BowlModel& model, const QPaintDevice& device) {
    QFont font = TallyFont(model.FontSize);
    font.setPointSizeF(font.pointSizeF() * model.PixelsPerInch / device.logicalDpiY());
    return font;
}

void DrawTallies(QPainter& painter, const BowlModel& model, const TallyLayout& layout) {
    for (const QRectF& column : DesignPicture::tallyColumns(layout)) {
        painter.fillRect(column, Qt::white);
    }
    const QFont screenFont = TallyFont(model.FontSize);
    // The measured box of a string carries a sixth of the em on each side.
    const double padding = screenFont.pointSizeF() * model.PixelsPerInch / 72.0 / 6.0;
    painter.setFont(TallyFontFor(model, *painter.device()));
    painter.setPen(Qt::black);
    for (const TallyLine& line : layout.lines) {
        painter.drawText(QRectF(line.x + padding, line.y, 1.0e6, layout.lineHeight * 4.0),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, FromNameBytes(line.text));
    }
}

}  // namespace

QSize DesignDrawing::wholeDesignSize(const BowlModel& model, QSize atLeast) {
    constexpr int kRoomy = 1 << 24;  // so tall that every tally line goes in the first column
    const TallyLayout tallies = DesignPicture::layTallies(model, QSize(kRoomy, kRoomy));
    int tallyHeight = 0;
    for (const TallyLine& line : tallies.lines) {
        tallyHeight = std::max(tallyHeight, line.y + tallies.lineHeight);
    }
    // Lines stop this far above the client's bottom edge.
    tallyHeight += kRoomy - tallies.usableHeight;
    const double bowl = 2.0 * (DesignExtent(model) + kFitMargin);
    const int side = static_cast<int>(std::min(std::ceil(bowl), double(kMaxPictureSide)));
    // The bowl stands in the middle, as in the view at true scale, with room
    // for the tally column on either side: a page centres the bowl.
    const int width = std::max(atLeast.width(), 2 * tallies.columnWidth + side);
    const int height = std::max({atLeast.height(), side, tallyHeight});
    return {std::min(width, kMaxPictureSide), std::min(height, kMaxPictureSide)};
}

RenderOptions DesignDrawing::wholeDesignOptions(RenderOptions options) {
    options.zoom = ZoomRequest{};
    return options;
}

void DesignDrawing::draw(QPainter& painter, const BowlModel& model, QSize clientSize,
                         RenderOptions options) {
    const TallyLayout tallies = DesignPicture::layTallies(model, clientSize);
    const ViewPlacement placement =
        PlaceDesign(model, clientSize.width(), clientSize.height(), tallies.rects, options.zoom);
    const IntPoint middle{clientSize.width() / 2, clientSize.height() / 2};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(QRectF(QPointF(0.0, 0.0), QSizeF(clientSize)), Qt::white);
    painter.setClipRect(QRectF(QPointF(0.0, 0.0), QSizeF(clientSize)));
    // Design coordinates, their pixel centres on Qt's halves.
    painter.save();
    painter.translate(placement.offsetX + 0.5 * placement.zoom,
                      placement.offsetY + 0.5 * placement.zoom);
    painter.scale(placement.zoom, placement.zoom);
    const QPointF centre(middle.x, middle.y);
    DrawFills(painter, model, centre);
    DrawOutlines(painter, model, centre);
    if (options.sectorOutline && model.SymmetrySectors > 0 && model.Segments >= 1) {
        const SectorOutline outline = ComputeSectorOutline(model, middle);
        const ViewPoint topLeft = ViewToDesign(placement, -0.5, -0.5);
        DrawSectorOutline(painter, outline, centre,
                          QRectF(topLeft.x, topLeft.y, clientSize.width() / placement.zoom,
                                 clientSize.height() / placement.zoom),
                          placement.zoom);
    }
    painter.restore();
    DrawTallies(painter, model, tallies);
    painter.restore();
}

}  // namespace corvane
