#include "rtf/build_document.h"

#include "rtf/rtf_reader.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace rtf {

namespace {

constexpr int kMaxGridColumns = 128;
constexpr int kDefaultCellWidth = 1440;

double px(double twips)
{
    return twips / kTwipsPerPixel;
}

void insertFragments(QTextCursor& cursor, const model::Paragraph& para)
{
    for (const model::Fragment& f : para.fragments) {
        if (f.text.isEmpty())
            cursor.insertImage(f.format.toImageFormat());
        else
            cursor.insertText(f.text, f.format);
    }
}

// `reuseBlock`: fill the empty block under the cursor instead of starting a new one.
// `inCell`: a cell's first block carries the cell's own format as its character format.
void insertParagraph(QTextCursor& cursor, const model::Paragraph& p, bool reuseBlock, bool inCell = false)
{
    if (reuseBlock) {
        cursor.setBlockFormat(p.format);
        if (!p.fragments.empty() && !inCell)
            cursor.setBlockCharFormat(p.fragments.front().format);
    } else if (!p.fragments.empty()) {
        // The block takes its first fragment's format at once: setting it afterwards costs a
        // second change of the document.
        cursor.insertBlock(p.format, p.fragments.front().format);
    } else {
        cursor.insertBlock(p.format);
    }
    insertFragments(cursor, p);
}

struct Placement
{
    int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
    const model::Cell* cell = nullptr;
    const model::CellDef* def = nullptr;
};

// Every row's cells as [left, right) edges in twips, with the union of all edges as the grid.
struct Grid
{
    std::vector<std::vector<std::pair<int, int>>> rowEdges;
    std::vector<int> edges; // empty: rows do not share a grid, cells are laid side by side
};

Grid buildGrid(const model::Table& table)
{
    Grid grid;
    std::set<int> all;
    for (const model::Row& row : table.rows) {
        std::vector<std::pair<int, int>> cells;
        const size_t n = std::max(row.cells.size(), row.def.cells.size());
        int left = row.def.left;
        int lastWidth = kDefaultCellWidth;
        for (size_t i = 0; i < n; ++i) {
            int right = i < row.def.cells.size() ? row.def.cells[i].rightEdge : left + lastWidth;
            right = std::max(right, left + 15); // edges that go backwards still get a column
            cells.emplace_back(left, right);
            all.insert(left);
            all.insert(right);
            lastWidth = right - left;
            left = right;
        }
        grid.rowEdges.push_back(std::move(cells));
    }
    if (all.size() <= size_t(kMaxGridColumns) + 1)
        grid.edges.assign(all.begin(), all.end());
    return grid;
}

std::vector<Placement> placeCells(const model::Table& table, const Grid& grid, int& columns)
{
    std::vector<Placement> placements;
    std::map<int, size_t> above, current; // grid column -> placement index, for \clvmrg
    columns = 1;
    const auto column = [&grid](int edge) {
        return int(std::lower_bound(grid.edges.begin(), grid.edges.end(), edge) - grid.edges.begin());
    };
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const model::Row& row = table.rows[r];
        const auto& edges = grid.rowEdges[r];
        current.clear();
        for (size_t i = 0; i < edges.size(); ++i) {
            const model::CellDef* def = i < row.def.cells.size() ? &row.def.cells[i] : nullptr;
            const model::Cell* cell = i < row.cells.size() ? &row.cells[i] : nullptr;
            const int c0 = grid.edges.empty() ? int(i) : column(edges[i].first);
            const int c1 = grid.edges.empty() ? int(i) + 1 : column(edges[i].second);
            columns = std::max(columns, c1);
            if (def && def->mergeNext && i > 0 && !placements.empty() && placements.back().row == int(r)) {
                Placement& prev = placements.back();
                prev.columnSpan = c1 - prev.column;
                continue;
            }
            if (def && def->vmergeNext) {
                if (const auto it = above.find(c0); it != above.end()) {
                    Placement& root = placements[it->second];
                    if (root.column == c0 && c1 - c0 == root.columnSpan) {
                        root.rowSpan = int(r) - root.row + 1;
                        current[c0] = it->second;
                        continue;
                    }
                }
            }
            current[c0] = placements.size();
            placements.push_back({int(r), c0, 1, std::max(1, c1 - c0), cell, def});
        }
        above = current;
    }
    return placements;
}

