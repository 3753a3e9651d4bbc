// The control words the reader knows, as one table, and what each does.
#include "rtf/reader.h"

#include "rtf/codepages.h"
#include "rtf/pictures.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace rtf {

namespace {

enum Flag { Bold, Italic, Underline, Strike, Caps, SmallCaps, Hidden };

struct Entry
{
    std::string_view name;
    Op op;
    int arg = 0;
};

constexpr std::array kWords{
    // skipped destinations (the \* ones are skipped unless listed here)
    Entry{"info", Op::DestSkip},
    Entry{"stylesheet", Op::DestSkip},
    Entry{"header", Op::DestSkip},
    Entry{"headerl", Op::DestSkip},
    Entry{"headerr", Op::DestSkip},
    Entry{"headerf", Op::DestSkip},
    Entry{"footer", Op::DestSkip},
    Entry{"footerl", Op::DestSkip},
    Entry{"footerr", Op::DestSkip},
    Entry{"footerf", Op::DestSkip},
    Entry{"footnote", Op::DestSkip},
    Entry{"annotation", Op::DestSkip},
    Entry{"pn", Op::DestSkip},
    Entry{"pntxta", Op::DestSkip},
    Entry{"pntxtb", Op::DestSkip},
    Entry{"nonshppict", Op::DestSkip},
    Entry{"objdata", Op::DestSkip},
    Entry{"listtable", Op::DestSkip},
    Entry{"listoverridetable", Op::DestSkip},
    Entry{"revtbl", Op::DestSkip},
    Entry{"rsidtbl", Op::DestSkip},
    Entry{"nonesttables", Op::DestSkip},
    Entry{"xe", Op::DestSkip},
    Entry{"tc", Op::DestSkip},
    Entry{"txe", Op::DestSkip},
    Entry{"rxe", Op::DestSkip},
    Entry{"fldtype", Op::DestSkip},
    Entry{"bkmkstart", Op::DestSkip},
    Entry{"bkmkend", Op::DestSkip},
    Entry{"comment", Op::DestSkip},
    Entry{"author", Op::DestSkip},
    Entry{"title", Op::DestSkip},
    Entry{"subject", Op::DestSkip},
    Entry{"keywords", Op::DestSkip},
    Entry{"doccomm", Op::DestSkip},
    Entry{"operator", Op::DestSkip},
    Entry{"template", Op::DestSkip},
    Entry{"private", Op::DestSkip},
    Entry{"atnid", Op::DestSkip},
    Entry{"atnauthor", Op::DestSkip},
    Entry{"pgdsctbl", Op::DestSkip},
    Entry{"listpicture", Op::DestSkip},
    Entry{"colorschememapping", Op::DestSkip},
    Entry{"themedata", Op::DestSkip},
    Entry{"datastore", Op::DestSkip},
    Entry{"latentstyles", Op::DestSkip},
    Entry{"xmlnstbl", Op::DestSkip},
    // shown destinations
    Entry{"shppict", Op::DestNormal},
    Entry{"shp", Op::DestNormal},
    Entry{"shprslt", Op::DestNormal},
    Entry{"listtext", Op::DestNormal},
    Entry{"pntext", Op::DestNormal},
    Entry{"object", Op::DestNormal},
    Entry{"result", Op::DestNormal},
    Entry{"ud", Op::DestNormal},
    Entry{"upr", Op::DestUpr},
    Entry{"fonttbl", Op::DestFontTable},
    Entry{"colortbl", Op::DestColorTable},
    Entry{"field", Op::DestField},
    Entry{"fldinst", Op::DestFieldInst},
    Entry{"fldrslt", Op::DestFieldResult},
    Entry{"pict", Op::DestPicture},
    // character formatting
    Entry{"b", Op::Flag, Bold},
    Entry{"i", Op::Flag, Italic},
    Entry{"ul", Op::Flag, Underline},
    Entry{"uld", Op::Flag, Underline},
    Entry{"uldb", Op::Flag, Underline},
    Entry{"ulw", Op::Flag, Underline},
    Entry{"uldash", Op::Flag, Underline},
    Entry{"ulth", Op::Flag, Underline},
    Entry{"ulwave", Op::Flag, Underline},
    Entry{"uldashd", Op::Flag, Underline},
    Entry{"uldashdd", Op::Flag, Underline},
    Entry{"strike", Op::Flag, Strike},
    Entry{"striked", Op::Flag, Strike},
    Entry{"caps", Op::Flag, Caps},
    Entry{"scaps", Op::Flag, SmallCaps},
    Entry{"v", Op::Flag, Hidden},
    Entry{"deleted", Op::Flag, Hidden},
    Entry{"plain", Op::Plain},
    Entry{"fs", Op::FontSize},
    Entry{"f", Op::Font},
    Entry{"cf", Op::Foreground},
    Entry{"cb", Op::Background},
    Entry{"highlight", Op::Background},
    Entry{"chcbpat", Op::Background},
    Entry{"super", Op::Super},
    Entry{"sub", Op::Sub},
    Entry{"nosupersub", Op::NoSuperSub},
    Entry{"ulnone", Op::UnderlineNone},
    Entry{"u", Op::Unicode},
    Entry{"uc", Op::UnicodeSkip},
    Entry{"chftn", Op::Footnote},
    // special characters
    Entry{"emdash", Op::Insert, 0x2014},
    Entry{"endash", Op::Insert, 0x2013},
    Entry{"bullet", Op::Insert, 0x2022},
    Entry{"lquote", Op::Insert, 0x2018},
    Entry{"rquote", Op::Insert, 0x2019},
    Entry{"ldblquote", Op::Insert, 0x201C},
    Entry{"rdblquote", Op::Insert, 0x201D},
    Entry{"emspace", Op::Insert, 0x2003},
    Entry{"enspace", Op::Insert, 0x2002},
    Entry{"qmspace", Op::Insert, 0x2005},
    Entry{"zwj", Op::Insert, 0x200D},
    Entry{"zwnj", Op::Insert, 0x200C},
    Entry{"zwbo", Op::Insert, 0x200B},
    // paragraphs
    Entry{"pard", Op::Pard},
    Entry{"ql", Op::Align, Qt::AlignLeft},
    Entry{"qc", Op::Align, Qt::AlignHCenter},
    Entry{"qr", Op::Align, Qt::AlignRight},
    Entry{"qj", Op::Align, Qt::AlignJustify},
    Entry{"qd", Op::Align, Qt::AlignJustify},
    Entry{"li", Op::LeftIndent},
    Entry{"lin", Op::LeftIndent},
    Entry{"ri", Op::RightIndent},
    Entry{"rin", Op::RightIndent},
    Entry{"fi", Op::FirstIndent},
    Entry{"sb", Op::SpaceBefore},
    Entry{"sa", Op::SpaceAfter},
    Entry{"sl", Op::LineSpacing},
    Entry{"slmult", Op::LineMultiple},
    Entry{"keep", Op::Keep},
    Entry{"keepn", Op::KeepNext},
    Entry{"pagebb", Op::PageBreakBefore},
    Entry{"intbl", Op::InTable},
    Entry{"itap", Op::Itap},
    Entry{"tx", Op::TabPosition},
    Entry{"tqr", Op::TabType, QTextOption::RightTab},
    Entry{"tqc", Op::TabType, QTextOption::CenterTab},
    Entry{"tqdec", Op::TabType, QTextOption::DelimiterTab},
    Entry{"tb", Op::BarTab},
    // breaks
    Entry{"par", Op::Par},
    Entry{"line", Op::Line},
    Entry{"tab", Op::Tab},
    Entry{"page", Op::Page},
    Entry{"sect", Op::Sect},
    Entry{"sbknone", Op::NoSectionBreak},
    // document
    Entry{"ansi", Op::CodePage, 1252},
    Entry{"mac", Op::CodePage, 10000},
    Entry{"pc", Op::CodePage, 437},
    Entry{"pca", Op::CodePage, 850},
    Entry{"ansicpg", Op::AnsiCodePage},
    Entry{"deff", Op::DefaultFont},
    Entry{"deftab", Op::DefaultTab},
    Entry{"fcharset", Op::FontCharset},
    Entry{"cpg", Op::FontCodePage},
    Entry{"froman", Op::FontFamily, QFont::Serif},
    Entry{"fswiss", Op::FontFamily, QFont::SansSerif},
    Entry{"fmodern", Op::FontFamily, QFont::TypeWriter},
    Entry{"fscript", Op::FontFamily, QFont::Cursive},
    Entry{"fdecor", Op::FontFamily, QFont::Decorative},
    Entry{"red", Op::Red},
    Entry{"green", Op::Green},
    Entry{"blue", Op::Blue},
    // tables
    Entry{"trowd", Op::Trowd},
    Entry{"cellx", Op::CellX},
    Entry{"cell", Op::Cell},
    Entry{"row", Op::Row},
    Entry{"nestcell", Op::NestCell},
    Entry{"nestrow", Op::NestRow},
    Entry{"trgaph", Op::RowGap},
    Entry{"trleft", Op::RowLeft},
    Entry{"trql", Op::RowAlign, Qt::AlignLeft},
    Entry{"trqc", Op::RowAlign, Qt::AlignHCenter},
    Entry{"trqr", Op::RowAlign, Qt::AlignRight},
    Entry{"trrh", Op::RowHeight},
    Entry{"trhdr", Op::RowHeader},
    Entry{"clbrdrt", Op::CellBorder, 0},
    Entry{"clbrdrl", Op::CellBorder, 1},
    Entry{"clbrdrb", Op::CellBorder, 2},
    Entry{"clbrdrr", Op::CellBorder, 3},
    Entry{"brdrt", Op::OtherBorder},
    Entry{"brdrl", Op::OtherBorder},
    Entry{"brdrb", Op::OtherBorder},
    Entry{"brdrr", Op::OtherBorder},
    Entry{"box", Op::OtherBorder},
    Entry{"trbrdrt", Op::OtherBorder},
    Entry{"trbrdrl", Op::OtherBorder},
    Entry{"trbrdrb", Op::OtherBorder},
    Entry{"trbrdrr", Op::OtherBorder},
    Entry{"trbrdrh", Op::OtherBorder},
    Entry{"trbrdrv", Op::OtherBorder},
    Entry{"brdrnone", Op::BorderKind, 0},
    Entry{"brdrs", Op::BorderKind, 1},
    Entry{"brdrth", Op::BorderKind, 2},
    Entry{"brdrdb", Op::BorderKind, 1},
    Entry{"brdrsh", Op::BorderKind, 1},
    Entry{"brdrdot", Op::BorderKind, 1},
    Entry{"brdrdash", Op::BorderKind, 1},
    Entry{"brdrhair", Op::BorderKind, 1},
    Entry{"brdrw", Op::BorderWidth},
    Entry{"brdrcf", Op::BorderColor},
    Entry{"clcbpat", Op::CellShading},
    Entry{"clvertalt", Op::CellVAlign, Qt::AlignTop},
    Entry{"clvertalc", Op::CellVAlign, Qt::AlignVCenter},
    Entry{"clvertalb", Op::CellVAlign, Qt::AlignBottom},
    Entry{"clmgf", Op::CellMergeFirst},
    Entry{"clmrg", Op::CellMerge},
    Entry{"clvmgf", Op::CellVMergeFirst},
    Entry{"clvmrg", Op::CellVMerge},
    // pictures
    Entry{"pngblip", Op::PictType, int(PictureType::Png)},
    Entry{"jpegblip", Op::PictType, int(PictureType::Jpeg)},
    Entry{"dibitmap", Op::PictType, int(PictureType::Dib)},
    Entry{"wbitmap", Op::PictType, int(PictureType::DeviceBitmap)},
    Entry{"wmetafile", Op::PictType, int(PictureType::Wmf)},
    Entry{"emfblip", Op::PictType, int(PictureType::Emf)},
    Entry{"macpict", Op::PictType, int(PictureType::Other)},
    Entry{"pmmetafile", Op::PictType, int(PictureType::Other)},
    Entry{"picw", Op::PicWidth},
    Entry{"pich", Op::PicHeight},
    Entry{"picwgoal", Op::PicGoalWidth},
    Entry{"pichgoal", Op::PicGoalHeight},
    Entry{"picscalex", Op::PicScaleX},
    Entry{"picscaley", Op::PicScaleY},
    Entry{"wbmbitspixel", Op::PicBpp},
    Entry{"wbmwidthbytes", Op::PicWidthBytes},
};

// Every control word of a document is looked up here, so the table is open addressing with a
// short hash rather than a node per word.
class WordTable
{
public:
    WordTable()
    {
        for (const Entry& e : kWords) {
            size_t i = slotOf(e.name);
            while (m_slots[i] && m_slots[i]->name != e.name)
                i = (i + 1) & kMask;
            if (!m_slots[i])
                m_slots[i] = &e;
        }
    }
    const Entry* find(std::string_view word) const
    {
        for (size_t i = slotOf(word);; i = (i + 1) & kMask) {
            const Entry* e = m_slots[i];
            if (!e || e->name == word)
                return e;
        }
    }

private:
    static constexpr size_t kSlots = 1024; // over three times the words: probes stay short
    static constexpr size_t kMask = kSlots - 1;
    static_assert(kWords.size() * 3 < kSlots);

