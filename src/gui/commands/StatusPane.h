#pragma once

#include <QPointer>
#include <QString>

class QLabel;

namespace corvane {

// The message pane of the main frame's status bar. Writing to it while no
// frame exists does nothing.
class StatusPane {
public:
    static void attach(QLabel* pane);
    static void setText(const QString& text);
    static QString text();

private:
    static QPointer<QLabel>& pane();
};

}  // namespace corvane
