#include "documents/reader_routines.h"

#include "shell/error_reporter.h"
#include "state/app_context.h"

namespace kestrane {

namespace {

// The number the original run time raised for a file it could not open.
constexpr int kFileNotFoundError = 53;

} // namespace

void RestoreYearButton(AppContext& context)
{
    if (!context.mainWindow)
        return;
    const int current = context.state.currentYearButton;
    context.mainWindow->bringYearButtonToFront(current == 49 ? 1 : current + 1);
}

void ReportTrappedError(AppContext& context, const QString& code)
{
    context.state.currentErrorCode = code;
    context.state.runtimeErrorNumber = kFileNotFoundError;
    ErrorReporter(context);
    context.state.runtimeErrorNumber = 0;
}

void ReportError(AppContext& context, const QString& code)
{
    context.state.currentErrorCode = code;
    ErrorReporter(context);
}

} // namespace kestrane
