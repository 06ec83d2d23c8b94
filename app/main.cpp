// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include "app/commandline.h"
#include "ui/appinfo.h"
#include "ui/displayguard.h"
#include "ui/frmtavrix.h"
#include "ui/quitonsignal.h"

int main(int argc, char* argv[]) {
    if (const auto status = mensaro::HandleCommandLine(argc, argv)) return *status;

    mensaro::DisplayGuard noDisplayIsNoCrash;
    QApplication app(argc, argv);
    noDisplayIsNoCrash.release();
    mensaro::SetApplicationIdentity();
    mensaro::QuitOnTerminationSignals();

    frmTavrix window;
    window.Form_Load();
    return app.exec();
}