    static size_t slotOf(std::string_view word)
    {
        std::uint32_t h = 2166136261u; // FNV-1a
        for (const char c : word)
            h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
        return h & kMask;
    }

    std::array<const Entry*, kSlots> m_slots{};
};

const WordTable& wordTable()
{
    static const WordTable table;
    return table;
}

bool isDestination(Op op)
{
    return op <= Op::DestUpr;
}

constexpr int kMaxTwips = 31680 * 4;

} // namespace

void Reader::handleWord(std::string_view word, bool hasParam, int param)
{
    const Entry* found = wordTable().find(word);
    if (!found) {
        // An unknown word after \* names a destination we do not know: skip it whole.
        if (st().starred)
            skipGroup();
        return;
    }
    const Entry& e = *found;
    if (isDestination(e.op)) {
        handleDestination(e.op);
        return;
    }
    if (st().starred) {
        skipGroup();
        return;
    }
    const Destination dest = st().dest;
    if (dest == Destination::Picture) {
        if (e.op >= Op::PictType)
            handlePictureWord(e.op, param, e.arg);
        return;
    }
    if (dest == Destination::FontTable && e.op == Op::Font) {
        m_fontTableEntry = param;
        m_fonts[param];
        m_fontName.clear();
        return;
    }
    // Outside the document text only character and table-wide words mean anything.
    if (dest != Destination::Normal && (e.op >= Op::Pard && e.op < Op::CodePage))
        return;
    if (dest != Destination::Normal && e.op >= Op::Trowd)
        return;
    if (e.op >= Op::Trowd) {
        if (e.op < Op::PictType)
            handleTableWord(e.op, hasParam, param, e.arg);
    } else if (e.op >= Op::CodePage) {
        handleDocumentWord(e.op, hasParam, param, e.arg);
    } else if (e.op >= Op::Par) {
        handleBreakWord(e.op, param, e.arg);
    } else if (e.op >= Op::Pard) {
        handleParaWord(e.op, hasParam, param, e.arg);
    } else {
        handleCharWord(e.op, hasParam, param, e.arg);
    }
}

