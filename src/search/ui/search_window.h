#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;

namespace kestrane {

// One line of the result list.
struct SearchResultRow
{
    QString caption;      // the reader's caption the document opens under
    QString snippet;      // rich text, the matched words in <b>
    QString plainSnippet; // the same as plain text
};

// frmSearch: a field for the words and, as they are typed, the documents that hold them, each with
// its caption and the words around the first match. Enter or a double click opens the chosen one.
// It only shows: the controller queries the index and opens documents.
class SearchWindow : public QDialog
{
    Q_OBJECT

public:
    explicit SearchWindow(QWidget* owner);

    QLineEdit* searchField() const { return m_field; }
    QListWidget* results() const { return m_results; }
    QLabel* status() const { return m_status; }
    QProgressBar* indexProgress() const { return m_progress; }

    void showIndexing(int done, int total);
    void showReady(int documents);
    void showResults(const QList<SearchResultRow>& rows);

Q_SIGNALS:
    void queryChanged(const QString& text);
    // The row chosen (0-based).
    void openRequested(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupWidgets();
    void openCurrent();

    QLineEdit* m_field = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QListWidget* m_results = nullptr;
    int m_documents = 0;
};

} // namespace kestrane
