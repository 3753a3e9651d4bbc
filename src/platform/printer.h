#pragma once

#include <QString>

class QPagedPaintDevice;

namespace kestrane {

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
};

} // namespace kestrane
