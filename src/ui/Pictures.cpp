// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace corbel::ui {

namespace {

void Draw(QPainter& p, Picture picture, qreal s) {
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(30, 30, 60), s / 16);
    p.setPen(outline);
    switch (picture) {
        case Picture::Open:
            p.setBrush(QColor(240, 200, 80));
            p.drawRect(QRectF(s * 0.1, s * 0.3, s * 0.8, s * 0.55));
            p.drawRect(QRectF(s * 0.1, s * 0.2, s * 0.35, s * 0.12));
            break;
        case Picture::Save:
            p.setBrush(QColor(60, 90, 200));
            p.drawRect(QRectF(s * 0.12, s * 0.12, s * 0.76, s * 0.76));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(s * 0.28, s * 0.12, s * 0.44, s * 0.3));
            break;
        case Picture::Grid:
            p.setBrush(Qt::white);
            p.drawRect(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8));
            for (int k = 1; k < 3; ++k) {
                p.drawLine(QPointF(s * (0.1 + 0.8 * k / 3), s * 0.1),
                           QPointF(s * (0.1 + 0.8 * k / 3), s * 0.9));
                p.drawLine(QPointF(s * 0.1, s * (0.1 + 0.8 * k / 3)),
                           QPointF(s * 0.9, s * (0.1 + 0.8 * k / 3)));
            }
            break;
        case Picture::Schedule:
            p.setBrush(Qt::white);
            p.drawRect(QRectF(s * 0.18, s * 0.08, s * 0.64, s * 0.84));
            for (int k = 0; k < 4; ++k) {
                p.drawLine(QPointF(s * 0.3, s * (0.28 + 0.16 * k)),
                           QPointF(s * 0.7, s * (0.28 + 0.16 * k)));
            }
            break;
        case Picture::Additional:
            p.setBrush(QColor(230, 190, 40));
            p.drawEllipse(QRectF(s * 0.1, s * 0.45, s * 0.5, s * 0.4));
            p.drawEllipse(QRectF(s * 0.1, s * 0.3, s * 0.5, s * 0.4));
            p.setPen(QPen(QColor(0, 128, 0), s / 8));
            p.drawLine(QPointF(s * 0.75, s * 0.15), QPointF(s * 0.75, s * 0.55));
            p.drawLine(QPointF(s * 0.55, s * 0.35), QPointF(s * 0.95, s * 0.35));
            break;
        case Picture::Chart:
            p.setBrush(QColor(0, 128, 0));
            p.drawPie(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8), 90 * 16, 200 * 16);
            p.setBrush(QColor(255, 0, 0));
            p.drawPie(QRectF(s * 0.14, s * 0.1, s * 0.8, s * 0.8), 290 * 16, 160 * 16);
            break;
        case Picture::About:
        case Picture::Help: {
            p.setBrush(QColor(40, 110, 220));
            p.drawEllipse(QRectF(s * 0.08, s * 0.08, s * 0.84, s * 0.84));
            QFont font;
            font.setBold(true);
            font.setPixelSize(static_cast<int>(s * 0.6));
            p.setFont(font);
            p.setPen(Qt::white);
            p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, picture == Picture::Help ? "?" : "i");
            break;
        }
        case Picture::Quit:
            p.setBrush(QColor(150, 90, 40));
            p.drawRect(QRectF(s * 0.25, s * 0.08, s * 0.5, s * 0.84));
            p.setBrush(QColor(240, 200, 80));
            p.drawEllipse(QRectF(s * 0.58, s * 0.48, s * 0.1, s * 0.1));
            break;
        case Picture::Print:
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(s * 0.1, s * 0.4, s * 0.8, s * 0.35));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(s * 0.25, s * 0.1, s * 0.5, s * 0.3));
            p.drawRect(QRectF(s * 0.25, s * 0.65, s * 0.5, s * 0.25));
            break;
        case Picture::House: {
            QPainterPath roof;
            roof.moveTo(s * 0.05, s * 0.5);
            roof.lineTo(s * 0.5, s * 0.1);
            roof.lineTo(s * 0.95, s * 0.5);
            roof.closeSubpath();
            p.setBrush(QColor(180, 40, 40));
            p.drawPath(roof);
            p.setBrush(QColor(240, 230, 200));
            p.drawRect(QRectF(s * 0.18, s * 0.5, s * 0.64, s * 0.42));
            p.setBrush(QColor(120, 80, 40));
            p.drawRect(QRectF(s * 0.42, s * 0.64, s * 0.16, s * 0.28));
            break;
        }
    }
}

QPixmap Faded(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 3);
        }
    }
    return QPixmap::fromImage(image);
}

}  // namespace

QPixmap Pixmap(Picture picture, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    Draw(painter, picture, size);
    return pixmap;
}

QIcon Icon(Picture picture) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        const QPixmap pixmap = Pixmap(picture, size);
        icon.addPixmap(pixmap);
        // The style's own disabled form of a colourful drawing hardly differs on
        // the dark header band; a faded grey one plainly does.
        icon.addPixmap(Faded(pixmap), QIcon::Disabled);
    }
    return icon;
}

}  // namespace corbel::ui
