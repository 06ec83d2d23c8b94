// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window driven by hand and by seeded random events; a failed run prints the MENSARO_SOAK_SEED that replays it.
#include <QtTest>
#include <QtWidgets>
#include <array>
#include <functional>
#include <random>
#include <thread>

#include "core/conversion.h"
#include "core/numbertext.h"
#include "l10n/translate.h"
#include "ui/announcer.h"
#include "ui/appinfo.h"
#include "ui/artwork.h"
#include "ui/contrast.h"
#include "ui/displayguard.h"
#include "ui/frmtavrix.h"
#include "ui/listbox.h"
#include "ui/picture.h"
#include "ui/valuebox.h"

static QAccessibleInterface* a11y(QObject* object) { return QAccessible::queryAccessibleInterface(object); }
static QString Tr(const char* text) { return QString::fromUtf8(mensaro::l10n::Tr(text)); }

class TestFrmTavrix : public QObject {
    Q_OBJECT

    std::unique_ptr<frmTavrix> window;
    QList<QUrl> opened;  // the links the window handed to the desktop
    std::mt19937_64 random_;
    struct {                      // what the window said, for checkInvariants
        bool escPending = false;  // Esc showed "0" and no conversion has run since
        QStringList told;         // the news last checked, then what it told screen readers since
        int conversions = 0;      // results shown
    } said_;

    ValueBox* box() const { return window->txtFrom; }
    QString result() const { return window->lblResult->text(); }
    ListBox* list(int index) const { return std::array{window->lstType, window->lstFrom, window->lstTo}[index]; }
    std::array<int, 3> rows() const { return {list(0)->currentRow(), list(1)->currentRow(), list(2)->currentRow()}; }
    int pick(int n) { return static_cast<int>(random_() % static_cast<quint64>(n)); }
    QWidget* focus() const {  // where keys go; keys meant for Exit would end the run, so the box takes them
        QWidget* at = QApplication::focusWidget();
        return at && at != window->cmdExit ? at : box();
    }
    void clickThroughWindow(const QWidget* target, Qt::MouseButton button, bool twice = false) {  // a real click
        const QPoint at = target->mapTo(window.get(), target->rect().center());
        QTest::mouseEvent(twice ? QTest::MouseDClick : QTest::MouseClick, window->windowHandle(), button, {}, at);
    }
    bool readyToType() const { return QApplication::focusWidget() == box() && box()->selectedText() == box()->text(); }

