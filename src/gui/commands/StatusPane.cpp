#include "StatusPane.h"

#include <QLabel>

namespace corvane {

QPointer<QLabel>& StatusPane::pane() {
    static QPointer<QLabel> current;
    return current;
}

void StatusPane::attach(QLabel* label) {
    pane() = label;
}

void StatusPane::setText(const QString& text) {
    if (QLabel* label = pane()) {
        label->setText(text);
        label->repaint();
    }
}

QString StatusPane::text() {
    QLabel* label = pane();
    return label != nullptr ? label->text() : QString();
}

}  // namespace corvane
