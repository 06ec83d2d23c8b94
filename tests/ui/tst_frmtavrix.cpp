// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window driven as a user drives it: keys, clicks, the clipboard, a
// screen reader's queries, and tens of thousands of seeded random events with
// the window's promises checked after each. CTest runs it at scale factors 1,
// 1.5 and 2, and the random run long on its own (tst_soak); replay a failed
// run with the seed it prints: MENSARO_SOAK_SEED=<seed>. MENSARO_SOAK_EVENTS
// sets its length.
#include <QtTest>
#include <QtWidgets>
#include <array>
#include <random>

#include "core/conversion.h"
#include "core/numbertext.h"
#include "ui/accessibility.h"
#include "ui/contrast.h"
#include "ui/frmtavrix.h"
#include "ui/listbox.h"
#include "ui/picture.h"
#include "ui/valuebox.h"

class TestFrmTavrix : public QObject {
    Q_OBJECT

    std::unique_ptr<frmTavrix> window;
    QList<QUrl> opened;  // the links the window handed to the desktop

    ValueBox* box() const { return window->txtFrom; }
    QString result() const { return window->lblResult->text(); }
    ListBox* list(int index) const { return std::array{window->lstType, window->lstFrom, window->lstTo}[index]; }

    static void clickRow(QListWidget* list, int row) {
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    // Replaces the value by typing, the whole text being selected on entry.
    void type(const QString& text) {
        QTest::mouseClick(box(), Qt::LeftButton);
        QTest::keyClicks(box(), text);
    }
    static QStringList entries(const QListWidget* list) {
        QStringList names;
        for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
        return names;
    }
    // The value box has the focus and all its text is selected.
    void verifyReadyToType() {
        QCOMPARE(QApplication::focusWidget(), box());
        QCOMPARE(box()->selectedText(), box()->text());
    }

    // ------------------------------------------------ the random run
    std::mt19937_64 random_;
    bool escPending_ = false;  // Esc showed "0" and no conversion has run since

    int pick(int n) { return static_cast<int>(random_() % static_cast<quint64>(n)); }
    // Where keys go; keys meant for Exit would end the run, so the box takes them.
    QWidget* focus() const {
        QWidget* widget = QApplication::focusWidget();
        return widget == window->cmdExit || !widget ? box() : widget;
    }

    // One random thing a user (or the clock) could do, and what it promises.
    void step() {
        const bool inBox = focus() == box();
        const QString before = box()->text();
        switch (pick(10)) {
            case 0:
            case 1: {  // a key typed, or a paste, often too long; neither may pass nine characters
                static const QString keys = QStringLiteral("0123456789.,+- eEHh&OoxZ\t");
                QString text;
                for (int i = pick(3) ? 1 : pick(25); i > 0; --i) text += keys[pick(static_cast<int>(keys.size()))];
                if (text.size() == 1) {
                    QTest::keyClick(focus(), text[0].toLatin1());
                } else {
                    QApplication::clipboard()->setText(text);
                    QTest::keyClick(focus(), Qt::Key_V, Qt::ControlModifier);
                }
                QVERIFY2(!inBox || box()->text().size() <= qMax<qsizetype>(9, before.size()), "past the limit");
                return;
            }
            case 2:
            case 3: {  // Up or Down held for a while, whatever the modifiers
                const double step = pick(2) ? mensaro::kValueStep : -mensaro::kValueStep;
                const auto modifiers = std::array{Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier}[pick(3)];
                for (int i = pick(30); i >= 0 && !QTest::currentTestFailed(); --i) {
                    const bool stepping = focus() == box();
                    const std::string old = box()->text().toStdString();
                    QTest::keyClick(focus(), step > 0 ? Qt::Key_Up : Qt::Key_Down,
                                    stepping ? modifiers : Qt::NoModifier);
                    if (stepping) QCOMPARE(box()->text().toStdString(), mensaro::StepNumber(old, step));
                    checkInvariants();
                }
                return;
            }
            case 4:
                QTest::keyClick(focus(), Qt::Key_Escape);
                QVERIFY2(!inBox || box()->text().isEmpty(), "Esc left text");
                escPending_ = escPending_ || inBox;
                return;
            case 5: {  // editing keys, Tab and Shift+Tab, Shift now and then
                static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete,   Qt::Key_Home,    Qt::Key_End,
                                               Qt::Key_Left,      Qt::Key_PageDown, Qt::Key_Backtab, Qt::Key_Tab};
                QTest::keyClick(focus(), keys[pick(std::size(keys))], pick(4) ? Qt::NoModifier : Qt::ShiftModifier);
                return;
            }
            case 6:
                return chooseAtRandom();
            case 7: {
                const QString caption = result();
                window->Timer1_Timer();
                QVERIFY2(result() == caption, "a tick changed the result");
                return;
            }
            case 8:
                QTest::mouseClick(window->lblResult, Qt::LeftButton);
                QVERIFY2(QApplication::clipboard()->text() == result(), "copied something else");
                return;
            default:
                if (pick(4) == 0) return QTest::mouseClick(window->Image1, Qt::LeftButton);
                QTest::mouseClick(box(), Qt::LeftButton, {}, QPoint(1 + pick(box()->width() - 2), box()->height() / 2));
                QVERIFY2(box()->selectedText() == box()->text(), "a click did not select the value");
        }
    }

