#pragma once

#include "BowlShape.h"
#include "CutList.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <optional>

namespace corvane {

// Everything a job was asked for, read and checked from its options before
// any application object exists.
struct JobRequest {
    QString design;          // the design file to read; empty for the default design
    QString output;          // the file the job writes; empty when it writes none
    QByteArray imageFormat;  // of output, for the picture jobs
    QSize size;              // the view's client size in pixels
    double printScale = 1.0;
    LengthUnit unit = LengthUnit::Inches;
    double kerfInches = kDefaultKerfInches;
    double allowanceInches = kDefaultAllowanceInches;
    // Given on the command line, they take the place of the design's own.
    std::optional<double> ringHeight;
    std::optional<double> wallThickness;
    std::optional<double> azimuth;  // degrees; the 3D view's own when not given
    std::optional<double> elevation;
};

}  // namespace corvane
