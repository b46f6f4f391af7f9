#pragma once

#include <QByteArray>
#include <QString>

namespace corvane {

// Checks of the file a job is to write, made before anything is drawn.
// Each prints what is wrong.

// The image format for the name's extension; empty when it has none of
// .png, .jpg or .bmp.
QByteArray ImageOutputFormat(const QString& path);

// True when the name ends in .pdf: a printout goes into nothing else.
bool IsPdfOutput(const QString& path);

// True when output is not the design file, under any name (another
// spelling of the path, a symbolic or a hard link).
bool IsNotTheDesign(const QString& output, const QString& design);

}  // namespace corvane
