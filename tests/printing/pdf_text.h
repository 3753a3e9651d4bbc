#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace kestrane::test {

// Reading a printout back with the PDF tools (poppler-utils): the text of every page, the
// booklet's document headings in order, the page count, and a page as an image.
QStringList pdfPages(const QString& pdfPath);
int pdfPageCount(const QString& pdfPath);
// "cover" for a page without text, "intro" for the introduction's heading, "desc 1957",
// "details 1957", "desc ZR": every document start, in the order printed.
QStringList bookletSections(const QString& pdfPath);
QImage pdfPageImage(const QString& pdfPath, int page, int dpi);

} // namespace kestrane::test
