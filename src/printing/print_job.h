#pragma once

#include <QMarginsF>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QFont;
class QImage;
class QTextDocument;

namespace kestrane {

class Printer;

// A picture's natural size on paper: one pixel of it is one pixel of the screen it was made for.
inline constexpr int kTwipsPerPicturePixel = 15;

// Where a picture of `natural` size (twips) placed at `at` lands on a printable area of `area`
// size, both relative to the area's top-left corner: its natural size, or scaled down keeping its
// proportions when it would run past the right or bottom edge. Empty when `at` leaves no room.
QRectF fitPictureTwips(const QSizeF& natural, const QPointF& at, const QSizeF& area);

// One print job on the platform's current printer, made of sections that each start on a page of
// their own: a booklet is one job however many documents it holds. The job is begun by the first
// section, so a printout that stops before any section leaves no job (and no file) behind.
// Positions are twips from the top-left corner of the printable area.
class PrintJob
{
public:
    PrintJob(Printer& printer, QString name);
    // Ends a job still open: what was printed stays printed.
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // Begins the job, or a new page after the previous section; false when the printer failed.
    bool startSection();
    // The picture at its natural size (kTwipsPerPicturePixel), scaled down to stay on the page.
    bool drawPicture(const QImage& picture, const QPointF& atTwips);
    // Lines of text from the top of the page, one under the other.
    bool drawLines(const QStringList& lines, const QFont& font);
    // The whole document, paginated, from the top of the section's first page.
    bool drawDocument(QTextDocument& document, const QMarginsF& marginsTwips);
    // Ends the job; true when every page went to the printer.
    bool finish();

    bool isOpen() const { return m_open; }
    bool failed() const { return m_failed; }
    // Pages the job has printed so far; 0 before it began.
    int pages() const;

private:
    QSizeF printableTwips() const;
    qreal unitsPerTwipX() const;
    qreal unitsPerTwipY() const;

    Printer& m_printer;
    QString m_name;
    QPainter m_painter;
    bool m_begun = false;
    bool m_open = false;
    bool m_failed = false;
    qreal m_lineTop = 0; // twips: where the next line of drawLines goes
};

} // namespace kestrane
