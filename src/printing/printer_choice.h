#pragma once

#include "platform/printer.h"

namespace kestrane {

struct AppContext;
struct Platform;
class SettingsStore;

// The printer chosen with Print Setup, kept between runs in the settings store (application
// title, section "Printer").
PrinterChoice readPrinterChoice(const SettingsStore& settings);
void writePrinterChoice(SettingsStore& settings, const PrinterChoice& choice);

// Makes the remembered choice the current printer; a printer that is no longer installed leaves
// the system's default in place. False when nothing was restored.
bool restorePrinterChoice(Platform& platform);

// mnuPrint (after the play list is closed): the system's printer set-up dialog; the choice becomes the
// printer of every later printout (reader, booklet, photograph) and is remembered. With no printer installed
// the user is told that printouts are saved as PDF files, and where.
void PrintSetup(AppContext& context);

} // namespace kestrane
