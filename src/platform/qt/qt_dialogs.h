#pragma once

#include "platform/dialogs.h"

namespace kestrane {

class QtDialogs : public Dialogs
{
public:
    int messageBox(const MessageBoxRequest& request) override;
    QString saveFileName(const SaveFileRequest& request) override;
    // Qt's print dialog in its set-up form: printer, paper and orientation, no page range.
    std::optional<PrinterChoice> printerSetup(const QStringList& printers,
                                              const PrinterChoice& current) override;
    QString picturesFolder() const override;
    QString discLocation(const QString& title) override;
};

} // namespace kestrane
