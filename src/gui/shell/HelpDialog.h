#pragma once

#include <QDialog>
#include <QFont>

namespace corvane {

// "Help with Corvane": the program's user documentation, a fixed page of
// texts with an OK button. A new one is made for every opening.
class HelpDialog : public QDialog {
    Q_OBJECT

public:
    explicit HelpDialog(QWidget* owner);

    // 12 point Times New Roman, or a metric-compatible serif where that is missing.
    static QFont dialogFont();

private:
    void addIcon(const QRect& box);
    void addText(const QRect& box, const QString& text);
};

}  // namespace corvane
