#pragma once

#include "platform/printer.h"

#include <functional>
#include <memory>

class QPrinter;
class QPdfWriter;

namespace kestrane {

// The system's default printer; with no printer installed at all, jobs go to a PDF file in the
// user's documents folder, named after the document, so printing is never a dead end.
class QtPrinter : public Printer
{
public:
    using PrinterList = std::function<QStringList()>;
    // `installed` lists the system's printers (tests stand in a machine without any).
    explicit QtPrinter(PrinterList installed = systemPrinters);
    ~QtPrinter() override;

    static QStringList systemPrinters();

    QString name() const override;
    bool begin(const QString& documentName) override;
    QPagedPaintDevice* device() override;
    bool newPage() override;
    bool end() override;
    void abort() override;
    QString outputFile() const override { return m_outputFile; }
    int pagesPrinted() const override { return m_pages; }
    QStringList installedPrinters() const override { return m_installed(); }
    PrinterChoice choice() const override;
    bool choose(const PrinterChoice& choice) override;
    QString fallbackFolder() const override;

private:
    PrinterList m_installed;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPdfWriter> m_pdf;
    QString m_outputFile;
    QString m_chosenName; // empty: the system's default printer
    int m_pages = 0;
    bool m_active = false;
};

// A file name for a document title: characters that no file system likes become blanks.
QString pdfFileNameFor(const QString& documentName);

} // namespace kestrane