    void step() {  // one random thing a user (or the clock, or another program) could do, and what it promises
        const bool inBox = focus() == box();
        const QString before = box()->text();
        const std::array rowsBefore = rows();
        said_.conversions = 0;
        switch (pick(10)) {
            case 0:
            case 1: {  // a key or a paste, whole if it fits nine characters (or what the program wrote), else not
                static const QString keys = QStringLiteral("0123456789.,+- eEHh&OoxZ\t");
                QString text;
                for (int i = pick(3) ? 1 : pick(25); i > 0; --i) text += keys[pick(static_cast<int>(keys.size()))];
                const int at = box()->hasSelectedText() ? box()->selectionStart() : box()->cursorPosition();
                const QString edited = before.left(at) + text + before.mid(at + box()->selectedText().size());
                if (text.size() != 1) QApplication::clipboard()->setText(text);
                text.size() == 1 ? QTest::keyClick(focus(), text[0].toLatin1())
                                 : QTest::keyClick(focus(), Qt::Key_V, Qt::ControlModifier);
                if (inBox && !text.contains('\t'))
                    QCOMPARE(box()->text(), edited.size() <= qMax<qsizetype>(9, before.size()) ? edited : before);
                break;
            }
            case 2:
                QTest::keyClick(focus(), Qt::Key_Escape);
                QVERIFY2(!inBox || box()->text().isEmpty(), "Esc left text");
                said_.escPending = said_.escPending || inBox;
                break;
            case 3:
                list(pick(3))->setFocus(Qt::TabFocusReason);
                [[fallthrough]];
            case 4: {  // Up/Down step the value whatever the modifiers; Tab runs value, Exit, the lists and back
                static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,    Qt::Key_End,
                                               Qt::Key_Left,      Qt::Key_Up,     Qt::Key_Down,    Qt::Key_PageUp,
                                               Qt::Key_PageDown,  Qt::Key_Space,  Qt::Key_Backtab, Qt::Key_Tab};
                const Qt::Key key = keys[pick(std::size(keys))];
                const auto mods =
                    std::array{Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier}[pick(4)];
                const std::array<QWidget*, 5> cycle{box(), window->cmdExit, list(0), list(1), list(2)};
                const auto at = std::find(cycle.begin(), cycle.end(), QApplication::focusWidget()) - cycle.begin();
                const bool tab = (key == Qt::Key_Tab || key == Qt::Key_Backtab) && mods != Qt::ControlModifier &&
                                 at < 5 && cycle[at] == focus();
                const bool stepping = (key == Qt::Key_Up || key == Qt::Key_Down) && focus() == box();
                const double step = key == Qt::Key_Up ? mensaro::kValueStep : -mensaro::kValueStep;
                QTest::keyClick(focus(), key, mods);
                if (stepping) QCOMPARE(box()->text().toStdString(), mensaro::StepNumber(before.toStdString(), step));
                if (tab) QCOMPARE(QApplication::focusWidget(), cycle[(at + (key == Qt::Key_Tab && !mods ? 1 : 4)) % 5]);
                break;
            }
            case 5: {  // a click on an entry of a list, or below the last, maybe with Ctrl
                ListBox* hit = list(pick(3));
                QPoint at(hit->viewport()->width() / 2, hit->viewport()->height() - 2);
                if (QListWidgetItem* item = hit->item(pick(hit->count() + 1))) {
                    hit->scrollToItem(item);
                    at = hit->visualItemRect(item).center();
                }
                QTest::mouseClick(hit->viewport(), Qt::LeftButton, pick(5) ? Qt::NoModifier : Qt::ControlModifier, at);
                break;
            }
            case 6:  // a tick moves the result, and changes nothing (checkInvariants)
                window->tmrMotion_Timer();
                break;
            case 7: {  // a left click, however soon after the last, or Ctrl+Shift+C copies what the result shows
                const int how = pick(4);
                QApplication::clipboard()->clear();
                if (how == 3) QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval;  // may end a double click
                how == 0 ? QTest::keyClick(focus(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier)
                         : clickThroughWindow(window->lblResult, how == 1 ? Qt::RightButton : Qt::LeftButton);
                QVERIFY2(QApplication::clipboard()->text() == (how == 1 ? "" : result()) && box()->text() == before,
                         "copied something else");
                break;
            }
            case 8: {  // opened at a conversion, as the command line and the search do: shown as if chosen
                const int category = pick(6), units = static_cast<int>(mensaro::TableOf(category).size() / 2);
                const std::array asked{category, pick(units), pick(units)};
                const QString value = pick(2) ? before : QStringLiteral("12");
                const bool changes = asked != rowsBefore || value != before, escaped = said_.escPending;
                window->ShowConversion(asked[0], asked[1], asked[2], value);
                said_.escPending = escaped && !changes;  // as when the same entries are chosen again
                QVERIFY(rows() == asked && box()->text() == value && said_.conversions == 1);
                if (changes || box()->hasFocus()) QVERIFY(readyToType());  // else nothing moved the focus
                return;
            }
            default:
                if (pick(4) == 0) {  // the page, once by a click, a double click or F1
                    const qsizetype before = opened.size();
                    const int how = pick(3);
                    how ? clickThroughWindow(window->imgLink, Qt::LeftButton, how == 2)
                        : QTest::keyClick(focus(), Qt::Key_F1);
                    QCOMPARE(opened.mid(before), QList{QUrl(QString::fromLatin1(frmTavrix::kWebAddress))});
                    break;
                }
                QTest::mouseClick(box(), Qt::LeftButton, {}, QPoint(1 + pick(box()->width() - 2), box()->height() / 2));
                QVERIFY2(box()->selectedText() == box()->text(), "a click did not select the value");
        }
        // A new choice converts once and leaves the value ready to type over; a new category starts at the top.
        if (rows() == rowsBefore || QTest::currentTestFailed()) return;
        QCOMPARE(std::tuple(said_.conversions, box()->text(), readyToType()), std::tuple(1, before, true));
        if (rows()[0] != rowsBefore[0]) QVERIFY(rows()[1] == 0 && rows()[2] == 0);
    }

