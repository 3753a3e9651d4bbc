#include "search/text_fold.h"

namespace kestrane {

namespace {

// Letters that no decomposition splits but that a reader types without their mark.
struct Special
{
    char16_t letter;
    const char16_t* plain;
};
constexpr Special kSpecials[] = {
    {u'ß', u"ss"}, {u'ẞ', u"ss"}, {u'æ', u"ae"}, {u'Æ', u"ae"}, {u'œ', u"oe"}, {u'Œ', u"oe"},
    {u'ø', u"o"},  {u'Ø', u"o"},  {u'ł', u"l"},  {u'Ł', u"l"},  {u'đ', u"d"},  {u'Đ', u"d"},
    {u'ð', u"d"},  {u'Ð', u"d"},  {u'þ', u"th"}, {u'Þ', u"th"}, {u'ı', u"i"},
};

QString foldSlow(QChar c)
{
    for (const Special& s : kSpecials) {
        if (c.unicode() == s.letter)
            return QString::fromUtf16(s.plain);
    }
    if (!c.isLetterOrNumber())
        return {};
    // Compatibility decomposition splits "é" into "e" and its accent, "ﬁ" into "fi", "²" into "2".
    const QString decomposed = QString(c).normalized(QString::NormalizationForm_KD);
    QString plain;
    for (const QChar part : decomposed) {
        if (part.isMark())
            continue;
        plain += part;
    }
    return plain.toCaseFolded();
}

} // namespace

const QString& WordFolder::fold(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 128) {
        if (!m_asciiReady) {
            for (int i = 0; i < 128; ++i) {
                const QChar a{char16_t(i)};
                m_ascii[i] = a.isLetterOrNumber() ? QString(a.toLower()) : QString();
            }
            m_asciiReady = true;
        }
        return m_ascii[u];
    }
    auto it = m_cache.find(u);
    if (it == m_cache.end())
        it = m_cache.insert(u, foldSlow(c));
    return *it;
}

std::vector<TextWord> WordFolder::words(QStringView text)
{
    std::vector<TextWord> result;
    TextWord current;
    bool inWord = false;
    const int size = int(text.size());
    for (int i = 0; i < size; ++i) {
        const QString& folded = fold(text[i]);
        if (folded.isEmpty()) {
            if (inWord) {
                current.length = i - current.start;
                result.push_back(std::move(current));
                current = TextWord();
                inWord = false;
            }
            continue;
        }
        if (!inWord) {
            current.start = i;
            inWord = true;
        }
        current.folded += folded;
    }
    if (inWord) {
        current.length = size - current.start;
        result.push_back(std::move(current));
    }
    return result;
}

QStringList WordFolder::queryTerms(QStringView text)
{
    QStringList terms;
    for (TextWord& word : words(text)) {
        if (!terms.contains(word.folded))
            terms.append(std::move(word.folded));
    }
    return terms;
}

} // namespace kestrane
