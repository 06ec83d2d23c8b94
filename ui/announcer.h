// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speaks a short message through the screen reader, and shows nothing. From
// Qt 6.8 on, through the toolkit's announcement. Qt 6.4 has no announcement
// API, and its AT-SPI bridge sends name and description changes without their
// text, which Orca cannot present. What Orca does present is a notification
// appearing, so there this is an empty, zero-sized notification that appears
// anew with each message.
#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>

namespace mensaro {

class Announcer : public QWidget, private QAccessible::ActivationObserver {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);
    ~Announcer() override;
    // Says `message`, unless it is what was said last. A message `asked` for
    // (a window opened at a conversion) that nobody could hear yet, as at
    // start-up before the screen reader's bridge is up, is said once it is,
    // unless another came since.
    void announce(const QString& message, bool asked = false);

Q_SIGNALS:
    // Each message said, whether or not a screen reader is listening.
    void announced(const QString& message);

private:
    void accessibilityActiveChanged(bool active) override;
    void say();

    bool unheard_ = false;
    bool observing_ = false;
};

}  // namespace mensaro
