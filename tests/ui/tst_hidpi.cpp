// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window at the scale factor QT_SCALE_FACTOR gives (CTest runs this at
// 1, 1.5 and 2): the same logical layout, pictures drawn for the device
// pixels, and every caption and unit name fitting its control.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QWindow>

#include "core/catalogue.h"
#include "ui/frmtavrix.h"

class TestHiDpi : public QObject {
    Q_OBJECT

    frmTavrix* window_ = nullptr;
    qreal scale_ = 1;

    template <typename T>
    T* control(const char* name) const {
        T* found = window_->findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }

    // Width a list leaves for an entry's text: the viewport, less the
    // scroll bar when the list is longer than nine rows, less the item's
    // text margins on both sides.
    static int textRoom(const QListWidget* list, int entries) {
        int width = list->width() - 2 * list->frameWidth();
        if (entries > 9) width -= list->verticalScrollBar()->sizeHint().width();
        const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        return width - 2 * margin;
    }

private Q_SLOTS:
    void initTestCase() {
        scale_ = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        window_ = new frmTavrix;
        window_->Form_Load();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }
    void cleanupTestCase() { delete window_; }

    void the_window_is_its_logical_size_times_the_scale() {
        QCOMPARE(window_->windowHandle()->devicePixelRatio(), scale_);
        QCOMPARE(window_->size(), QSize(374, 295));
        const QPixmap shot = window_->grab();
        QCOMPARE(shot.size(), QSize(qRound(374 * scale_), qRound(295 * scale_)));
    }

    void fonts_keep_their_logical_size() {
        // 9.75 points at 96 logical dots per inch: 13 logical pixels.
        QCOMPARE(QFontInfo(control<QListWidget>("lstType")->font()).pixelSize(), 13);
        QCOMPARE(QFontInfo(control<QLabel>("Label6")->font()).pixelSize(), 16);
    }

    void the_picture_and_icon_are_drawn_for_the_device_pixels() {
        QTRY_VERIFY(!control<QLabel>("Image1")->pixmap().isNull());      // drawn when first painted
        QTRY_VERIFY(!window_->windowIcon().availableSizes().isEmpty());  // set once the window is up
        const QPixmap banner = control<QLabel>("Image1")->pixmap();
        QCOMPARE(banner.devicePixelRatio(), scale_);
        QCOMPARE(banner.size(), QSize(qRound(220 * scale_), qRound(47 * scale_)));
        // At 1.5 the 47 rows are 70.5 device pixels: whole pixels win.
        QVERIFY(qAbs(banner.deviceIndependentSize().height() - 47) < 1);
        QCOMPARE(banner.deviceIndependentSize().width(), 220.0);
        // The title bar's icon has a picture of exactly its device size.
        for (int logical : {16, 32, 64}) {
            const int device = qRound(logical * scale_);
            QVERIFY2(window_->windowIcon().availableSizes().contains(QSize(device, device)),
                     qPrintable(QStringLiteral("no %1 pixel icon").arg(device)));
        }
    }

    // The window draws its icon in code; the desktop shows the SVG. Both
    // must be the same picture.
    void the_window_icon_is_the_installed_icon() {
        QTRY_VERIFY(!window_->windowIcon().isNull());
        const QImage installed = QImage(QStringLiteral(MENSARO_ICON_PNG)).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!installed.isNull());
        const QImage drawn =
            window_->windowIcon().pixmap(QSize(64, 64), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(drawn.size(), installed.size());
        double difference = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const QColor a = drawn.pixelColor(x, y), b = installed.pixelColor(x, y);
                difference += qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) +
                              qAbs(a.alpha() - b.alpha());
            }
        const double mean = difference / (drawn.width() * drawn.height() * 4);
        QVERIFY2(mean < 4, qPrintable(QStringLiteral("mean channel difference %1").arg(mean)));
    }

    void every_caption_fits_its_control() {
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}) {
            const QLabel* label = control<QLabel>(name);
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(needed <= label->contentsRect().width(), qPrintable(QStringLiteral("%1 \"%2\" needs %3, has %4")
                                                                             .arg(name, label->text())
                                                                             .arg(needed)
                                                                             .arg(label->contentsRect().width())));
            QVERIFY(label->fontMetrics().height() <= label->contentsRect().height() + 1);
        }
        const QPushButton* exit = control<QPushButton>("cmdExit");
        QVERIFY(exit->fontMetrics().horizontalAdvance(QStringLiteral("Exit")) < exit->width() - 8);
    }

    void every_unit_name_fits_the_lists_and_the_echo_labels() {
        const QListWidget* from = control<QListWidget>("lstFrom");
        const QLabel* echo = control<QLabel>("lblFrom");
        for (std::string_view category : mensaro::kCategoryNames) {
            const auto table = *mensaro::CategoryTable(category);
            const int entries = static_cast<int>(table.size() / 2);
            for (int i = 0; i < entries; ++i) {
                const std::string_view unit = mensaro::UnitName(table, static_cast<std::size_t>(i));
                const QString name = QString::fromUtf8(unit.data(), static_cast<qsizetype>(unit.size()));
                const int needed = from->fontMetrics().horizontalAdvance(name);
                QVERIFY2(needed <= textRoom(from, entries),
                         qPrintable(
                             QStringLiteral("%1 needs %2, has %3").arg(name).arg(needed).arg(textRoom(from, entries))));
                QVERIFY(echo->fontMetrics().horizontalAdvance(name) <= echo->contentsRect().width());
            }
        }
        const QListWidget* type = control<QListWidget>("lstType");
        for (std::string_view category : mensaro::kCategoryNames)
            QVERIFY(type->fontMetrics().horizontalAdvance(QString::fromUtf8(category.data(), category.size())) <=
                    textRoom(type, static_cast<int>(mensaro::kCategoryNames.size())));
    }
};

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
