#pragma once

#include <QLabel>
#include <QPixmap>

#include <functional>

namespace kestrane {

// A picture control: shows its pixmap scaled to fit its rectangle, keeping the proportions,
// centred. Without a pixmap it paints the backdrop it was given (or nothing).
class PictureLabel : public QLabel
{
    Q_OBJECT

public:
    explicit PictureLabel(QWidget* parent = nullptr);

    // Painted while no picture is loaded, e.g. before the first selection.
    void setBackdrop(std::function<void(QPainter&, const QRect&)> paint) { m_backdrop = std::move(paint); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void(QPainter&, const QRect&)> m_backdrop;
    QPixmap m_scaled;
    qint64 m_scaledKey = 0;
};

// A 3-D panel whose caption is its text, wrapped and made smaller as far as it needs to fit. While
// the text is still the designer's placeholder (such as "panYear" before the first selection) it
// shows a friendlier prompt instead.
class CaptionPanel : public QLabel
{
    Q_OBJECT

public:
    explicit CaptionPanel(QWidget* parent = nullptr);
    void setPrompt(const QString& designText, const QString& prompt);
    // What the panel shows: its text, or the prompt in place of the design text.
    QString shownText() const;
    // The font the caption is painted in: the panel's own, smaller where the caption would not
    // fit the contents rectangle otherwise; and the flags it is drawn with (wrapped at blanks).
    QFont captionFont() const;
    int captionFlags() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_designText;
    QString m_prompt;
};

} // namespace kestrane
