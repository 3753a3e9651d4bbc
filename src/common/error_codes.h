#pragma once

#include <QString>

namespace kestrane {

struct ErrorCodeInfo
{
    bool known = false;
    QString text;             // the middle of the message, with its leading blank
    bool retryCancel = false; // Retry/Cancel box without icon; otherwise OK with the stop icon
    bool discLine = true;     // ends with the line asking for the disc
};

// Looks a code up in the table: exact codes first, then the ranges compared as text.
ErrorCodeInfo errorCodeInfo(const QString& code);

// The whole text of the box for `code`; `soundFile` feeds the ER032 text.
QString composeErrorMessage(const QString& code, const QString& soundFile);

} // namespace kestrane
