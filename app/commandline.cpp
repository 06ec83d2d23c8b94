// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "ui/appinfo.h"

namespace mensaro {

namespace {

constexpr int kUsageError = 2;

// Options that QGuiApplication and the platform plugins read for themselves.
// The parser must know them, so that it neither rejects them nor swallows
// their values as arguments of ours.
const char* const kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry", "qwindowtitle",
    "title",    "qwindowicon",        "icon",          "style",  "stylesheet",      "session",  "display",
    "name",     "qmljsdebugger",
};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The argument as the user typed it, dashes included, for the error line.
QString AsTyped(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments) {
        QString bare = argument;
        while (bare.startsWith(u'-')) bare.remove(0, 1);
        if (bare.section(u'=', 0, 0) == name) return argument;
    }
    return name;
}

int UsageError(const QString& problem) {
    Print(stderr, QStringLiteral("mensaro: %1\nTry 'mensaro --help' for more information.\n").arg(problem));
    return kUsageError;
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, char* argv[]) {
    if (argc <= 1) return std::nullopt;  // the usual start: nothing to read

    int coreArgc = argc;
    const QCoreApplication noDisplayNeeded(coreArgc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kApplicationVersion));

    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform, -reverse).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Converts a number between units of distance, area, volume, weight, temperature and "
                       "time.\nQt's own options, such as -platform NAME, -style NAME and -reverse, are "
                       "accepted too.\nThe keys are listed in mensaro(1)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Display this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Output version information and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QStringList arguments = QCoreApplication::arguments();
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return UsageError(unknown.isEmpty()
                              ? parser.errorText()
                              : QStringLiteral("unrecognized option '%1'").arg(AsTyped(arguments, unknown.first())));
    }
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("%1 %2\nCopyright (C) 2026 The Mensaro developers\n"
                                     "License GPL-3.0-or-later <https://gnu.org/licenses/gpl.html>.\n"
                                     "This is free software: you are free to change and redistribute it.\n"
                                     "There is NO WARRANTY, to the extent permitted by law.\n")
                          .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return UsageError(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    return std::nullopt;
}

}  // namespace mensaro
