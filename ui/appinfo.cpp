// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/appinfo.h"

#include <QApplication>

#include "core/about.h"

namespace mensaro {

void SetApplicationIdentity() {
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QApplication::setApplicationVersion(QString::fromLatin1(kApplicationVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
}

}  // namespace mensaro
