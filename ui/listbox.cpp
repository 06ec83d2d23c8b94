// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/listbox.h"

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ListBox::appendEntry(const QString& text, const QString& spoken) {
    auto* item = new QListWidgetItem(text, this);
    item->setSizeHint(QSize(0, kRowHeight));
    if (!spoken.isEmpty()) item->setData(Qt::AccessibleTextRole, spoken);
}

QString ListBox::selectedText() const {
    // The current row is the selection: selectionCommand() never lets them
    // part, and while a click is being handled the selection lags behind.
    const QListWidgetItem* item = currentItem();
    return item ? item->text() : QString();
}

QString ListBox::spokenText(int row) const {
    const QListWidgetItem* entry = item(row);
    if (!entry) return {};
    const QString spoken = entry->data(Qt::AccessibleTextRole).toString();
    return spoken.isEmpty() ? entry->text() : spoken;
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index, const QEvent*) const {
    return index.isValid() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate;
}
