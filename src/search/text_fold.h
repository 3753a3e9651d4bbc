#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace kestrane {

// A word of a text: where it stands in the original and how the search compares it.
struct TextWord
{
    int start = 0;  // index into the original text
    int length = 0; // in the original text
    QString folded; // lower case, accents removed: "Décapotable" -> "decapotable"
};

// Splits text into words and folds them so that case and accents do not matter. Keeps the folding
// of characters outside ASCII it has met, so one folder per thread (it is not shared).
class WordFolder
{
public:
    // Every run of letters and digits, in order.
    std::vector<TextWord> words(QStringView text);
    // The folded words of what the user typed, each once, in the order typed.
    QStringList queryTerms(QStringView text);
    // One character folded: "" for a character that is not part of a word.
    const QString& fold(QChar c);

private:
    QHash<char16_t, QString> m_cache;
    QString m_ascii[128];
    bool m_asciiReady = false;
};

} // namespace kestrane
