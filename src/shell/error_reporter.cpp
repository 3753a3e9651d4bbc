#include "shell/error_reporter.h"

#include "platform/dialogs.h"
#include "platform/services.h"
#include "shell/error_codes.h"
#include "state/app_context.h"

namespace kestrane {

int yearButtonAfter(int currentYearButton)
{
    return (currentYearButton <= 0 || currentYearButton >= 49) ? 1 : currentYearButton + 1;
}

void BringNextYearButtonToFront(AppContext& context)
{
    if (context.mainWindow)
        context.mainWindow->bringYearButtonToFront(yearButtonAfter(context.state.currentYearButton));
}

void ErrorReporter(AppContext& context)
{
    AppState& state = context.state;
    const QString code = state.currentErrorCode;
    const ErrorCodeInfo info = errorCodeInfo(code);
    state.lastErrorMessage = composeErrorMessage(code, state.currentSoundFile);

    MessageBoxRequest box;
    box.text = state.lastErrorMessage;
    box.title = QString::fromUtf16(kBoxTitle);

    if (info.retryCancel) {
        box.buttons = MsgButtons::RetryCancel;
        box.icon = MsgIcon::None;
        const int answer = context.platform.dialogs->messageBox(box);
        state.lastErrorAnswer = QString::number(answer);
        // Anything but Retry (a box closed by Escape answers Cancel) ends the program.
        if (answer != MsgRetry)
            context.platform.app->endProgram();
        return;
    }

    box.buttons = MsgButtons::Ok;
    box.icon = MsgIcon::Critical;
    context.platform.dialogs->messageBox(box);
    if (state.runtimeErrorNumber == 0)
        BringNextYearButtonToFront(context);
    if (context.mainWindow)
        context.mainWindow->setMainWindowEnabled(true);
}

} // namespace kestrane
