#include "FileNameRules.h"

namespace corvane {

QString PathExtension(const QString& path) {
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < slash) {
        return {};
    }
    return path.mid(dot + 1);
}

QString PathWithRequiredSuffix(const QString& path, const QString& extension) {
    if (PathExtension(path).compare(extension, Qt::CaseInsensitive) == 0) {
        return path;
    }
    return path + QLatin1Char('.') + extension;
}

}  // namespace corvane
