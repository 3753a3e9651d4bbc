#pragma once

#include <QString>
#include <QStringView>

namespace kestrane {

inline constexpr int kYearButtonCount = 49;

// The selection key of year button i (1..49): 1953..1982, then 1984..2002 (there is no 1983).
QString yearKeyForButton(int button);
// The year button that stands for a four-digit key, or 0.
int yearButtonForKey(QStringView key);
// True for the 49 keys the year buttons set.
bool isYearKey(QStringView key);

// A code beginning with "0" takes "A" in place of the zero: "01" -> "A1".
QString normaliseCode(const QString& code);
// The code a key selects: the category's code, else characters 3 and 4 normalised.
QString codeForKey(const QString& key);

// The year button a photo step brings to the front for a selection code (already normalised).
struct FrontButton
{
    int button = 1;
    bool enable = false; // the 2000..2002 codes also enable it
};
FrontButton frontButtonForCode(const QString& code);

} // namespace kestrane