void Reader::handleDestination(Op op)
{
    // A destination owns its group; the document's own group is never one.
    st().starred = false;
    if (depth() < 2 && op != Op::DestNormal)
        return;
    GroupState& s = st();
    switch (op) {
    case Op::DestSkip:
        if (depth() >= 2)
            skipGroup();
        return;
    case Op::DestNormal:
        break;
    case Op::DestUpr:
        s.upr = true;
        break;
    case Op::DestFontTable:
        s.dest = Destination::FontTable;
        m_fontName.clear();
        break;
    case Op::DestColorTable:
        s.dest = Destination::ColorTable;
        m_colors.clear();
        m_colorSet = false;
        m_red = m_green = m_blue = 0;
        break;
    case Op::DestField:
        if (m_fields.size() < 32)
            m_fields.push_back({depth(), s.dest, {}, -1});
        break;
    case Op::DestFieldInst:
        if (!m_fields.empty() && m_fields.back().depth < depth())
            s.dest = Destination::FieldInst;
        else
            skipGroup();
        return;
    case Op::DestFieldResult:
        if (!m_fields.empty() && m_fields.back().depth < depth())
            startFieldResult();
        break;
    case Op::DestPicture:
        if (m_inPicture || s.dest != Destination::Normal) {
            skipGroup();
            return;
        }
        s.dest = Destination::Picture;
        m_inPicture = true;
        m_picture = {};
        m_picture.depth = depth();
        break;
    default:
        break;
    }
}

