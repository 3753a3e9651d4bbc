#include "common/error_reporter.h"

#include "common/error_codes.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "state/app_context.h"

namespace kestrane {

namespace {

// The number the original run time raised for a file it could not open.
constexpr int kFileNotFoundError = 53;

} // namespace

QString errorCodeText(ErrorCode code)
{
    if (code == ErrorCode::None)
        return {};
    return u"ER"_qs + QString::number(int(code)).rightJustified(3, u'0');
}

ErrorCode errorCodeFromText(QStringView text)
{
    if (text.size() != 5 || !text.startsWith(u"ER"))
        return ErrorCode::None;
    bool ok = false;
    const int number = text.mid(2).toInt(&ok);
    return ok && number >= 1 && number <= 60 ? ErrorCode(number) : ErrorCode::None;
}

void setErrorCode(AppContext& context, ErrorCode code)
{
    context.state.errors.currentErrorCode = errorCodeText(code);
}

void report(AppContext& context, ErrorCode code)
{
    setErrorCode(context, code);
    ErrorReporter(context);
}

void report(AppContext& context, ErrorCode code, const QString& reason)
{
    context.state.errors.errorReason = reason;
    report(context, code);
}

void reportTrapped(AppContext& context, ErrorCode code)
{
    setErrorCode(context, code);
    context.state.errors.runtimeErrorNumber = kFileNotFoundError;
    ErrorReporter(context);
    context.state.errors.runtimeErrorNumber = 0;
}

int yearButtonAfter(int currentYearButton)
{
    return (currentYearButton <= 0 || currentYearButton >= 49) ? 1 : currentYearButton + 1;
}

void RestoreYearButton(AppContext& context)
{
    if (context.mainWindow)
        context.mainWindow->bringYearButtonToFront(
            yearButtonAfter(context.state.selection.currentYearButton));
}

void ErrorReporter(AppContext& context)
{
    AppState& state = context.state;
    const QString code = state.errors.currentErrorCode;
    const ErrorCodeInfo info = errorCodeInfo(code);
    state.errors.lastErrorMessage = composeErrorMessage(code, state.disc.currentSoundFile);
    if (!state.errors.errorReason.isEmpty())
        state.errors.lastErrorMessage += u"\r\n\r\n"_qs + state.errors.errorReason;
    state.errors.errorReason.clear();

    MessageBoxRequest box;
    box.text = state.errors.lastErrorMessage;
    box.title = QString::fromUtf16(kBoxTitle);

    if (info.retryCancel) {
        box.buttons = MsgButtons::RetryCancel;
        box.icon = MsgIcon::None;
        // No disc found: the user may also name where the disc is.
        if (errorCodeFromText(code) == ErrorCode::ER001)
            box.extraButton = QString::fromUtf16(kOpenDiscButton);
        const int answer = context.platform.dialogs->messageBox(box);
        state.errors.lastErrorAnswer = QString::number(answer);
        if (answer == MsgExtra)
            return;
        // Anything but Retry (a box closed by Escape answers Cancel) ends the program.
        if (answer != MsgRetry)
            context.platform.app->endProgram();
        return;
    }

    box.buttons = MsgButtons::Ok;
    box.icon = MsgIcon::Critical;
    context.platform.dialogs->messageBox(box);
    if (state.errors.runtimeErrorNumber == 0)
        RestoreYearButton(context);
    if (context.mainWindow)
        context.mainWindow->setMainWindowEnabled(true);
}

} // namespace kestrane
