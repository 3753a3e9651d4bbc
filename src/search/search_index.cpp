#include "search/search_index.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <cmath>

namespace kestrane {

namespace {

constexpr quint32 kCacheMagic = 0x4b4f5349; // "KOSI"
constexpr quint32 kCacheVersion = 1;
constexpr int kSnippetBefore = 40;
constexpr int kSnippetLength = 160;
// A word in the caption says more about a document than one in its body.
constexpr double kCaptionWeight = 2.0;

QString oneLine(QStringView text)
{
    QString line = text.toString();
    for (QChar& c : line) {
        if (c == u'\n' || c == u'\t' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return line;
}

} // namespace

int SearchIndex::termId(const QString& word)
{
    const auto it = m_termIds.constFind(word);
    if (it != m_termIds.constEnd())
        return *it;
    const int id = int(m_terms.size());
    m_terms.push_back({word, {}});
    m_termIds.insert(word, id);
    return id;
}

void SearchIndex::add(IndexedDocument document)
{
    const int doc = int(m_documents.size());
    std::vector<Token> tokens;
    QHash<int, int> counts;
    for (TextWord& word : m_folder.words(document.text)) {
        const int id = termId(word.folded);
        tokens.push_back({word.start, word.length, id});
        ++counts[id];
    }
    std::vector<int> captionTerms;
    for (TextWord& word : m_folder.words(document.caption)) {
        const int id = termId(word.folded);
        captionTerms.push_back(id);
        if (!counts.contains(id))
            counts.insert(id, 0); // found by its caption alone
    }
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
        m_terms[size_t(it.key())].postings.emplace_back(doc, it.value());
    m_documents.push_back(std::move(document));
    m_tokens.push_back(std::move(tokens));
    m_captionTerms.push_back(std::move(captionTerms));
}

void SearchIndex::finish()
{
    m_sorted.resize(m_terms.size());
    for (size_t i = 0; i < m_sorted.size(); ++i)
        m_sorted[i] = int(i);
    std::sort(m_sorted.begin(), m_sorted.end(),
              [this](int a, int b) { return m_terms[size_t(a)].word < m_terms[size_t(b)].word; });
    // Postings were appended document by document: already in document order.
}

QList<SearchHit> SearchIndex::query(QStringView text, int limit) const
{
    WordFolder folder;
    const QStringList terms = folder.queryTerms(text);
    if (terms.isEmpty() || m_documents.empty())
        return {};

    const size_t documents = m_documents.size();
    std::vector<double> score(documents, 0.0);
    std::vector<int> termsMatched(documents, 0);
    std::vector<int> termQuery(m_terms.size(), -1); // which typed word a term begins with
    std::vector<int> frequency(documents, 0);
    std::vector<int> touched;

    for (int q = 0; q < terms.size(); ++q) {
        const QString& typed = terms[q];
        auto first =
            std::lower_bound(m_sorted.begin(), m_sorted.end(), typed,
                             [this](int id, const QString& w) { return m_terms[size_t(id)].word < w; });
        touched.clear();
        for (auto it = first; it != m_sorted.end() && m_terms[size_t(*it)].word.startsWith(typed); ++it) {
            if (termQuery[size_t(*it)] < 0)
                termQuery[size_t(*it)] = q;
            for (const auto& [doc, count] : m_terms[size_t(*it)].postings) {
                if (termsMatched[size_t(doc)] != q)
                    continue; // it lacks an earlier word
                if (frequency[size_t(doc)] == 0)
                    touched.push_back(doc);
                frequency[size_t(doc)] += count + 1; // +1: a posting of the caption alone counts too
            }
        }
        if (touched.empty())
            return {}; // every word must match
        const double idf = std::log(1.0 + double(documents) / double(touched.size()));
        for (const int doc : touched) {
            double s = std::log(double(frequency[size_t(doc)])) + 1.0;
            for (const int id : m_captionTerms[size_t(doc)]) {
                if (termQuery[size_t(id)] == q) {
                    s += kCaptionWeight;
                    break;
                }
            }
            score[size_t(doc)] += s * idf;
            ++termsMatched[size_t(doc)];
            frequency[size_t(doc)] = 0;
        }
    }

    std::vector<int> found;
    for (size_t doc = 0; doc < documents; ++doc) {
        if (termsMatched[doc] == terms.size())
            found.push_back(int(doc));
    }
    std::sort(found.begin(), found.end(), [&](int a, int b) {
        if (score[size_t(a)] != score[size_t(b)])
            return score[size_t(a)] > score[size_t(b)];
        const int byCaption = m_documents[size_t(a)].caption.compare(m_documents[size_t(b)].caption);
        return byCaption != 0 ? byCaption < 0 : m_documents[size_t(a)].path < m_documents[size_t(b)].path;
    });
    if (int(found.size()) > limit)
        found.resize(size_t(limit));

    QList<SearchHit> hits;
    hits.reserve(qsizetype(found.size()));
    for (const int doc : found) {
        SearchHit hit;
        hit.document = doc;
        hit.score = score[size_t(doc)];
        hit.snippet = snippetFor(doc, termQuery, &hit.plainSnippet);
        hits.append(hit);
    }
    return hits;
}

QString SearchIndex::snippetFor(int document, const std::vector<int>& termQuery, QString* plain) const
{
    const QString& text = m_documents[size_t(document)].text;
    const std::vector<Token>& tokens = m_tokens[size_t(document)];
    const auto isMatch = [&](const Token& t) { return termQuery[size_t(t.term)] >= 0; };
    const auto firstMatch = std::find_if(tokens.begin(), tokens.end(), isMatch);

    int from = 0;
    if (firstMatch != tokens.end() && firstMatch->start > kSnippetBefore) {
        // Start at a word: the first one that begins within reach before the match.
        const auto startWord = std::find_if(tokens.begin(), firstMatch, [&](const Token& t) {
            return t.start >= firstMatch->start - kSnippetBefore;
        });
        from = startWord->start;
    }
    int to = std::min(int(text.size()), from + kSnippetLength);
    // End after a whole word.
    const auto cut =
        std::find_if(tokens.begin(), tokens.end(), [&](const Token& t) { return t.start + t.length > to; });
    if (cut != tokens.end() && cut->start < to)
        to = cut->start;

    QString html;
    QString flat;
    if (from > 0) {
        html += QChar(0x2026);
        flat += QChar(0x2026);
    }
    int at = from;
    for (auto it = std::lower_bound(tokens.begin(), tokens.end(), from,
                                    [](const Token&t, int pos) { return t.start < pos; });
         it != tokens.end() && it->start + it->length <= to; ++it) {
        if (!isMatch(*it))
            continue;
        const QString before = oneLine(QStringView(text).mid(at, it->start - at));
        const QString word = text.mid(it->start, it->length);
        html += before.toHtmlEscaped() + u"<b>"_qs + word.toHtmlEscaped() + u"</b>"_qs;
        flat += before + word;
        at = it->start + it->length;
    }
    const QString rest = oneLine(QStringView(text).mid(at, to - at));
    html += rest.toHtmlEscaped();
    flat += rest;
    if (to < text.size()) {
        html += QChar(0x2026);
        flat += QChar(0x2026);
    }
    if (plain)
        *plain = flat.simplified();
    return html.simplified();
}

QByteArray SearchIndex::serialize(const QByteArray& key) const
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << kCacheMagic << kCacheVersion << key << quint32(m_documents.size());
    for (const IndexedDocument& d : m_documents)
        out << d.path << d.caption << quint8(d.errorCode) << d.text;
    return data;
}

bool SearchIndex::deserialize(const QByteArray& data, const QByteArray& key, SearchIndex* index)
{
    QDataStream in(data);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0, version = 0, count = 0;
    QByteArray storedKey;
    in >> magic >> version >> storedKey >> count;
    if (in.status() != QDataStream::Ok || magic != kCacheMagic || version != kCacheVersion ||
        storedKey != key)
        return false;
    SearchIndex loaded;
    for (quint32 i = 0; i < count; ++i) {
        IndexedDocument d;
        quint8 code = 0;
        in >> d.path >> d.caption >> code >> d.text;
        // A code this program never wrote would name no message: the cache is not ours.
        if (in.status() != QDataStream::Ok || code > quint8(ErrorCode::ER060))
            return false;
        d.errorCode = ErrorCode(code);
        loaded.add(std::move(d));
    }
    if (!in.atEnd())
        return false;
    loaded.finish();
    *index = std::move(loaded);
    return true;
}

} // namespace kestrane
