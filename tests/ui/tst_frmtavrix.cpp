// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window driven as a user drives it: keys, clicks, the clipboard, a
// screen reader's queries. CTest runs it at scale factors 1, 1.5 and 2.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <array>

#include "ui/accessibility.h"
#include "ui/contrast.h"
#include "ui/frmtavrix.h"
#include "ui/listbox.h"
#include "ui/picture.h"
#include "ui/valuebox.h"

// Receives the links the window hands to the desktop.
class LinkRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

class TestFrmTavrix : public QObject {
    Q_OBJECT

    std::unique_ptr<frmTavrix> window;

    ValueBox* box() const { return window->txtFrom; }
    QString result() const { return window->lblResult->text(); }

    static void clickRow(QListWidget* list, int row) {
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    void choose(int category, int from, int to) {
        clickRow(window->lstType, category);
        clickRow(window->lstFrom, from);
        clickRow(window->lstTo, to);
    }
    // Replaces the value by typing, the whole text being selected on entry.
    void type(const QString& text) {
        QTest::mouseClick(box(), Qt::LeftButton);
        QTest::keyClicks(box(), text);
        if (text.isEmpty()) QTest::keyClick(box(), Qt::Key_Delete);
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

private Q_SLOTS:
    void init() {
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
        const QStringList distance = {"Inch",       "Feet",          "Yard",           "Furlong",
                                      "Mile",       "Nautical Mile", QString(16, '-'), "Millimeter",
                                      "Centimeter", "Meter",         "Kilometer"};
        QCOMPARE(entries(window->lstFrom), distance);
        QCOMPARE(entries(window->lstTo), distance);
        QCOMPARE(window->lblFrom->text() + window->lblTo->text(), QStringLiteral("InchInch"));
        QCOMPARE(result(), QStringLiteral("1.00"));
        verifyReadyToType();
    }

    // The designed geometry in logical pixels, drawn for the device pixels of
    // whatever scale factor the run has, with every caption and unit fitting.
    void the_layout_is_the_design_at_any_scale() {
        const qreal scale = window->windowHandle()->devicePixelRatio();
        QCOMPARE(window->size(), QSize(374, 295));
        QCOMPARE(window->grab().size(), QSize(qRound(374 * scale), qRound(295 * scale)));
        QVERIFY(window->minimumSize() == window->maximumSize() &&
                !(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->lstFrom->viewport()->height(), 9 * ListBox::kRowHeight);  // nine rows show
        QCOMPARE(window->lstType->geometry(), QRect(5, 24, 117, 146));
        QCOMPARE(window->lblResult->geometry(), QRect(164, 196, 205, 21));
        QCOMPARE(window->Image1->geometry(), QRect(4, 240, 222, 49));
        QTRY_VERIFY(!window->Image1->pixmap().isNull());  // drawn when first painted
        QCOMPARE(window->Image1->pixmap().size(), QSize(qRound(220 * scale), qRound(47 * scale)));
        QTRY_VERIFY(window->windowIcon().availableSizes().contains(QSize(qRound(32 * scale), qRound(32 * scale))));
        QCOMPARE(QFontInfo(window->lstType->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(box()->font()).family(), QStringLiteral("Liberation Mono"));
        QCOMPARE(QFontInfo(window->lstType->font()).pixelSize(), 13);  // 9.75 points
        QVERIFY(window->lblResult->font().bold() && window->Label6->font().bold() && !window->Label1->font().bold());
        for (const QLabel* label : window->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^Label"))))
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->objectName()));
        for (int category = 0; category < 6; ++category) {
            clickRow(window->lstType, category);
            const ListBox* list = window->lstFrom;
            const int room =
                list->viewport()->width() - 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
            for (const QString& unit : entries(list))
                QVERIFY2(list->fontMetrics().horizontalAdvance(unit) <= room, qPrintable(unit));
        }
    }

    // The window draws its icon in code; the desktop shows the SVG. Both
    // must be the same picture.
    void the_window_icon_is_the_installed_icon() {
        QTRY_VERIFY(!window->windowIcon().isNull());
        const QImage installed = QImage(QStringLiteral(MENSARO_ICON_PNG)).convertToFormat(QImage::Format_ARGB32);
        const QImage drawn =
            window->windowIcon().pixmap(QSize(64, 64), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(drawn.size(), installed.size());
        double difference = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const QColor a = drawn.pixelColor(x, y), b = installed.pixelColor(x, y);
                difference += qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) +
                              qAbs(a.alpha() - b.alpha());
            }
        QVERIFY(difference / (64 * 64 * 4) < 4);
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
        struct Expected {
            QWidget* control;
            QAccessible::Role role;
            QString name, description;
        };
        const QString resultTip = QStringLiteral("Click here to Copy the Result to the Clipboard");
        const QString boxTip = QStringLiteral("Enter the value to be converted here. Press UP / DOWN to vary.");
        const Expected expected[] = {
            {window->lstType, QAccessible::List, "Select Type", "Distance"},
            {window->lstFrom, QAccessible::List, "From unit", "Inch"},
            {window->lstTo, QAccessible::List, "To unit", "Inch"},
            {box(), QAccessible::EditableText, "Enter Value to convert", boxTip},
            {window->cmdExit, QAccessible::Button, "Exit", "Close the application"},
            {window->Image1, QAccessible::Graphic, "Open a web page about converting units", "Visit my website"},
            {window->lblResult, QAccessible::StaticText, "Result: 1.00", resultTip},
            {window->lblFrom, QAccessible::StaticText, "From unit: Inch", ""},
            {window->lblTo, QAccessible::StaticText, "To unit: Inch", ""},
            {window->Label1, QAccessible::StaticText, "Select Type", ""},
            {window->Label2, QAccessible::StaticText, "Enter Value to convert", ""},
            {window->Label3, QAccessible::StaticText, "Result", ""},
            {window->Label4, QAccessible::StaticText, "From", ""},
            {window->Label5, QAccessible::StaticText, "To", ""},
            {window->Label6, QAccessible::StaticText, "equals", ""},
            {window->announcer_, QAccessible::Notification, "1.00 Inch", ""},
        };
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window.get());
        QCOMPARE(root->role(), QAccessible::Window);
        QCOMPARE(root->text(QAccessible::Name), QStringLiteral("Mensaro"));
        QCOMPARE(root->childCount(), static_cast<int>(std::size(expected)));
        for (const Expected& e : expected) {
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(e.control);
            QVERIFY2(root->indexOfChild(control) >= 0, qPrintable(e.control->objectName()));
            QCOMPARE(control->role(), e.role);
            QCOMPARE(control->text(QAccessible::Name), e.name);
            QCOMPARE(control->text(QAccessible::Description), e.description);
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
    // offset, has an answer: Qt 6.4's own word lookup never returns.
    void the_value_box_answers_every_text_query_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("boundary");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QString>("piece");
        QTest::addColumn<int>("start");
        const int word = QAccessible::WordBoundary, character = QAccessible::CharBoundary;
        QTest::newRow("word at the end of 1") << "1" << 1 << word << 0 << "1" << 0;
        QTest::newRow("word before the end") << "1" << 1 << word << -1 << "" << -1;
        QTest::newRow("second word") << "1 5e3" << 3 << word << 0 << "5e3" << 2;
        QTest::newRow("word after the first") << "1 5e3" << 0 << word << 1 << "5e3" << 2;
        QTest::newRow("word before the second") << "1 5e3" << 4 << word << -1 << "1 " << 0;
        QTest::newRow("char at 0") << "12" << 0 << character << 0 << "1" << 0;
        QTest::newRow("char at the end") << "12" << 2 << character << 0 << "" << -1;
        QTest::newRow("char before the end") << "12" << 2 << character << -1 << "2" << 1;
        QTest::newRow("char after the last") << "12" << 1 << character << 1 << "" << -1;
        QTest::newRow("line") << "1.5" << 3 << int(QAccessible::LineBoundary) << 0 << "1.5" << 0;
        QTest::newRow("offset -1") << "1" << -1 << word << 0 << "" << -1;
        QTest::newRow("offset past the end") << "1" << 2 << word << 0 << "" << -1;
        QTest::newRow("empty") << "" << 0 << word << 0 << "" << -1;
    }
    void the_value_box_answers_every_text_query() {
        QFETCH(QString, text);
        QFETCH(int, offset);
        QFETCH(int, boundary);
        QFETCH(int, shift);
        QFETCH(QString, piece);
        QFETCH(int, start);
        box()->writeText(text);
        QAccessibleTextInterface* query = QAccessible::queryAccessibleInterface(box())->textInterface();
        int from = 0, to = 0;
        const auto type = static_cast<QAccessible::TextBoundaryType>(boundary);
        const QString got = shift < 0   ? query->textBeforeOffset(offset, type, &from, &to)
                            : shift > 0 ? query->textAfterOffset(offset, type, &from, &to)
                                        : query->textAtOffset(offset, type, &from, &to);
        QCOMPARE(got, piece);
        QCOMPARE(from, start);
        QCOMPARE(to, start < 0 ? -1 : start + piece.size());
        QCOMPARE(query->text(-5, 99), text);
        QAccessibleEditableTextInterface* edit = QAccessible::queryAccessibleInterface(box())->editableTextInterface();
        edit->insertText(0, "1234567890");
        QCOMPARE(box()->text(), text);  // too long to type, so too long to insert
        edit->insertText(0, "-");
        QCOMPARE(box()->text(), "-" + text);
        query->setSelection(0, 0, 1);
        query->selection(0, &from, &to);
        QCOMPARE(to - from, 1);
        query->selection(1, &from, &to);
        QCOMPARE(from + to, 0);
        QVERIFY(query->characterRect(-1).isEmpty() && !query->characterRect(0).isEmpty());
    }

    // Choosing a category refills both lists from the top and converts once;
    // choosing a unit converts, echoes it, and hands the value box back.
    void choosing_converts_once_and_hands_the_value_back_data() {
        QTest::addColumn<int>("list");  // 0 category, 1 from, 2 to
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("result");
        QTest::newRow("Area") << 0 << 1 << "Sq.Inch"
                              << "Sq.Inch" << 15 << "2.00";
        QTest::newRow("Volume") << 0 << 2 << "Mililiter"
                                << "Mililiter" << 10 << "2.00";
        QTest::newRow("Temprature") << 0 << 4 << "Celsius"
                                    << "Celsius" << 3 << "2.00";
        QTest::newRow("Time") << 0 << 5 << "Second"
                              << "Second" << 8 << "2.00";
        QTest::newRow("from Inch") << 1 << 0 << "Inch"
                                   << "Mile" << 11 << "0.000031565656566";
        QTest::newRow("to the separator, inches")
            << 2 << 6 << "Kilometer" << QString(16, '-') << 11 << "78740.157480315";
    }
    void choosing_converts_once_and_hands_the_value_back() {
        QFETCH(int, list);
        QFETCH(int, row);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, count);
        QFETCH(QString, result);
        choose(0, 10, 4);  // Kilometer to Mile
        type("2");
        QCOMPARE(this->result(), QStringLiteral("1.24274238447467"));
        QSignalSpy conversions(window.get(), &frmTavrix::resultShown);
        clickRow(std::array<ListBox*, 3>{window->lstType, window->lstFrom, window->lstTo}[list], row);
        QCOMPARE(conversions.count(), 1);
        QCOMPARE(window->lstFrom->count(), count);
        QCOMPARE(entries(window->lstTo), entries(window->lstFrom));
        QCOMPARE(window->lblFrom->text() + "|" + window->lblTo->text(), from + "|" + to);
        QCOMPARE(window->lstFrom->selectedText() + "|" + window->lstTo->selectedText(), from + "|" + to);
        QCOMPARE(box()->text(), QStringLiteral("2"));
        QCOMPARE(this->result(), result);
        verifyReadyToType();
    }

    void keys_in_the_lists_choose_and_return_to_the_value() {
        window->lstTo->setFocus();
        QTest::keyClick(window->lstTo, Qt::Key_Down);  // Feet
        QCOMPARE(result(), QStringLiteral("0.083333333333333"));
        verifyReadyToType();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // now it steps the value
        QCOMPARE(window->lstTo->currentRow() * 1000 + box()->text().toDouble(), 1000.999);
        // Ctrl+click cannot leave a list without a selection.
        const QRect feet = window->lstTo->visualItemRect(window->lstTo->item(1));
        QTest::mouseClick(window->lstTo->viewport(), Qt::LeftButton, Qt::ControlModifier, feet.center());
        QVERIFY(window->lstTo->item(1)->isSelected());
        // Tab runs value, Exit, the three lists and back; entering selects the value.
        box()->setFocus();
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
        QTest::keyClick(window->cmdExit, Qt::Key_Tab);
        QTest::keyClick(window->lstType, Qt::Key_End);
        QCOMPARE(window->lblFrom->text(), QStringLiteral("Second"));
        verifyReadyToType();
    }

    void typing_converts_at_once_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::newRow("Inch to Centimeter") << 0 << 0 << 8 << "1"
                                            << "2.54";
        QTest::newRow("Gallon US to Liter") << 2 << 9 << 1 << "2"
                                            << "7.57";
        QTest::newRow("Celsius to Farenhite") << 4 << 0 << 1 << "37"
                                              << "98.60";
        QTest::newRow("Farenhite to Celsius, empty") << 4 << 1 << 0 << ""
                                                     << "-17.777778";
        QTest::newRow("Farenhite to Kelvin") << 4 << 1 << 2 << "50"
                                             << "283.00";
        QTest::newRow("Day to Week") << 5 << 3 << 4 << "1"
                                     << "0.142857142857143";
        QTest::newRow("overflow") << 4 << 0 << 1 << "1E308"
                                  << "Overflow";
    }
    void typing_converts_at_once() {
        QFETCH(int, category);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        choose(category, from, to);
        type(typed);
        QCOMPARE(box()->text(), typed);
        QCOMPARE(this->result(), result);
        QCOMPARE(QApplication::focusWidget(), box());
    }