    // A list entry chosen by key or by click, Ctrl now and then, or a click
    // below the last. A new choice converts once and hands the value box back
    // ready to be typed over; a new category starts both unit lists at the top.
    void chooseAtRandom() {
        ListBox* chosen = list(pick(3));
        const std::array rows{list(0)->currentRow(), list(1)->currentRow(), list(2)->currentRow()};
        const QString value = box()->text();
        QSignalSpy conversions(window.get(), &frmTavrix::resultShown);
        const Qt::KeyboardModifiers modifiers = pick(5) ? Qt::NoModifier : Qt::ControlModifier;
        if (pick(2)) {
            static const Qt::Key keys[] = {Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Home, Qt::Key_End,
                                           Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Space};
            chosen->setFocus(Qt::TabFocusReason);
            QTest::keyClick(chosen, keys[pick(std::size(keys))], modifiers);
        } else {
            const int row = pick(chosen->count() + 2) - 1;
            QPoint at(chosen->viewport()->width() / 2, chosen->viewport()->height() - 2);
            if (row >= 0 && row < chosen->count()) {
                chosen->scrollToItem(chosen->item(row));
                at = chosen->visualItemRect(chosen->item(row)).center();
            }
            QTest::mouseClick(chosen->viewport(), Qt::LeftButton, modifiers, at);
        }
        if (std::array{list(0)->currentRow(), list(1)->currentRow(), list(2)->currentRow()} == rows) return;
        QCOMPARE(conversions.count(), 1);
        verifyReadyToType();
        QCOMPARE(box()->text(), value);
        if (list(0)->currentRow() != rows[0]) QVERIFY(list(1)->currentRow() == 0 && list(2)->currentRow() == 0);
    }

    void checkInvariants() {
        QVERIFY2(window->isVisible(), "the window went away");
        for (int i = 0; i < 3; ++i)
            QVERIFY2(list(i)->currentRow() >= 0 && list(i)->currentItem()->isSelected(),
                     qPrintable(list(i)->objectName()));
        QCOMPARE(window->lblFrom->text(), window->lstFrom->currentItem()->text());
        QCOMPARE(window->lblTo->text(), window->lstTo->currentItem()->text());
        const std::string category = window->lstType->currentItem()->text().toStdString();
        const auto table = mensaro::CategoryTable(category);
        QVERIFY(table && window->lstFrom->count() == static_cast<int>(table->size() / 2));
        const std::string expected =
            escPending_ ? "0"
                        : mensaro::ConvertValue(*table, category, box()->text().toStdString(),
                                                window->lstFrom->currentRow(), window->lstTo->currentRow());
        QCOMPARE(result().toStdString(), expected);
    }

public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }

