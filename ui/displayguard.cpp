// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/displayguard.h"

#include <QList>
#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>

#include "l10n/translate.h"

namespace mensaro {

namespace {

struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
};

QList<HeldMessage>& Held() {
    static QList<HeldMessage> held;
    return held;
}

QString Shown(const char* text) { return QString::fromUtf8(text); }

QString Variable(const char* name) {
    const char* value = std::getenv(name);
    return QString::fromLocal8Bit(value ? value : "");
}

void HoldOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    Held().append({type, QString::fromUtf8(context.category ? context.category : ""), text});
    if (type != QtFatalMsg) return;
    QStringList said;
    for (const HeldMessage& m : Held()) said.append(m.text);
    const QString line = WhyNoWindow(said, Variable("DISPLAY"), Variable("WAYLAND_DISPLAY"));
    const QString message = QString::fromUtf8(l10n::Tr("mensaro: cannot open its window: %1")).arg(line);
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

// Debian's package for each platform plugin that Qt may be asked for.
QString PackageOf(const QString& plugin) {
    if (plugin.startsWith(QLatin1String("wayland"))) return QStringLiteral("qt6-wayland");
    static const QStringList inQtGui = {QStringLiteral("xcb"),   QStringLiteral("offscreen"), QStringLiteral("minimal"),
                                        QStringLiteral("eglfs"), QStringLiteral("linuxfb"),   QStringLiteral("vnc")};
    return inQtGui.contains(plugin) ? QStringLiteral("libqt6gui6") : QString();
}

}  // namespace

QString WhyNoWindow(const QStringList& qtMessages, const QString& display, const QString& waylandDisplay) {
    static const QRegularExpression notFound(QStringLiteral(R"re(Could not find the Qt platform plugin "([^"]*)")re"));
    static const QRegularExpression notLoaded(QStringLiteral(R"re(Could not load the Qt platform plugin "([^"]*)")re"));
    for (const QString& message : qtMessages) {
        const QRegularExpressionMatch missing = notFound.match(message);
        if (!missing.hasMatch()) continue;
        const QString plugin = missing.captured(1);
        const QString package = PackageOf(plugin);
        return package.isEmpty()
                   ? Shown(l10n::Tr("the Qt platform plugin \"%1\" is not installed")).arg(plugin)
                   : Shown(l10n::Tr("the Qt platform plugin \"%1\" is not installed (install the package %2)"))
                         .arg(plugin, package);
    }
    QString tried = QStringLiteral("xcb");
    for (const QString& message : qtMessages) {
        const QRegularExpressionMatch failed = notLoaded.match(message);
        if (failed.hasMatch()) tried = failed.captured(1);
    }
    if (tried.startsWith(QLatin1String("wayland"))) {
        const QString socket = waylandDisplay.isEmpty() ? QStringLiteral("wayland-0") : waylandDisplay;
        return Shown(l10n::Tr("no usable display (cannot reach the Wayland compositor \"%1\")")).arg(socket);
    }
    if (tried == QLatin1String("xcb")) {
        return display.isEmpty()
                   ? Shown(l10n::Tr("no usable display (DISPLAY is not set)"))
                   : Shown(l10n::Tr("no usable display (cannot reach the X display \"%1\")")).arg(display);
    }
    return Shown(l10n::Tr("no usable display (the Qt platform plugin \"%1\" could not start)")).arg(tried);
}

DisplayGuard::DisplayGuard() : previous_(qInstallMessageHandler(HoldOrFail)), active_(true) {}

DisplayGuard::~DisplayGuard() { release(); }

void DisplayGuard::release() {
    if (!active_) return;
    active_ = false;
    qInstallMessageHandler(previous_);
    for (const HeldMessage& m : Held()) {
        const QByteArray category = m.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.isEmpty() ? nullptr : category.constData());
        qt_message_output(m.type, context, m.text);
    }
    Held().clear();
}

}  // namespace mensaro
