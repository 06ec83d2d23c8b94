// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one window of Mensaro: three lists (category, from, to), the value box,
// the result label, and a few small extras (moving result, copy on click,
// web link, exit). Handlers gather the inputs and hand them to the core's
// ConvertValue; all arithmetic and text rules live in core/.
// Members are lowerCamelCase; a control is named by kind (lst txt lbl cmd tmr img), then role.
#pragma once

#include <QClipboard>
#include <QString>
#include <QWidget>

#include "core/catalogue.h"

class KeyRepeatWatch;
class ListBox;
namespace mensaro {
class Announcer;
}
class Picture;
class QLabel;
class QPushButton;
class QTimer;
class ValueBox;

class frmTavrix : public QWidget {
    Q_OBJECT
public:
    // The page the picture opens: a plain account of converting units.
    static constexpr char kWebAddress[] = "https://en.wikipedia.org/wiki/Conversion_of_units";

    explicit frmTavrix(QWidget* parent = nullptr);

    // Shows the window, lists the categories and loads the first one, which
    // runs the first conversion.
    void Form_Load();
    // Shows one conversion as if the user had chosen it: the category (an
    // index into kCategoryNames), both units' list positions, then the value.
    void ShowConversion(int category, int from, int to, const QString& value);
    // Form_Load, then ShowConversion: the window opened at a conversion, of
    // which only the one asked for is news.
    void OpenAt(int category, int from, int to, const QString& value);

Q_SIGNALS:
    // After every new result, with the text the result label now shows.
    void resultShown(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class TestFrmTavrix;

    void CreateControls();
    void ConnectHandlers();
    void ShowText(QLabel* label, const QString& text);
    void PublishResult(bool asked = false);
    void UpdateResultColours();

    // Category and unit selection.
    void lstType_Click();
    void LoadUnits();
    void lstFrom_Click();
    void lstTo_Click();

    // Result update.
    void DoCalc();

    // Value entry.
    void txtFrom_Change();
    void txtFrom_Click();
    void txtFrom_GotFocus();
    void txtFrom_KeyDown(int keyCode);
    void SelectLen();

    // Motion, clipboard, link, exit.
    void tmrMotion_Timer();
    void UpdateMotion();
    void lblResult_Click();
    void imgLink_Click();
    void OpenLink(const QString& address);
    void cmdExit_Click();

    // The controls, in creation order.
    QTimer* tmrMotion = nullptr;
    ListBox* lstTo = nullptr;
    ListBox* lstFrom = nullptr;
    ListBox* lstType = nullptr;
    ValueBox* txtFrom = nullptr;
    QPushButton* cmdExit = nullptr;
    Picture* imgLink = nullptr;
    QLabel* lblEquals = nullptr;
    QLabel* lblTo = nullptr;
    QLabel* lblFrom = nullptr;
    QLabel* lblToCaption = nullptr;
    QLabel* lblFromCaption = nullptr;
    QLabel* lblTypeCaption = nullptr;
    QLabel* lblResult = nullptr;
    QLabel* lblResultCaption = nullptr;
    QLabel* lblValueCaption = nullptr;

    // The table of the current category; empty until Form_Load loads one.
    mensaro::UnitList unitList;
    // The side the result text last moved to the centre from: 0 left, 1 right.
    quint8 lastSide = 0;
    // Tells screen readers each new result.
    mensaro::Announcer* announcer = nullptr;
    // Set while the steps of one action run, so only their final result is told.
    bool holdResult = false;
    // Tells a held key's repeats from its first press.
    KeyRepeatWatch* keyRepeats = nullptr;
    // A double click on the picture is under way: its closing release is no click.
    bool pictureDoubleClicked = false;
    // Where a click on the result copies to: the system clipboard.
    QClipboard::Mode clipboardMode = QClipboard::Clipboard;
};