private Q_SLOTS:
    void init() {
        opened.clear();
        window = std::make_unique<frmTavrix>();
        QSignalSpy conversions(window.get(), &frmTavrix::resultShown);
        window->Form_Load();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(conversions.count(), 1);
    }
    void cleanup() { window.reset(); }

    void start_up_lists_distance_and_converts_1_inch() {
        frmTavrix fresh;  // before loading: the value and a running timer, nothing else
        QCOMPARE(fresh.txtFrom->text(), QStringLiteral("1"));
        QVERIFY(fresh.lstType->count() == 0 && fresh.lstTo->count() == 0 && fresh.lblResult->text().isEmpty());
        QVERIFY(fresh.Timer1->isActive() && fresh.Timer1->interval() == 300);

        QCOMPARE(window->windowTitle(), QStringLiteral("Mensaro"));
        QCOMPARE(entries(window->lstType), QStringList({"Distance", "Area", "Volume", "Weight", "Temprature", "Time"}));
        QCOMPARE(entries(window->lstFrom).mid(5, 3), QStringList({"Nautical Mile", QString(16, '-'), "Millimeter"}));
        QCOMPARE(entries(window->lstTo), entries(window->lstFrom));
        QCOMPARE(window->lblFrom->text() + window->lblTo->text(), QStringLiteral("InchInch"));
        QCOMPARE(result(), QStringLiteral("1.00"));
        verifyReadyToType();
    }

    // The designed geometry in logical pixels, drawn for the device pixels of
    // whatever scale factor the run has, with every caption and unit fitting;
    // the icon the window draws is the picture the desktop shows.
    void the_layout_is_the_design_at_any_scale() {
        const qreal scale = window->windowHandle()->devicePixelRatio();
        QCOMPARE(window->size(), QSize(374, 295));
        QCOMPARE(window->grab().size(), QSize(qRound(374 * scale), qRound(295 * scale)));
        QVERIFY(window->minimumSize() == window->maximumSize() &&
                !(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->lstFrom->viewport()->height(), 9 * ListBox::kRowHeight);  // nine rows show
        QTRY_VERIFY(!window->Image1->pixmap().isNull());                           // drawn when first painted
        QCOMPARE(window->Image1->pixmap().size(), QSize(qRound(220 * scale), qRound(47 * scale)));
        QTRY_VERIFY(window->windowIcon().availableSizes().contains(QSize(qRound(32 * scale), qRound(32 * scale))));
        QCOMPARE(QFontInfo(window->lstType->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(box()->font()).family(), QStringLiteral("Liberation Mono"));
        QCOMPARE(QFontInfo(window->lstType->font()).pixelSize(), 13);  // 9.75 points
        QVERIFY(window->lblResult->font().bold() && window->Label6->font().bold() && !window->Label1->font().bold());
        for (const QLabel* label :
             {window->Label1, window->Label2, window->Label3, window->Label4, window->Label5, window->Label6})
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->text()));
        for (int category = 0; category < 6; ++category) {
            clickRow(window->lstType, category);
            const ListBox* list = window->lstFrom;
            const int room =
                list->viewport()->width() - 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
            for (const QString& unit : entries(list))
                QVERIFY2(list->fontMetrics().horizontalAdvance(unit) <= room, qPrintable(unit));
        }
        const QImage installed = QImage(QStringLiteral(MENSARO_ICON_PNG)).convertToFormat(QImage::Format_ARGB32);
        const QImage drawn =
            window->windowIcon().pixmap(QSize(64, 64), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(drawn.size(), installed.size());
        qint64 difference = 0;  // summed over every channel of every pixel
        for (qsizetype i = 0; i < drawn.sizeInBytes(); ++i) difference += qAbs(drawn.bits()[i] - installed.bits()[i]);
        QVERIFY(difference < 4 * drawn.sizeInBytes());
    }

    void the_result_stays_readable_under_a_dark_scheme() {
        const QColor yellow(0xFF, 0xFF, 0xC0);
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(0x2A, 0x2A, 0x2E));
        dark.setColor(QPalette::WindowText, QColor(0xF0, 0xF0, 0xF0));
        QApplication::setPalette(dark);
        const QPalette underDark = window->lblResult->palette();
        QApplication::setPalette(light);
        QCOMPARE(underDark.color(QPalette::Window), yellow);
        const QPoint inside = window->lblResult->geometry().topLeft() + QPoint(4, 4);  // and it is painted
        QCOMPARE(window->grab(QRect(inside, QSize(1, 1))).toImage().pixelColor(0, 0), yellow);
        QVERIFY(mensaro::ContrastRatio(underDark.color(QPalette::WindowText), yellow) >= 4.5);
        QCOMPARE(window->lblResult->palette().color(QPalette::WindowText), light.color(QPalette::WindowText));
    }

    void every_control_is_named_and_tipped_for_its_users() {
        const QString resultTip = QStringLiteral("Click here to Copy the Result to the Clipboard");
        const QString boxTip = QStringLiteral("Enter the value to be converted here. Press UP / DOWN to vary.");
        const auto label = QAccessible::StaticText;
        // clang-format off
        const std::tuple<QWidget*, QAccessible::Role, QString, QString> expected[] = {
            {window->lstType, QAccessible::List, "Select Type", "Distance"},
            {window->lstFrom, QAccessible::List, "From unit", "Inch"},
            {window->lstTo, QAccessible::List, "To unit", "Inch"},
            {box(), QAccessible::EditableText, "Enter Value to convert", boxTip},
            {window->cmdExit, QAccessible::Button, "Exit", "Close the application"},
            {window->Image1, QAccessible::Graphic, "Open a web page about converting units", "Visit my website"},
            {window->lblResult, label, "Result: 1.00", resultTip},
            {window->lblFrom, label, "From unit: Inch", ""}, {window->lblTo, label, "To unit: Inch", ""},
            {window->Label1, label, "Select Type", ""}, {window->Label2, label, "Enter Value to convert", ""},
            {window->Label3, label, "Result", ""}, {window->Label4, label, "From", ""}, {window->Label5, label, "To", ""},
            {window->Label6, label, "equals", ""}, {window->announcer_, QAccessible::Notification, "1.00 Inch", ""}};
        // clang-format on
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window.get());
        QCOMPARE(root->role(), QAccessible::Window);
        QCOMPARE(root->text(QAccessible::Name), QStringLiteral("Mensaro"));
        QCOMPARE(root->childCount(), static_cast<int>(std::size(expected)));
        for (const auto& [widget, role, name, description] : expected) {
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(root->indexOfChild(control) >= 0, qPrintable(name));
            QCOMPARE(control->role(), role);
            QCOMPARE(control->text(QAccessible::Name), name);
            QCOMPARE(control->text(QAccessible::Description), description);
        }
        QCOMPARE(box()->toolTip() + window->lblResult->toolTip(), boxTip + resultTip);
        QVERIFY(window->lstType->toolTip().isEmpty() && window->Label1->toolTip().isEmpty());
    }

    // Screen readers hear each new result once, with its unit; the motion is
    // never news. (The offscreen platform has no accessibility bridge; the
    // AT-SPI test checks the events that reach a screen reader.)
    void each_new_result_is_announced_once_and_the_motion_never() {
        QSignalSpy told(window->announcer_, &mensaro::Announcer::announced);
        type("7");
        for (int tick = 0; tick < 4; ++tick) window->Timer1_Timer();
        QTest::keyClick(box(), Qt::Key_Up);
        QTest::keyClick(box(), Qt::Key_Escape);
        clickRow(window->lstTo, 6);
        clickRow(window->lstType, 1);
        QStringList said;
        for (const QList<QVariant>& message : told) said << message.first().toString();
        QCOMPARE(said, QStringList({"7.00 Inch", "7.001 Inch", "0 Inch", "0.00 separator", "0.00 Sq.Inch"}));
        QCOMPARE(QAccessible::queryAccessibleInterface(window->lblResult)->text(QAccessible::Name),
                 QStringLiteral("Result: 0.00"));
    }

    // Only the widget with the keyboard focus is focused; a list's current
    // entry is selected; the separator is spoken as one.
    void list_entries_tell_selection_and_focus_truthfully() {
        QAccessibleInterface* units = QAccessible::queryAccessibleInterface(window->lstTo);
        QCOMPARE(units->childCount(), 11);
        QAccessibleInterface* inch = units->child(0);
        QVERIFY(inch->state().selected && !inch->state().focused);
        QCOMPARE(units->child(6)->text(QAccessible::Name), QStringLiteral("separator"));
        QVERIFY(!units->child(11) && !units->child(-1));
        QCOMPARE(units->indexOfChild(units->child(3)), 3);
        QVERIFY(inch->state().focusable && units->child(10)->state().invisible);  // below the nine shown
        window->lstTo->setFocus();
        QVERIFY(inch->state().focused);
        QCOMPARE(units->focusChild(), inch);
    }

    // What a screen reader asks of the value box, word by word or at any
    // offset, has an answer (Qt 6.4's own word lookup never returns), and
    // what it inserts obeys the typing limit.
    void the_value_box_answers_every_text_query() {
        const auto word = QAccessible::WordBoundary, character = QAccessible::CharBoundary;
        // text, offset, before (-1) at (0) or after (1) it, boundary; the piece and where it starts
        // clang-format off
        const std::tuple<QString, int, int, QAccessible::TextBoundaryType, QString, int> queries[] = {
            {"1", 1, 0, word, "1", 0}, {"1", 1, -1, word, "", -1}, {"1 5e3", 3, 0, word, "5e3", 2},
            {"1 5e3", 0, 1, word, "5e3", 2}, {"1 5e3", 4, -1, word, "1 ", 0}, {"12", 0, 0, character, "1", 0},
            {"12", 2, 0, character, "", -1}, {"12", 2, -1, character, "2", 1}, {"12", 1, 1, character, "", -1},
            {"1.5", 3, 0, QAccessible::LineBoundary, "1.5", 0}, {"1", -1, 0, word, "", -1}, {"1", 2, 0, word, "", -1},
            {"", 0, 0, word, "", -1}};
        // clang-format on
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box());
        QAccessibleTextInterface* query = accessible->textInterface();
        int from = 0, to = 0;
        for (const auto& [text, offset, shift, boundary, piece, start] : queries) {
            box()->writeText(text);
            const QString got = shift < 0   ? query->textBeforeOffset(offset, boundary, &from, &to)
                                : shift > 0 ? query->textAfterOffset(offset, boundary, &from, &to)
                                            : query->textAtOffset(offset, boundary, &from, &to);
            const int end = start < 0 ? -1 : start + static_cast<int>(piece.size());
            QCOMPARE(std::tuple(text, offset, shift, got, from, to),
                     std::tuple(text, offset, shift, piece, start, end));
            QCOMPARE(query->text(-5, 99), text);
        }
        box()->writeText(QStringLiteral("12"));
        accessible->editableTextInterface()->insertText(0, QStringLiteral("1234567890"));
        QCOMPARE(box()->text(), QStringLiteral("12"));  // too long to type, so too long to insert
        accessible->editableTextInterface()->insertText(1, QStringLiteral("-"));
        QCOMPARE(box()->text(), QStringLiteral("1-2"));
        query->setSelection(0, 1, 2);
        query->selection(0, &from, &to);
        QCOMPARE(std::tuple(box()->selectedText(), from, to), std::tuple(QStringLiteral("-"), 1, 2));
        query->selection(1, &from, &to);
        QCOMPARE(from + to, 0);
        query->removeSelection(0);
        QVERIFY(!box()->hasSelectedText());
        // Characters lie left to right; there is none outside the text.
        QVERIFY(query->characterRect(-1).isNull() && query->characterRect(3).isNull());
        QVERIFY(query->characterRect(0).right() < query->characterRect(1).center().x());
    }

    // Tab runs value, Exit, the three lists and back; entering selects the value.
    void tab_and_shift_tab_run_through_every_control() {
        QWidget* const cycle[] = {window->cmdExit, window->lstType, window->lstFrom, window->lstTo, box()};
        for (QWidget* expected : cycle) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected);
        }
        verifyReadyToType();
        for (int i = 4; i > 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), cycle[i - 1]);
        }
    }

    // Typing and pasting stop at nine characters (a paste that would not fit
    // is refused whole); the program's own longer text is never cut.
    void typing_stops_at_nine_characters_but_program_text_is_never_cut() {
        type("12");
        QApplication::clipboard()->setText(QStringLiteral("3456789012"));
        box()->paste();
        QCOMPARE(box()->text(), QStringLiteral("12"));
        QApplication::clipboard()->setText(QStringLiteral("3456789"));
        box()->paste();
        QTest::keyClick(box(), Qt::Key_Up);
        QCOMPARE(box()->text() + " = " + result(), QStringLiteral("123456789.001 = 123456789.001"));
    }

    void survives_random_events() {
        const quint64 seed = qEnvironmentVariableIsSet("MENSARO_SOAK_SEED")
                                 ? qEnvironmentVariable("MENSARO_SOAK_SEED").toULongLong()
                                 : std::random_device{}();
        const int events = qEnvironmentVariableIsSet("MENSARO_SOAK_EVENTS")
                               ? qEnvironmentVariableIntValue("MENSARO_SOAK_EVENTS")
                               : 50000;
        random_.seed(seed);
        escPending_ = false;
        connect(window.get(), &frmTavrix::resultShown, this, [this] { escPending_ = false; });
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");  // no browser is started
        int done = 0;
        for (; done < events && !QTest::currentTestFailed(); ++done) {
            step();
            if (!QTest::currentTestFailed()) checkInvariants();
        }
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        if (QTest::currentTestFailed()) qWarning("failed at event %d; replay with MENSARO_SOAK_SEED=%llu", done, seed);
    }

    // Right, centre, left, centre, right... by itself every 300 ms; and it
    // rests while nobody can see the window (minimised or hidden), going on
    // from the same place once the window shows again.
    void the_result_moves_while_the_window_can_be_seen() {
        const Qt::Alignment cycle[] = {Qt::AlignHCenter, Qt::AlignLeft,    Qt::AlignHCenter,
                                       Qt::AlignRight,   Qt::AlignHCenter, Qt::AlignLeft};
        window->Timer1->stop();  // ticks by hand, so none comes in between
        window->lblResult->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        window->LastSide = 0;
        for (Qt::Alignment expected : cycle) {
            window->Timer1_Timer();
            QCOMPARE(window->lblResult->alignment(), expected | Qt::AlignVCenter);
            QCOMPARE(result(), QStringLiteral("1.00"));
        }
        window->Timer1->start();
        const Qt::Alignment before = window->lblResult->alignment();
        QTRY_VERIFY_WITH_TIMEOUT(window->lblResult->alignment() != before, 1000);
        for (const auto hideAndShow : {&QWidget::showMinimized, &QWidget::hide}) {
            (window.get()->*hideAndShow)();
            QTRY_VERIFY(!window->Timer1->isActive());
            const Qt::Alignment resting = window->lblResult->alignment();
            QTest::qWait(400);
            QCOMPARE(window->lblResult->alignment(), resting);
            window->showNormal();
            QTRY_VERIFY(window->Timer1->isActive());
            QCOMPARE(window->lblResult->alignment(), resting);
        }
    }

    void the_result_is_copied_by_click_or_key_and_a_failure_is_told() {
        clickRow(window->lstFrom, 10);  // Kilometer to Mile
        clickRow(window->lstTo, 4);
        type("1");
        QTest::mouseClick(window->lblResult, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0.621371192237334"));
        QTest::keyClick(box(), Qt::Key_Escape);
        QTest::mouseClick(window->lblResult, Qt::RightButton);  // only the left button copies
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0.621371192237334"));
        QTest::keyClick(box(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::clipboard()->text() + "|" + box()->text(), QStringLiteral("0|"));
        // The offscreen platform has no selection clipboard: copying there fails.
        window->clipboardMode_ = QClipboard::Selection;
        QTest::mouseClick(window->lblResult, Qt::LeftButton);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("The clipboard is not available: nothing was copied."));
        QToolTip::hideText();
        type("4");
        QCOMPARE(result(), QStringLiteral("2.48548476894934"));
    }

    void the_page_opens_by_click_or_f1_and_a_failure_is_told() {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
        QTest::mouseClick(window->Image1, Qt::LeftButton);
        QTest::keyClick(window->lstTo, Qt::Key_F1);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        const QUrl page(QString::fromLatin1(frmTavrix::kWebAddress));
        QCOMPARE(opened, QList<QUrl>({page, page}));
        QCOMPARE(window->Image1->cursor().shape(), Qt::PointingHandCursor);
        // No handler and no browser to be found.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
        qunsetenv("BROWSER");
        QTest::mouseClick(window->Image1, Qt::LeftButton);
        qputenv("PATH", path);
        auto* message = window->findChild<QMessageBox*>(QStringLiteral("linkFailed"));
        QVERIFY(message && message->text().contains(page.toString()));
        QTRY_VERIFY(message->isVisible());
        message->close();
        type("3");
        QCOMPARE(result(), QStringLiteral("3.00"));
    }

    void alt_x_closes_the_window() {
        QTest::keyClick(window->windowHandle(), Qt::Key_X, Qt::AltModifier);  // where shortcuts are matched
        QTRY_VERIFY(!window->isVisible());
        QCOMPARE(box()->text(), QStringLiteral("1"));  // the key did not reach the box
    }
};

// tst_hidpi runs the suite at a fixed scale factor, for runs that set no
// environment; tst_soak runs only the random events.
int main(int argc, char* argv[]) {
#ifdef MENSARO_TEST_SCALE
    qputenv("QT_SCALE_FACTOR", MENSARO_TEST_SCALE);
#endif
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
#ifdef MENSARO_TEST_ONLY
    arguments << QStringLiteral(MENSARO_TEST_ONLY);
#endif
    TestFrmTavrix test;
    return QTest::qExec(&test, arguments);
}
#include "tst_frmtavrix.moc"