    void up_down_and_esc_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        const int up = Qt::Key_Up, down = Qt::Key_Down, esc = Qt::Key_Escape, none = Qt::NoModifier;
        QTest::newRow("Up from 5") << "5" << up << none << "5.001"
                                   << "5.001";
        QTest::newRow("Shift+Up") << "5" << up << int(Qt::ShiftModifier) << "5.001"
                                  << "5.001";
        QTest::newRow("Ctrl+Down") << "5" << down << int(Qt::ControlModifier) << "4.999"
                                   << "4.999";
        QTest::newRow("Up beyond 9 characters") << "123456789" << up << none << "123456789.001"
                                                << "123456789.001";
        QTest::newRow("Up on infinity changes nothing") << "1E999" << up << none << "1E999"
                                                        << "Overflow";
        QTest::newRow("Esc") << "5" << esc << none << ""
                             << "0";
        QTest::newRow("Esc on an empty box") << "" << esc << none << ""
                                             << "0";
    }
    void up_down_and_esc() {
        QFETCH(QString, start);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(QString, result);
        type(start);
        QTest::keyClick(box(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box()->text(), text);
        QCOMPARE(this->result(), result);
        QCOMPARE(QApplication::focusWidget(), box());
    }

    void typing_stops_at_nine_characters_but_program_text_is_never_cut() {
        type("1234567890");
        QCOMPARE(box()->text(), QStringLiteral("123456789"));
        type("12");  // a paste that would not fit is refused whole
        QApplication::clipboard()->setText(QStringLiteral("3456789012"));
        box()->paste();
        QCOMPARE(box()->text(), QStringLiteral("12"));
        QApplication::clipboard()->setText(QStringLiteral("3456789"));
        box()->paste();
        QCOMPARE(box()->text(), QStringLiteral("123456789"));
        QTest::keyClick(box(), Qt::Key_Up);  // the program writes it whole
        QTest::keyClick(box(), Qt::Key_5);   // typing cannot lengthen it
        QTest::keyClick(box(), Qt::Key_Backspace);
        QCOMPARE(box()->text(), QStringLiteral("123456789.00"));
        QCOMPARE(result(), QStringLiteral("123456789.00"));
        box()->deselect();  // a click selects it all again
        QTest::mouseClick(box(), Qt::LeftButton, {}, QPoint(20, box()->height() / 2));
        QCOMPARE(box()->selectedText(), box()->text());
    }

    void the_result_moves_right_centre_left_centre_right() {
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
        QTRY_VERIFY_WITH_TIMEOUT(window->lblResult->alignment() != before, 1000);  // and by itself
    }

    // Nobody sees a minimised or hidden window: the motion rests, and goes on
    // from the same place once the window shows again.
    void the_motion_rests_while_the_window_cannot_be_seen() {
        for (const auto hideAndShow : {&QWidget::showMinimized, &QWidget::hide}) {
            const Qt::Alignment before = window->lblResult->alignment();
            (window.get()->*hideAndShow)();
            QTRY_VERIFY(!window->Timer1->isActive());
            QTest::qWait(400);
            QCOMPARE(window->lblResult->alignment(), before);
            window->showNormal();
            QTRY_VERIFY(window->Timer1->isActive());
            QCOMPARE(window->lblResult->alignment(), before);
        }
    }

    void the_result_is_copied_by_click_or_key_and_a_failure_is_told() {
        choose(0, 10, 4);
        type("1");
        QTest::mouseClick(window->lblResult, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0.621371192237334"));
        QTest::keyClick(box(), Qt::Key_Escape);
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
        LinkRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
        QTest::mouseClick(window->Image1, Qt::LeftButton);
        QTest::keyClick(window->lstTo, Qt::Key_F1);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        const QUrl page(QString::fromLatin1(frmTavrix::kWebAddress));
        QCOMPARE(recorder.opened, QList<QUrl>({page, page}));
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

#ifdef MENSARO_TEST_SCALE
// The same suite at a fixed scale factor, for runs that set no environment.
int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", MENSARO_TEST_SCALE);
    QApplication app(argc, argv);
    TestFrmTavrix test;
    return QTest::qExec(&test, argc, argv);
}
#else
QTEST_MAIN(TestFrmTavrix)
#endif
#include "tst_frmtavrix.moc"
