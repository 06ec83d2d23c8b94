// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window.h"

#include <QApplication>

#include "ui/appinfo.h"
#include "ui/displayguard.h"
#include "ui/frmtavrix.h"
#include "ui/quitonsignal.h"

extern "C" __attribute__((visibility("default"))) int MensaroWindowMain(int argc, char* argv[],
                                                                        const MensaroStart* start) {
    mensaro::DisplayGuard noDisplayIsNoCrash;
    QApplication app(argc, argv);
    noDisplayIsNoCrash.release();
    mensaro::SetApplicationIdentity();
    mensaro::QuitOnTerminationSignals();

    frmTavrix window;
    if (start) {
        window.OpenAt(start->category, start->from, start->to, QString::fromUtf8(start->value));
    } else {
        window.Form_Load();
    }
    return QApplication::exec();
}
