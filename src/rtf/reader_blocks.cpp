// Paragraphs, table rows, fields and pictures as the reader closes them.
#include "rtf/reader.h"

#include "rtf/codepages.h"
#include "rtf/pictures.h"
#include "rtf/rtf_reader.h"

#include <QRegularExpression>
#include <QTextImageFormat>

#include <algorithm>

namespace rtf {

namespace {

double px(int twips)
{
    return std::clamp(twips, -31680, 31680) / kTwipsPerPixel;
}

// Splits a field instruction into its words; quoted words keep their blanks.
QStringList instructionWords(const QString& instruction)
{
    QStringList words;
    QString word;
    bool quoted = false, any = false;
    for (const QChar c : instruction) {
        if (c == u'"') {
            quoted = !quoted;
            any = true;
        } else if (!quoted && c.isSpace()) {
            if (any)
                words.append(word);
            word.clear();
            any = false;
        } else {
            word.append(c);
            any = true;
        }
    }
    if (any)
        words.append(word);
    return words;
}

QString hyperlinkTarget(const QString& instruction)
{
    const QStringList words = instructionWords(instruction);
    if (words.isEmpty() || words.front().compare(QLatin1String("HYPERLINK"), Qt::CaseInsensitive) != 0)
        return {};
    QString url, bookmark;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString& w = words[i];
        if (w == QLatin1String("\\l") && i + 1 < words.size()) {
            bookmark = words[++i];
        } else if ((w == QLatin1String("\\o") || w == QLatin1String("\\t")) && i + 1 < words.size()) {
            ++i; // tooltip or target frame
        } else if (!w.startsWith(u'\\') && url.isEmpty()) {
            url = w;
        }
    }
    if (!bookmark.isEmpty())
        return url + u'#' + bookmark;
    return url;
}

template <typename State, typename Format, typename Make>
Format sharedFormat(std::vector<std::pair<State, Format>>& cache, const State& state, size_t limit, Make make)
{
    for (const auto& [known, format] : cache)
        if (known == state)
            return format;
    if (cache.size() >= limit)
        cache.clear();
    cache.emplace_back(state, make(state));
    return cache.back().second;
}

} // namespace

QTextCharFormat Reader::charFormat(const CharState& s) const
{
    return sharedFormat(m_charFormats, s, kMaxSharedFormats,
                        [this](const CharState& c) { return makeCharFormat(c); });
}

QTextBlockFormat Reader::blockFormat(const ParaState& p) const
{
    return sharedFormat(m_blockFormats, p, kMaxSharedFormats,
                        [](const ParaState& c) { return makeBlockFormat(c); });
}

QTextCharFormat Reader::makeCharFormat(const CharState& s) const
{
    QTextCharFormat f;
    const auto font = m_fonts.find(s.font >= 0 ? s.font : m_defaultFont);
    if (font != m_fonts.end() && !font->second.name.isEmpty()) {
        f.setFontFamilies(QStringList{font->second.name});
        if (font->second.family != QFont::AnyStyle)
            f.setFontStyleHint(font->second.family);
    }
    f.setFontPointSize(s.halfPoints > 0 ? std::clamp(s.halfPoints, 2, 3200) / 2.0 : 12.0);
    if (s.bold)
        f.setFontWeight(QFont::Bold);
    if (s.italic)
        f.setFontItalic(true);
    if (s.underline)
        f.setFontUnderline(true);
    if (s.strike)
        f.setFontStrikeOut(true);
    if (s.caps)
        f.setFontCapitalization(QFont::AllUppercase);
    else if (s.smallCaps)
        f.setFontCapitalization(QFont::SmallCaps);
    const auto color = [this](int index) {
        return index > 0 && index < int(m_colors.size()) ? m_colors[size_t(index)] : QColor();
    };
    if (const QColor fg = color(s.foreground); fg.isValid())
        f.setForeground(fg);
    if (const QColor bg = color(s.background); bg.isValid())
        f.setBackground(bg);
    if (s.valign == CharState::VAlign::Super)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (s.valign == CharState::VAlign::Sub)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (!s.href.isEmpty()) {
        f.setAnchor(true);
        f.setAnchorHref(s.href);
    }
    return f;
}

