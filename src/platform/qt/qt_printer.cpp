#include "platform/qt/qt_printer.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace kestrane {

QString pdfFileNameFor(const QString& documentName)
{
    QString name = documentName.simplified();
    static const QString bad = u"\\/:*?\"<>|"_qs;
    for (QChar& c : name) {
        if (bad.contains(c) || c.unicode() < 32)
            c = u' ';
    }
    name = name.simplified();
    return (name.isEmpty() ? u"Printout"_qs : name) + u".pdf"_qs;
}

QtPrinter::QtPrinter()
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

QtPrinter::~QtPrinter()
{
    abort();
}

QString QtPrinter::name() const
{
    return m_printer->printerName();
}

bool QtPrinter::begin(const QString& documentName)
{
    abort();
    m_pages = 0;
    m_outputFile.clear();
    if (!QPrinterInfo::availablePrinters().isEmpty() && m_printer->outputFormat() == QPrinter::NativeFormat) {
        m_printer->setDocName(documentName);
        m_active = true;
        m_pages = 1;
        return true;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        folder = QDir::homePath();
    const QString base = pdfFileNameFor(documentName);
    QString path = folder + u'/' + base;
    // Never overwrite an earlier printout.
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder + u'/' + base.chopped(4) + u" ("_qs + QString::number(n) + u").pdf"_qs;
    m_pdf = std::make_unique<QPdfWriter>(path);
    m_pdf->setTitle(documentName);
    m_pdf->setResolution(600);
    m_pdf->setPageLayout(m_printer->pageLayout());
    m_outputFile = path;
    m_active = true;
    m_pages = 1;
    return true;
}

QPagedPaintDevice* QtPrinter::device()
{
    if (!m_active)
        return nullptr;
    if (m_pdf)
        return m_pdf.get();
    return m_printer.get();
}

bool QtPrinter::newPage()
{
    if (!m_active)
        return false;
    ++m_pages;
    return device()->newPage();
}

bool QtPrinter::end()
{
    if (!m_active)
        return false;
    m_active = false;
    m_pdf.reset();   // the writer finishes its file when its painter has ended
    return true;
}

void QtPrinter::abort()
{
    if (!m_active)
        return;
    m_active = false;
    if (m_pdf) {
        m_pdf.reset();
        QFile::remove(m_outputFile);
        m_outputFile.clear();
    } else {
        m_printer->abort();
    }
}

} // namespace kestrane
