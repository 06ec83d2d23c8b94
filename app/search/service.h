// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the GNOME Shell and KRunner sides of the search service share: the
// conversions a query asks for, the one a result id names, opening the
// window, and the countdown to exit. Every query and every id is untrusted
// text from any client of the session bus; none is ever logged, and none
// reaches a program but as the checked values the core gives back.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <optional>
#include <vector>

#include "core/about.h"
#include "core/suggest.h"

namespace mensaro {

class Service : public QObject {
    Q_OBJECT

public:
    // `program`: the window's program, started for results the user picks.
    explicit Service(QString program, QObject* parent = nullptr);

    // A call came: the countdown to exit starts again.
    void Touch();

    // The bus name is given up: calls still on their way to this copy are
    // answered, and Gone comes once none has come for a moment.
    void Leave();

    // The conversions a query asks for: KRunner's one text, or GNOME Shell's
    // terms (the entry split at blanks). Too long is no conversion.
    std::vector<Conversion> Suggestions(const QString& query) const;
    std::vector<Conversion> Suggestions(const QStringList& terms) const;

    // What an id names: only what the core made itself.
    static std::optional<Conversion> Named(const QString& id);
    static QString Id(const Conversion& conversion);

    // A conversion's lines in the user's language: "30.48 Zentimeter" under
    // "12 Zoll"; the digits as everywhere.
    QString ResultLine(const Conversion& conversion) const;
    QString SourceLine(const Conversion& conversion) const;
    // What picking it copies: the number, or the parts named in the language.
    QString ClipboardText(const Conversion& conversion) const;

    // Starts the window as a program of its own, at the conversion or plainly:
    // an argument list of checked values, never a shell. `userTime`: the time
    // of the user's action, which the shell gives (0: none). False when it
    // cannot, and the caller is told kCannotStart.
    bool OpenWindow(const std::optional<Conversion>& conversion, uint userTime = 0) const;
    static constexpr char kCannotStart[] = "Cannot start Mensaro";

Q_SIGNALS:
    // No call for a while: time to go, the bus starts us again when needed.
    void Idle();
    // Left, and no call since for a moment: nothing more will come.
    void Gone();

private:
    QString program_;
    bool decimalComma_;
    bool leaving_ = false;
    const Vocabulary& words_;  // the session's language, read at start
    QTimer idle_;
};

}  // namespace mensaro
