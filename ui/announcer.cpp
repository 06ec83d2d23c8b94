// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/announcer.h"

#include <QAccessible>

namespace mensaro {

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString& message) {
    if (message == accessibleName()) return;
    setAccessibleName(message);
    Q_EMIT announced(message);
    if (!QAccessible::isActive()) return;  // nobody listening: nothing to say
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The toolkit's own announcement, from the window the screen reader is in.
    QAccessibleAnnouncementEvent event(window(), message);
    QAccessible::updateAccessibility(&event);
#else
    hide();
    show();  // a screen reader presents a notification as it appears
#endif
}

}  // namespace mensaro