QTextTableCellFormat cellFormat(const model::CellDef* def, int gapTwips)
{
    QTextTableCellFormat f;
    f.setLeftPadding(px(gapTwips));
    f.setRightPadding(px(gapTwips));
    f.setTopPadding(0);
    f.setBottomPadding(0);
    if (!def)
        return f;
    const auto& b = def->borders;
    const auto brush = [](const model::Border& border) {
        return QBrush(border.color.isValid() ? border.color : QColor(Qt::black));
    };
    if (b[0].widthTwips > 0) {
        f.setTopBorder(px(b[0].widthTwips));
        f.setTopBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        f.setTopBorderBrush(brush(b[0]));
    }
    if (b[1].widthTwips > 0) {
        f.setLeftBorder(px(b[1].widthTwips));
        f.setLeftBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        f.setLeftBorderBrush(brush(b[1]));
    }
    if (b[2].widthTwips > 0) {
        f.setBottomBorder(px(b[2].widthTwips));
        f.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        f.setBottomBorderBrush(brush(b[2]));
    }
    if (b[3].widthTwips > 0) {
        f.setRightBorder(px(b[3].widthTwips));
        f.setRightBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        f.setRightBorderBrush(brush(b[3]));
    }
    if (def->background.isValid())
        f.setBackground(def->background);
    if (def->verticalAlign & Qt::AlignVCenter)
        f.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    else if (def->verticalAlign & Qt::AlignBottom)
        f.setVerticalAlignment(QTextCharFormat::AlignBottom);
    return f;
}

// What a cell's format depends on: cells alike in these are drawn alike, wherever their edges.
struct CellLook
{
    bool hasDef = false;
    model::CellDef def; // its right edge cleared
    int gap = 0;

    CellLook(const model::CellDef* d, int gapTwips) : hasDef(d), def(d ? *d : model::CellDef{}), gap(gapTwips)
    {
        def.rightEdge = 0;
    }
    bool operator==(const CellLook&) const = default;
};

// Cells drawn alike share one format (Qt stores it once).
class CellFormats
{
public:
    QTextTableCellFormat get(const CellLook& look)
    {
        for (const Known& known : m_known)
            if (known.look == look)
                return known.format;
        if (m_known.size() >= 64)
            m_known.clear();
        m_known.push_back({look, cellFormat(look.hasDef ? &look.def : nullptr, look.gap)});
        return m_known.back().format;
    }

private:
    struct Known
    {
        CellLook look;
        QTextTableCellFormat format;
    };
    std::vector<Known> m_known;
};

// The look shared by every cell below the first row, when each row has a cell of its own in
// every column and those below the first are all drawn alike. Such a table is made of one cell
// copied into the rest: Qt gives copies their format as it makes them, where setting each cell's
// format afterwards is a change of the document for every cell.
std::optional<CellLook> lookOfRowsBelowFirst(const model::Table& table,
                                             const std::vector<Placement>& placements, int columns)
{
    const int rows = int(table.rows.size());
    if (rows < 2)
        return std::nullopt;
    int counted = 0, first = 0;
    std::optional<CellLook> look;
    for (const Placement& p : placements) {
        if (p.rowSpan != 1 || p.columnSpan != 1)
            return std::nullopt;
        if (p.row == 0) {
            ++first;
            continue;
        }
        const CellLook mine(p.def, table.rows[size_t(p.row)].def.gap);
        if (!look)
            look = mine;
        else if (!(mine == *look))
            return std::nullopt;
        ++counted;
    }
    // A place without a cell keeps Qt's plain format, which a copy would not.
    if (first != columns || counted != (rows - 1) * columns)
        return std::nullopt;
    return look;
}

