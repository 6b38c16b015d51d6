// draw-icons: draws the project's own icons with QPainter. Run once when an icon
// changes; the PNG files it writes are committed.
//   draw-icons <src/core/icons> <data/Images>

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cstdio>
#include <functional>

namespace {

using Drawer = std::function<void(QPainter &, double)>;

bool save(const QString &path, int size, const Drawer &draw)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, size / 32.0);
    p.end();
    return image.save(path);
}

QPen pen(const QColor &c, double w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void disc(QPainter &p, double s, const QColor &fill, const QColor &edge)
{
    p.setPen(pen(edge, 1.5 * s));
    p.setBrush(fill);
    p.drawEllipse(QRectF(2 * s, 2 * s, 28 * s, 28 * s));
}

void check(QPainter &p, double s, const QColor &c)
{
    p.setPen(pen(c, 4 * s));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(8.5 * s, 16.5 * s);
    path.lineTo(14 * s, 22 * s);
    path.lineTo(24 * s, 10 * s);
    p.drawPath(path);
}

void cross(QPainter &p, double s, const QColor &c, double inset)
{
    p.setPen(pen(c, 4 * s));
    p.drawLine(QPointF(inset * s, inset * s), QPointF((32 - inset) * s, (32 - inset) * s));
    p.drawLine(QPointF((32 - inset) * s, inset * s), QPointF(inset * s, (32 - inset) * s));
}

void roundedBox(QPainter &p, double s, const QColor &fill, const QColor &edge)
{
    p.setPen(pen(edge, 1.5 * s));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(3 * s, 3 * s, 26 * s, 26 * s), 5 * s, 5 * s);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw-icons ICON_DIR IMAGE_DIR\n");
        return 2;
    }
    const QString icons = QString::fromLocal8Bit(argv[1]);
    const QString images = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(icons);
    QDir().mkpath(images);
    const QColor green(0x2e, 0x9d, 0x3f), darkGreen(0x1d, 0x6b, 0x2a);
    const QColor red(0xd3, 0x3a, 0x2f), darkRed(0x8f, 0x22, 0x1b);
    const QColor blue(0x2f, 0x6f, 0xc4), darkBlue(0x1b, 0x43, 0x7a);
    const QColor white(Qt::white);
    bool ok = true;

    ok &= save(icons + "/ok.png", 32, [&](QPainter &p, double s) {
        disc(p, s, green, darkGreen);
        check(p, s, white);
    });
    ok &= save(icons + "/cancel.png", 32, [&](QPainter &p, double s) {
        disc(p, s, red, darkRed);
        cross(p, s, white, 10.5);
    });
    ok &= save(icons + "/add_item.png", 32, [&](QPainter &p, double s) {
        disc(p, s, green, darkGreen);
        p.setPen(pen(white, 4 * s));
        p.drawLine(QPointF(16 * s, 8.5 * s), QPointF(16 * s, 23.5 * s));
        p.drawLine(QPointF(8.5 * s, 16 * s), QPointF(23.5 * s, 16 * s));
    });
    ok &= save(icons + "/remove_item.png", 32, [&](QPainter &p, double s) {
        disc(p, s, red, darkRed);
        p.setPen(pen(white, 4 * s));
        p.drawLine(QPointF(8.5 * s, 16 * s), QPointF(23.5 * s, 16 * s));
    });
    ok &= save(icons + "/edit_item.png", 32, [&](QPainter &p, double s) {
        // A pencil lying from lower left to upper right.
        p.translate(16 * s, 16 * s);
        p.rotate(-45);
        p.setPen(pen(QColor(0x6b, 0x4a, 0x12), 1.2 * s));
        p.setBrush(QColor(0xf2, 0xb7, 0x2e));
        p.drawRect(QRectF(-8 * s, -4 * s, 18 * s, 8 * s));
        p.setBrush(QColor(0xe9, 0x8f, 0x8f));
        p.drawRect(QRectF(10 * s, -4 * s, 4 * s, 8 * s));
        QPainterPath tip;
        tip.moveTo(-8 * s, -4 * s);
        tip.lineTo(-15 * s, 0);
        tip.lineTo(-8 * s, 4 * s);
        tip.closeSubpath();
        p.setBrush(QColor(0xf6, 0xdf, 0xb0));
        p.drawPath(tip);
        p.setBrush(QColor(0x33, 0x33, 0x33));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(-13.5 * s, 0), 1.6 * s, 1.6 * s);
    });
    ok &= save(icons + "/accept_item.png", 32, [&](QPainter &p, double s) {
        roundedBox(p, s, blue, darkBlue);
        check(p, s, white);
    });
    ok &= save(icons + "/delete_item.png", 32, [&](QPainter &p, double s) {
        roundedBox(p, s, red, darkRed);
        cross(p, s, white, 10);
    });

    // Window icon: a radiator in a blue tile.
    ok &= save(images + "/Korvex.png", 64, [&](QPainter &p, double s) {
        roundedBox(p, s, blue, darkBlue);
        p.setPen(Qt::NoPen);
        p.setBrush(white);
        for (int i = 0; i < 4; ++i)
            p.drawRoundedRect(QRectF((7.5 + i * 4.6) * s, 9 * s, 3.4 * s, 15 * s), 1.5 * s,
                              1.5 * s);
        p.drawRect(QRectF(7.5 * s, 11 * s, 17 * s, 1.6 * s));
        p.drawRect(QRectF(7.5 * s, 20.5 * s, 17 * s, 1.6 * s));
        p.setBrush(QColor(0xf5, 0x8a, 0x1f));
        p.drawRect(QRectF(7 * s, 25.5 * s, 18 * s, 2 * s));
    });
    // Tree images of the climate viewer: country (globe), region (flag), settlement (house).
    ok &= save(images + "/tree_country.png", 16, [&](QPainter &p, double s) {
        disc(p, s, QColor(0x4a, 0x9b, 0xe0), darkBlue);
        p.setPen(pen(white, 1.5 * s));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(10 * s, 2.5 * s, 12 * s, 27 * s));
        p.drawLine(QPointF(3 * s, 16 * s), QPointF(29 * s, 16 * s));
        p.drawLine(QPointF(16 * s, 2.5 * s), QPointF(16 * s, 29.5 * s));
    });
    ok &= save(images + "/tree_region.png", 16, [&](QPainter &p, double s) {
        p.setPen(pen(QColor(0x55, 0x55, 0x55), 3 * s));
        p.drawLine(QPointF(7 * s, 3 * s), QPointF(7 * s, 30 * s));
        p.setPen(pen(darkGreen, 1.5 * s));
        p.setBrush(green);
        QPainterPath flag;
        flag.moveTo(8 * s, 4 * s);
        flag.lineTo(28 * s, 9.5 * s);
        flag.lineTo(8 * s, 17 * s);
        flag.closeSubpath();
        p.drawPath(flag);
    });
    ok &= save(images + "/tree_settlement.png", 16, [&](QPainter &p, double s) {
        p.setPen(pen(darkRed, 1.5 * s));
        p.setBrush(red);
        QPainterPath roof;
        roof.moveTo(3 * s, 15 * s);
        roof.lineTo(16 * s, 3 * s);
        roof.lineTo(29 * s, 15 * s);
        roof.closeSubpath();
        p.drawPath(roof);
        p.setPen(pen(QColor(0x6b, 0x4a, 0x12), 1.5 * s));
        p.setBrush(QColor(0xf2, 0xd8, 0xa7));
        p.drawRect(QRectF(7 * s, 15 * s, 18 * s, 14 * s));
        p.setBrush(QColor(0x6b, 0x4a, 0x12));
        p.drawRect(QRectF(14 * s, 20 * s, 5 * s, 9 * s));
    });
    return ok ? 0 : 1;
}
