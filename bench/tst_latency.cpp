// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the window takes to answer, excluding paint: one typed character
// until the result label holds the new result, one Up key, and one category
// change (both unit lists refilled, one conversion).
//   QT_QPA_PLATFORM=offscreen build/default/bench/tst_latency
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "ui/frmtavrix.h"

class TestLatency : public QObject {
    Q_OBJECT

    frmTavrix* window_ = nullptr;
    QLineEdit* box_ = nullptr;
    QLabel* result_ = nullptr;
    QListWidget* categories_ = nullptr;

private Q_SLOTS:
    void initTestCase() {
        window_ = new frmTavrix;
        window_->Form_Load();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        box_ = window_->findChild<QLineEdit*>(QStringLiteral("txtFrom"));
        result_ = window_->findChild<QLabel*>(QStringLiteral("lblResult"));
        categories_ = window_->findChild<QListWidget*>(QStringLiteral("lstType"));
        window_->findChild<QListWidget*>(QStringLiteral("lstTo"))->setCurrentRow(8);  // Inch to Centimeter
    }
    void cleanupTestCase() { delete window_; }

    void typed_character() {
        box_->setText(QStringLiteral("1234"));
        box_->end(false);
        // Each round types one digit and takes it back: two keystrokes.
        QBENCHMARK {
            QTest::keyClick(box_, Qt::Key_5);
            QTest::keyClick(box_, Qt::Key_Backspace);
        }
        QCOMPARE(result_->text(), QStringLiteral("3134.36"));
    }

    void up_key() {
        box_->setText(QStringLiteral("1"));
        QBENCHMARK { QTest::keyClick(box_, Qt::Key_Up); }
        QVERIFY(box_->text() != QStringLiteral("1"));
    }

    void category_change() {
        int row = 0;
        QBENCHMARK {
            row = (row + 1) % categories_->count();
            categories_->setCurrentRow(row);
        }
        QVERIFY(!result_->text().isEmpty());
    }
};

QTEST_MAIN(TestLatency)
#include "tst_latency.moc"
