// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QValidator>
#include <algorithm>

#include "ui/announcer.h"
#include "ui/frmtavrix.h"
#include "ui/listbox.h"
#include "ui/valuebox.h"

namespace mensaro {

namespace {

// Where each piece of kind `boundary` starts, 0 first, the length last.
QList<int> PieceStarts(const QString& text, QAccessible::TextBoundaryType boundary) {
    const int length = static_cast<int>(text.size());
    QList<int> starts{0};
    if (boundary == QAccessible::CharBoundary) {
        for (int i = 1; i < length; ++i) starts.append(i);
    } else if (boundary == QAccessible::WordBoundary) {
        for (int i = 1; i < length; ++i)
            if (text.at(i - 1).isSpace() && !text.at(i).isSpace()) starts.append(i);
    }
    // Sentence, paragraph and line: the box holds one line, one piece.
    if (length > 0) starts.append(length);
    return starts;
}

}  // namespace

TextPiece PieceOfText(const QString& text, int offset, QAccessible::TextBoundaryType boundary, int shift) {
    const int length = static_cast<int>(text.size());
    if (offset < 0 || offset > length || length == 0) return {};
    const QList<int> starts = PieceStarts(text, boundary);  // at least {0, length}
    // The piece holding the offset. The end of the text holds no character,
    // but it is still in the last word or line.
    const int pieces = static_cast<int>(starts.size()) - 1;
    int at = static_cast<int>(std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin()) - 1;
    if (boundary != QAccessible::CharBoundary) at = std::min(at, pieces - 1);
    const int wanted = at + shift;
    if (wanted < 0 || wanted >= pieces) return {};
    const int start = starts.at(wanted);
    const int end = starts.at(wanted + 1);
    return {text.mid(start, end - start), start, end};
}

namespace {

// The value box: editable text whose every query answers at once.
class ValueBoxAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit ValueBoxAccessible(ValueBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Value ? box()->text() : QAccessibleWidget::text(type);
    }
    void setText(QAccessible::Text type, const QString& text) override {
        if (type == QAccessible::Value) {
            Edit(text);
        } else {
            QAccessibleWidget::setText(type, text);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    // Text.
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    QString text(int startOffset, int endOffset) const override {
        const int start = std::clamp(startOffset, 0, characterCount());
        const int end = std::clamp(endOffset, start, characterCount());
        return box()->text().mid(start, end - start);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override {
        return Piece(offset, boundary, -1, startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override {
        return Piece(offset, boundary, 0, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override {
        return Piece(offset, boundary, 1, startOffset, endOffset);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override {
        box()->setCursorPosition(std::clamp(position, 0, characterCount()));
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !box()->hasSelectedText()) return;
        *startOffset = box()->selectionStart();
        *endOffset = *startOffset + static_cast<int>(box()->selectedText().size());
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override {
        if (selectionIndex == 0) box()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override {
        if (selectionIndex != 0) return;
        const int start = std::clamp(startOffset, 0, characterCount());
        const int end = std::clamp(endOffset, 0, characterCount());
        box()->setSelection(start, end - start);
    }
    QRect characterRect(int offset) const override {
        if (offset < 0 || offset >= characterCount()) return {};
        // Measured from where the box itself draws its caret, so scrolling
        // and margins are accounted for.
        const QFontMetrics metrics = box()->fontMetrics();
        const QString text = box()->text();
        const QRect caret = box()->caretRect();
        const int origin = caret.center().x() - metrics.horizontalAdvance(text.left(box()->cursorPosition()));
        const int left = origin + metrics.horizontalAdvance(text.left(offset));
        const QRect local(left, caret.top(), metrics.horizontalAdvance(text.at(offset)), caret.height());
        return local.translated(box()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint local = box()->mapFromGlobal(point);
        return box()->rect().contains(local) ? box()->cursorPositionAt(local) : -1;
    }
    void scrollToSubstring(int /*startIndex*/, int endIndex) override { setCursorPosition(endIndex); }
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = std::clamp(offset, 0, characterCount());
        return {};
    }

    // Editable text: an edit through the screen reader is checked as typing is.
    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        const int start = std::clamp(startOffset, 0, characterCount());
        const int end = std::clamp(endOffset, start, characterCount());
        Edit(box()->text().replace(start, end - start, text));
    }

private:
    ValueBox* box() const { return static_cast<ValueBox*>(widget()); }

    QString Piece(int offset, QAccessible::TextBoundaryType boundary, int shift, int* startOffset,
                  int* endOffset) const {
        const TextPiece piece = PieceOfText(box()->text(), offset, boundary, shift);
        *startOffset = piece.start;
        *endOffset = piece.end;
        return piece.text;
    }

    void Edit(QString text) {
        int position = 0;
        if (box()->validator() && box()->validator()->validate(text, position) != QValidator::Acceptable) return;
        box()->setText(text);
    }
};

// One entry of a list. Focused only while its list has the keyboard focus.
class ListItemAccessible : public QAccessibleInterface {
public:
    ListItemAccessible(ListBox* list, const QModelIndex& index) : list_(list), index_(index) {}

    bool isValid() const override { return list_ && index_.isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(list_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text type) const override {
        if (!isValid()) return {};
        if (type == QAccessible::Name) return list_->spokenText(index_.row());
        if (type == QAccessible::Description) return index_.data(Qt::AccessibleDescriptionRole).toString();
        return {};
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect local = list_->visualRect(index_);
        return local.translated(list_->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        state.selected = list_->selectionModel()->isSelected(index_);
        state.focused = list_->hasFocus() && list_->currentIndex() == index_;
        if (!list_->viewport()->rect().intersects(list_->visualRect(index_))) state.invisible = true;
        return state;
    }

private:
    QPointer<ListBox> list_;
    QPersistentModelIndex index_;
};

// A list: its entries as ListItemAccessible children.
class ListAccessible : public QAccessibleWidget {
public:
    explicit ListAccessible(ListBox* list) : QAccessibleWidget(list, QAccessible::List) {
        // Entries are added and removed while the list lives: forget them then.
        const QAbstractItemModel* model = list->model();
        const auto forget = [this] { Forget(); };
        changes_ = {QObject::connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, list, forget),
                    QObject::connect(model, &QAbstractItemModel::rowsInserted, list, forget),
                    QObject::connect(model, &QAbstractItemModel::rowsMoved, list, forget),
                    QObject::connect(model, &QAbstractItemModel::modelAboutToBeReset, list, forget),
                    QObject::connect(model, &QAbstractItemModel::layoutAboutToBeChanged, list, forget)};
    }
    ~ListAccessible() override {
        for (const QMetaObject::Connection& change : changes_) QObject::disconnect(change);
        Forget();
    }

    // Screen readers name a list reached by Tab without its current entry;
    // its description carries it. Read when asked, so a change of entry
    // raises no event of its own: the result's announcement tells it.
    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Description && list()->accessibleDescription().isEmpty())
            return list()->spokenText(list()->currentRow());
        return QAccessibleWidget::text(type);
    }

    int childCount() const override { return list() ? list()->count() : 0; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        if (const auto known = items_.constFind(index); known != items_.cend())
            return QAccessible::accessibleInterface(*known);
        auto* item = new ListItemAccessible(list(), list()->model()->index(index, 0));
        items_.insert(index, QAccessible::registerAccessibleInterface(item));
        return item;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto it = items_.cbegin(); it != items_.cend(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child) return it.key();
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = list()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex index = list()->indexAt(local);
        return index.isValid() ? child(index.row()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return list()->hasFocus() && list()->currentRow() >= 0 ? child(list()->currentRow()) : nullptr;
    }

private:
    ListBox* list() const { return static_cast<ListBox*>(widget()); }

    void Forget() {
        for (const QAccessible::Id id : std::as_const(items_)) QAccessible::deleteAccessibleInterface(id);
        items_.clear();
    }

    mutable QHash<int, QAccessible::Id> items_;
    QList<QMetaObject::Connection> changes_;
};

// Qt asks by class name, most derived first; the object's own type decides,
// so a renamed class keeps what screen readers are told.
QAccessibleInterface* Factory(const QString& /*className*/, QObject* object) {
    if (auto* box = qobject_cast<ValueBox*>(object)) return new ValueBoxAccessible(box);
    if (auto* list = qobject_cast<ListBox*>(object)) return new ListAccessible(list);
    // The top-level window is a frame, not a filler; the announcer a notification.
    if (auto* window = qobject_cast<frmTavrix*>(object)) return new QAccessibleWidget(window, QAccessible::Window);
    if (auto* announcer = qobject_cast<Announcer*>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace mensaro
