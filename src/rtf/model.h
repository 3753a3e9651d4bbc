#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextTableCellFormat>

#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

// What the reader gathers before it builds the QTextDocument: tables need their whole column grid
// before the first cell can be placed, so the document is built in one pass at the end.
namespace rtf::model {

// Qt's formats have no move constructor, so these declare theirs: without a move that cannot
// throw, every growth of a vector of them copies the whole document read so far.
struct Fragment
{
    QString text;           // empty for an image
    QTextCharFormat format; // a QTextImageFormat for an image

    Fragment(QString t, QTextCharFormat f) : text(std::move(t)), format(std::move(f)) {}
    Fragment(const Fragment&) = default;
    Fragment(Fragment&& other) noexcept : text(std::move(other.text)) { format.swap(other.format); }
    Fragment& operator=(const Fragment&) = default;
    Fragment& operator=(Fragment&& other) noexcept
    {
        text = std::move(other.text);
        format.swap(other.format);
        return *this;
    }
};

struct Paragraph
{
    QTextBlockFormat format;
    std::vector<Fragment> fragments;
    bool isEmpty() const { return fragments.empty(); }

    Paragraph() = default;
    Paragraph(const Paragraph&) = default;
    Paragraph(Paragraph&& other) noexcept : fragments(std::move(other.fragments))
    {
        format.swap(other.format);
    }
    Paragraph& operator=(const Paragraph&) = default;
    Paragraph& operator=(Paragraph&& other) noexcept
    {
        fragments = std::move(other.fragments);
        format.swap(other.format);
        return *this;
    }
};

struct Border
{
    double widthTwips = 0; // 0: no border
    QColor color;

    bool operator==(const Border&) const = default;
};

struct CellDef
{
    int rightEdge = 0; // twips, absolute
    Border borders[4]; // top, left, bottom, right
    QColor background;
    Qt::Alignment verticalAlign = Qt::AlignTop;
    bool mergeFirst = false, mergeNext = false;   // \clmgf, \clmrg
    bool vmergeFirst = false, vmergeNext = false; // \clvmgf, \clvmrg

    bool operator==(const CellDef&) const = default;
};

struct RowDef
{
    int left = 0;   // \trleft
    int gap = 0;    // \trgaph
    int height = 0; // \trrh
    Qt::Alignment align = Qt::AlignLeft;
    bool header = false;
    std::vector<CellDef> cells;
};

struct Cell
{
    std::vector<Paragraph> paragraphs;
};

struct Row
{
    RowDef def;
    std::vector<Cell> cells;
};

struct Table
{
    std::vector<Row> rows;
};

using Block = std::variant<Paragraph, Table>;
static_assert(std::is_nothrow_move_constructible_v<Block>);

struct Image
{
    QString name;
    QImage image;
};

struct Document
{
    std::vector<Block> blocks;
    std::vector<Image> images;
    QFont defaultFont;
    double defaultTabPixels = 48;
};

} // namespace rtf::model
