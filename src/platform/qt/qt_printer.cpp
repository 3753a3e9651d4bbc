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

QtPrinter::QtPrinter(PrinterList installed)
    : m_installed(std::move(installed)), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

QStringList QtPrinter::systemPrinters()
{
    return QPrinterInfo::availablePrinterNames();
}

PrinterChoice QtPrinter::choice() const
{
    const QPageLayout layout = m_printer->pageLayout();
    return {m_chosenName, layout.pageSize().key(), layout.orientation() == QPageLayout::Landscape};
}

bool QtPrinter::choose(const PrinterChoice& choice)
{
    if (!choice.printerName.isEmpty() && !m_installed().contains(choice.printerName))
        return false;
    const QString name =
        choice.printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : choice.printerName;
    if (!name.isEmpty())
        m_printer->setPrinterName(name);
    m_chosenName = choice.printerName;
    if (!choice.paperSize.isEmpty()) {
        for (int id = 0; id <= int(QPageSize::LastPageSize); ++id) {
            const QPageSize size{QPageSize::PageSizeId(id)};
            if (size.key() == choice.paperSize) {
                m_printer->setPageSize(size);
                break;
            }
        }
    }
    m_printer->setPageOrientation(choice.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    return true;
}

QString QtPrinter::fallbackFolder() const
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() ? QDir::homePath() : folder;
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
    if (!m_installed().isEmpty() && m_printer->outputFormat() == QPrinter::NativeFormat) {
        m_printer->setDocName(documentName);
        m_active = true;
        m_pages = 1;
        return true;
    }
    QString folder = fallbackFolder();
    if (!QDir().mkpath(folder))
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
    if (!m_pdf)
        return m_printer->printerState() != QPrinter::Error;
    m_pdf.reset(); // the writer finishes its file when its painter has ended
    // A folder that took no file (full, read-only) must not pass for a printout.
    return QFileInfo(m_outputFile).size() > 0;
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
