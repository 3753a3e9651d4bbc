#pragma once

#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "platform/settings_store.h"

#include <QImage>
#include <QList>
#include <QMap>

#include <memory>

class QPdfWriter;

namespace kestrane {

// Records every box and answers from a script; with the script empty it presses the first button,
// except that a Retry/Cancel box is cancelled.
class FakeDialogs : public Dialogs
{
public:
    int messageBox(const MessageBoxRequest& request) override;
    QString saveFileName(const SaveFileRequest& request) override;
    std::optional<PrinterChoice> printerSetup(const QStringList& printers,
                                              const PrinterChoice& current) override;
    QString picturesFolder() const override { return pictures; }
    QString discLocation(const QString& title) override
    {
        discLocationTitles << title;
        return discLocations.isEmpty() ? QString() : discLocations.takeFirst();
    }

    void answerNext(int answer) { m_answers << answer; }
    // Called before each answer is taken; lets a test change the world (e.g. insert the disc).
    std::function<void(const MessageBoxRequest&)> onBox;

    QList<MessageBoxRequest> boxes;
    QList<SaveFileRequest> saveRequests;
    QString nextSaveFileName;
    // The printer set-up dialog: the printers and the choice it was shown with, and its answer
    // (nothing: Cancel).
    QList<PrinterChoice> printerSetups;
    QStringList printerSetupList;
    std::optional<PrinterChoice> nextPrinterChoice;
    // Answers of the next save dialogs in turn; when none is left, nextSaveFileName answers.
    QStringList saveAnswers;
    QString pictures;
    // Answers of the disc-location dialog in turn (empty: cancelled), and the titles it was shown with.
    QStringList discLocations;
    QStringList discLocationTitles;

private:
    QList<int> m_answers;
};

class FakeSettingsStore : public SettingsStore
{
public:
    QString value(const QString& app, const QString& section, const QString& key,
                  const QString& defaultValue) const override;
    void setValue(const QString& app, const QString& section, const QString& key,
                  const QString& value) override;
    void remove(const QString& app, const QString& section, const QString& key) override;

    // "app/section/key" -> value
    QMap<QString, QString> values;
    QStringList writes; // keys in the order written
};

// Prints into a PDF file, so tests can count and inspect pages.
class FakePrinter : public Printer
{
public:
    explicit FakePrinter(QString pdfPath);
    ~FakePrinter() override;
    QString name() const override { return u"Test Printer"_qs; }
    bool begin(const QString& documentName) override;
    QPagedPaintDevice* device() override;
    bool newPage() override;
    bool end() override;
    void abort() override;
    QString outputFile() const override { return {}; }
    int pagesPrinted() const override { return m_pages; }
    QStringList installedPrinters() const override { return installed; }
    PrinterChoice choice() const override { return m_choice; }
    bool choose(const PrinterChoice& choice) override;
    QString fallbackFolder() const override { return u"/tmp/printouts"_qs; }

    QString pdfPath() const { return m_pdfPath; }
    void setPdfPath(const QString& path) { m_pdfPath = path; }
    QStringList documents; // names of the jobs begun
    int jobsEnded = 0;
    bool failBegin = false;
    int failNewPageAfter = -1; // newPage fails once this many pages are printed (-1: never)
    bool failEnd = false;
    QStringList installed = {u"Test Printer"_qs, u"Second Printer"_qs};

private:
    QString m_pdfPath;
    PrinterChoice m_choice;
    std::unique_ptr<QPdfWriter> m_writer;
    int m_pages = 0;
};

class FakeClipboard : public Clipboard
{
public:
    void clear() override
    {
        ++clears;
        image = {};
        text.clear();
    }
    void setImage(const QImage& i) override { image = i; }
    void setText(const QString& t) override { text = t; }
    int clears = 0;
    QImage image;
    QString text;
};

class FakeProcesses : public Processes
{
public:
    bool runAndWait(const QString& program, const QStringList& arguments, int* exitCode) override;
    bool start(const QString& program, const QStringList& arguments) override;
    bool openUrl(const QString& url) override;
    QString findProgram(const QString& name) override;
    QStringList log; // "run <program> <args>", "start ...", "url ..."
    bool succeed = true;
    QMap<QString, QString> programs; // what findProgram answers: name -> full path
    QStringList unstartable;         // programs whose start fails although they were found
    // Runs while runAndWait's program "runs", to see the world as the wait leaves it.
    std::function<void()> whileRunning;
};

class FakeWindowManager : public WindowManager
{
public:
    quintptr findWindow(const QString& className) override;
    void showWindow(quintptr handle, ShowCommand command) override;
    void setAlwaysOnTop(QWidget* window, bool onTop) override;
    quintptr taskbar = 0; // what findWindow("Shell_TrayWnd") answers
    QStringList log;      // "show 42 1", "top <objectName> 1"
};

class FakeScreen : public Screen
{
public:
    int widthTwips() const override { return widthPixels * twipsPerPixel; }
    int heightTwips() const override { return heightPixels * twipsPerPixel; }
    int twipsPerPixelX() const override { return twipsPerPixel; }
    int twipsPerPixelY() const override { return twipsPerPixel; }
    void setBusy(bool b) override { busy = b; }
    int widthPixels = 800;
    int heightPixels = 600;
    int twipsPerPixel = 15;
    bool busy = false;
};

class FakeAppControl : public AppControl
{
public:
    bool acquireSingleInstance() override { return !otherCopyRunning; }
    void endProgram() override { ended = true; }
    bool endRequested() const override { return ended; }
    bool otherCopyRunning = false;
    bool ended = false;
};

} // namespace kestrane
