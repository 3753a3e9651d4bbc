#include "common/ui/main_window_controls.h"

#include "common/ui/rich_text_box.h"

#include <QAbstractButton>
#include <QLabel>
#include <QVariant>

namespace kestrane {

namespace {

constexpr QSize kDetailsSize(329, 106);

} // namespace

void placeDetailsBox(const MainWindowControls& controls)
{
    RichTextBox* details = controls.rtbDetails;
    const QAbstractButton* ad = controls.pageButton(kAd);
    QWidget* area = details ? details->parentWidget() : nullptr;
    if (!details)
        return;
    details->resize(kDetailsSize);
    if (!ad || !controls.image4 || !area)
        return;
    const int adRight = ad->mapTo(area->window(), QPoint(ad->width(), 0)).x();
    const int photoTop = controls.image4->mapTo(area->window(), QPoint(0, 0)).y();
    const QPoint topRight = area->mapFrom(area->window(), QPoint(adRight, photoTop));
    details->move(topRight.x() - details->width() - 10, topRight.y() + 8);
}

void setCaption(QWidget* widget, const QString& text)
{
    if (widget)
        widget->setProperty("text", text);
}

QString caption(const QWidget* widget)
{
    return widget ? widget->property("text").toString() : QString();
}

} // namespace kestrane
