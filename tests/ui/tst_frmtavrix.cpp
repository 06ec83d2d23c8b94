// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window driven as a user drives it: keys, clicks, the clipboard.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolTip>

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

private:
    std::unique_ptr<frmTavrix> window;

    // Starts the window as the program does, and waits until it can take keys.
    void start() {
        window = std::make_unique<frmTavrix>();
        window->Form_Load();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    ValueBox* box() const { return window->txtFrom; }
    QString result() const { return window->lblResult->text(); }

    static void clickRow(QListWidget* list, int row) {
        list->scrollToItem(list->item(row));
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // Picks category, source and target by clicking, as a user would.
    void choose(int category, int from, int to) {
        clickRow(window->lstType, category);
        clickRow(window->lstFrom, from);
        clickRow(window->lstTo, to);
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

private Q_SLOTS:
    void init() { start(); }
    void cleanup() { window.reset(); }

    void before_load_the_value_is_1_and_everything_else_is_empty() {
        frmTavrix fresh;
        QCOMPARE(fresh.txtFrom->text(), QStringLiteral("1"));
        QCOMPARE(fresh.lstType->count(), 0);
        QCOMPARE(fresh.lstFrom->count(), 0);
        QCOMPARE(fresh.lstTo->count(), 0);
        QVERIFY(fresh.lblResult->text().isEmpty());
        QVERIFY(fresh.lblFrom->text().isEmpty());
        QVERIFY(fresh.lblTo->text().isEmpty());
        QVERIFY(fresh.Timer1->isActive());
        QCOMPARE(fresh.Timer1->interval(), 300);
    }

    void start_up_lists_distance_and_converts_1_inch_once() {
        window.reset();
        window = std::make_unique<frmTavrix>();
        QSignalSpy conversions(window.get(), &frmTavrix::resultShown);
        window->Form_Load();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));

        QCOMPARE(conversions.count(), 1);
        QCOMPARE(window->windowTitle(), QStringLiteral("Mensaro"));
        QCOMPARE(entries(window->lstType), QStringList({"Distance", "Area", "Volume", "Weight", "Temprature", "Time"}));
        QCOMPARE(window->lstType->currentRow(), 0);
        const QStringList distance = {"Inch",       "Feet",          "Yard",           "Furlong",
                                      "Mile",       "Nautical Mile", QString(16, '-'), "Millimeter",
                                      "Centimeter", "Meter",         "Kilometer"};
        QCOMPARE(entries(window->lstFrom), distance);
        QCOMPARE(entries(window->lstTo), distance);
        QCOMPARE(window->lstFrom->currentRow(), 0);
        QCOMPARE(window->lstTo->currentRow(), 0);
        QCOMPARE(window->lblFrom->text(), QStringLiteral("Inch"));
        QCOMPARE(window->lblTo->text(), QStringLiteral("Inch"));
        QCOMPARE(result(), QStringLiteral("1.00"));
        verifyReadyToType();
    }

    void window_has_the_designed_fixed_size() {
        QCOMPARE(window->size(), QSize(374, 295));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        // Nine rows of 16 pixels inside a one-pixel border.
        QCOMPARE(window->lstFrom->viewport()->height(), 9 * ListBox::kRowHeight);
        QCOMPARE(window->lstFrom->visualItemRect(window->lstFrom->item(0)).height(), ListBox::kRowHeight);
        QCOMPARE(window->lstType->geometry(), QRect(5, 24, 117, 146));
        QCOMPARE(window->lblResult->geometry(), QRect(164, 196, 205, 21));
        QCOMPARE(window->Image1->geometry(), QRect(4, 240, 222, 49));
        QTRY_VERIFY(!window->Image1->pixmap().isNull());  // drawn when first painted
        QCOMPARE(window->Image1->pixmap().deviceIndependentSize(), QSizeF(220, 47));
    }

    void every_control_is_named_for_screen_readers() {
        struct Expected {
            QWidget* control;
            QAccessible::Role role;
            QString name;
            QString description;
        };
        const Expected expected[] = {
            {window->lstType, QAccessible::List, "Select Type", "Distance"},
            {window->lstFrom, QAccessible::List, "From unit", "Inch"},
            {window->lstTo, QAccessible::List, "To unit", "Inch"},
            {box(), QAccessible::EditableText, "Enter Value to convert", box()->toolTip()},
            {window->cmdExit, QAccessible::Button, "Exit", "Close the application"},
            {window->Image1, QAccessible::Graphic, "Open a web page about converting units", "Visit my website"},
            {window->lblResult, QAccessible::StaticText, "Result: 1.00", window->lblResult->toolTip()},
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
        QVERIFY(root);
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
        QAccessible::queryAccessibleInterface(box())->editableTextInterface()->insertText(0, "1234567890");
        QCOMPARE(box()->text(), text);  // too long to type, so too long to insert
    }

    void the_design_fonts_resolve_to_the_installed_faces() {
        QCOMPARE(QFontInfo(window->lstType->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(window->Label1->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(box()->font()).family(), QStringLiteral("Liberation Mono"));
        QCOMPARE(window->lstType->font().pointSizeF(), 9.75);
        QCOMPARE(box()->font().pointSizeF(), 9.75);
        QVERIFY(window->lblResult->font().bold());
        QCOMPARE(window->Label6->font().pointSizeF(), 12.0);
        QVERIFY(window->Label6->font().bold());
        QVERIFY(!window->Label1->font().bold());
    }

    void the_result_stays_readable_under_a_dark_scheme() {
        const QColor yellow(0xFF, 0xFF, 0xC0);
        const QPalette light = QApplication::palette();
        QCOMPARE(window->lblResult->palette().color(QPalette::Window), yellow);
        QCOMPARE(window->lblResult->palette().color(QPalette::WindowText), light.color(QPalette::WindowText));

        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(0x2A, 0x2A, 0x2E));
        dark.setColor(QPalette::WindowText, QColor(0xF0, 0xF0, 0xF0));
        QApplication::setPalette(dark);
        const QColor text = window->lblResult->palette().color(QPalette::WindowText);
        const QColor background = window->lblResult->palette().color(QPalette::Window);
        QApplication::setPalette(light);

        QCOMPARE(background, yellow);
        QVERIFY2(mensaro::ContrastRatio(text, yellow) >= 4.5, qPrintable(text.name()));
        QVERIFY(mensaro::ContrastRatio(QColor(0xF0, 0xF0, 0xF0), yellow) < 4.5);  // the scheme's own would not do
        // And back under the light scheme, the scheme's colour again.
        QCOMPARE(window->lblResult->palette().color(QPalette::WindowText), light.color(QPalette::WindowText));
    }

    void tool_tips_are_on_the_four_controls_that_have_them() {
        QCOMPARE(window->txtFrom->toolTip(),
                 QStringLiteral("Enter the value to be converted here. Press UP / DOWN to vary."));
        QCOMPARE(window->cmdExit->toolTip(), QStringLiteral("Close the application"));
        QCOMPARE(window->Image1->toolTip(), QStringLiteral("Visit my website"));
        QCOMPARE(window->lblResult->toolTip(), QStringLiteral("Click here to Copy the Result to the Clipboard"));
        for (QWidget* w : {static_cast<QWidget*>(window->lstType), static_cast<QWidget*>(window->lstFrom),
                           static_cast<QWidget*>(window->lstTo), static_cast<QWidget*>(window->Label1),
                           static_cast<QWidget*>(window->lblFrom)})
            QVERIFY2(w->toolTip().isEmpty(), qPrintable(w->objectName()));
    }

    void category_change_refills_both_lists_and_converts_once_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("firstUnits");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("result");
        // clang-format off
        QTest::newRow("Area") << 1 << QStringList({"Sq.Inch", "Sq.Feet"}) << 15 << "2.00";
        QTest::newRow("Volume") << 2 << QStringList({"Mililiter", "Liter"}) << 10 << "2.00";
        QTest::newRow("Temprature") << 4 << QStringList({"Celsius", "Farenhite", "Kelvin"}) << 3 << "2.00";
        QTest::newRow("Time") << 5 << QStringList({"Second", "Minute"}) << 8 << "2.00";
        // clang-format on
    }

    void category_change_refills_both_lists_and_converts_once() {
        QFETCH(int, row);
        QFETCH(QStringList, firstUnits);
        QFETCH(int, count);
        QFETCH(QString, result);
        // State: Distance, Kilometer to Mile, value 2.
        choose(0, 10, 4);
        type("2");
        QCOMPARE(this->result(), QStringLiteral("1.24274238447467"));

        QSignalSpy conversions(window.get(), &frmTavrix::resultShown);
        clickRow(window->lstType, row);

        QCOMPARE(conversions.count(), 1);
        QCOMPARE(window->lstFrom->count(), count);
        QCOMPARE(window->lstTo->count(), count);
        QCOMPARE(entries(window->lstFrom).mid(0, firstUnits.size()), firstUnits);
        QCOMPARE(entries(window->lstTo), entries(window->lstFrom));
        QCOMPARE(window->lstFrom->currentRow(), 0);
        QCOMPARE(window->lstTo->currentRow(), 0);
        QCOMPARE(window->lblFrom->text(), firstUnits.first());
        QCOMPARE(window->lblTo->text(), firstUnits.first());
        QCOMPARE(box()->text(), QStringLiteral("2"));
        QCOMPARE(this->result(), result);
        verifyReadyToType();
    }

    void unit_change_converts_then_echoes_and_hands_focus_back() {
        QSignalSpy conversions(window.get(), &frmTavrix::resultShown);
        clickRow(window->lstFrom, 10);  // Kilometer to Inch
        QCOMPARE(conversions.count(), 1);
        QCOMPARE(result(), QStringLiteral("39370.0787401575"));
        QCOMPARE(window->lblFrom->text(), QStringLiteral("Kilometer"));
        QCOMPARE(window->lblTo->text(), QStringLiteral("Inch"));
        verifyReadyToType();

        // The separator is an ordinary unit: the base unit, inches.
        clickRow(window->lstTo, 6);
        QCOMPARE(window->lblTo->text(), QString(16, '-'));
        QCOMPARE(result(), QStringLiteral("39370.0787401575"));
    }

    void an_arrow_key_in_a_unit_list_moves_one_entry_and_returns_to_the_value() {
        window->lstTo->setFocus();
        QTest::keyClick(window->lstTo, Qt::Key_Down);
        QCOMPARE(window->lstTo->currentRow(), 1);
        QCOMPARE(window->lblTo->text(), QStringLiteral("Feet"));
        QCOMPARE(result(), QStringLiteral("0.083333333333333"));
        verifyReadyToType();
        // The next Down steps the value, not the list.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(window->lstTo->currentRow(), 1);
        QCOMPARE(box()->text(), QStringLiteral("0.999"));
    }

    void ctrl_click_cannot_leave_a_unit_list_without_a_selection() {
        const QRect rect = window->lstFrom->visualItemRect(window->lstFrom->item(0));
        QTest::mouseClick(window->lstFrom->viewport(), Qt::LeftButton, Qt::ControlModifier, rect.center());
        QVERIFY(window->lstFrom->item(0)->isSelected());
        QCOMPARE(window->lblFrom->text(), QStringLiteral("Inch"));
    }

    void typing_converts_at_once_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        // clang-format off
        QTest::newRow("Inch to Centimeter") << 0 << 0 << 8 << "1" << "2.54";
        QTest::newRow("Mile to Kilometer") << 0 << 4 << 10 << "1" << "1.609344";
        QTest::newRow("Sq.Mile to Acre") << 1 << 7 << 5 << "1" << "640.00";
        QTest::newRow("Gallon US to Liter") << 2 << 9 << 1 << "2" << "7.57";
        QTest::newRow("Pound to Kilogram") << 3 << 2 << 7 << "1" << "0.453592";
        QTest::newRow("Celsius to Farenhite") << 4 << 0 << 1 << "37" << "98.60";
        QTest::newRow("Farenhite to Celsius") << 4 << 1 << 0 << "" << "-17.777778";
        QTest::newRow("Farenhite to Kelvin") << 4 << 1 << 2 << "50" << "283.00";
        QTest::newRow("Day to Week") << 5 << 3 << 4 << "1" << "0.142857142857143";
        QTest::newRow("comma ends the number") << 0 << 1 << 0 << "2,5" << "24.00";
        QTest::newRow("blanks vanish") << 0 << 1 << 0 << "- 3" << "-36.00";
        QTest::newRow("hexadecimal") << 0 << 0 << 0 << "&HFF" << "255.00";
        // clang-format on
    }

    void typing_converts_at_once() {
        QFETCH(int, category);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        choose(category, from, to);
        type(typed);
        if (typed.isEmpty()) QTest::keyClick(box(), Qt::Key_Delete);
        QCOMPARE(box()->text(), typed);
        QCOMPARE(this->result(), result);
    }

    void up_down_and_esc_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        // clang-format off
        const int none = Qt::NoModifier;
        QTest::newRow("Up from 5") << "5" << int(Qt::Key_Up) << none << "5.001" << "5.001";
        QTest::newRow("Down from 5") << "5" << int(Qt::Key_Down) << none << "4.999" << "4.999";
        QTest::newRow("Down from 0") << "0" << int(Qt::Key_Down) << none << "-0.001" << "-0.001";
        QTest::newRow("Up from -0.001") << "-0.001" << int(Qt::Key_Up) << none << "0" << "0.00";
        QTest::newRow("Up from letters") << "abc" << int(Qt::Key_Up) << none << "0.001" << "0.001";
        QTest::newRow("Down from letters") << "xyz" << int(Qt::Key_Down) << none << "-0.001" << "-0.001";
        QTest::newRow("Up keeps the leading number") << "12abc" << int(Qt::Key_Up) << none << "12.001" << "12.001";
        QTest::newRow("Shift+Up") << "5" << int(Qt::Key_Up) << int(Qt::ShiftModifier) << "5.001" << "5.001";
        QTest::newRow("Ctrl+Down") << "5" << int(Qt::Key_Down) << int(Qt::ControlModifier) << "4.999" << "4.999";
        QTest::newRow("Up beyond 9 characters") << "123456789" << int(Qt::Key_Up) << none << "123456789.001"
                                                << "123456789.001";
        QTest::newRow("Up in exponent form") << "1E-05" << int(Qt::Key_Up) << none << "0.00101" << "0.00101";
        QTest::newRow("Up on infinity changes nothing") << "1E999" << int(Qt::Key_Up) << none << "1E999"
                                                        << "Overflow";
        QTest::newRow("Esc") << "5" << int(Qt::Key_Escape) << none << "" << "0";
        QTest::newRow("Esc on an empty box") << "" << int(Qt::Key_Escape) << none << "" << "0";
        // clang-format on
    }

    void up_down_and_esc() {
        QFETCH(QString, start);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(QString, result);
        type(start);
        if (start.isEmpty()) QTest::keyClick(box(), Qt::Key_Delete);
        QTest::keyClick(box(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box()->text(), text);
        QCOMPARE(this->result(), result);
        QCOMPARE(QApplication::focusWidget(), box());
    }

    void a_thousand_ups_from_1_end_at_exactly_2() {
        type("1");
        for (int k = 1; k <= 1000; ++k) {
            QTest::keyClick(box(), Qt::Key_Up);
            // 1 + k/1000 written by hand: integer part, then the thousandths
            // without trailing zeros.
            const int thousandths = 1000 + k;
            QString expected = QString::number(thousandths / 1000);
            QString fraction = QStringLiteral("%1").arg(thousandths % 1000, 3, 10, QLatin1Char('0'));
            while (fraction.endsWith('0')) fraction.chop(1);
            if (!fraction.isEmpty()) expected += '.' + fraction;
            QCOMPARE(box()->text(), expected);
        }
        QCOMPARE(box()->text(), QStringLiteral("2"));
        QCOMPARE(result(), QStringLiteral("2.00"));
    }

    void typing_stops_at_nine_characters_but_program_text_is_never_cut() {
        type("1234567890");
        QCOMPARE(box()->text(), QStringLiteral("123456789"));

        // A paste that would not fit is refused whole.
        type("12");
        QApplication::clipboard()->setText(QStringLiteral("3456789012"));
        box()->end(false);
        box()->paste();
        QCOMPARE(box()->text(), QStringLiteral("12"));
        QApplication::clipboard()->setText(QStringLiteral("3456789"));
        box()->paste();
        QCOMPARE(box()->text(), QStringLiteral("123456789"));

        // Up writes the whole longer text; typing cannot lengthen it further,
        // but the user can still shorten it.
        QTest::keyClick(box(), Qt::Key_Up);
        QCOMPARE(box()->text(), QStringLiteral("123456789.001"));
        box()->end(false);
        QTest::keyClick(box(), Qt::Key_5);
        QCOMPARE(box()->text(), QStringLiteral("123456789.001"));
        QTest::keyClick(box(), Qt::Key_Backspace);
        QCOMPARE(box()->text(), QStringLiteral("123456789.00"));
        QCOMPARE(result(), QStringLiteral("123456789.00"));
    }

    void a_click_in_the_value_box_selects_all_of_it() {
        type("12345");
        box()->deselect();
        QTest::mouseClick(box(), Qt::LeftButton, {}, QPoint(20, box()->height() / 2));
        QCOMPARE(box()->selectedText(), QStringLiteral("12345"));
    }

    void the_result_moves_right_centre_left_centre_right() {
        const QString caption = result();
        const Qt::Alignment horizontal = Qt::AlignHorizontal_Mask;
        const Qt::Alignment cycle[] = {Qt::AlignHCenter, Qt::AlignLeft,    Qt::AlignHCenter,
                                       Qt::AlignRight,   Qt::AlignHCenter, Qt::AlignLeft};
        window->Timer1->stop();  // ticks by hand, so none comes in between
        window->lblResult->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        window->LastSide = 0;
        for (Qt::Alignment expected : cycle) {
            window->Timer1_Timer();
            QCOMPARE(window->lblResult->alignment() & horizontal, expected);
            QCOMPARE(result(), caption);
        }
    }

    void the_timer_moves_the_result_by_itself() {
        const Qt::Alignment before = window->lblResult->alignment();
        QTRY_VERIFY_WITH_TIMEOUT(window->lblResult->alignment() != before, 1000);
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

    void clicking_the_result_copies_its_exact_text() {
        choose(0, 10, 4);
        type("1");
        QTest::mouseClick(window->lblResult, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0.621371192237334"));

        QTest::keyClick(box(), Qt::Key_Escape);
        QApplication::clipboard()->clear();
        QTest::keyClick(box(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);  // the keyboard's way
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0"));
        QCOMPARE(box()->text(), QString());  // the key did not reach the value
    }

    void a_clipboard_that_cannot_be_had_is_reported_and_the_window_goes_on() {
        // The offscreen platform has no selection clipboard: copying there fails.
        QVERIFY(!QApplication::clipboard()->supportsSelection());
        window->clipboardMode_ = QClipboard::Selection;
        QTest::mouseClick(window->lblResult, Qt::LeftButton);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("The clipboard is not available: nothing was copied."));
        QToolTip::hideText();
        type("4");
        QCOMPARE(result(), QStringLiteral("4.00"));
    }

    void tab_cycles_value_exit_type_from_to_and_back() {
        QWidget* const forward[] = {window->cmdExit, window->lstType, window->lstFrom, window->lstTo, box()};
        for (QWidget* expected : forward) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected);
        }
        QCOMPARE(box()->selectedText(), box()->text());  // entering by Tab selects the value
        QWidget* const backward[] = {window->lstTo, window->lstFrom, window->lstType, window->cmdExit, box()};
        for (QWidget* expected : backward) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), expected);
        }
    }

    void a_category_chosen_by_keyboard_converts_and_returns_to_the_value() {
        QTest::keyClick(box(), Qt::Key_Tab);
        QTest::keyClick(window->cmdExit, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->lstType);
        QTest::keyClick(window->lstType, Qt::Key_End);
        QCOMPARE(window->lstType->selectedText(), QStringLiteral("Time"));
        QCOMPARE(window->lblFrom->text(), QStringLiteral("Second"));
        verifyReadyToType();
    }

    void alt_x_closes_the_window() {
        // Through the window system, where shortcuts are matched.
        QTest::keyClick(window->windowHandle(), Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(!window->isVisible());             // the button shows itself pressed first
        QCOMPARE(box()->text(), QStringLiteral("1"));  // the key did not reach the box
    }

    void an_overflow_shows_overflow_and_the_window_goes_on() {
        choose(4, 0, 1);
        type("1E308");
        QCOMPARE(result(), QStringLiteral("Overflow"));
        QVERIFY(window->isVisible());
        QCOMPARE(QApplication::focusWidget(), box());
        type("100");
        QCOMPARE(result(), QStringLiteral("212.00"));
    }

    void the_picture_hands_its_address_to_the_desktop() {
        LinkRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
        QTest::mouseClick(window->Image1, Qt::LeftButton);
        QTest::keyClick(window->lstTo, Qt::Key_F1);  // the keyboard's way, from anywhere in the window
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(recorder.opened.size(), 2);
        QCOMPARE(recorder.opened.first(), QUrl(QString::fromLatin1(frmTavrix::kWebAddress)));
        QCOMPARE(window->Image1->cursor().shape(), Qt::PointingHandCursor);
    }

    void a_link_that_cannot_be_opened_is_reported_and_the_window_goes_on() {
        // No handler and no browser to be found.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
        qunsetenv("BROWSER");
        QTest::mouseClick(window->Image1, Qt::LeftButton);
        qputenv("PATH", path);
        auto* message = window->findChild<QMessageBox*>(QStringLiteral("linkFailed"));
        QVERIFY(message);
        QVERIFY(message->text().contains(QString::fromLatin1(frmTavrix::kWebAddress)));
        message->close();
        QVERIFY(window->isVisible());
        type("3");
        QCOMPARE(result(), QStringLiteral("3.00"));
    }
};

QTEST_MAIN(TestFrmTavrix)
#include "tst_frmtavrix.moc"
