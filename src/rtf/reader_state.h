#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QString>
#include <QTextOption>

#include <vector>

namespace rtf {

enum class Destination : unsigned char {
    Normal, // document text
    Skip,   // never reached: skipped groups are consumed whole
    FontTable,
    ColorTable,
    FieldInst, // collects the field's instruction
    Picture,   // collects \pict data
};

struct CharState
{
    enum class VAlign : unsigned char { Normal, Super, Sub };
    bool bold = false, italic = false, underline = false, strike = false;
    bool caps = false, smallCaps = false, hidden = false;
    VAlign valign = VAlign::Normal;
    int font = -1; // -1: the document's \deff
    int halfPoints = 24;
    int foreground = 0, background = 0; // colour-table indexes, 0 is "auto"
    QString href;

    bool operator==(const CharState&) const = default;
};

struct TabStop
{
    int position = 0; // twips from the left margin
    QTextOption::TabType type = QTextOption::LeftTab;

    bool operator==(const TabStop&) const = default;
};

struct ParaState
{
    Qt::Alignment align = Qt::AlignLeft;
    int leftIndent = 0, rightIndent = 0, firstIndent = 0; // twips
    int spaceBefore = 0, spaceAfter = 0;
    int lineSpacing = 0;
    bool lineMultiple = false;
    bool keep = false, keepNext = false, pageBreakBefore = false;
    bool inTable = false;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
    std::vector<TabStop> tabs;

    bool operator==(const ParaState&) const = default;
};

// What '{' saves and '}' restores.
struct GroupState
{
    CharState chr;
    ParaState para;
    Destination dest = Destination::Normal;
    int unicodeSkip = 1;  // \uc
    bool starred = false; // a \* opened this group
    bool upr = false;     // inside \upr: only its \*\ud part is shown
};

struct FontDef
{
    QString name;
    QFont::StyleHint family = QFont::AnyStyle; // \froman, \fswiss...: used when the font is missing
    int codePage = 0;                          // 0: the document's code page
    bool symbol = false;
};

} // namespace rtf
