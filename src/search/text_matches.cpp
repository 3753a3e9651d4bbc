#include "search/text_matches.h"

#include "search/text_fold.h"

#include <QTextBlock>
#include <QTextDocument>

namespace kestrane {

std::vector<TextMatch> findWordMatches(const QTextDocument& document, const QStringList& terms)
{
    std::vector<TextMatch> matches;
    if (terms.isEmpty())
        return matches;
    WordFolder folder;
    // Every block in the order of the text, those of table cells included.
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        for (const TextWord& word : folder.words(text)) {
            for (const QString& term : terms) {
                if (word.folded.startsWith(term)) {
                    matches.push_back({block.position() + word.start, word.length});
                    break;
                }
            }
        }
    }
    return matches;
}

} // namespace kestrane
