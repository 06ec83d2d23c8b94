#include <QApplication>

#include "ui/appinfo.h"
#include "ui/displayguard.h"
#include "ui/frmtavrix.h"

int main(int argc, char* argv[]) {
    mensaro::DisplayGuard noDisplayIsNoCrash;
    QApplication app(argc, argv);
    noDisplayIsNoCrash.release();
    mensaro::SetApplicationIdentity();

    frmTavrix window;
    window.Form_Load();
    return app.exec();
}