void Reader::handleSymbol(char symbol)
{
    switch (symbol) {
    case '*':
        st().starred = true;
        break;
    case '\\':
    case '{':
    case '}':
        handleText(QByteArrayView(&symbol, 1));
        break;
    case '~':
        emitChar(0x00A0);
        break;
    case '-':
        emitChar(0x00AD);
        break;
    case '_':
        emitChar(0x2011);
        break;
    case '\n':
        handleBreakWord(Op::Par, 0, 0);
        break;
    case '\t':
        emitChar('\t');
        break;
    default:
        break; // \: \| and others mark index entries and formulas
    }
}

void Reader::handleCharWord(Op op, bool hasParam, int param, int arg)
{
    CharState& c = st().chr;
    const bool on = !hasParam || param != 0;
    switch (op) {
    case Op::Flag:
        switch (arg) {
        case Bold:
            c.bold = on;
            break;
        case Italic:
            c.italic = on;
            break;
        case Underline:
            c.underline = on;
            break;
        case Strike:
            c.strike = on;
            break;
        case Caps:
            c.caps = on;
            break;
        case SmallCaps:
            c.smallCaps = on;
            break;
        case Hidden:
            c.hidden = on;
            break;
        default:
            break;
        }
        break;
    case Op::Plain: {
        const QString href = c.href; // a link's text keeps its target through \plain
        c = CharState{};
        c.href = href;
        break;
    }
    case Op::FontSize:
        c.halfPoints = hasParam ? param : 24;
        break;
    case Op::Font:
        c.font = hasParam ? param : -1;
        break;
    case Op::Foreground:
        c.foreground = param;
        break;
    case Op::Background:
        c.background = param;
        break;
    case Op::Super:
        c.valign = CharState::VAlign::Super;
        break;
    case Op::Sub:
        c.valign = CharState::VAlign::Sub;
        break;
    case Op::NoSuperSub:
        c.valign = CharState::VAlign::Normal;
        break;
    case Op::UnderlineNone:
        c.underline = false;
        break;
    case Op::Insert:
        emitChar(char32_t(arg));
        break;
    case Op::Unicode:
        if (hasParam) {
            emitUnicode(param);
            m_unicodeSkipLeft = st().unicodeSkip;
        }
        break;
    case Op::UnicodeSkip:
        st().unicodeSkip = std::clamp(param, 0, 16);
        break;
    case Op::Footnote:
        emitText(QString::number(++m_footnotes));
        break;
    default:
        break;
    }
}

