#include "printing/booklet_printout.h"

#include "printing/print_job.h"

#include <QTextDocument>

namespace kestrane {

namespace {

bool printCover(PrintJob& job, const BookletSources& sources, const QString& cdRoot)
{
    // Every picture is loaded before the page starts: a missing one prints no half cover.
    std::vector<QImage> pictures;
    for (const CoverPicture& picture : kCoverPictures) {
        QImage image = sources.loadPicture(cdRoot + u"\\graphics\\"_qs + QString::fromUtf16(picture.file));
        if (image.isNull())
            return false;
        pictures.push_back(std::move(image));
    }
    if (!job.startSection())
        return false;
    for (size_t i = 0; i < kCoverPictures.size(); ++i) {
        if (!job.drawPicture(pictures[i], QPointF(kCoverPictures[i].x, kCoverPictures[i].y)))
            return false;
    }
    return true;
}

bool printDocument(PrintJob& job, const BookletSources& sources, const QString& path)
{
    QTextDocument* document = sources.loadDocument(path);
    if (!document || !job.startSection())
        return false;
    const QMarginsF margins(kBookletMarginTwips, kBookletMarginTwips, kBookletMarginTwips,
                            kBookletMarginTwips);
    return job.drawDocument(*document, margins);
}

} // namespace

BookletOutcome printBooklet(Printer& printer, const std::vector<BookletStep>& plan,
                            const BookletSources& sources, const QString& cdRoot)
{
    BookletOutcome outcome;
    PrintJob job(printer, QString::fromUtf16(kBookletJobName));
    for (const BookletStep& step : plan) {
        bool ok = true;
        switch (step.kind) {
        case BookletStep::Cover:
            ok = printCover(job, sources, cdRoot);
            break;
        case BookletStep::Document:
            ok = printDocument(job, sources, step.path);
            break;
        case BookletStep::Stop:
            outcome.error = step.error;
            ok = false;
            break;
        }
        if (!ok) {
            if (outcome.error == ErrorCode::None)
                outcome.error = ErrorCode::ER040;
            break;
        }
    }
    // Ended in any case: the pages before a failure are printed, as they would have been on paper.
    const bool ended = job.isOpen() ? job.finish() : !job.failed();
    outcome.pages = job.pages();
    if (outcome.error == ErrorCode::None && !ended)
        outcome.error = ErrorCode::ER040;
    outcome.printed = outcome.error == ErrorCode::None && outcome.pages > 0;
    return outcome;
}

} // namespace kestrane