    void checkInvariants() {
        QVERIFY2(window->isVisible(), "the window went away");
        for (int i = 0; i < 3; ++i) {  // the current entry selected, focused with its list, and its description
            QAccessibleInterface* entries = a11y(list(i));
            QAccessibleInterface* current = entries->child(list(i)->currentRow());
            QVERIFY(current && current->state().selected && current->state().focused == list(i)->hasFocus());
            QCOMPARE(entries->indexOfChild(current), list(i)->currentRow());
            QCOMPARE(entries->focusChild(), list(i)->hasFocus() ? current : nullptr);
            QCOMPARE(entries->text(QAccessible::Description), current->text(QAccessible::Name));
        }
        for (const auto& [label, unit, role] :  // each unit label shows its unit and is named by it
             {std::tuple(window->lblFrom, list(1), "From unit"), std::tuple(window->lblTo, list(2), "To unit")})
            QCOMPARE(std::tuple(label->text(), a11y(label)->text(QAccessible::Name)),
                     std::tuple(unit->currentItem()->text(), Tr("%1: %2").arg(Tr(role), unit->currentItem()->text())));
        const auto category = static_cast<std::size_t>(list(0)->currentRow());
        const mensaro::UnitList& table = mensaro::TableOf(category);
        QVERIFY(category < mensaro::kCategoryNames.size() && list(1)->count() == static_cast<int>(table.size() / 2));
        const std::string converted = mensaro::ConvertValue(table, category, box()->text().toStdString(),
                                                            list(1)->currentRow(), list(2)->currentRow());
        QCOMPARE(result().toStdString(), said_.escPending ? "0" : converted);
        // A new result or a new unit is told once, the motion and all else never.
        const QString news = Tr("%1 %2").arg(result(), list(2)->spokenText(list(2)->currentRow()));
        QCOMPARE(said_.told.mid(1), news == said_.told.first() ? QStringList() : QStringList(news));
        QCOMPARE(a11y(window->announcer)->text(QAccessible::Name), news);  // what a screen reader finds there
        QCOMPARE(a11y(window->lblResult)->text(QAccessible::Name), Tr("Result: %1").arg(result()));
        said_.told = QStringList(news);
    }

    // A new window, which converts and tells once as it opens, with Form_Load unless `load` opens it otherwise.
    void openWindow(const std::function<void()>& load = {}) {
        window = std::make_unique<frmTavrix>();
        said_ = {.told = {QString()}};
        connect(window.get(), &frmTavrix::resultShown, this, [this] { ++said_.conversions, said_.escPending = false; });
        connect(window->announcer, &mensaro::Announcer::announced, this, [this](const QString& n) { said_.told << n; });
        load ? load() : window->Form_Load();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(said_.conversions, 1);
        checkInvariants();
    }

public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }

