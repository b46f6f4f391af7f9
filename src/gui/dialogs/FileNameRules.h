#pragma once

#include <QString>

namespace corvane {

// The extension of a path's last component: the text after its last dot,
// without the dot; empty when the name has no dot.
QString FileNameExtension(const QString& path);

// The path as chosen when its extension already is suffix (compared without
// case), otherwise the path with "." + suffix appended. So for "jpg":
// Design.JPG stays, Design.jpeg becomes Design.jpeg.jpg.
QString PathWithRequiredSuffix(const QString& path, const QString& suffix);

}  // namespace corvane
