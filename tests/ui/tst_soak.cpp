// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tens of thousands of seeded random events against the window, with the
// window's promises checked after every one. Replay a failure with the seed
// it prints: MENSARO_SOAK_SEED=<seed> tst_soak. MENSARO_SOAK_EVENTS sets the
// length of the run.
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <random>

#include "core/conversion.h"
#include "core/numbertext.h"
#include "ui/frmtavrix.h"
#include "ui/listbox.h"
#include "ui/picture.h"
#include "ui/valuebox.h"

class TestSoak : public QObject {
    Q_OBJECT

    std::mt19937_64 random_;
    frmTavrix* window_ = nullptr;
    bool escPending_ = false;  // Esc showed "0" and no conversion has run since

    int pick(int n) { return static_cast<int>(random_() % static_cast<quint64>(n)); }
    static quint64 envNumber(const char* name, quint64 fallback) {
        bool ok = false;
        const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
        return ok ? value : fallback;
    }
    // Where keys go; keys meant for Exit would end the run, so the box takes them.
    QWidget* focus() const {
        QWidget* widget = QApplication::focusWidget();
        return widget == window_->cmdExit || !widget ? window_->txtFrom : widget;
    }
    ListBox* anyList() { return std::array{window_->lstType, window_->lstFrom, window_->lstTo}[pick(3)]; }

    // One random thing a user (or the clock) could do.
    void step() {
        ValueBox* box = window_->txtFrom;
        const bool inBox = focus() == box;
        const QString before = box->text();
        const auto withinLimit = [&] { return !inBox || box->text().size() <= qMax<qsizetype>(9, before.size()); };
        switch (pick(12)) {
            case 0:
            case 1: {
                static const char keys[] = "0123456789.,+- eEHh&abcxyz";
                const char c = keys[pick(sizeof keys - 1)];
                QTest::keyClick(focus(), c);
                QVERIFY2(withinLimit(), "typed past the limit");
                return;
            }
            case 2: {  // a paste, often too long
                static const QString alphabet = QStringLiteral("0123456789.,+-eE &HhOo xyz\t");
                QString text;
                for (int i = pick(25); i > 0; --i) text += alphabet[pick(static_cast<int>(alphabet.size()))];
                QApplication::clipboard()->setText(text);
                QTest::keyClick(focus(), Qt::Key_V, Qt::ControlModifier);
                QVERIFY2(withinLimit(), "pasted past the limit");
                return;
            }
            case 3:
            case 4: {  // Up or Down held for a while
                const Qt::Key key = pick(2) ? Qt::Key_Up : Qt::Key_Down;
                for (int i = pick(30); i >= 0 && !QTest::currentTestFailed(); --i) {
                    const bool stepping = focus() == box;
                    const std::string old = box->text().toStdString();
                    QTest::keyClick(focus(), key);
                    if (stepping)
                        QCOMPARE(
                            box->text().toStdString(),
                            mensaro::StepNumber(old, key == Qt::Key_Up ? mensaro::kValueStep : -mensaro::kValueStep));
                    checkInvariants();
                }
                return;
            }
            case 5: {
                QTest::keyClick(focus(), Qt::Key_Escape);
                if (inBox) QVERIFY2(box->text().isEmpty(), "Esc left text");
                escPending_ = escPending_ || inBox;
                return;
            }
            case 6: {  // editing keys, Tab and Shift+Tab, Shift now and then
                static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete,   Qt::Key_Home,    Qt::Key_End,
                                               Qt::Key_Left,      Qt::Key_PageDown, Qt::Key_Backtab, Qt::Key_Tab};
                const Qt::Key key = keys[pick(std::size(keys))];
                QTest::keyClick(focus(), key, pick(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
                return;
            }
            case 7: {  // a list entry chosen by keyboard, Ctrl now and then
                static const Qt::Key keys[] = {Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Home, Qt::Key_End,
                                               Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Space};
                ListBox* list = anyList();
                list->setFocus(Qt::TabFocusReason);
                QTest::keyClick(list, keys[pick(std::size(keys))], pick(5) == 0 ? Qt::ControlModifier : Qt::NoModifier);
                return;
            }
            case 8: {  // a click on a list entry, or below the last
                ListBox* list = anyList();
                const int row = pick(list->count() + 2) - 1;
                QPoint at(list->viewport()->width() / 2, list->viewport()->height() - 2);
                if (row >= 0 && row < list->count()) {
                    list->scrollToItem(list->item(row));
                    at = list->visualItemRect(list->item(row)).center();
                }
                QTest::mouseClick(list->viewport(), Qt::LeftButton, pick(4) ? Qt::NoModifier : Qt::ControlModifier, at);
                return;
            }
            case 9: {
                const QString caption = window_->lblResult->text();
                window_->Timer1_Timer();
                QVERIFY2(window_->lblResult->text() == caption, "a tick changed the result");
                return;
            }
            case 10: {
                QTest::mouseClick(window_->lblResult, Qt::LeftButton);
                QVERIFY2(QApplication::clipboard()->text() == window_->lblResult->text(), "copied something else");
                return;
            }
            default: {
                if (pick(4) == 0) {
                    QTest::mouseClick(window_->Image1, Qt::LeftButton);
                    return;
                }
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(1 + pick(box->width() - 2), box->height() / 2));
                QVERIFY2(box->selectedText() == box->text(), "a click did not select the value");
                return;
            }
        }
    }

    void checkInvariants() {
        QVERIFY2(window_->isVisible(), "the window went away");
        for (const ListBox* list : {window_->lstType, window_->lstFrom, window_->lstTo})
            QVERIFY2(list->currentRow() >= 0 && list->currentItem()->isSelected(), qPrintable(list->objectName()));
        QCOMPARE(window_->lblFrom->text(), window_->lstFrom->currentItem()->text());
        QCOMPARE(window_->lblTo->text(), window_->lstTo->currentItem()->text());
        const std::string category = window_->lstType->currentItem()->text().toStdString();
        const auto table = mensaro::CategoryTable(category);
        QVERIFY(table && window_->lstFrom->count() == static_cast<int>(table->size() / 2));
        const std::string expected =
            escPending_ ? "0"
                        : mensaro::ConvertValue(*table, category, window_->txtFrom->text().toStdString(),
                                                window_->lstFrom->currentRow(), window_->lstTo->currentRow());
        QCOMPARE(window_->lblResult->text().toStdString(), expected);
    }

public Q_SLOTS:
    void open(const QUrl&) {}  // the picture's link: no browser is started

private Q_SLOTS:
    void survives_random_events() {
        const quint64 seed = envNumber("MENSARO_SOAK_SEED", std::random_device{}());
        const quint64 events = envNumber("MENSARO_SOAK_EVENTS", 50000);
        random_.seed(seed);
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
        frmTavrix window;
        window_ = &window;
        connect(&window, &frmTavrix::resultShown, this, [this] { escPending_ = false; });
        window.Form_Load();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        quint64 done = 0;
        for (; done < events && !QTest::currentTestFailed(); ++done) {
            step();
            if (!QTest::currentTestFailed()) checkInvariants();
        }
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        if (QTest::currentTestFailed())
            qWarning("soak failed at event %llu; replay with MENSARO_SOAK_SEED=%llu", done, seed);
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
