#pragma once

#include "common/ui/main_window_controls.h"
#include "search/search_indexer.h"
#include "search/ui/search_window.h"
#include "state/app_context.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class QShortcut;

namespace kestrane {

class WavePlayer;

// Ctrl+F on the main window: opens frmSearch, reads the disc's documents into the index at first
// use (in the background, or from the cache), answers each change of the words, and opens the
// chosen document in the reader with the words marked.
class SearchController : public QObject
{
    Q_OBJECT

public:
    // `cacheFolder`: where the index is kept between runs (empty keeps none).
    SearchController(AppContext& context, const MainWindowControls& controls, WavePlayer* narration,
                     QString cacheFolder);
    ~SearchController() override;

    // Shows the search window (made at first use) with the keyboard in its field.
    void showSearch();
    SearchWindow* window() const { return m_window; }
    SearchIndexer& indexer() { return m_indexer; }
    // Opens result `row` of the list now shown.
    void openResult(int row);

private:
    void runQuery(const QString& text);
    void indexFinished();

    AppContext& m_context;
    MainWindowControls m_w;
    WavePlayer* m_narration = nullptr;
    QString m_cacheFolder;
    SearchIndexer m_indexer;
    QPointer<SearchWindow> m_window;
    QPointer<QShortcut> m_find; // on the main window, but goes with the controller
    QList<int> m_shown;         // the documents of the rows shown
    QStringList m_terms;        // the folded words of the last query
};

} // namespace kestrane
