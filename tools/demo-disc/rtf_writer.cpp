#include "rtf_writer.h"

#include <QBuffer>
#include <QHash>

namespace kestrane::demo {

namespace {

// Colour table entries 1..6; custom paint colours are appended after them.
const QColor kBlack(0, 0, 0);
const QColor kMaroon(128, 0, 16);
const QColor kNavy(0, 51, 102);
const QColor kGrey(96, 96, 96);
const QColor kShade(224, 228, 236);
const QColor kWhite(255, 255, 255);

int cp1252(char16_t c)
{
    static const QHash<char16_t, int> extra = {{0x20AC, 0x80}, {0x2026, 0x85}, {0x2018, 0x91}, {0x2019, 0x92},
                                               {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96},
                                               {0x2014, 0x97}, {0x2122, 0x99}};
    if (c >= 0xA0 && c <= 0xFF)
        return c;
    return extra.value(c, -1);
}

} // namespace

RtfWriter::RtfWriter(const QString& title)
    : m_title(title), m_colours{kBlack, kMaroon, kNavy, kGrey, kShade, kWhite}
{
}

QByteArray RtfWriter::escape(const QString& text)
{
    QByteArray out;
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += char(c);
        } else if (c == u'\t') {
            out += "\\tab ";
        } else if (c < 0x80) {
            out += char(c);
        } else if (const int b = cp1252(c); b >= 0) {
            out += "\\'" + QByteArray::number(b, 16);
        } else {
            out += "\\u" + QByteArray::number(qint16(c)) + '?';
        }
    }
    return out;
}

QByteArray RtfWriter::marked(const QString& text) const
{
    QByteArray out = escape(text);
    out.replace("[b]", "\\b ");
    out.replace("[/b]", "\\b0 ");
    out.replace("[i]", "\\i ");
    out.replace("[/i]", "\\i0 ");
    out.replace("[u]", "\\ul ");
    out.replace("[/u]", "\\ulnone ");
    return out;
}

int RtfWriter::colourIndex(const QColor& c)
{
    const qsizetype i = m_colours.indexOf(c);
    if (i >= 0)
        return int(i) + 1;
    m_colours.append(c);
    return int(m_colours.size());
}

void RtfWriter::heading(const QString& text)
{
    m_body += "\\pard\\plain\\qc\\sb120\\sa240\\f1\\fs36\\b\\cf2 " + escape(text) + "\\par\n";
}

void RtfWriter::subheading(const QString& text)
{
    m_body += "\\pard\\plain\\keepn\\sb200\\sa80\\f1\\fs26\\b\\cf3 " + escape(text) + "\\par\n";
}

void RtfWriter::paragraph(const QString& text)
{
    m_body += "\\pard\\plain\\sa120\\f0\\fs22 " + marked(text) + "\\par\n";
}

void RtfWriter::bullet(const QString& text)
{
    m_body += "\\pard\\plain\\fi-283\\li567\\sa60\\tx567\\f0\\fs22 \\'95\\tab " + marked(text) + "\\par\n";
}

void RtfWriter::numbered(int number, const QString& text)
{
    m_body += "\\pard\\plain\\fi-340\\li680\\sa60\\tx680\\f0\\fs22 " + QByteArray::number(number) +
              ".\\tab " + marked(text) + "\\par\n";
}

void RtfWriter::colourLine(const QColor& colour, const QString& text)
{
    const int i = colourIndex(colour);
    m_body += "\\pard\\plain\\li283\\sa60\\f0\\fs22{\\f1\\fs28\\cf" + QByteArray::number(i) + " \\'95} " +
              marked(text) + "\\par\n";
}

void RtfWriter::table(const QList<QStringList>& rows, const QList<int>& widths)
{
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const bool header = r == 0;
        QByteArray row = "\\trowd\\trgaph108\\trleft0" + QByteArray(header ? "\\trhdr" : "") + "\n";
        int edge = 0;
        for (int w : widths) {
            edge += w;
            row += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10"
                   "\\clbrdrr\\brdrs\\brdrw10";
            if (header)
                row += "\\clcbpat5";
            row += "\\cellx" + QByteArray::number(edge) + "\n";
        }
        for (qsizetype c = 0; c < widths.size(); ++c) {
            const QString cell = c < rows[r].size() ? rows[r][c] : QString();
            row += "\\pard\\plain\\intbl\\f0\\fs20" + QByteArray(header ? "\\b" : "") + ' ' + marked(cell) +
                   "\\cell\n";
        }
        m_body += row + "\\row\n";
    }
    m_body += "\\pard\\plain\\sa120\\f0\\fs22\\par\n";
}

void RtfWriter::picture(const QImage& image, int widthTwips, bool jpeg)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, jpeg ? "JPG" : "PNG", jpeg ? 85 : -1);
    const int heightTwips = image.width() > 0 ? widthTwips * image.height() / image.width() : 0;
    QByteArray hex = data.toHex();
    QByteArray lines;
    for (qsizetype i = 0; i < hex.size(); i += 128)
        lines += hex.mid(i, 128) + '\n';
    m_body += "\\pard\\plain\\qc\\sa120{\\pict" + QByteArray(jpeg ? "\\jpegblip" : "\\pngblip") + "\\picw" +
              QByteArray::number(image.width()) + "\\pich" + QByteArray::number(image.height()) +
              "\\picwgoal" + QByteArray::number(widthTwips) + "\\pichgoal" + QByteArray::number(heightTwips) +
              "\n" + lines + "}\\par\n";
}

void RtfWriter::pageBreak()
{
    m_body += "\\page\n";
}

QByteArray RtfWriter::finish() const
{
    QByteArray doc = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033"
                     "{\\fonttbl{\\f0\\froman\\fcharset0 Serif;}{\\f1\\fswiss\\fcharset0 Sans Serif;}"
                     "{\\f2\\fmodern\\fcharset0 Monospace;}}\n{\\colortbl ;";
    for (const QColor& c : m_colours)
        doc += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue" +
               QByteArray::number(c.blue()) + ';';
    doc += "}\n{\\info{\\title " + escape(m_title) +
           "}{\\author Quoxel Software}}\n"
           "\\viewkind4\\uc1\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440\n";
    return doc + m_body + "}\n";
}

} // namespace kestrane::demo
