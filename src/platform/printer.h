#pragma once

#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace kestrane {

// What the printer set-up dialog chooses: a printer of the system, its paper and orientation.
// An empty printer name is the system's default printer; an empty paper size keeps the printer's.
struct PrinterChoice
{
    QString printerName;
    QString paperSize; // a page-size key such as "Letter" or "A4"
    bool landscape = false;

    bool operator==(const PrinterChoice&) const = default;
};

// The current printer. A print job is begin, pages drawn on device(), newPage between pages, end.
class Printer
{
public:
    virtual ~Printer() = default;
    virtual QString name() const = 0;
    // Starts a job; false when no job can be started.
    virtual bool begin(const QString& documentName) = 0;
    virtual QPagedPaintDevice* device() = 0;
    virtual bool newPage() = 0;
    // Ends the job; false when it failed.
    virtual bool end() = 0;
    virtual void abort() = 0;
    // Non-empty when the last job went to a file instead of a printer (no printer installed).
    virtual QString outputFile() const = 0;
    virtual int pagesPrinted() const = 0;

    // The printers installed on the system; empty when there is none (jobs then go to files).
    virtual QStringList installedPrinters() const { return {}; }
    // The choice later jobs print with.
    virtual PrinterChoice choice() const { return {}; }
    // Makes `choice` the current printer; false (and nothing changed) when that printer is not
    // installed.
    virtual bool choose(const PrinterChoice& choice)
    {
        (void)choice;
        return false;
    }
    // The folder that jobs are saved in as PDF files while no printer is installed.
    virtual QString fallbackFolder() const { return {}; }
};

} // namespace kestrane
