#pragma once

#include "rtf/model.h"
#include "rtf/reader_state.h"
#include "rtf/tokenizer.h"

#include <QByteArray>

#include <map>
#include <vector>

namespace rtf {

// What a control word does; the order groups them for dispatch.
enum class Op : unsigned char {
    // destinations
    DestSkip,
    DestNormal,
    DestFontTable,
    DestColorTable,
    DestField,
    DestFieldInst,
    DestFieldResult,
    DestPicture,
    DestUpr,
    // characters
    Flag,
    Plain,
    FontSize,
    Font,
    Foreground,
    Background,
    Super,
    Sub,
    NoSuperSub,
    UnderlineNone,
    Insert,
    Unicode,
    UnicodeSkip,
    Footnote,
    // paragraphs
    Pard,
    Align,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    Keep,
    KeepNext,
    PageBreakBefore,
    InTable,
    Itap,
    TabPosition,
    TabType,
    BarTab,
    // breaks
    Par,
    Line,
    Tab,
    Page,
    Sect,
    NoSectionBreak,
    // document
    CodePage,
    AnsiCodePage,
    DefaultFont,
    DefaultTab,
    FontCharset,
    FontCodePage,
    FontFamily,
    Red,
    Green,
    Blue,
    // tables
    Trowd,
    CellX,
    Cell,
    Row,
    NestCell,
    NestRow,
    RowGap,
    RowLeft,
    RowAlign,
    RowHeight,
    RowHeader,
    CellBorder,
    OtherBorder,
    BorderKind,
    BorderWidth,
    BorderColor,
    CellShading,
    CellVAlign,
    CellMergeFirst,
    CellMerge,
    CellVMergeFirst,
    CellVMerge,
    // pictures
    PictType,
    PicWidth,
    PicHeight,
    PicGoalWidth,
    PicGoalHeight,
    PicScaleX,
    PicScaleY,
    PicBpp,
    PicWidthBytes,
};

// Reads RTF tokens into a model::Document. Any input is accepted; how much of it makes sense is
// the only thing that varies.
class Reader
{
public:
    static constexpr int kMaxDepth = 400;
    static constexpr int kMaxTabs = 64;
    static constexpr int kMaxCells = 64;

    explicit Reader(QByteArrayView data) : m_tokens(data) {}
    model::Document read();

private:
    struct Field
    {
        int depth = 0;
        Destination outerDest = Destination::Normal;
        QString instruction;
        qsizetype emittedAtResult = -1;
    };
    struct Picture
    {
        int depth = 0;
        int type = 0;
        int width = 0, height = 0, goalWidth = 0, goalHeight = 0;
        int scaleX = 100, scaleY = 100;
        int bitsPerPixel = 1, widthBytes = 0;
        QByteArray data;
        int pendingNibble = -1;
    };

    // reader.cpp: groups, text and paragraphs
    void openGroup();
    void closeGroup();
    void handleText(QByteArrayView bytes);
    void handleHex(std::uint8_t byte);
    void flushBytes();
    void emitText(const QString& text);
    void emitChar(char32_t c);
    void emitUnicode(int value);
    void endParagraph();
    void endCell();
    void endRow();
    void closeTable();
    void pageBreak();
    void skipGroup();
    int currentCodePage() const;
    const FontDef* currentFont() const;
    // The formats of states met before are shared, not built again: a document uses a handful,
    // and Qt stores one shared format as one entry.
    QTextCharFormat charFormat(const CharState& s) const;
    QTextBlockFormat blockFormat(const ParaState& p) const;
    QTextCharFormat makeCharFormat(const CharState& s) const;
    static QTextBlockFormat makeBlockFormat(const ParaState& p);
    void finishField();
    void startFieldResult();
    void finishPicture();
    void addFontTableText(QByteArrayView bytes);
    void addColorTableText(QByteArrayView bytes);

    // reader_words.cpp: the control words
    void handleWord(std::string_view word, bool hasParam, int param);
    void handleSymbol(char symbol);
    void handleDestination(Op op);
    void handleCharWord(Op op, bool hasParam, int param, int arg);
    void handleParaWord(Op op, bool hasParam, int param, int arg);
    void handleTableWord(Op op, bool hasParam, int param, int arg);
    void handlePictureWord(Op op, int param, int arg);
    void handleDocumentWord(Op op, bool hasParam, int param, int arg);
    void handleBreakWord(Op op, int param, int arg);

    GroupState& st() { return m_stack.back(); }
    const GroupState& st() const { return m_stack.back(); }
    int depth() const { return int(m_stack.size()) - 1; }

    Tokenizer m_tokens;
    std::vector<GroupState> m_stack{GroupState{}};
    int m_overflowDepth = 0; // groups beyond kMaxDepth, counted but not pushed
    int m_unicodeSkipLeft = 0;
    bool m_finished = false;
    QByteArray m_pendingBytes;

    // document-wide tables
    std::map<int, FontDef> m_fonts;
    int m_fontTableEntry = 0;
    QByteArray m_fontName;
    std::vector<QColor> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorSet = false;
    int m_ansiCodePage = 1252;
    int m_defaultFont = 0;
    int m_defaultTab = 720;

    // formats already built; the character formats depend on the font and colour tables
    mutable std::vector<std::pair<CharState, QTextCharFormat>> m_charFormats;
    mutable std::vector<std::pair<ParaState, QTextBlockFormat>> m_blockFormats;
    static constexpr size_t kMaxSharedFormats = 64;

    // what is being built
    model::Document m_doc;
    model::Paragraph m_para;
    CharState m_lastFragmentState;
    bool m_breakBeforeNext = false;
    bool m_sectionBreakPending = false;
    qsizetype m_emitted = 0;
    int m_footnotes = 0;

    // tables
    model::RowDef m_rowDef;
    model::CellDef m_cellDef; // filled by the words before its \cellx
    int m_borderTarget = -1;  // 0..3 a cell side of the row being defined, -1 none
    model::Cell m_cell;
    model::Row m_row;
    model::Table m_table;

    std::vector<Field> m_fields;
    Picture m_picture;
    bool m_inPicture = false;
    bool m_hasPlaceholder = false;
    qint64 m_decodedPixels = 0;
    static constexpr qint64 kMaxDecodedPixels = 64LL * 1024 * 1024;
};

} // namespace rtf
