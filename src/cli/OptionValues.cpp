#include "OptionValues.h"

#include "CommandLineOptions.h"
#include "PrintError.h"

#include <QRegularExpression>

#include <limits>

namespace corvane {

namespace {

// Printout scales beyond this only make pictures no page can hold.
constexpr double kMaxPrintScale = 10.0;

// A side too long for a number is as much beyond the cap as any other.
qint64 sideValue(const QString& digits) {
    bool ok = false;
    const qint64 side = digits.toLongLong(&ok);
    return ok ? side : std::numeric_limits<qint64>::max();
}

}  // namespace

std::optional<QSize> PictureSizeValue(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)[xX](\\d+)$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    const qint64 width = match.hasMatch() ? sideValue(match.captured(1)) : 0;
    const qint64 height = match.hasMatch() ? sideValue(match.captured(2)) : 0;
    if (width < 1 || height < 1) {
        PrintError(QStringLiteral("--size wants WIDTHxHEIGHT with each side from 1 to %1 "
                                  "pixels, such as 1000x700, got \"%2\".")
                       .arg(kMaxPictureSide)
                       .arg(text));
        return std::nullopt;
    }
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels) {
        PrintError(QStringLiteral("--size \"%1\" is more than can be drawn: at most %2 pixels a "
                                  "side and %3 million pixels in all.")
                       .arg(text)
                       .arg(kMaxPictureSide)
                       .arg(kMaxPicturePixels / 1'000'000));
        return std::nullopt;
    }
    return QSize(int(width), int(height));
}

std::optional<double> PrintScaleValue(const QString& given) {
    QString text = given.trimmed();
    double divisor = 1.0;
    if (text.endsWith(QLatin1Char('%'))) {
        text.chop(1);
        divisor = 100.0;
    }
    bool ok = false;
    const double scale = text.toDouble(&ok) / divisor;
    if (!ok || !(scale > 0.0) || scale > kMaxPrintScale) {
        PrintError(QStringLiteral("--scale wants a factor above 0 and up to 10 (or a "
                                  "percentage such as 90%), got \"%1\".")
                       .arg(given));
        return std::nullopt;
    }
    return scale;
}

std::optional<LengthUnit> UnitValue(const QString& text) {
    if (text == QLatin1String("in")) {
        return LengthUnit::Inches;
    }
    if (text == QLatin1String("mm")) {
        return LengthUnit::Millimetres;
    }
    PrintError(QStringLiteral("--units wants in or mm, got \"%1\".").arg(text));
    return std::nullopt;
}

std::optional<double> KerfValue(const QString& text, LengthUnit unit) {
    bool ok = false;
    const double kerf = text.toDouble(&ok);
    if (!ok || CheckKerf(ToInches(kerf, unit))) {
        PrintError(QStringLiteral("--kerf wants a number from 0 to 1 in (25.4 mm), got \"%1\".")
                       .arg(text));
        return std::nullopt;
    }
    return ToInches(kerf, unit);
}

std::optional<double> AllowanceValue(const QString& text, LengthUnit unit) {
    bool ok = false;
    const double allowance = text.toDouble(&ok);
    if (!ok || CheckAllowance(ToInches(allowance, unit))) {
        PrintError(
            QStringLiteral("--allowance wants a number from 0 to 1 in (25.4 mm), got \"%1\".")
                .arg(text));
        return std::nullopt;
    }
    return ToInches(allowance, unit);
}

BowlModel ShapedAsAsked(const BowlModel& model, const JobRequest& request) {
    BowlModel shaped = model;
    if (request.ringHeight) {
        shaped.Shape.ringHeight = *request.ringHeight;
        shaped.Shape.rowHeights.clear();
    }
    if (request.wallThickness) {
        shaped.Shape.wallThickness = *request.wallThickness;
    }
    return shaped;
}

namespace {

std::optional<double> OptionalLength(const CommandLineOptions& options, const QString& name,
                                     LengthUnit unit,
                                     TypedLength (*read)(double typed, LengthUnit unit),
                                     bool& usable) {
    if (!options.isSet(name)) {
        return std::nullopt;
    }
    const std::optional<double> inches = LengthValue(options, name, unit, 0.0, read);
    usable = usable && inches;
    return inches;
}

}  // namespace

bool ShapeOverrides(const CommandLineOptions& options, LengthUnit unit, JobRequest& request) {
    bool usable = true;
    request.ringHeight =
        OptionalLength(options, QStringLiteral("ring-height"), unit, ReadRingHeight, usable);
    request.wallThickness =
        OptionalLength(options, QStringLiteral("wall-thickness"), unit, ReadWallThickness, usable);
    return usable;
}

std::optional<double> LengthValue(const CommandLineOptions& options, const QString& name,
                                  LengthUnit unit, double fallback,
                                  TypedLength (*read)(double typed, LengthUnit unit)) {
    if (!options.isSet(name)) {
        return fallback;
    }
    const QString text = options.value(name);
    bool ok = false;
    const double typed = text.toDouble(&ok);
    const TypedLength length = ok ? read(typed, unit) : TypedLength{0.0, "Enter a number."};
    if (length.error) {
        PrintError(QStringLiteral("--%1 \"%2\": %3")
                       .arg(name, text, QString::fromStdString(*length.error)));
        return std::nullopt;
    }
    return length.inches;
}

std::optional<double> AngleValue(const QString& name, const QString& text, double low,
                                 double high) {
    bool ok = false;
    const double degrees = text.toDouble(&ok);
    if (!ok || !(degrees >= low && degrees <= high)) {
        PrintError(QStringLiteral("--%1 wants degrees from %2 to %3, got \"%4\".")
                       .arg(name)
                       .arg(low)
                       .arg(high)
                       .arg(text));
        return std::nullopt;
    }
    return degrees;
}

}  // namespace corvane
