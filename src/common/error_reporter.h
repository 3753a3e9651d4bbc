#pragma once

#include <QString>

namespace kestrane {

struct AppContext;

// The program's error codes "ER001".."ER060"; None is no code at all.
enum class ErrorCode : quint8 {
    None = 0,
    ER001 = 1,
    ER002 = 2,
    ER003 = 3,
    ER004 = 4,
    ER005 = 5,
    ER006 = 6,
    ER007 = 7,
    ER008 = 8,
    ER009 = 9,
    ER010 = 10,
    ER011 = 11,
    ER012 = 12,
    ER013 = 13,
    ER014 = 14,
    ER015 = 15,
    ER016 = 16,
    ER017 = 17,
    ER018 = 18,
    ER019 = 19,
    ER020 = 20,
    ER021 = 21,
    ER022 = 22,
    ER023 = 23,
    ER024 = 24,
    ER025 = 25,
    ER026 = 26,
    ER027 = 27,
    ER028 = 28,
    ER029 = 29,
    ER030 = 30,
    ER031 = 31,
    ER032 = 32,
    ER033 = 33,
    ER034 = 34,
    ER035 = 35,
    ER036 = 36,
    ER037 = 37,
    ER038 = 38,
    ER039 = 39,
    ER040 = 40,
    ER041 = 41,
    ER042 = 42,
    ER043 = 43,
    ER044 = 44,
    ER045 = 45,
    ER046 = 46,
    ER047 = 47,
    ER048 = 48,
    ER049 = 49,
    ER050 = 50,
    ER051 = 51,
    ER052 = 52,
    ER053 = 53,
    ER054 = 54,
    ER055 = 55,
    ER056 = 56,
    ER057 = 57,
    ER058 = 58,
    ER059 = 59,
    ER060 = 60,
};

// "ER023" for ErrorCode::ER023; empty for None.
QString errorCodeText(ErrorCode code);
// The code a text names, None for anything else.
ErrorCode errorCodeFromText(QStringView text);

// Stores `code` as the one the handler works under, before work that can fail.
void setErrorCode(AppContext& context, ErrorCode code);

// Reports a failure the handler found itself (a missing file): stores the code and shows its box.
void report(AppContext& context, ErrorCode code);
// The same with the system's reason for the failure under the message.
void report(AppContext& context, ErrorCode code, const QString& reason);

// Reports from inside a handler's error trap: a run-time error is pending while the box is up, so
// the reporter leaves the year buttons alone; the handler's error is cleared afterwards.
void reportTrapped(AppContext& context, ErrorCode code);

// The third choice of the ER001 box, which asks where the disc is.
inline constexpr char16_t kOpenDiscButton[] = u"Open Disc Image or Folder...";

// Reports the code stored in state.errors.currentErrorCode: composes the message, shows it titled
// "The Kestrane Omnivar", and then either ends the program (Cancel on a Retry/Cancel code),
// returns for a retry, or applies the year-button front rule and enables the main window.
void ErrorReporter(AppContext& context);

// The year button brought to the front after an action: the one after `currentYearButton`,
// button 1 after a category (0) or after the last button (49).
int yearButtonAfter(int currentYearButton);

// Applies that rule to the main window, when it exists (also after the reader has closed).
void RestoreYearButton(AppContext& context);

} // namespace kestrane
