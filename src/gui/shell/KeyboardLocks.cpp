#include "KeyboardLocks.h"

#include <QCoreApplication>
#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <X11/XKBlib.h>
#include <xcb/xcb.h>
#endif

namespace corvane {

#if QT_CONFIG(xcb)

// The XKB extension on Qt's own X connection. Indicators are found by name,
// since their numbers depend on the keyboard map.
struct KeyboardLocks::Xkb {
    Display* display = nullptr;
    int eventBase = 0;

    static std::unique_ptr<Xkb> open() {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        Display* display = x11 != nullptr ? x11->display() : nullptr;
        if (display == nullptr) {
            return nullptr;
        }
        int opcode = 0;
        int eventBase = 0;
        int errorBase = 0;
        int major = XkbMajorVersion;
        int minor = XkbMinorVersion;
        if (!XkbQueryExtension(display, &opcode, &eventBase, &errorBase, &major, &minor)) {
            return nullptr;
        }
        // Qt listens to the keyboard state but not to the indicators.
        XkbSelectEvents(display, XkbUseCoreKbd, XkbIndicatorStateNotifyMask,
                        XkbIndicatorStateNotifyMask);
        XFlush(display);
        auto xkb = std::make_unique<Xkb>();
        xkb->display = display;
        xkb->eventBase = eventBase;
        return xkb;
    }

    bool isOn(const char* indicatorName) const {
        const Atom name = XInternAtom(display, indicatorName, False);
        Bool on = False;
        return XkbGetNamedIndicator(display, name, nullptr, &on, nullptr, nullptr) && on;
    }

    LockStates read() const { return {isOn("Caps Lock"), isOn("Num Lock"), isOn("Scroll Lock")}; }

    bool isIndicatorEvent(const void* message) const {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != eventBase) {
            return false;
        }
        return event->pad0 == XkbIndicatorStateNotify;  // XKB events carry their kind here
    }
};

#else

struct KeyboardLocks::Xkb {
    static std::unique_ptr<Xkb> open() { return nullptr; }
    LockStates read() const { return {}; }
    bool isIndicatorEvent(const void*) const { return false; }
};

#endif

KeyboardLocks::KeyboardLocks(QObject* parent) : QObject(parent), xkb_(Xkb::open()) {
    if (xkb_ != nullptr) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
}

KeyboardLocks::~KeyboardLocks() {
    if (xkb_ != nullptr && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

bool KeyboardLocks::isKnown() const {
    return xkb_ != nullptr;
}

std::optional<LockStates> KeyboardLocks::read() const {
    if (xkb_ == nullptr) {
        return std::nullopt;
    }
    return xkb_->read();
}

bool KeyboardLocks::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (xkb_ != nullptr && eventType == "xcb_generic_event_t" && xkb_->isIndicatorEvent(message)) {
        emit changed();
    }
    return false;
}

}  // namespace corvane