void Reader::handleParaWord(Op op, bool hasParam, int param, int arg)
{
    ParaState& p = st().para;
    const bool on = !hasParam || param != 0;
    param = std::clamp(param, -kMaxTwips, kMaxTwips); // lengths beyond a page are nonsense anyway
    switch (op) {
    case Op::Pard:
        p = ParaState{};
        break;
    case Op::Align:
        p.align = Qt::Alignment(arg);
        break;
    case Op::LeftIndent:
        p.leftIndent = param;
        break;
    case Op::RightIndent:
        p.rightIndent = param;
        break;
    case Op::FirstIndent:
        p.firstIndent = param;
        break;
    case Op::SpaceBefore:
        p.spaceBefore = param;
        break;
    case Op::SpaceAfter:
        p.spaceAfter = param;
        break;
    case Op::LineSpacing:
        p.lineSpacing = param;
        break;
    case Op::LineMultiple:
        p.lineMultiple = on;
        break;
    case Op::Keep:
        p.keep = on;
        break;
    case Op::KeepNext:
        p.keepNext = on;
        break;
    case Op::PageBreakBefore:
        p.pageBreakBefore = on;
        break;
    case Op::InTable:
        p.inTable = on;
        break;
    case Op::Itap:
        p.inTable = param > 0;
        break;
    case Op::TabPosition:
        if (p.tabs.size() < size_t(kMaxTabs))
            p.tabs.push_back({param, p.nextTabType});
        p.nextTabType = QTextOption::LeftTab;
        break;
    case Op::TabType:
        p.nextTabType = QTextOption::TabType(arg);
        break;
    case Op::BarTab:
        p.nextTabType = QTextOption::LeftTab;
        break;
    default:
        break;
    }
}