QTextBlockFormat Reader::makeBlockFormat(const ParaState& p)
{
    QTextBlockFormat f;
    f.setAlignment(p.align);
    const int left = std::max(0, p.leftIndent);
    const int first = std::max(p.firstIndent, -left); // a hanging indent stops at the margin
    f.setLeftMargin(px(left));
    f.setRightMargin(px(std::max(0, p.rightIndent)));
    f.setTextIndent(px(first));
    f.setTopMargin(px(std::max(0, p.spaceBefore)));
    f.setBottomMargin(px(std::max(0, p.spaceAfter)));
    if (p.lineSpacing != 0) {
        if (p.lineMultiple && p.lineSpacing > 0)
            f.setLineHeight(std::clamp(p.lineSpacing * 100.0 / 240.0, 10.0, 1000.0),
                            QTextBlockFormat::ProportionalHeight);
        else if (p.lineSpacing > 0)
            f.setLineHeight(px(p.lineSpacing), QTextBlockFormat::MinimumHeight);
        else
            f.setLineHeight(px(-p.lineSpacing), QTextBlockFormat::FixedHeight);
    }
    // Qt counts tab stops from the start of the line, RTF from the margin: convert for the
    // first line, which is where documents put their tabs.
    const int origin = left + first;
    QList<QTextOption::Tab> tabs;
    bool hangingTab = first < 0;
    for (const TabStop& t : p.tabs) {
        if (t.position > origin && t.position <= left)
            hangingTab = false;
        if (t.position > origin)
            tabs.append(QTextOption::Tab(px(t.position - origin), t.type));
    }
    if (hangingTab)
        tabs.append(QTextOption::Tab(px(left - origin), QTextOption::LeftTab));
    std::sort(tabs.begin(), tabs.end(), [](const auto& a, const auto& b) { return a.position < b.position; });
    if (!tabs.isEmpty())
        f.setTabPositions(tabs);
    if (p.keep)
        f.setProperty(kKeepTogetherProperty, true);
    if (p.keepNext)
        f.setProperty(kKeepWithNextProperty, true);
    if (p.pageBreakBefore)
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return f;
}

void Reader::endParagraph()
{
    flushBytes();
    model::Paragraph para = std::move(m_para);
    m_para = {};
    para.format = blockFormat(st().para);
    if (m_breakBeforeNext)
        para.format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    m_breakBeforeNext = false;
    if (st().para.inTable) {
        m_cell.paragraphs.push_back(std::move(para));
    } else {
        closeTable();
        m_doc.blocks.emplace_back(std::move(para));
    }
}

void Reader::endCell()
{
    flushBytes();
    if (!m_para.isEmpty() || m_cell.paragraphs.empty()) {
        m_para.format = blockFormat(st().para);
        m_cell.paragraphs.push_back(std::move(m_para));
    }
    m_para = {};
    if (m_row.cells.size() < size_t(kMaxCells)) {
        m_row.cells.push_back(std::move(m_cell));
    } else {
        auto& last = m_row.cells.back().paragraphs;
        for (auto& p : m_cell.paragraphs)
            last.push_back(std::move(p));
    }
    m_cell = {};
}

void Reader::endRow()
{
    flushBytes();
    if (!m_para.isEmpty() || !m_cell.paragraphs.empty())
        endCell();
    m_row.def = m_rowDef;
    m_table.rows.push_back(std::move(m_row));
    m_row = {};
}

