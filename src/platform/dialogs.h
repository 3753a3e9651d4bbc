#pragma once

#include "platform/printer.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kestrane {

// Message-box buttons, icons and answers keep the original numeric values, so that stored answers
// ("4" for Retry, "2" for Cancel) read the same.
enum class MsgButtons {
    Ok = 0,
    OkCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5
};
enum class MsgIcon { None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
enum MsgResult : int {
    MsgOk = 1,
    MsgCancel = 2,
    MsgAbort = 3,
    MsgRetry = 4,
    MsgIgnore = 5,
    MsgYes = 6,
    MsgNo = 7,
    MsgExtra = 100 // the box's extra button (MessageBoxRequest::extraButton)
};

struct MessageBoxRequest
{
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    bool systemModal = false;
    QString extraButton; // a further choice beside the standard buttons, answered MsgExtra
};

struct SaveFileRequest
{
    QString title;
    QString initialFolder; // host path
    QString fileName;
    QStringList filters;   // "Bitmap (*.bmp)"
    QString defaultSuffix; // added to a name chosen without one ("jpg")
};

// Message boxes and common dialogs.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    virtual int messageBox(const MessageBoxRequest& request) = 0;
    // Host path chosen, or empty when cancelled.
    virtual QString saveFileName(const SaveFileRequest& request) = 0;
    // The system's printer set-up dialog over `printers`, starting from `current`; the choice, or
    // nothing when cancelled.
    virtual std::optional<PrinterChoice> printerSetup(const QStringList& printers,
                                                      const PrinterChoice& current)
    {
        (void)printers;
        (void)current;
        return std::nullopt;
    }
    // A disc image, a drive's device or a folder the user picks; its host path, or empty when cancelled.
    virtual QString discLocation(const QString& title)
    {
        (void)title;
        return {};
    }
    // The user's own folder for pictures, where a picture is saved unless the user goes elsewhere.
    virtual QString picturesFolder() const { return {}; }
};

} // namespace kestrane
