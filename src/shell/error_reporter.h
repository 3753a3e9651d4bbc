#pragma once

namespace kestrane {

struct AppContext;

// Reports the code stored in state.currentErrorCode: composes the message, shows it titled
// "The Kestrane Omnivar", and then either ends the program (Cancel on a Retry/Cancel code),
// returns for a retry, or applies the year-button front rule and enables the main window.
void ErrorReporter(AppContext& context);

// The year button brought to the front after an action: the one after `currentYearButton`,
// button 1 after a category (0) or after the last button (49).
int yearButtonAfter(int currentYearButton);

// Applies that rule to the main window, when it exists.
void BringNextYearButtonToFront(AppContext& context);

} // namespace kestrane