void Reader::closeTable()
{
    // Cells left without \row still form a last row; the pending paragraph is not theirs.
    if (!m_cell.paragraphs.empty()) {
        m_row.cells.push_back(std::move(m_cell));
        m_cell = {};
    }
    if (!m_row.cells.empty()) {
        m_row.def = m_rowDef;
        m_table.rows.push_back(std::move(m_row));
        m_row = {};
    }
    if (!m_table.rows.empty())
        m_doc.blocks.emplace_back(std::move(m_table));
    m_table = {};
}

void Reader::pageBreak()
{
    if (!m_para.isEmpty())
        endParagraph();
    m_breakBeforeNext = true;
}

void Reader::finishField()
{
    const Field field = std::move(m_fields.back());
    m_fields.pop_back();
    if (field.emittedAtResult >= 0 && m_emitted != field.emittedAtResult)
        return;
    // A SYMBOL field with no result is drawn from its instruction.
    static const QRegularExpression symbol(
        QStringLiteral(R"re(^\s*SYMBOL\s+(0x[0-9a-fA-F]+|\d+)(?:.*\\f\s+"?([^"\\]*)"?)?)re"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = symbol.match(field.instruction);
    if (!m.hasMatch() || field.outerDest != Destination::Normal)
        return;
    bool ok = false;
    const int code = m.captured(1).toInt(&ok, 0);
    if (!ok || code <= 0 || code > 0xFFFF)
        return;
    const QString fontName = m.captured(2).trimmed();
    if (fontName.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0 && symbolToUnicode(code)) {
        emitText(QString(QChar(symbolToUnicode(code))));
    } else if (code < 256) {
        const char byte = char(code);
        emitText(decodeBytes(QByteArrayView(&byte, 1), currentCodePage()));
    } else {
        emitText(QString(QChar(char16_t(code))));
    }
}

void Reader::startFieldResult()
{
    if (m_fields.empty())
        return;
    Field& field = m_fields.back();
    st().dest = field.outerDest;
    field.emittedAtResult = m_emitted;
    const QString target = hyperlinkTarget(field.instruction.trimmed());
    if (!target.isEmpty())
        st().chr.href = target;
}

void Reader::finishPicture()
{
    m_inPicture = false;
    PictureData pict;
    pict.type = PictureType(m_picture.type);
    pict.data = std::move(m_picture.data);
    pict.width = m_picture.width;
    pict.height = m_picture.height;
    pict.goalWidth = m_picture.goalWidth;
    pict.goalHeight = m_picture.goalHeight;
    pict.scaleX = m_picture.scaleX;
    pict.scaleY = m_picture.scaleY;
    pict.bitsPerPixel = m_picture.bitsPerPixel;
    pict.widthBytes = m_picture.widthBytes;
    m_picture = {};

    // Shown only where its group sits in document text.
    if (m_stack.size() < 2 || m_stack[m_stack.size() - 2].dest != Destination::Normal || st().chr.hidden)
        return;
    DecodedPicture decoded = decodePicture(pict);
    if (!decoded.image.isNull() && m_decodedPixels + decoded.image.sizeInBytes() / 4 > kMaxDecodedPixels)
        decoded.image = QImage();
    QString name;
    if (decoded.image.isNull()) {
        name = QStringLiteral("rtf-placeholder");
        if (!m_hasPlaceholder) {
            QImage grey(8, 8, QImage::Format_RGB32);
            grey.fill(QColor(0xE0, 0xE0, 0xE0));
            m_doc.images.push_back({name, grey});
            m_hasPlaceholder = true;
        }
    } else {
        m_decodedPixels += decoded.image.sizeInBytes() / 4;
        name = QStringLiteral("rtf-image-%1").arg(m_doc.images.size());
        m_doc.images.push_back({name, std::move(decoded.image)});
    }
    QTextImageFormat format;
    format.merge(charFormat(st().chr));
    format.setName(name);
    format.setWidth(decoded.sizePixels.width());
    format.setHeight(decoded.sizePixels.height());
    m_para.fragments.push_back({QString(), format});
    ++m_emitted;
    m_sectionBreakPending = false;
}

} // namespace rtf
