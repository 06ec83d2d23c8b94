#include <QApplication>

#include "ui/appinfo.h"
#include "ui/displayguard.h"
#include "ui/frmtavrix.h"
#include "ui/quitonsignal.h"

int main(int argc, char* argv[]) {
    mensaro::DisplayGuard noDisplayIsNoCrash;
    QApplication app(argc, argv);
    noDisplayIsNoCrash.release();
    mensaro::SetApplicationIdentity();
    mensaro::QuitOnTerminationSignals();

    frmTavrix window;
    window.Form_Load();
    return app.exec();
}
