#pragma once

#include <QDialog>
#include <QSize>

namespace corvane {

// "Help with Corvane": the program's user documentation, a fixed page of
// texts with an OK button. A new one is made for every opening.
class HelpDialog : public QDialog {
    Q_OBJECT

public:
    explicit HelpDialog(QWidget* owner);

    // Room for the dialog on the owner's screen: the free area less the
    // window frame the owner has.
    static QSize roomOnScreenOf(const QWidget* owner);

private:
    void addIcon(const QRect& box);
    void addText(const QRect& box, const QString& text);
};

}  // namespace corvane
