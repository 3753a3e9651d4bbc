#pragma once

#include "common/error_reporter.h"
#include "search/text_fold.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace kestrane {

// One document as the search knows it: where it is, how the reader titles it, and its plain text.
struct IndexedDocument
{
    QString path;    // disc form: "E:\richtext\57desc.rtf"
    QString caption; // the reader's whole caption
    ErrorCode errorCode = ErrorCode::ER008;
    QString text; // plain text, one line per paragraph, table cells by tabs
};

// One document that holds every word typed, with where it matched.
struct SearchHit
{
    int document = -1;
    double score = 0;
    QString snippet;      // rich text: the words around the first match, matches in <b>
    QString plainSnippet; // the same without marks, for screen readers
};

// Every word of every document, for answers while the user types. Each word typed must begin a
// word of the document (the last one is usually still being typed); case and accents do not count.
// Documents with more matches, and whose caption matches, come first.
class SearchIndex
{
public:
    void add(IndexedDocument document);
    // Sorts the vocabulary; call after the last add and before the first query.
    void finish();

    QList<SearchHit> query(QStringView text, int limit = 500) const;

    int size() const { return int(m_documents.size()); }
    const IndexedDocument& document(int index) const { return m_documents[size_t(index)]; }

    // The documents alone (the words are rebuilt from them): what the cache keeps.
    QByteArray serialize(const QByteArray& key) const;
    // False when the data is not a cache of this format or of another key.
    static bool deserialize(const QByteArray& data, const QByteArray& key, SearchIndex* index);

private:
    struct Token
    {
        int start;
        int length;
        int term;
    };
    struct Term
    {
        QString word;
        std::vector<std::pair<int, int>> postings; // document, count
    };

    int termId(const QString& word);
    QString snippetFor(int document, const std::vector<int>& termQuery, QString* plain) const;

    std::vector<IndexedDocument> m_documents;
    std::vector<std::vector<Token>> m_tokens;     // per document
    std::vector<std::vector<int>> m_captionTerms; // per document, term ids of its caption
    std::vector<Term> m_terms;                    // by id, in the order first met
    std::vector<int> m_sorted;                    // term ids by word, made by finish()
    QHash<QString, int> m_termIds;
    WordFolder m_folder;
};

} // namespace kestrane
