#pragma once

#include <QStringList>

#include <vector>

class QTextDocument;

namespace kestrane {

// A word of a shown document that begins with a searched word: cursor position and length.
struct TextMatch
{
    int position = 0;
    int length = 0;
};

// Every word of `document` that begins with one of the folded `terms` (SearchIndex's rule), in
// the order of the text, table cells included.
std::vector<TextMatch> findWordMatches(const QTextDocument& document, const QStringList& terms);

} // namespace kestrane
