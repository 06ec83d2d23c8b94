// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window.h"

#include <qpa/qplatformnativeinterface.h>

#include <QApplication>
#include <QScreen>
#include <bit>
#include <cstdint>

#include "ui/appinfo.h"
#include "ui/displayguard.h"
#include "ui/frmtavrix.h"
#include "ui/quitonsignal.h"

namespace {

// An X11 window manager that guards the focus compares a new window's user
// time with what the user did since: stamped with the time of the click or
// key that asked for it, the window comes to the front unless the user has
// turned to something else meanwhile. Qt stamps a window as it maps with its
// own latest time ("apptime"), which this raises, never lowers; "appusertime"
// is the user time it reports. Other platforms have no such clock.
void TakeUserTime(std::uint32_t time) {
    if (time == 0 || QGuiApplication::platformName() != QLatin1String("xcb")) return;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    using SetTime = void (*)(QScreen*, std::uint32_t);
    for (const char* which : {"setapptime", "setappusertime"}) {
        // Qt hands every such function out under one type; this one's is its own.
        if (auto set = std::bit_cast<SetTime>(native->nativeResourceFunctionForScreen(which)))
            set(QGuiApplication::primaryScreen(), time);
    }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int MensaroWindowMain(int argc, char* argv[],
                                                                        const MensaroStart* start, unsigned userTime) {
    mensaro::DisplayGuard noDisplayIsNoCrash;
    QApplication app(argc, argv);
    noDisplayIsNoCrash.release();
    mensaro::SetApplicationIdentity();
    mensaro::LoadToolkitTranslations();
    mensaro::QuitOnTerminationSignals();
    TakeUserTime(userTime);

    frmTavrix window;
    if (start) {
        window.OpenAt(start->category, start->from, start->to, QString::fromUtf8(start->value));
    } else {
        window.Form_Load();
    }
    return QApplication::exec();
}
