#include "printing/print_job.h"

#include "platform/printer.h"
#include "rtf/paginate.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QTextDocument>

namespace kestrane {

namespace {

constexpr qreal kTwipsPerInch = 1440.0;
constexpr qreal kTwipsPerPoint = 20.0;

} // namespace

QRectF fitPictureTwips(const QSizeF& natural, const QPointF& at, const QSizeF& area)
{
    const QSizeF room(area.width() - at.x(), area.height() - at.y());
    if (natural.isEmpty() || room.width() <= 0 || room.height() <= 0)
        return {};
    if (natural.width() <= room.width() && natural.height() <= room.height())
        return {at, natural};
    return {at, natural.scaled(room, Qt::KeepAspectRatio)};
}

PrintJob::PrintJob(Printer& printer, QString name) : m_printer(printer), m_name(std::move(name)) {}

PrintJob::~PrintJob()
{
    if (m_open)
        finish();
}

int PrintJob::pages() const
{
    return m_begun ? m_printer.pagesPrinted() : 0;
}

bool PrintJob::startSection()
{
    if (m_failed)
        return false;
    if (!m_open) {
        if (!m_printer.begin(m_name)) {
            m_failed = true;
            return false;
        }
        QPagedPaintDevice* device = m_printer.device();
        if (!device || !m_painter.begin(device)) {
            m_printer.abort();
            m_failed = true;
            return false;
        }
        m_open = true;
        m_begun = true;
    } else if (!m_printer.newPage()) {
        m_failed = true;
        return false;
    }
    m_lineTop = 0;
    return true;
}

QSizeF PrintJob::printableTwips() const
{
    const auto* device = static_cast<const QPagedPaintDevice*>(m_painter.device());
    const QRectF printable = device->pageLayout().paintRect(QPageLayout::Point);
    return printable.size() * kTwipsPerPoint;
}

qreal PrintJob::unitsPerTwipX() const
{
    return m_painter.device()->logicalDpiX() / kTwipsPerInch;
}

qreal PrintJob::unitsPerTwipY() const
{
    return m_painter.device()->logicalDpiY() / kTwipsPerInch;
}

bool PrintJob::drawPicture(const QImage& picture, const QPointF& atTwips)
{
    if (!m_open || m_failed || picture.isNull())
        return false;
    const QSizeF natural(picture.width() * kTwipsPerPicturePixel, picture.height() * kTwipsPerPicturePixel);
    const QRectF twips = fitPictureTwips(natural, atTwips, printableTwips());
    if (twips.isEmpty())
        return true; // nothing of it would be on the page
    const QRectF target(twips.x() * unitsPerTwipX(), twips.y() * unitsPerTwipY(),
                        twips.width() * unitsPerTwipX(), twips.height() * unitsPerTwipY());
    m_painter.save();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.drawImage(target, picture);
    m_painter.restore();
    return true;
}

bool PrintJob::drawLines(const QStringList& lines, const QFont& font)
{
    if (!m_open || m_failed)
        return false;
    m_painter.save();
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, m_painter.device());
    const qreal lineTwips = metrics.lineSpacing() / unitsPerTwipY();
    for (const QString& line : lines) {
        const qreal baseline = m_lineTop * unitsPerTwipY() + metrics.ascent();
        m_painter.drawText(QPointF(0, baseline), line);
        m_lineTop += lineTwips;
    }
    m_painter.restore();
    return true;
}

bool PrintJob::drawDocument(QTextDocument& document, const QMarginsF& marginsTwips)
{
    if (!m_open || m_failed)
        return false;
    const int pages = rtf::printPages(document, m_painter, marginsTwips, [this] {
        if (m_printer.newPage())
            return true;
        m_failed = true;
        return false;
    });
    if (pages == 0)
        m_failed = true;
    return !m_failed;
}

bool PrintJob::finish()
{
    if (!m_open)
        return false;
    m_open = false;
    m_painter.end();
    const bool ended = m_printer.end();
    return ended && !m_failed;
}

} // namespace kestrane
