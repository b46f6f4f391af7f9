#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <memory>
#include <optional>

namespace corvane {

struct LockStates {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;

    bool operator==(const LockStates&) const = default;
};

// The keyboard's lock states where the platform tells them: on X11 the XKB
// indicators, which follow the keyboard whichever window has the focus.
// Elsewhere (Wayland, the offscreen platform) they are unknown.
class KeyboardLocks : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit KeyboardLocks(QObject* parent = nullptr);
    ~KeyboardLocks() override;

    bool isKnown() const;
    // Nothing where the platform cannot tell.
    std::optional<LockStates> read() const;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    // An indicator went on or off.
    void changed();

private:
    struct Xkb;
    std::unique_ptr<Xkb> xkb_;
};

}  // namespace corvane
