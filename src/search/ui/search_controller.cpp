#include "search/ui/search_controller.h"

#include "documents/ui/reader_opener.h"
#include "platform/file_system.h"
#include "search/text_matches.h"
#include "search/ui/search_window.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QShortcut>

namespace kestrane {

SearchController::SearchController(AppContext& context, const MainWindowControls& controls,
                                   WavePlayer* narration, QString cacheFolder)
    : m_context(context), m_w(controls), m_narration(narration), m_cacheFolder(std::move(cacheFolder))
{
    if (m_w.form) {
        m_find = new QShortcut(QKeySequence::Find, m_w.form);
        connect(m_find, &QShortcut::activated, this, &SearchController::showSearch);
    }
    connect(&m_indexer, &SearchIndexer::progress, this, [this](int done, int total) {
        if (m_window)
            m_window->showIndexing(done, total);
    });
    connect(&m_indexer, &SearchIndexer::finished, this, &SearchController::indexFinished);
}

SearchController::~SearchController()
{
    delete m_find;
    delete m_window;
}

void SearchController::showSearch()
{
    if (!m_window) {
        m_window = new SearchWindow(m_w.form);
        connect(m_window, &SearchWindow::queryChanged, this, &SearchController::runQuery);
        connect(m_window, &SearchWindow::openRequested, this, &SearchController::openResult);
    }
    if (const auto index = m_indexer.index()) {
        m_window->showReady(index->size());
    } else if (!m_indexer.isRunning()) {
        m_window->showIndexing(0, 0);
        m_indexer.start({m_context.platform.fileSystem, m_context.state.disc.cdRoot,
                         m_context.platform.fileSystem->dataFolder(), m_cacheFolder});
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    m_window->searchField()->setFocus();
    m_window->searchField()->selectAll();
}

void SearchController::indexFinished()
{
    if (!m_window)
        return;
    const auto index = m_indexer.index();
    m_window->showReady(index ? index->size() : 0);
    runQuery(m_window->searchField()->text());
}

void SearchController::runQuery(const QString& text)
{
    const auto index = m_indexer.index();
    if (!index || !m_window)
        return;
    WordFolder folder;
    m_terms = folder.queryTerms(text);
    m_shown.clear();
    QList<SearchResultRow> rows;
    for (const SearchHit& hit : index->query(text)) {
        const IndexedDocument& document = index->document(hit.document);
        m_shown.append(hit.document);
        rows.append({document.caption, hit.snippet, hit.plainSnippet});
    }
    m_window->showResults(rows);
}

void SearchController::openResult(int row)
{
    const auto index = m_indexer.index();
    if (!index || row < 0 || row >= m_shown.size())
        return;
    const IndexedDocument& document = index->document(m_shown[row]);
    ReaderRequest request;
    request.errorCode = document.errorCode;
    request.documentPath = document.path;
    request.caption = document.caption;
    const QStringList terms = m_terms;
    request.findMatches = [terms](const QTextDocument& shown) {
        QList<TextRange> ranges;
        for (const TextMatch& match : findWordMatches(shown, terms))
            ranges.append({match.position, match.length});
        return ranges;
    };
    OpenDocument({m_context, m_w.form, m_narration}, request);
}

} // namespace kestrane
