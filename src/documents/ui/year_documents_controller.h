#pragma once

#include "common/error_reporter.h"
#include "common/ui/main_window_controls.h"
#include "documents/ui/reader_window.h"

#include <QObject>
#include <QPointer>

#include <optional>

namespace kestrane {

struct DocumentChoice;

// The five page buttons of the year page that open the selection's documents: cmdDesc, cmdStats,
// cmdOptions, cmdColors and cmdNostalgia, connected to the controls the main window hands over;
// buttons that are missing are simply not connected.
class YearDocuments : public QObject
{
    Q_OBJECT

public:
    YearDocuments(AppContext& context, const MainWindowControls& controls, WavePlayer* narration);

    void cmdDescClick();
    void cmdStatsClick();
    void cmdOptionsClick();
    void cmdColorsClick();
    void cmdNostalgiaClick();

private:
    ReaderEnvironment environment() const;
    // The missing-file test: DocumentPath gets the directory lookup's answer; an empty answer
    // reports `code` and gives nothing.
    std::optional<QString> lookUp(const DocumentChoice& choice, ErrorCode code);
    // Options and colours: the choice's caption, its lookup and the reader.
    void openSimpleDocument(const std::optional<DocumentChoice>& choice, ErrorCode code,
                            std::optional<int> okWidth);
    void showDetails(const QString& key);

    AppContext& m_context;
    MainWindowControls m_w;
    WavePlayer* m_narration = nullptr;
};

} // namespace kestrane
