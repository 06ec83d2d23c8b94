// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/frmtavrix.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolTip>
#include <QUrl>
#include <QWindow>
#include <utility>

#include "core/conversion.h"
#include "core/numbertext.h"
#include "l10n/translate.h"
#include "ui/accessibility.h"
#include "ui/announcer.h"
#include "ui/artwork.h"
#include "ui/contrast.h"
#include "ui/keyrepeat.h"
#include "ui/listbox.h"
#include "ui/picture.h"
#include "ui/valuebox.h"

namespace {

// The layout is designed in twips: 15 to a logical pixel at 96 dots per inch.
// Qt's high-DPI scaling takes logical pixels on from there.
constexpr int Px(int twips) { return (twips + 7) / 15; }  // nearest pixel

constexpr int kClientWidth = 5610;
constexpr int kClientHeight = 4425;
constexpr int kTimerInterval = 300;  // milliseconds
constexpr int kMaxTypedLength = 9;
const QColor kResultBackground(0xFF, 0xFF, 0xC0);  // light yellow

// Result label alignment codes, as the motion cycles through them.
enum Side : quint8 { kLeft = 0, kRight = 1, kCentre = 2 };

Qt::Alignment AlignmentOf(int side) {
    const Qt::Alignment horizontal = side == kLeft ? Qt::AlignLeft : side == kRight ? Qt::AlignRight : Qt::AlignHCenter;
    return horizontal | Qt::AlignVCenter;
}

int SideOf(Qt::Alignment alignment) {
    if (alignment & Qt::AlignLeft) return kLeft;
    if (alignment & Qt::AlignRight) return kRight;
    return kCentre;
}

// The design's "MS Sans Serif" and "Courier New" are not on a Linux desktop.
// Named faces that the package depends on stand in for them, so the window
// looks the same on every machine: Liberation Sans (a proportional face with
// Arial's metrics) and Liberation Mono (Courier New's metrics).
QFont DesignFont(const char* face, QFont::StyleHint hint, qreal points, bool bold) {
    QFont font(QString::fromLatin1(face));
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
QFont SansFont(qreal points, bool bold = false) {
    return DesignFont("Liberation Sans", QFont::SansSerif, points, bold);
}
QFont MonoFont(qreal points) { return DesignFont("Liberation Mono", QFont::Monospace, points, false); }

using mensaro::l10n::Tr;

// The core speaks UTF-8, and so do the translations.
QString FromCore(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
QString Shown(const char* text) { return QString::fromUtf8(text); }

// A unit's name as the lists show it; the separator is a line in any language.
QString UnitShown(std::string_view name) {
    return name == mensaro::kSeparatorName ? FromCore(name) : Shown(Tr("unit", std::string(name).c_str()));
}

QLabel* MakeLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

frmTavrix::frmTavrix(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    // First: Qt 6.8 asks for the window's accessible interface as soon as its
    // title is set, and keeps the one it gets (a filler without ours).
    mensaro::InstallAccessibility();
    setObjectName(QStringLiteral("frmTavrix"));
    setWindowTitle(QStringLiteral("Mensaro"));
    setFixedSize(Px(kClientWidth), Px(kClientHeight));
    setFont(SansFont(9.75));
    CreateControls();
    ConnectHandlers();
}

void frmTavrix::CreateControls() {
    // Order is the creation order of the design; tab order is set below.
    tmrMotion = new QTimer(this);
    tmrMotion->setInterval(kTimerInterval);
    lstTo = new ListBox(this);
    lstFrom = new ListBox(this);
    lstType = new ListBox(this);
    txtFrom = new ValueBox(kMaxTypedLength, this);
    // TRANSLATORS: the button that closes the window; & marks the Alt key's letter.
    cmdExit = new QPushButton(Shown(Tr("E&xit")), this);
    imgLink = new Picture(mensaro::DrawBanner, this);
    lblEquals = MakeLabel(QStringLiteral("="), this);
    lblTo = new QLabel(this);
    lblFrom = new QLabel(this);
    // TRANSLATORS: the captions above the lists and the boxes. The window's
    // size is fixed: "From" has room for about 4 letters, "To" for 2.
    lblToCaption = MakeLabel(Shown(Tr("To")), this);
    lblFromCaption = MakeLabel(Shown(Tr("From")), this);
    lblTypeCaption = MakeLabel(Shown(Tr("Select Type")), this);
    lblResult = new QLabel(this);
    lblResultCaption = MakeLabel(Shown(Tr("Result")), this);
    lblValueCaption = MakeLabel(Shown(Tr("Enter Value to convert")), this);

    struct Placement {
        QWidget* control;
        const char* name;
        const char* accessibleName;
        int left, top, width, height;  // twips
    };
    // TRANSLATORS: the controls' names for screen readers, which have no room to fit.
    // clang-format off
    const Placement layout[] = {
        {lstTo, "lstTo", N_("To unit"), 3788, 360, 1755, 2190},
        {lstFrom, "lstFrom", N_("From unit"), 1928, 360, 1755, 2190},
        {lstType, "lstType", N_("Select Type"), 68, 360, 1755, 2190},
        {txtFrom, "txtFrom", N_("Enter Value to convert"), 60, 2940, 2175, 315},
        {cmdExit, "cmdExit", N_("Exit"), 3765, 3690, 1755, 555},
        {imgLink, "imgLink", N_("Open a web page about converting units"), 60, 3600, 3330, 735},
        {lblEquals, "lblEquals", N_("equals"), 2280, 2950, 165, 300},
        {lblTo, "lblTo", N_("To unit"), 3540, 3300, 1995, 240},
        {lblFrom, "lblFrom", N_("From unit"), 240, 3300, 1995, 240},
        {lblToCaption, "lblToCaption", N_("To"), 3780, 60, 255, 240},
        {lblFromCaption, "lblFromCaption", N_("From"), 1920, 60, 465, 240},
        {lblTypeCaption, "lblTypeCaption", N_("Select Type"), 68, 60, 1095, 240},
        {lblResult, "lblResult", N_("Result"), 2460, 2940, 3075, 315},
        {lblResultCaption, "lblResultCaption", N_("Result"), 2460, 2700, 870, 240},
        {lblValueCaption, "lblValueCaption", N_("Enter Value to convert"), 75, 2700, 1950, 240},
    };
    // clang-format on
    for (const Placement& p : layout) {
        p.control->setObjectName(QString::fromLatin1(p.name));
        p.control->setAccessibleName(Shown(Tr(p.accessibleName)));
        p.control->setGeometry(Px(p.left), Px(p.top), Px(p.width), Px(p.height));
    }
    announcer = new mensaro::Announcer(this);

    txtFrom->setFont(MonoFont(9.75));
    txtFrom->setText(QStringLiteral("1"));  // before the change handler is connected: no conversion yet
    txtFrom->setToolTip(Shown(Tr("Enter the value to be converted here. Press UP / DOWN to vary.")));

    cmdExit->setToolTip(Shown(Tr("Close the application")));

    // The picture at its own size inside a one-pixel border, never scaled.
    imgLink->setFrameStyle(QFrame::Box | QFrame::Plain);
    imgLink->setLineWidth(1);
    imgLink->setAlignment(Qt::AlignCenter);
    imgLink->setCursor(Qt::PointingHandCursor);
    imgLink->setToolTip(Shown(Tr("Visit my website")));

    lblEquals->setFont(SansFont(12, true));

    lblTo->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblFrom->setAlignment(Qt::AlignRight | Qt::AlignTop);

    lblResult->setFont(SansFont(9.75, true));
    lblResult->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblResult->setLineWidth(1);
    lblResult->setAlignment(AlignmentOf(kRight));
    lblResult->setAutoFillBackground(true);
    UpdateResultColours();
    lblResult->setToolTip(Shown(Tr("Click here to Copy the Result to the Clipboard")));

    // Screen readers give the tool tip as the description.
    for (QWidget* control : {static_cast<QWidget*>(txtFrom), static_cast<QWidget*>(cmdExit),
                             static_cast<QWidget*>(imgLink), static_cast<QWidget*>(lblResult)})
        control->setAccessibleDescription(control->toolTip());

    // Tab cycle: value box, Exit, then the three lists left to right.
    setTabOrder(txtFrom, cmdExit);
    setTabOrder(cmdExit, lstType);
    setTabOrder(lstType, lstFrom);
    setTabOrder(lstFrom, lstTo);
    setTabOrder(lstTo, txtFrom);

    tmrMotion->start();
}

void frmTavrix::ConnectHandlers() {
    // A list reports -1 while it is emptied; only real selections are clicks.
    const auto onSelection = [this](void (frmTavrix::*handler)()) {
        return [this, handler](int row) {
            if (row >= 0) (this->*handler)();
        };
    };
    connect(lstType, &QListWidget::currentRowChanged, this, onSelection(&frmTavrix::lstType_Click));
    connect(lstFrom, &QListWidget::currentRowChanged, this, onSelection(&frmTavrix::lstFrom_Click));
    connect(lstTo, &QListWidget::currentRowChanged, this, onSelection(&frmTavrix::lstTo_Click));

    connect(txtFrom, &QLineEdit::textChanged, this, &frmTavrix::txtFrom_Change);
    connect(txtFrom, &ValueBox::clicked, this, &frmTavrix::txtFrom_Click);
    connect(txtFrom, &ValueBox::gotFocus, this, &frmTavrix::txtFrom_GotFocus);
    connect(txtFrom, &ValueBox::keyDown, this, &frmTavrix::txtFrom_KeyDown);

    // Keys for what otherwise takes the mouse: copy the result, open the page.
    // A held key acts once: one copy, one browser tab.
    keyRepeats = new KeyRepeatWatch(this);
    const auto once = [this](void (frmTavrix::*action)()) {
        return [this, action] {
            if (!keyRepeats->repeating()) (this->*action)();
        };
    };
    for (auto* shortcut :
         {new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this, this, once(&frmTavrix::lblResult_Click)),
          new QShortcut(QKeySequence(Qt::Key_F1), this, this, once(&frmTavrix::imgLink_Click))})
        shortcut->setAutoRepeat(false);

    connect(tmrMotion, &QTimer::timeout, this, &frmTavrix::tmrMotion_Timer);
    connect(cmdExit, &QPushButton::clicked, this, &frmTavrix::cmdExit_Click);
    lblResult->installEventFilter(this);
    imgLink->installEventFilter(this);
}

// The unit labels are named for screen readers by their role and the unit.
// The result label is named by PublishResult, once per conversion.
void frmTavrix::ShowText(QLabel* label, const QString& text) {
    label->setText(text);
    if (label == lblResult) return;
    const QString role = Shown(label == lblFrom ? Tr("From unit") : Tr("To unit"));
    // TRANSLATORS: a unit label's name for screen readers: its role, then the unit ("From unit: Inch").
    label->setAccessibleName(text.isEmpty() ? role : Shown(Tr("%1: %2")).arg(role, text));
}

// Each new result, as the label now shows it, is told once: to screen
// readers, with its unit ("17.78 Centimeter"), and by resultShown. Moving the
// result text (tmrMotion_Timer) is not news.
void frmTavrix::PublishResult(bool asked) {
    if (holdResult) return;
    const QString result = lblResult->text();
    lblResult->setAccessibleName(Shown(Tr("Result: %1")).arg(result));
    // TRANSLATORS: what a screen reader says of a new result: the number, then its unit ("30.48 Centimeter").
    announcer->announce(Shown(Tr("%1 %2")).arg(result, lstTo->spokenText(lstTo->currentRow())), asked);
    Q_EMIT resultShown(result);
}

// ---------------------------------------------------- Category and units

void frmTavrix::Form_Load() {
    // Shown first: the first conversion ends by focusing the value box. A new
    // window takes the keyboard at once, also where no window manager would
    // hand it over.
    show();
    activateWindow();
    // The title bar can wait a moment for its icon; the window need not.
    QTimer::singleShot(0, this, [this] { setWindowIcon(mensaro::DrawAppIcon()); });
    for (std::string_view name : mensaro::kCategoryNames)
        lstType->appendEntry(Shown(Tr("category", std::string(name).c_str())));
    lstType->setCurrentRow(0);  // runs lstType_Click
}

void frmTavrix::ShowConversion(int category, int from, int to, const QString& value) {
    {
        // Each step converts on its way; only the conversion asked for is news.
        const QScopedValueRollback hold(holdResult, true);
        lstType->setCurrentRow(category);
        lstFrom->setCurrentRow(from);
        lstTo->setCurrentRow(to);
        txtFrom->writeText(value);
    }
    PublishResult(true);
    SelectLen();  // the value box kept the focus, so it selected nothing itself
}

void frmTavrix::OpenAt(int category, int from, int to, const QString& value) {
    {
        // The first category's conversion is replaced at once: a screen reader would say both.
        const QScopedValueRollback hold(holdResult, true);
        Form_Load();
    }
    ShowConversion(category, from, to, value);
}

void frmTavrix::lstType_Click() {
    {
        const QSignalBlocker blockFrom(lstFrom);
        const QSignalBlocker blockTo(lstTo);
        lstFrom->clear();
        lstTo->clear();
    }
    ShowText(lblResult, QString());
    LoadUnits();
}

void frmTavrix::LoadUnits() {
    // By position: the list shows the category in the user's language.
    unitList = mensaro::TableOf(static_cast<std::size_t>(lstType->currentRow()));
    for (std::size_t i = 0; i < unitList.size() / 2; ++i) {
        const std::string_view name = mensaro::UnitName(unitList, i);
        // The separator shows as a line of hyphens and is spoken as what it is.
        // TRANSLATORS: what a screen reader says of the line between two groups of units.
        const QString spoken = name == mensaro::kSeparatorName ? Shown(Tr("separator")) : QString();
        lstFrom->appendEntry(UnitShown(name), spoken);
        lstTo->appendEntry(UnitShown(name), spoken);
    }
    lstFrom->setCurrentRow(0);  // lstFrom_Click: no target yet, so no conversion
    lstTo->setCurrentRow(0);    // lstTo_Click: the one conversion of this load
    ShowText(lblFrom, lstFrom->selectedText());
    ShowText(lblTo, lstTo->selectedText());
}

void frmTavrix::lstFrom_Click() {
    const int from = lstFrom->currentRow();
    const int to = lstTo->currentRow();
    if (from > -1 && to > -1) DoCalc();
    ShowText(lblFrom, lstFrom->selectedText());
}

void frmTavrix::lstTo_Click() {
    const int from = lstFrom->currentRow();
    const int to = lstTo->currentRow();
    if (from > -1 && to > -1) DoCalc();
    ShowText(lblTo, lstTo->selectedText());
}

// --------------------------------------------------------- Result update

void frmTavrix::DoCalc() {
    const std::string value = txtFrom->text().toStdString();
    const int from = lstFrom->currentRow();
    const int to = lstTo->currentRow();
    const auto category = static_cast<std::size_t>(lstType->currentRow());
    const QString result = FromCore(mensaro::ConvertValue(unitList, category, value, from, to));
    ShowText(lblResult, result);
    PublishResult();

    const bool hadFocus = txtFrom->hasFocus();
    txtFrom->setFocus(Qt::OtherFocusReason);
    // An inactive window gets its focus-in only when activated; select now so
    // the value is ready to be typed over either way.
    if (!hadFocus && !txtFrom->hasFocus()) SelectLen();
}

// ----------------------------------------------------------- Value entry

void frmTavrix::txtFrom_Change() { DoCalc(); }

void frmTavrix::txtFrom_Click() { SelectLen(); }

void frmTavrix::txtFrom_GotFocus() { SelectLen(); }

void frmTavrix::txtFrom_KeyDown(int keyCode) {
    if (keyCode == Qt::Key_Up || keyCode == Qt::Key_Down) {
        const double step = keyCode == Qt::Key_Up ? mensaro::kValueStep : -mensaro::kValueStep;
        txtFrom->writeText(FromCore(mensaro::StepNumber(txtFrom->text().toStdString(), step)));
    } else if (keyCode == Qt::Key_Escape) {
        {
            // Only the final "0" is news; the conversion of "" on the way is not.
            const QScopedValueRollback hold(holdResult, true);
            txtFrom->writeText(QString());
        }
        ShowText(lblResult, QStringLiteral("0"));
        PublishResult();
    }
}

void frmTavrix::SelectLen() { txtFrom->setSelection(0, static_cast<int>(txtFrom->text().size())); }

// ------------------------------------- Motion, clipboard, link and exit

void frmTavrix::tmrMotion_Timer() {
    const int side = SideOf(lblResult->alignment());
    if (side == kLeft || side == kRight) {
        lastSide = static_cast<quint8>(side);
        lblResult->setAlignment(AlignmentOf(kCentre));
    } else {
        lblResult->setAlignment(AlignmentOf(lastSide == kLeft ? kRight : kLeft));
    }
}

void frmTavrix::lblResult_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString text = lblResult->text();
    clipboard->setText(text, clipboardMode);
    // Reading it back is the only way to learn that no clipboard could be had.
    if (clipboard->text(clipboardMode) == text) return;
    // Shown once the click is over: the click itself would hide the tip.
    QTimer::singleShot(0, lblResult, [this] {
        QToolTip::showText(lblResult->mapToGlobal(QPoint(0, lblResult->height())),
                           Shown(Tr("The clipboard is not available: nothing was copied.")), lblResult);
    });
}

void frmTavrix::imgLink_Click() { OpenLink(QString::fromLatin1(kWebAddress)); }

void frmTavrix::OpenLink(const QString& address) {
    if (QDesktopServices::openUrl(QUrl(address))) return;
    // No browser to hand it to: say so and carry on.
    auto* box = new QMessageBox(QMessageBox::Information, windowTitle(),
                                Shown(Tr("The web page could not be opened:\n%1")).arg(address), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("linkFailed"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void frmTavrix::cmdExit_Click() { close(); }

// The result keeps its light yellow under every colour scheme; its text is
// the scheme's window text where that reads on yellow, and dark where not
// (a dark scheme's light text would all but vanish).
void frmTavrix::UpdateResultColours() {
    QPalette colours = lblResult->palette();
    colours.setColor(QPalette::Window, kResultBackground);
    colours.setColor(QPalette::WindowText,
                     mensaro::ReadableOn(kResultBackground, palette().color(QPalette::WindowText)));
    lblResult->setPalette(colours);
}

void frmTavrix::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) UpdateResultColours();
    if (event->type() == QEvent::WindowStateChange) UpdateMotion();
    QWidget::changeEvent(event);
}

void frmTavrix::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();  // at once, even with a message box still open
}

// The result moves only while someone can see it: minimised, hidden or
// covered whole, the window neither wakes nor repaints. The motion picks up
// where it stopped, at the next tick after the window shows again.
void frmTavrix::UpdateMotion() {
    const QWindow* handle = windowHandle();
    const bool seen = isVisible() && !isMinimized() && handle && handle->isExposed();
    if (seen && !tmrMotion->isActive()) tmrMotion->start();
    if (!seen && tmrMotion->isActive()) tmrMotion->stop();
}

void frmTavrix::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Exposure is the window system's word, sent to the native window (a
    // filter installed again is still called once).
    if (QWindow* handle = windowHandle()) handle->installEventFilter(this);
    UpdateMotion();
}

void frmTavrix::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    UpdateMotion();
}

bool frmTavrix::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && watched == windowHandle()) {
        // Qt updates the window's exposure after its filters have seen the
        // event: look once it has.
        QMetaObject::invokeMethod(this, &frmTavrix::UpdateMotion, Qt::QueuedConnection);
        return false;
    }
    // Only the two clickable labels get click behaviour; the native window
    // sees every mouse event first and is no widget.
    QLabel* const label = watched == lblResult ? lblResult : watched == imgLink ? imgLink : nullptr;
    if (!label) return QWidget::eventFilter(watched, event);
    // A double click is press, release, double click, release. On the
    // picture that is one click: a second browser tab does harm. On the
    // result each release copies what it shows then, which a key pressed in
    // between may have changed.
    if (event->type() == QEvent::MouseButtonDblClick) {
        pictureDoubleClicked = label == imgLink;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool endsDoubleClick = std::exchange(pictureDoubleClicked, false) && label == imgLink;
        if (!endsDoubleClick && mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint())) {
            if (label == lblResult) lblResult_Click();
            if (label == imgLink) imgLink_Click();
        }
    }
    return QWidget::eventFilter(watched, event);
}
