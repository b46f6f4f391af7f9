#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

namespace corvane {

class KeyboardLocks;

// The CAP, NUM and SCRL panes of the status bar. A pane shows its name while
// its lock is on and stays empty while it is off; where the platform does not
// tell the lock states, all three show their names greyed, never lit.
class LockIndicators : public QObject {
    Q_OBJECT

public:
    explicit LockIndicators(QStatusBar& statusBar);

    QLabel* capsLock() const { return caps_; }
    QLabel* numLock() const { return num_; }
    QLabel* scrollLock() const { return scroll_; }

public slots:
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* addPane(QStatusBar& statusBar, const QString& name);
    static void show(QLabel* pane, bool on);

    KeyboardLocks* locks_ = nullptr;
    QLabel* caps_ = nullptr;
    QLabel* num_ = nullptr;
    QLabel* scroll_ = nullptr;
};

}  // namespace corvane
