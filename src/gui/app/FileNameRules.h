#pragma once

#include <QString>

namespace corvane {

// The extension of a path as the file dialogs treat it: the text after the
// last dot of the last path component, empty when there is none.
QString PathExtension(const QString& path);

// Appends "." + extension unless the path already has that extension,
// compared without regard to case (Design.JPG stays, Design.jpeg gets .jpg).
QString PathWithRequiredSuffix(const QString& path, const QString& extension);

}  // namespace corvane
