// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// When no window can be opened, Qt aborts while creating the application,
// after several lines about platform plugins. This turns that into one plain
// line that says what was tried and what failed, and exit code 1. Create it
// before the QApplication, and release it afterwards.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace mensaro {

class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    // The application exists: messages go to Qt's own handler again, those
    // held back meanwhile included.
    void release();

    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

private:
    QtMessageHandler previous_ = nullptr;
    bool active_ = false;
};

// The line printed when no window could be opened, read from what Qt said
// on the way (its messages, in order) and the display variables in effect.
QString WhyNoWindow(const QStringList& qtMessages, const QString& display, const QString& waylandDisplay);

}  // namespace mensaro
