#pragma once

#include <QString>

namespace kestrane {

struct AppContext;

// Brings the year button after the current one to the front (button 1 after the last button and
// after a category) once the reader has closed.
void RestoreYearButton(AppContext& context);

// Reports `code` from inside a handler's error trap: a run-time error is pending while the box is
// up, so the reporter leaves the year buttons alone; the handler's error is cleared afterwards.
void ReportTrappedError(AppContext& context, const QString& code);

// Reports `code` for a failure the handler found itself (a missing file): no run-time error pending.
void ReportError(AppContext& context, const QString& code);

} // namespace kestrane
