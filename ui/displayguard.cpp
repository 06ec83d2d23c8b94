#include "ui/displayguard.h"

#include <QList>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace mensaro {

namespace {

struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
};

QList<HeldMessage>& Held() {
    static QList<HeldMessage> held;
    return held;
}

void HoldOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const char* display = std::getenv("DISPLAY");
        std::fprintf(stderr, "mensaro: cannot open its window: no usable display (DISPLAY=%s)\n",
                     display && *display ? display : "not set");
        std::fflush(stderr);
        std::_Exit(1);
    }
    Held().append({type, QString::fromUtf8(context.category ? context.category : ""), text});
}

}  // namespace

DisplayGuard::DisplayGuard() : previous_(qInstallMessageHandler(HoldOrFail)), active_(true) {}

DisplayGuard::~DisplayGuard() { release(); }

void DisplayGuard::release() {
    if (!active_) return;
    active_ = false;
    qInstallMessageHandler(previous_);
    for (const HeldMessage& m : Held()) {
        const QByteArray category = m.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.isEmpty() ? nullptr : category.constData());
        qt_message_output(m.type, context, m.text);
    }
    Held().clear();
}

}  // namespace mensaro