void Reader::handleBreakWord(Op op, int, int)
{
    switch (op) {
    case Op::Par:
        endParagraph();
        break;
    case Op::Line:
        emitChar(0x2028);
        break;
    case Op::Tab:
        emitChar('\t');
        break;
    case Op::Page:
        pageBreak();
        break;
    case Op::Sect:
        pageBreak();
        m_sectionBreakPending = true;
        break;
    case Op::NoSectionBreak:
        if (m_sectionBreakPending)
            m_breakBeforeNext = false;
        break;
    default:
        break;
    }
}

void Reader::handleDocumentWord(Op op, bool hasParam, int param, int arg)
{
    switch (op) {
    case Op::CodePage:
        m_ansiCodePage = arg;
        break;
    case Op::AnsiCodePage:
        if (hasParam && param > 0)
            m_ansiCodePage = param;
        break;
    case Op::DefaultFont:
        m_defaultFont = param;
        m_charFormats.clear();
        break;
    case Op::DefaultTab:
        m_defaultTab = param;
        break;
    case Op::FontCharset:
        if (st().dest == Destination::FontTable)
            m_fonts[m_fontTableEntry].codePage = codePageForCharset(param);
        break;
    case Op::FontFamily:
        if (st().dest == Destination::FontTable)
            m_fonts[m_fontTableEntry].family = QFont::StyleHint(arg);
        break;
    case Op::FontCodePage:
        if (st().dest == Destination::FontTable && param > 0)
            m_fonts[m_fontTableEntry].codePage = param;
        break;
    case Op::Red:
        m_red = std::clamp(param, 0, 255);
        m_colorSet = true;
        break;
    case Op::Green:
        m_green = std::clamp(param, 0, 255);
        m_colorSet = true;
        break;
    case Op::Blue:
        m_blue = std::clamp(param, 0, 255);
        m_colorSet = true;
        break;
    default:
        break;
    }
}

void Reader::handlePictureWord(Op op, int param, int arg)
{
    auto& p = m_picture;
    switch (op) {
    case Op::PictType:
        p.type = arg;
        break;
    case Op::PicWidth:
        p.width = param;
        break;
    case Op::PicHeight:
        p.height = param;
        break;
    case Op::PicGoalWidth:
        p.goalWidth = param;
        break;
    case Op::PicGoalHeight:
        p.goalHeight = param;
        break;
    case Op::PicScaleX:
        p.scaleX = param;
        break;
    case Op::PicScaleY:
        p.scaleY = param;
        break;
    case Op::PicBpp:
        p.bitsPerPixel = param;
        break;
    case Op::PicWidthBytes:
        p.widthBytes = param;
        break;
    default:
        break;
    }
}

} // namespace rtf
