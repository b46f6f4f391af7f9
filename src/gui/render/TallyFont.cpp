#include "TallyFont.h"

#include <QStringList>

namespace corvane {

namespace {

void registerArialSubstitutesOnce() {
    static const bool done = [] {
        QFont::insertSubstitutions(QStringLiteral("Arial"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("DejaVu Sans")});
        return true;
    }();
    (void)done;
}

}  // namespace

QFont TallyFont(int pointSize) {
    registerArialSubstitutesOnce();
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize > 0 ? pointSize : 1);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

}  // namespace corvane
