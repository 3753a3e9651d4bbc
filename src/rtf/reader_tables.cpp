// Row and cell definitions: \trowd, the \clXXX words and \cellx.
#include "rtf/reader.h"

namespace rtf {

void Reader::handleTableWord(Op op, bool hasParam, int param, int arg)
{
    const bool on = !hasParam || param != 0;
    model::Border* border = m_borderTarget >= 0 ? &m_cellDef.borders[m_borderTarget] : nullptr;
    const auto color = [this](int index) {
        return index > 0 && index < int(m_colors.size()) ? m_colors[size_t(index)] : QColor();
    };
    switch (op) {
    case Op::Trowd:
        m_rowDef = {};
        m_cellDef = {};
        m_borderTarget = -1;
        break;
    case Op::CellX:
        if (m_rowDef.cells.size() < size_t(kMaxCells)) {
            m_cellDef.rightEdge = std::clamp(param, -31680, 31680 * 4);
            m_rowDef.cells.push_back(m_cellDef);
        }
        m_cellDef = {};
        m_borderTarget = -1;
        break;
    case Op::Cell:
        endCell();
        break;
    case Op::Row:
        endRow();
        break;
    case Op::NestCell:
        // Nested tables are flattened: each nested cell is a paragraph of the outer cell.
        flushBytes();
        if (!m_para.isEmpty()) {
            m_para.format = blockFormat(st().para);
            m_cell.paragraphs.push_back(std::move(m_para));
            m_para = {};
        }
        break;
    case Op::NestRow:
        break;
    case Op::RowGap:
        m_rowDef.gap = std::clamp(param, 0, 1440);
        break;
    case Op::RowLeft:
        m_rowDef.left = std::clamp(param, -31680, 31680);
        break;
    case Op::RowAlign:
        m_rowDef.align = Qt::Alignment(arg);
        break;
    case Op::RowHeight:
        m_rowDef.height = param;
        break;
    case Op::RowHeader:
        m_rowDef.header = on;
        break;
    case Op::CellBorder:
        m_borderTarget = arg;
        break;
    case Op::OtherBorder:
        m_borderTarget = -1;
        break;
    case Op::BorderKind:
        if (border)
            border->widthTwips = arg == 0 ? 0 : (border->widthTwips > 0 ? border->widthTwips : 15.0 * arg);
        break;
    case Op::BorderWidth:
        if (border && border->widthTwips > 0)
            border->widthTwips = std::clamp(param, 1, 300);
        break;
    case Op::BorderColor:
        if (border)
            border->color = color(param);
        break;
    case Op::CellShading:
        m_cellDef.background = color(param);
        break;
    case Op::CellVAlign:
        m_cellDef.verticalAlign = Qt::Alignment(arg);
        break;
    case Op::CellMergeFirst:
        m_cellDef.mergeFirst = true;
        break;
    case Op::CellMerge:
        m_cellDef.mergeNext = true;
        break;
    case Op::CellVMergeFirst:
        m_cellDef.vmergeFirst = true;
        break;
    case Op::CellVMerge:
        m_cellDef.vmergeNext = true;
        break;
    default:
        break;
    }
}

} // namespace rtf
