#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextTableCellFormat>

#include <variant>
#include <vector>

// What the reader gathers before it builds the QTextDocument: tables need their whole column grid
// before the first cell can be placed, so the document is built in one pass at the end.
namespace rtf::model {

struct Fragment
{
    QString text;           // empty for an image
    QTextCharFormat format; // a QTextImageFormat for an image
};

struct Paragraph
{
    QTextBlockFormat format;
    std::vector<Fragment> fragments;
    bool isEmpty() const { return fragments.empty(); }
};

struct Border
{
    double widthTwips = 0; // 0: no border
    QColor color;
};

struct CellDef
{
    int rightEdge = 0; // twips, absolute
    Border borders[4]; // top, left, bottom, right
    QColor background;
    Qt::Alignment verticalAlign = Qt::AlignTop;
    bool mergeFirst = false, mergeNext = false;   // \clmgf, \clmrg
    bool vmergeFirst = false, vmergeNext = false; // \clvmgf, \clvmrg
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
