// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tens of thousands of seeded random events against the window, with the
// window's promises checked after every one. Replay a failure with the seed
// it prints: MENSARO_SOAK_SEED=<seed> tst_soak. MENSARO_SOAK_EVENTS sets the
// length of the run.
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <random>

#include "core/conversion.h"
#include "core/numbertext.h"
#include "ui/frmtavrix.h"
#include "ui/listbox.h"
#include "ui/picture.h"
#include "ui/valuebox.h"

// Swallows the picture's link so that no browser is started.
class LinkSink : public QObject {
    Q_OBJECT
public Q_SLOTS:
    void open(const QUrl&) {}
};

class TestSoak : public QObject {
    Q_OBJECT

    std::mt19937_64 random_;
    quint64 seed_ = 0;
    frmTavrix* window_ = nullptr;
    bool escPending_ = false;  // Esc showed "0" and no conversion has run since
    QString lastEvent_;

    int pick(int n) { return static_cast<int>(random_() % static_cast<quint64>(n)); }

    static quint64 envNumber(const char* name, quint64 fallback) {
        bool ok = false;
        const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
        return ok ? value : fallback;
    }

    // Where keys go. Space or Enter on Exit would end the run, so keys meant
    // for Exit go to the value box instead.
    QWidget* focus() const {
        QWidget* widget = QApplication::focusWidget();
        if (widget == window_->cmdExit) return window_->txtFrom;
        return widget ? widget : window_;
    }

    QString randomText(int maxLength) {
        static const QString alphabet = QStringLiteral("0123456789.,+-eE &HhOo xyz\t");
        QString text;
        const int length = pick(maxLength + 1);
        for (int i = 0; i < length; ++i) text += alphabet[pick(static_cast<int>(alphabet.size()))];
        return text;
    }

