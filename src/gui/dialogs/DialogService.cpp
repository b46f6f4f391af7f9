#include "DialogService.h"

#include "QtDialogService.h"

#include <QStringList>

namespace corvane {

namespace {
DialogService* installedService = nullptr;
}

DialogService::~DialogService() = default;

DialogService& DialogService::instance() {
    if (installedService != nullptr) {
        return *installedService;
    }
    static QtDialogService real;
    return real;
}

void DialogService::install(DialogService* service) {
    installedService = service;
}

QString QtFilterFromBarNotation(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        entries << parts[i];
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace corvane
