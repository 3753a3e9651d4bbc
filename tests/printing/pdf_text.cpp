#include "pdf_text.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kestrane::test {

namespace {

QByteArray run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    const bool done = process.waitForFinished(60000);
    EXPECT_TRUE(done && process.exitCode() == 0)
        << program.toStdString() << " failed (scripts/install-deps.sh installs poppler-utils): "
        << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

} // namespace

QStringList pdfPages(const QString& pdfPath)
{
    QStringList pages =
        QString::fromUtf8(run(u"pdftotext"_qs, {u"-layout"_qs, pdfPath, u"-"_qs})).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast(); // the text ends with a form feed
    return pages;
}

int pdfPageCount(const QString& pdfPath)
{
    static const QRegularExpression pages(u"^Pages:\\s+(\\d+)"_qs, QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = pages.match(QString::fromUtf8(run(u"pdfinfo"_qs, {pdfPath})));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QStringList bookletSections(const QString& pdfPath)
{
    static const QRegularExpression description(u"^The (\\d{4}) Kestrane$"_qs);
    static const QRegularExpression details(u"^(\\d{4}) Details$"_qs);
    QStringList sections;
    for (const QString& page : pdfPages(pdfPath)) {
        if (page.trimmed().isEmpty()) {
            sections << u"cover"_qs;
            continue;
        }
        for (const QString& raw : page.split(u'\n')) {
            const QString line = raw.simplified();
            if (line == u"Welcome to The Kestrane Omnivar 2002")
                sections << u"intro"_qs;
            else if (line == u"1990-1995 ZR-1")
                sections << u"desc ZR"_qs;
            else if (const auto m = description.match(line); m.hasMatch())
                sections << u"desc "_qs + m.captured(1);
            else if (const auto d = details.match(line); d.hasMatch())
                sections << u"details "_qs + d.captured(1);
        }
    }
    return sections;
}

QImage pdfPageImage(const QString& pdfPath, int page, int dpi)
{
    QTemporaryDir dir;
    const QString stem = dir.filePath(u"page"_qs);
    run(u"pdftoppm"_qs, {u"-png"_qs, u"-singlefile"_qs, u"-r"_qs, QString::number(dpi), u"-f"_qs,
                         QString::number(page), u"-l"_qs, QString::number(page), pdfPath, stem});
    return QImage(stem + u".png"_qs);
}

} // namespace kestrane::test