void insertTable(QTextCursor& cursor, const model::Table& table, CellFormats& cellFormats)
{
    const Grid grid = buildGrid(table);
    int columns = 1;
    const std::vector<Placement> placements = placeCells(table, grid, columns);
    const int rows = int(table.rows.size());

    const model::RowDef& first = table.rows.front().def;
    QTextTableFormat format;
    format.setBorder(0);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(0);
    format.setLeftMargin(px(std::max(0, first.left)));
    format.setAlignment(first.align);
    int headers = 0;
    while (headers < rows && table.rows[size_t(headers)].def.header)
        ++headers;
    format.setHeaderRowCount(headers);
    if (!grid.edges.empty()) {
        QList<QTextLength> widths;
        for (size_t i = 0; i + 1 < grid.edges.size() && int(widths.size()) < columns; ++i)
            widths.append(QTextLength(QTextLength::FixedLength, px(grid.edges[i + 1] - grid.edges[i])));
        format.setColumnWidthConstraints(widths);
    }

    const auto lookOf = [&table](const Placement& p) {
        return CellLook(p.def, table.rows[size_t(p.row)].def.gap);
    };
    QTextTable* qtable = nullptr;
    // Cells whose format is already theirs, by grid index.
    std::vector<bool> formatted(size_t(rows) * size_t(columns), false);
    if (const auto look = lookOfRowsBelowFirst(table, placements, columns)) {
        // The first cell, formatted, is copied into the rows above it; the row it began ends the
        // table, and the first row keeps the copies where it looks alike.
        qtable = cursor.insertTable(1, columns, format);
        qtable->cellAt(0, 0).setFormat(cellFormats.get(*look));
        qtable->insertRows(0, rows - 1);
        std::fill(formatted.begin(), formatted.end() - columns, true);
        formatted[size_t(rows - 1) * size_t(columns)] = true;
        for (const Placement& p : placements)
            if (p.row == 0 && !(lookOf(p) == *look))
                formatted[size_t(p.column)] = false;
    } else {
        qtable = cursor.insertTable(rows, columns, format);
    }
    bool merged = false;
    for (const Placement& p : placements)
        if (p.rowSpan > 1 || p.columnSpan > 1) {
            qtable->mergeCells(p.row, p.column, p.rowSpan, p.columnSpan);
            merged = true;
        }
    QTextCursor c(cursor);
    for (const Placement& p : placements) {
        QTextTableCell cell = qtable->cellAt(p.row, p.column);
        // Without merges each placement is a cell of its own; a merge may cover another's place.
        if (merged && (!cell.isValid() || cell.row() != p.row || cell.column() != p.column))
            continue;
        if (p.cell && !p.cell->paragraphs.empty()) {
            c.setPosition(cell.firstPosition());
            bool first = true;
            for (const model::Paragraph& para : p.cell->paragraphs) {
                insertParagraph(c, para, first, true);
                first = false;
            }
        }
        // Setting the format keeps the spans that mergeCells stored in the cell.
        if (!formatted[size_t(p.row) * size_t(columns) + size_t(p.column)])
            cell.setFormat(cellFormats.get(lookOf(p)));
    }
    cursor = qtable->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
}

} // namespace

void buildDocument(model::Document&& source, QTextDocument* doc)
{
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->clear();
    doc->setDefaultFont(source.defaultFont);
    QTextOption option = doc->defaultTextOption();
    option.setTabStopDistance(source.defaultTabPixels);
    doc->setDefaultTextOption(option);
    for (model::Image& image : source.images)
        doc->addResource(QTextDocument::ImageResource, QUrl(image.name), image.image);

    QTextCursor cursor(doc);
    // One edit for the whole document: the frame tree is rebuilt and the layout told once at its
    // end, not after every table (which made reading quadratic in the number of tables).
    cursor.beginEditBlock();
    CellFormats cellFormats;
    bool fresh = true; // the cursor's block is empty and still ours to fill
    for (const model::Block& block : source.blocks) {
        if (const auto* para = std::get_if<model::Paragraph>(&block)) {
            insertParagraph(cursor, *para, fresh);
            fresh = false;
        } else if (const auto* table = std::get_if<model::Table>(&block)) {
            if (!table->rows.empty()) {
                if (fresh && cursor.atStart()) {
                    QTextBlockFormat leading;
                    leading.setProperty(kLeadingBlockProperty, true);
                    cursor.setBlockFormat(leading);
                }
                insertTable(cursor, *table, cellFormats);
                fresh = true;
            }
        }
    }
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(undo);
}

} // namespace rtf
