#include "printing/printer_choice.h"

#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/settings_store.h"
#include "state/app_context.h"

#include <QDir>

namespace kestrane {

namespace {

constexpr char16_t kSection[] = u"Printer";
constexpr char16_t kNameKey[] = u"PrinterName";
constexpr char16_t kPaperKey[] = u"PaperSize";
constexpr char16_t kOrientationKey[] = u"Orientation";
constexpr char16_t kLandscape[] = u"Landscape";
constexpr char16_t kPortrait[] = u"Portrait";

QString app()
{
    return QString::fromUtf16(kAppTitle);
}

QString read(const SettingsStore& settings, const char16_t* key)
{
    return settings.value(app(), QString::fromUtf16(kSection), QString::fromUtf16(key), {});
}

} // namespace

PrinterChoice readPrinterChoice(const SettingsStore& settings)
{
    return {read(settings, kNameKey), read(settings, kPaperKey),
            read(settings, kOrientationKey) == QStringView(kLandscape)};
}

void writePrinterChoice(SettingsStore& settings, const PrinterChoice& choice)
{
    const QString section = QString::fromUtf16(kSection);
    settings.setValue(app(), section, QString::fromUtf16(kNameKey), choice.printerName);
    settings.setValue(app(), section, QString::fromUtf16(kPaperKey), choice.paperSize);
    settings.setValue(app(), section, QString::fromUtf16(kOrientationKey),
                      QString::fromUtf16(choice.landscape ? kLandscape : kPortrait));
}

bool restorePrinterChoice(Platform& platform)
{
    const PrinterChoice choice = readPrinterChoice(*platform.settings);
    if (choice == PrinterChoice())
        return false;
    return platform.printer->choose(choice);
}

void PrintSetup(AppContext& context)
{
    Platform& platform = context.platform;
    Printer& printer = *platform.printer;
    const QStringList printers = printer.installedPrinters();
    if (printers.isEmpty()) {
        MessageBoxRequest box;
        box.text = u"No printer is installed."_qs + u"\r\n\r\n"_qs +
                   u"Printouts are saved as PDF files in the folder "_qs +
                   QDir::toNativeSeparators(printer.fallbackFolder()) + u"."_qs;
        box.title = QString::fromUtf16(kAppTitle);
        box.icon = MsgIcon::Information;
        platform.dialogs->messageBox(box);
        return;
    }
    const std::optional<PrinterChoice> choice = platform.dialogs->printerSetup(printers, printer.choice());
    if (!choice || !printer.choose(*choice))
        return;
    writePrinterChoice(*platform.settings, *choice);
}

} // namespace kestrane