private Q_SLOTS:
    void init() { openWindow(); }

    // Opened at a conversion, the first category's start-up result is never told.
    void opened_at_a_conversion_it_tells_that_one_only() {
        openWindow([this] { window->OpenAt(3, 2, 1, QStringLiteral("12")); });
        QCOMPARE(rows(), (std::array{3, 2, 1}));
    }

    // The design at any scale (nine rows, 9.75 points), all text fitting, the icon as installed, the result readable.
    void the_window_looks_as_designed_at_any_scale_and_scheme() {
        const qreal scale = window->windowHandle()->devicePixelRatio();
        const QFontInfo sans(window->lstType->font()), mono(box()->font());
        QCOMPARE(std::tuple(window->size(), window->lstFrom->viewport()->height(), sans.family(), sans.pixelSize(),
                            mono.family()),
                 std::tuple(QSize(374, 295), 9 * ListBox::kRowHeight, QString("Liberation Sans"), 13,
                            QString("Liberation Mono")));
        QVERIFY(window->lblResult->font().bold() && window->lblEquals->font().bold() &&
                !window->lblTypeCaption->font().bold());
        QTRY_COMPARE(window->imgLink->pixmap().size(), QSize(qRound(220 * scale), qRound(47 * scale)));  // once painted
        QTRY_VERIFY(window->windowIcon().availableSizes().contains(QSize(qRound(32 * scale), qRound(32 * scale))));
        // Every text in the language of the run fits its control, each unit in the lists and in the echo labels.
        QStringList misfits;
        const auto fits = [&misfits](const QWidget* control, const QFontMetrics& metrics, const QString& text,
                                     int room) {
            const QLabel* label = qobject_cast<const QLabel*>(control);
            const QRect box = control->contentsRect();
            const bool fit =
                label && label->wordWrap()
                    ? metrics.boundingRect(box, Qt::TextWordWrap | int(label->alignment()), text).height() <=
                          box.height()
                    : metrics.horizontalAdvance(text) <= room;
            if (!fit) misfits << control->objectName() + ": " + text;
        };
        const ListBox* from = window->lstFrom;
        const int room = from->viewport()->width() - 2 * (from->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        for (int category = 0; category < window->lstType->count(); ++category) {
            window->lstType->setCurrentRow(category);
            fits(window->lstType, window->lstType->fontMetrics(), window->lstType->item(category)->text(), room);
            for (int i = 0; i < from->count(); ++i) {
                window->lstFrom->setCurrentRow(i);
                window->lstTo->setCurrentRow(i);
                fits(from, from->fontMetrics(), from->item(i)->text(), room);
                for (const QLabel* label : window->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
                    fits(label, label->fontMetrics(), label->text(), label->contentsRect().width());
            }
        }
        QVERIFY2(window->cmdExit->sizeHint().width() <= window->cmdExit->width(), qPrintable(window->cmdExit->text()));
        const mensaro::BannerLine tagline = mensaro::BannerTagline();
        fits(window->imgLink, QFontMetrics(tagline.font), tagline.text, qFloor(tagline.room));
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QStringLiteral(", "))));
        // A run in another language is in that language: a missing translation would pass as English.
        if (qEnvironmentVariableIsSet("MENSARO_TRANSLATED")) {  // the value box's own menu (Undo ...) too, from Qt
            const std::unique_ptr<QMenu> menu(box()->createStandardContextMenu());
            QVERIFY(window->cmdExit->text() != QLatin1String("E&xit") && menu->actions().first()->text() != "&Undo");
        }
        const QImage installed = QImage(QStringLiteral(MENSARO_ICON_PNG)).convertToFormat(QImage::Format_ARGB32);
        const QImage drawn =
            window->windowIcon().pixmap(QSize(64, 64), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(drawn.size(), installed.size());
        qint64 difference = 0;  // summed over every channel of every pixel
        for (qsizetype i = 0; i < drawn.sizeInBytes(); ++i) difference += qAbs(drawn.bits()[i] - installed.bits()[i]);
        QVERIFY(difference < 4 * drawn.sizeInBytes());
        const QColor yellow(0xFF, 0xFF, 0xC0), lightText(0xF0, 0xF0, 0xF0);
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::WindowText, lightText);
        QApplication::setPalette(dark);
        QTRY_COMPARE(window->palette().color(QPalette::WindowText), lightText);  // the scheme reached the window
        const QPalette underDark = window->lblResult->palette();
        QApplication::setPalette(light);
        QCOMPARE(underDark.color(QPalette::Window), yellow);
        QCOMPARE(window->lblResult->grab(QRect(4, 4, 1, 1)).toImage().pixelColor(0, 0), yellow);  // as painted
        QVERIFY(mensaro::ContrastRatio(underDark.color(QPalette::WindowText), yellow) >= 4.5);
        QVERIFY(qFuzzyCompare(mensaro::ContrastRatio(Qt::black, Qt::white), 21.0));  // the scale's ends
        QTRY_COMPARE(window->lblResult->palette().color(QPalette::WindowText), light.color(QPalette::WindowText));
        frmTavrix fresh;  // never shown, so never ticked but by hand: the result moves from the right to and fro
        for (const auto side : {Qt::AlignRight, Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight}) {
            QCOMPARE(fresh.lblResult->alignment(), side | Qt::AlignVCenter);
            fresh.tmrMotion_Timer();
        }
    }

    // Everything named, tool tips as descriptions, the separator spoken, every text query answered (Qt 6.4's can hang).
    void the_window_is_there_for_a_screen_reader() {
        QAccessibleInterface* root = a11y(window.get());
        QCOMPARE(std::tuple(root->role(), root->text(QAccessible::Name), a11y(window->announcer)->role()),
                 std::tuple(QAccessible::Window, QString("Mensaro"), QAccessible::Notification));
        for (int i = 0; i < root->childCount(); ++i) QVERIFY(!root->child(i)->text(QAccessible::Name).isEmpty());
        for (QWidget* tipped : std::array<QWidget*, 4>{box(), window->cmdExit, window->imgLink, window->lblResult})
            QVERIFY(!tipped->toolTip().isEmpty() && a11y(tipped)->text(QAccessible::Description) == tipped->toolTip());
        QAccessibleInterface* units = a11y(window->lstTo);
        QCOMPARE(units->child(6)->text(QAccessible::Name), Tr("separator"));
        QVERIFY(units->childCount() == 11 && !units->child(11) && !units->child(-1) && units->indexOfChild(root) == -1);
        QVERIFY(units->child(0)->state().focusable && units->child(10)->state().invisible);  // below the nine shown
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
        QAccessibleTextInterface* query = a11y(box())->textInterface();
        int from = 0, to = 0;
        for (const auto& [text, offset, shift, boundary, piece, start] : queries) {
            box()->writeText(text);
            const QString got = shift < 0   ? query->textBeforeOffset(offset, boundary, &from, &to)
                                : shift > 0 ? query->textAfterOffset(offset, boundary, &from, &to)
                                            : query->textAtOffset(offset, boundary, &from, &to);
            const int end = start < 0 ? -1 : start + static_cast<int>(piece.size());
            QCOMPARE(std::tuple(text, offset, shift, got, from, to, query->text(-5, 99)),
                     std::tuple(text, offset, shift, piece, start, end, text));
        }
        box()->writeText(QStringLiteral("12"));
        a11y(box())->editableTextInterface()->insertText(0, QStringLiteral("1234567890"));  // too long to type
        a11y(box())->editableTextInterface()->insertText(1, QStringLiteral("-"));
        query->setSelection(0, 1, 2);
        query->selection(0, &from, &to);
        const auto first = std::tuple(box()->text(), box()->selectedText(), from, to);
        query->selection(1, &from, &to);
        QCOMPARE(std::tuple(first, from + to), std::tuple(std::tuple(QString("1-2"), QString("-"), 1, 2), 0));
        query->removeSelection(0);
        QVERIFY(!box()->hasSelectedText());
        query->setSelection(0, 0, 0);  // an empty one selects nothing
        QVERIFY(!box()->hasSelectedText());
        QVERIFY(query->characterRect(-1).isNull() && query->characterRect(3).isNull());  // none outside the text
        QVERIFY(query->characterRect(0).isValid() &&                                     // and left to right
                query->characterRect(0).right() < query->characterRect(1).center().x());
    }

    void survives_random_events() {
        const QString given = qEnvironmentVariable("MENSARO_SOAK_SEED");
        const quint64 seed = given.isEmpty() ? std::random_device{}() : given.toULongLong();
        random_.seed(seed);
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");  // no browser is started
        int done = 0, events = qEnvironmentVariable("MENSARO_SOAK_EVENTS", QStringLiteral("50000")).toInt();
        for (; done < events && !QTest::currentTestFailed(); ++done)
            if (step(); !QTest::currentTestFailed()) checkInvariants();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        if (QTest::currentTestFailed()) qWarning("failed at event %d; replay with MENSARO_SOAK_SEED=%llu", done, seed);
    }

    // Qt's own threads may log while the application is being built: each message held back then comes out once.
    void messages_held_from_several_threads_come_out_once() {
        static std::atomic<int> passedOn = 0;
        const QtMessageHandler before = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& text) { passedOn += text == "held"; });
        mensaro::DisplayGuard guard;
        for (std::array<std::jthread, 8> threads; auto& thread : threads)  // all joined as the loop ends
            thread = std::jthread([] {
                for (int i = 0; i < 10000; ++i) qWarning("held");
            });
        guard.release();
        qInstallMessageHandler(before);
        QCOMPARE(passedOn.load(), 80000);
    }

    // A failed copy (offscreen has no selection clipboard) or link (no browser) is told, and the window goes on.
    void failures_are_told_and_the_window_goes_on() {
        QTest::mouseClick(window->lblResult, Qt::LeftButton);  // a copy that worked: nothing to tell
        QVERIFY(!QTest::qWaitFor([] { return QToolTip::isVisible(); }, 50));
        window->clipboardMode = QClipboard::Selection;
        QTest::mouseClick(window->lblResult, Qt::LeftButton);
        QTRY_COMPARE(QToolTip::text(), Tr("The clipboard is not available: nothing was copied."));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
        qunsetenv("BROWSER");
        QTest::mouseClick(window->imgLink, Qt::LeftButton);
        qputenv("PATH", path);
        auto* message = window->findChild<QMessageBox*>(QStringLiteral("linkFailed"));
        QTRY_VERIFY(message && message->isVisible() && message->text().contains(QLatin1String(frmTavrix::kWebAddress)));
        checkInvariants();
    }
};

int main(int argc, char* argv[]) {
#ifdef MENSARO_TEST_SCALE
    qputenv("QT_SCALE_FACTOR", MENSARO_TEST_SCALE);  // tst_hidpi: the suite at a fixed scale factor
#endif
    QApplication app(argc, argv);
    mensaro::l10n::Start();
    mensaro::LoadToolkitTranslations();
    TestFrmTavrix test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_frmtavrix.moc"
