#include "platform/fakes/fake_services.h"

#include <QPdfWriter>
#include <QWidget>

namespace kestrane {

int FakeDialogs::messageBox(const MessageBoxRequest& request)
{
    boxes << request;
    if (onBox)
        onBox(request);
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    switch (request.buttons) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel:
        return MsgOk;
    case MsgButtons::AbortRetryIgnore:
        return MsgAbort;
    case MsgButtons::YesNoCancel:
    case MsgButtons::YesNo:
        return MsgYes;
    // An unscripted Retry would repeat a failing step for ever; Cancel ends the program instead.
    case MsgButtons::RetryCancel:
        return MsgCancel;
    }
    return MsgOk;
}

QString FakeDialogs::saveFileName(const SaveFileRequest& request)
{
    saveRequests << request;
    return saveAnswers.isEmpty() ? nextSaveFileName : saveAnswers.takeFirst();
}

std::optional<PrinterChoice> FakeDialogs::printerSetup(const QStringList& printers,
                                                       const PrinterChoice& current)
{
    printerSetupList = printers;
    printerSetups << current;
    return nextPrinterChoice;
}

namespace {

QString settingsKey(const QString& app, const QString& section, const QString& key)
{
    return app + u'/' + section + u'/' + key;
}

} // namespace

QString FakeSettingsStore::value(const QString& app, const QString& section, const QString& key,
                                 const QString& defaultValue) const
{
    return values.value(settingsKey(app, section, key), defaultValue);
}

void FakeSettingsStore::setValue(const QString& app, const QString& section, const QString& key,
                                 const QString& value)
{
    values.insert(settingsKey(app, section, key), value);
    writes << key;
}

void FakeSettingsStore::remove(const QString& app, const QString& section, const QString& key)
{
    values.remove(settingsKey(app, section, key));
}

FakePrinter::FakePrinter(QString pdfPath) : m_pdfPath(std::move(pdfPath)) {}

FakePrinter::~FakePrinter() = default;

bool FakePrinter::begin(const QString& documentName)
{
    if (failBegin)
        return false;
    documents << documentName;
    m_writer = std::make_unique<QPdfWriter>(m_pdfPath);
    m_writer->setResolution(300);
    m_writer->setPageSize(QPageSize(QPageSize::Letter));
    m_writer->setPageMargins(QMarginsF(0, 0, 0, 0));
    m_pages = 1;
    return true;
}

QPagedPaintDevice* FakePrinter::device()
{
    return m_writer.get();
}

bool FakePrinter::choose(const PrinterChoice& choice)
{
    if (!choice.printerName.isEmpty() && !installed.contains(choice.printerName))
        return false;
    m_choice = choice;
    return true;
}

bool FakePrinter::newPage()
{
    if (!m_writer || (failNewPageAfter >= 0 && m_pages >= failNewPageAfter))
        return false;
    ++m_pages;
    return m_writer->newPage();
}

bool FakePrinter::end()
{
    if (!m_writer)
        return false;
    m_writer.reset();
    ++jobsEnded;
    return !failEnd;
}

void FakePrinter::abort()
{
    m_writer.reset();
    m_pages = 0;
}

bool FakeProcesses::runAndWait(const QString& program, const QStringList& arguments, int* exitCode)
{
    log << (u"run "_qs + program + u' ' + arguments.join(u' ')).trimmed();
    if (!succeed)
        return false;
    if (whileRunning)
        whileRunning();
    if (exitCode)
        *exitCode = 0;
    return true;
}

bool FakeProcesses::start(const QString& program, const QStringList& arguments)
{
    log << (u"start "_qs + program + u' ' + arguments.join(u' ')).trimmed();
    return succeed && !unstartable.contains(program);
}

bool FakeProcesses::openUrl(const QString& url)
{
    log << u"url "_qs + url;
    return succeed;
}

QString FakeProcesses::findProgram(const QString& name)
{
    return programs.value(name);
}

quintptr FakeWindowManager::findWindow(const QString& className)
{
    log << u"find "_qs + className;
    return className == u"Shell_TrayWnd"_qs ? taskbar : 0;
}

void FakeWindowManager::showWindow(quintptr handle, ShowCommand command)
{
    log << u"show %1 %2"_qs.arg(handle).arg(int(command));
}

void FakeWindowManager::setAlwaysOnTop(QWidget* window, bool onTop)
{
    log << u"top %1 %2"_qs.arg(window ? window->objectName() : QString()).arg(onTop ? 1 : 0);
}

} // namespace kestrane
