#include "core/WidgetPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace KorvexCore {

void CenterOnScreen(QWidget *widget, QWidget *parent)
{
    if (!widget)
        return;
    QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const int w = widget->width();
    const int h = widget->height();
    widget->setGeometry((available.width() - w) / 2, (available.height() - h) / 2, w, h);
}

} // namespace KorvexCore
