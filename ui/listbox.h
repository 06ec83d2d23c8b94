// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A list box as the window needs it: one flat one-pixel border, rows of a
// fixed 16 logical pixels (so nine show at a time), entries kept in the
// order added, and a selection the user cannot take away.
#pragma once

#include <QListWidget>

class ListBox : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 16;

    explicit ListBox(QWidget* parent = nullptr);

    // `spoken`, when given, is what a screen reader says for the entry.
    void appendEntry(const QString& text, const QString& spoken = QString());
    // Text of the selected entry; empty while nothing is selected.
    QString selectedText() const;
    // What a screen reader says for an entry; empty for a row not in the list.
    QString spokenText(int row) const;

protected:
    // Ctrl+click and Ctrl+Space would otherwise clear the single selection,
    // leaving a list the conversion cannot read a unit from.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
};
