#pragma once

#include <functional>

class QAbstractButton;
class QObject;
class QWidget;

namespace kestrane {

// Runs `act` whenever the user chooses the option button: a click or a key that checks it, the
// screen reader's toggle action (which checks it without a click), and also a click, Space or
// toggle action on the option that is already selected. The program's own setChecked runs it too;
// block the button's signals where that is not a choice.
void onOptionChosen(QAbstractButton* option, QObject* context, std::function<void()> act);

// Escape anywhere inside `area` (a panel, or a whole window) works `closeButton` while that button
// is shown and enabled, so the keyboard closes what the Close or Exit button closes.
void closeOnEscape(QWidget* area, QAbstractButton* closeButton);

// Gives assistive technology what the program's controls are: option buttons whose toggle action
// works as a click, and top-level windows announced as windows with their titles. Installed once;
// every call after the first does nothing.
void installAccessibleControls();

} // namespace kestrane
