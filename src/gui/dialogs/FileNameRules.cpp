#include "FileNameRules.h"

namespace corvane {

QString FileNameExtension(const QString& path) {
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < nameStart) {
        return {};
    }
    return path.mid(dot + 1);
}

QString PathWithRequiredSuffix(const QString& path, const QString& suffix) {
    if (FileNameExtension(path).compare(suffix, Qt::CaseInsensitive) == 0) {
        return path;
    }
    return path + QLatin1Char('.') + suffix;
}

}  // namespace corvane
