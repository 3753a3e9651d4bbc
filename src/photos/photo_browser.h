#pragma once

#include <QString>

#include <optional>

namespace kestrane {

struct AppState;

// The photo browser's rules over the shared catalogue fields. Cursor convention: after a forward
// step PhotoCursor is the index shown, after a backward step that index minus one; the two
// direction flags let a step the other way correct it by one first.

// The selection code of catalogue entry i: the first two characters of its file name.
QString photoCodeAt(const AppState& state, int index);

// SelectKey's search: the first photograph, in catalogue order, whose name begins with `code`.
std::optional<int> findFirstPhoto(const AppState& state, const QString& code);

// NextPhoto up to the display: finds the photograph after the cursor (wrapping once to the
// start), honours SkipFirstMatch and moves the cursor onto it. A code without photographs leaves
// the state as it was and yields nothing.
std::optional<int> stepNext(AppState& state);
// PreviousPhoto up to the display: finds the photograph at or before the cursor (wrapping once
// to the end). A code without photographs leaves the state as it was and yields nothing.
std::optional<int> stepPrevious(AppState& state);
// After the previous photograph `index` was shown.
void finishPreviousStep(AppState& state, int index);

// The description of the current photograph: "\richtext\" + its name up to the first dot (the
// first five characters for the emblem category) + ".rtf", below the CD root.
QString photoDescriptionPath(const QString& cdRoot, const QString& currentPhoto, const QString& key);

// Where the photograph shown would lie in the screen saver's play list.
QString saverPhotoCandidate(const QString& programFolder, const QString& key, const QString& descCaption,
                            const QString& currentPhoto);

// One click on the photograph: the tour through every year and then the category chain.
struct TourStep
{
    int frontBefore = 1;       // year button raised first
    QString key;               // the next selection
    int yearButton = 1;        // k: the current year button afterwards
    bool categoryPage = false; // run through the category-page routine instead of SelectKey
    int frontAfter = 2;        // year button raised at the end
};
TourStep tourStep(const QString& caption, int currentYearButton);

} // namespace kestrane
