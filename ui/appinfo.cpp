#include "ui/appinfo.h"

#include <QApplication>

namespace mensaro {

void SetApplicationIdentity() {
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QApplication::setApplicationVersion(QString::fromLatin1(kApplicationVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    qApp->setProperty("description", QString::fromLatin1(kApplicationDescription));
    qApp->setProperty("internalName", QString::fromLatin1(kInternalName));
}

}  // namespace mensaro
