// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/keyrepeat.h"

#include <QCoreApplication>
#include <QKeyEvent>

KeyRepeatWatch::KeyRepeatWatch(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyRepeatWatch::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // A shortcut is matched on its press's override event, before the press.
    if (type == QEvent::KeyRelease || type == QEvent::KeyPress || type == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (type == QEvent::KeyRelease) {
            releasedKey_ = key->key();
            releasedAt_ = key->timestamp();
        } else {
            // Time 0 is no time at all: events made up in process carry it.
            repeating_ = key->isAutoRepeat() ||
                         (key->timestamp() != 0 && key->timestamp() == releasedAt_ && key->key() == releasedKey_);
        }
    }
    return QObject::eventFilter(watched, event);
}
