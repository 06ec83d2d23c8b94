// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "l10n/translate.h"

namespace mensaro {

namespace {

const QColor kInk(0x1F, 0x3A, 0x5F);     // deep blue
const QColor kAccent(0xE0, 0x8A, 0x1E);  // amber
const QColor kPaper(0xFF, 0xFF, 0xF0);

// A ruler edge along the bottom: a long tick every ten, a middle one at five.
void DrawRuler(QPainter& p, const QRectF& band, qreal step) {
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(band.left(), band.bottom() - 0.5), QPointF(band.right(), band.bottom() - 0.5));
    int i = 0;
    for (qreal x = band.left() + 0.5; x < band.right(); x += step, ++i) {
        const qreal h = i % 10 == 0 ? band.height() : i % 5 == 0 ? band.height() * 0.65 : band.height() * 0.35;
        p.drawLine(QPointF(x, band.bottom()), QPointF(x, band.bottom() - h));
    }
}

}  // namespace

QPixmap DrawBanner(qreal devicePixelRatio) {
    constexpr int kWidth = 220;
    constexpr int kHeight = 47;
    QPixmap pixmap(QSize(kWidth, kHeight) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);

    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient paper(0, 0, 0, kHeight);
    paper.setColorAt(0, kPaper);
    paper.setColorAt(1, QColor(0xF3, 0xEC, 0xD2));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), paper);

    DrawRuler(p, QRectF(0, kHeight - 9, kWidth, 8), 4);

    // Two arrows, one each way: a value going to a unit and back.
    p.setPen(QPen(kAccent, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(12, 13), QPointF(34, 13));
    p.drawPolyline(QPolygonF({QPointF(29, 8), QPointF(34, 13), QPointF(29, 18)}));
    p.drawLine(QPointF(34, 25), QPointF(12, 25));
    p.drawPolyline(QPolygonF({QPointF(17, 20), QPointF(12, 25), QPointF(17, 30)}));

    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(21);
    title.setBold(true);
    p.setFont(title);
    p.setPen(kInk);
    p.drawText(QRectF(44, 2, 170, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Mensaro"));

    const BannerLine tagline = BannerTagline();
    p.setFont(tagline.font);
    p.drawText(QRectF(216 - tagline.room, 4, tagline.room, 24), Qt::AlignRight | Qt::AlignVCenter, tagline.text);
    return pixmap;
}

BannerLine BannerTagline() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(10);
    // TRANSLATORS: the banner's motto beside the program's name, in small type: about 16 letters at most.
    return {QString::fromUtf8(l10n::Tr("units, exactly")), font, 82};
}

QIcon DrawAppIcon() {
    QIcon icon;
    // Every size a title bar or task bar asks for at scale 1, 1.5 and 2.
    for (int size : {16, 24, 32, 48, 64, 96, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        QPainterPath tile;
        tile.addRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
        p.fillPath(tile, kInk);
        p.setPen(QPen(kAccent, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(14, 22), QPointF(48, 22));
        p.drawPolyline(QPolygonF({QPointF(40, 14), QPointF(48, 22), QPointF(40, 30)}));
        p.setPen(QPen(kPaper, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(50, 42), QPointF(16, 42));
        p.drawPolyline(QPolygonF({QPointF(24, 34), QPointF(16, 42), QPointF(24, 50)}));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace mensaro
