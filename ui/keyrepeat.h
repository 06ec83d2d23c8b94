// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tells a key's first press from the presses the window system repeats while
// the key is held. Qt marks a repeat only when it finds the repeated release
// and press queued together, which it misses under load; but the X server
// gives a repeated release and the press after it the same timestamp, which
// a person's second press never has.
#pragma once

#include <QObject>

class KeyRepeatWatch : public QObject {
    Q_OBJECT
public:
    // Watches every key event of the application while it exists.
    explicit KeyRepeatWatch(QObject* parent);

    // Whether the key press being handled now repeats a held key.
    bool repeating() const { return repeating_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int heldKey_ = 0;  // pressed and not yet released
    // The override event last judged, until the next press or release.
    bool overriding_ = false;
    int overrideKey_ = 0;
    quint64 overrideAt_ = 0;
    int releasedKey_ = 0;
    quint64 releasedAt_ = 0;
    bool repeating_ = false;
};
