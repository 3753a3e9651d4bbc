#pragma once

#include "documents/ui/reader_window.h"

#include <QObject>
#include <QPointer>

#include <optional>

namespace kestrane {

struct DocumentChoice;

// The five page buttons of the year page that open the selection's documents: cmdDesc, cmdStats,
// cmdOptions, cmdColors and cmdNostalgia. Attaches to an existing main window by the buttons'
// object names; buttons that are missing are simply not connected.
class YearDocuments : public QObject
{
    Q_OBJECT

public:
    YearDocuments(AppContext& context, QWidget* mainWindow, WavePlayer* narration);

    void cmdDescClick();
    void cmdStatsClick();
    void cmdOptionsClick();
    void cmdColorsClick();
    void cmdNostalgiaClick();

private:
    ReaderEnvironment environment() const;
    // The missing-file test: DocumentPath gets the directory lookup's answer; an empty answer
    // reports `code` and gives nothing.
    std::optional<QString> lookUp(const DocumentChoice& choice, const QString& code);
    // Options and colours: the choice's caption, its lookup and the reader.
    void openSimpleDocument(const std::optional<DocumentChoice>& choice, QStringView errorCode,
                            std::optional<int> okWidth);
    void showDetails(const QString& key);

    AppContext& m_context;
    QPointer<QWidget> m_main;
    WavePlayer* m_narration = nullptr;
};

} // namespace kestrane
