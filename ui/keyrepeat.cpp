// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/keyrepeat.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

KeyRepeatWatch::KeyRepeatWatch(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyRepeatWatch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            releasedKey_ = key->key();
            releasedAt_ = key->timestamp();
            if (releasedKey_ == heldKey_) heldKey_ = 0;
            overriding_ = false;
            break;
        }
        case QEvent::KeyPress:
            overriding_ = false;
            break;
        case QEvent::ShortcutOverride: {
            // Shortcuts are matched on this event, which comes before the
            // press, and instead of it when a shortcut takes the key. It
            // climbs from the focus widget to the window: judge it once.
            const auto* key = static_cast<QKeyEvent*>(event);
            const quint64 at = key->timestamp();
            if (overriding_ && key->key() == overrideKey_ && at == overrideAt_) break;
            overriding_ = true;
            overrideKey_ = key->key();
            overrideAt_ = at;
            // Time 0 is no time at all: events made up in process carry it. A
            // key pressed again with no release between repeats too (as X
            // sends repeats to clients that ask for detectable auto-repeat).
            repeating_ = key->isAutoRepeat() || key->key() == heldKey_ ||
                         (at != 0 && at == releasedAt_ && key->key() == releasedKey_);
            heldKey_ = key->key();
            break;
        }
        case QEvent::ApplicationStateChange:
            // A key let go while another program has the keyboard sends us no release.
            if (QGuiApplication::applicationState() != Qt::ApplicationActive) heldKey_ = 0;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}
