// Without a display Qt aborts while creating the application, after several
// lines about platform plugins. This turns that into one plain line and exit
// code 1. Create it before the QApplication, and release it afterwards.
#pragma once

#include <QtGlobal>

namespace mensaro {

class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    // The application exists: messages go to Qt's own handler again, those
    // held back meanwhile included.
    void release();

    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

private:
    QtMessageHandler previous_ = nullptr;
    bool active_ = false;
};

}  // namespace mensaro
