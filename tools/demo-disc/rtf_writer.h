#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// Writes RTF the way word processors of the period did: a font table, a colour table, plain
// paragraphs with direct formatting, \trowd tables and \pict pictures. Paragraph texts take a
// small markup: [b]bold[/b], [i]italic[/i], [u]underline[/u].
namespace kestrane::demo {

class RtfWriter
{
public:
    explicit RtfWriter(const QString& title);

    void heading(const QString& text);
    void subheading(const QString& text);
    void paragraph(const QString& marked);
    void bullet(const QString& marked);
    void numbered(int number, const QString& marked);
    // A line in its own colour, for the paint lists.
    void colourLine(const QColor& colour, const QString& marked);
    // The first row is the header; widths are the columns' widths in twips.
    void table(const QList<QStringList>& rows, const QList<int>& widths);
    void picture(const QImage& image, int widthTwips, bool jpeg);
    void pageBreak();

    QByteArray finish() const;

    static QByteArray escape(const QString& text);

private:
    int colourIndex(const QColor& c);
    QByteArray marked(const QString& text) const;

    QString m_title;
    QList<QColor> m_colours;
    QByteArray m_body;
};

} // namespace kestrane::demo