    void sendKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(target, &release);
    }

    void clickRow(QListWidget* list) {
        const int row = pick(list->count() + 2) - 1;  // now and then below the last row
        QPoint at(list->viewport()->width() / 2, list->viewport()->height() - 2);
        if (row >= 0 && row < list->count()) {
            list->scrollToItem(list->item(row));
            at = list->visualItemRect(list->item(row)).center();
        }
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    ListBox* anyList() {
        ListBox* lists[] = {window_->lstType, window_->lstFrom, window_->lstTo};
        return lists[pick(3)];
    }

    // One random thing a user (or the clock) could do.
    void step() {
        ValueBox* box = window_->txtFrom;
        const bool inBox = focus() == box;
        const QString before = box->text();
        switch (pick(14)) {
            case 0:
            case 1:
            case 2: {  // a typed character, wherever the focus is
                static const char keys[] = "0123456789.,+- eEHh&abcxyz";
                const char c = keys[pick(sizeof keys - 1)];
                lastEvent_ = QStringLiteral("type '%1'").arg(QLatin1Char(c));
                QTest::keyClick(focus(), c);
                if (inBox) QVERIFY2(box->text().size() <= qMax<qsizetype>(9, before.size()), "typed past the limit");
                break;
            }
            case 3: {  // a paste, often too long
                const QString text = randomText(24);
                lastEvent_ = QStringLiteral("paste \"%1\"").arg(text);
                QApplication::clipboard()->setText(text);
                QTest::keyClick(focus(), Qt::Key_V, Qt::ControlModifier);
                if (inBox) QVERIFY2(box->text().size() <= qMax<qsizetype>(9, before.size()), "pasted past the limit");
                break;
            }
            case 4:
            case 5: {  // Up or Down held for a while
                const Qt::Key key = pick(2) ? Qt::Key_Up : Qt::Key_Down;
                const int presses = 1 + pick(30);
                lastEvent_ = QStringLiteral("%1 x%2").arg(key == Qt::Key_Up ? "Up" : "Down").arg(presses);
                for (int i = 0; i < presses; ++i) {
                    const bool stepping = focus() == box;
                    const QString old = box->text();
                    sendKey(focus(), key, {}, i > 0);
                    if (stepping) QVERIFY2(box->text() == stepped(old, key), qPrintable("stepped wrongly from " + old));
                    checkInvariants();
                    if (QTest::currentTestFailed()) return;
                }
                break;
            }
            case 6: {  // Esc
                lastEvent_ = QStringLiteral("Esc");
                sendKey(focus(), Qt::Key_Escape);
                if (inBox) {
                    QVERIFY2(box->text().isEmpty(), "Esc left text");
                    escPending_ = true;
                }
                break;
            }
            case 7: {  // editing keys
                static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,    Qt::Key_End,
                                               Qt::Key_Left,      Qt::Key_Right,  Qt::Key_PageDown};
                const Qt::Key key = keys[pick(std::size(keys))];
                const Qt::KeyboardModifiers modifiers = pick(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
                lastEvent_ = QStringLiteral("key %1").arg(key, 0, 16);
                QTest::keyClick(focus(), key, modifiers);
                break;
            }
            case 8: {  // Tab or Shift+Tab
                const bool back = pick(2);
                lastEvent_ = back ? QStringLiteral("Shift+Tab") : QStringLiteral("Tab");
                QTest::keyClick(focus(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                                back ? Qt::ShiftModifier : Qt::NoModifier);
                break;
            }
            case 9: {  // a list entry chosen by keyboard
                ListBox* list = anyList();
                static const Qt::Key keys[] = {Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Home, Qt::Key_End,
                                               Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Space};
                const Qt::Key key = keys[pick(std::size(keys))];
                const Qt::KeyboardModifiers modifiers = pick(5) == 0 ? Qt::ControlModifier : Qt::NoModifier;
                lastEvent_ = QStringLiteral("key %1 in %2").arg(key, 0, 16).arg(list->objectName());
                list->setFocus(Qt::TabFocusReason);
                QTest::keyClick(list, key, modifiers);
                break;
            }
            case 10: {  // a list entry chosen by mouse, Ctrl held now and then
                ListBox* list = anyList();
                lastEvent_ = QStringLiteral("click in %1").arg(list->objectName());
                clickRow(list);
                break;
            }
            case 11: {  // the clock
                lastEvent_ = QStringLiteral("tick");
                const QString caption = window_->lblResult->text();
                window_->Timer1_Timer();
                QVERIFY2(window_->lblResult->text() == caption, "a tick changed the result");
                break;
            }
            case 12: {  // a click on the result copies it
                lastEvent_ = QStringLiteral("click result");
                QTest::mouseClick(window_->lblResult, Qt::LeftButton);
                QVERIFY2(QApplication::clipboard()->text() == window_->lblResult->text(), "copied something else");
                break;
            }
            default: {  // a click in the value box, or on the picture
                if (pick(4) == 0) {
                    lastEvent_ = QStringLiteral("click picture");
                    QTest::mouseClick(window_->Image1, Qt::LeftButton);
                } else {
                    lastEvent_ = QStringLiteral("click value box");
                    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(1 + pick(box->width() - 2), box->height() / 2));
                    QVERIFY2(box->selectedText() == box->text(), "a click did not select the value");
                }
                break;
            }
        }
    }

    static QString stepped(const QString& text, Qt::Key key) {
        const double step = key == Qt::Key_Up ? mensaro::kValueStep : -mensaro::kValueStep;
        return QString::fromStdString(mensaro::StepNumber(text.toStdString(), step));
    }

    void checkInvariants() {
        QVERIFY2(window_->isVisible(), "the window went away");
        for (const ListBox* list : {window_->lstType, window_->lstFrom, window_->lstTo}) {
            QVERIFY2(list->currentRow() >= 0, qPrintable(list->objectName() + " has no current entry"));
            QVERIFY2(list->currentItem()->isSelected(), qPrintable(list->objectName() + " has no selection"));
        }
        QCOMPARE(window_->lblFrom->text(), window_->lstFrom->currentItem()->text());
        QCOMPARE(window_->lblTo->text(), window_->lstTo->currentItem()->text());

        const std::string category = window_->lstType->currentItem()->text().toStdString();
        const auto table = mensaro::CategoryTable(category);
        QVERIFY(table.has_value());
        QCOMPARE(window_->lstFrom->count(), static_cast<int>(table->size() / 2));
        if (escPending_) {
            QCOMPARE(window_->lblResult->text(), QStringLiteral("0"));
        } else {
            const std::string expected =
                mensaro::ConvertValue(*table, category, window_->txtFrom->text().toStdString(),
                                      window_->lstFrom->currentRow(), window_->lstTo->currentRow());
            QCOMPARE(window_->lblResult->text(), QString::fromStdString(expected));
        }
    }

private Q_SLOTS:
    void survives_random_events() {
        seed_ = envNumber("MENSARO_SOAK_SEED", std::random_device{}());
        const quint64 events = envNumber("MENSARO_SOAK_EVENTS", 50000);
        random_.seed(seed_);

        LinkSink sink;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &sink, "open");
        frmTavrix window;
        window_ = &window;
        connect(&window, &frmTavrix::resultShown, this, [this] { escPending_ = false; });
        window.Form_Load();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        quint64 done = 0;
        for (; done < events; ++done) {
            step();
            if (!QTest::currentTestFailed()) checkInvariants();
            if (QTest::currentTestFailed()) break;
        }
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        if (QTest::currentTestFailed())
            qWarning("soak failed at event %llu (%s); replay with MENSARO_SOAK_SEED=%llu", done, qPrintable(lastEvent_),
                     seed_);
        else
            qInfo("survived %llu events, seed %llu", done, seed_);
        window_ = nullptr;
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
