// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/announcer.h"

#include <utility>

namespace mensaro {

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

Announcer::~Announcer() { QAccessible::removeActivationObserver(this); }

void Announcer::announce(const QString& message, bool asked) {
    if (message == accessibleName()) return;
    setAccessibleName(message);
    Q_EMIT announced(message);
    unheard_ = asked && !QAccessible::isActive();
    if (unheard_ && !std::exchange(observing_, true)) QAccessible::installActivationObserver(this);
    say();
}

void Announcer::accessibilityActiveChanged(bool active) {
    // The bridge turns active before it can send: say it from the event loop.
    if (active && std::exchange(unheard_, false))
        QMetaObject::invokeMethod(this, &Announcer::say, Qt::QueuedConnection);
}

void Announcer::say() {
    if (!QAccessible::isActive()) return;  // nobody listening: nothing to say
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The toolkit's own announcement, from the window the screen reader is in.
    QAccessibleAnnouncementEvent event(window(), accessibleName());
    QAccessible::updateAccessibility(&event);
#else
    hide();
    show();  // a screen reader presents a notification as it appears
#endif
}

}  // namespace mensaro
