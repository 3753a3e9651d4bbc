#include "search/ui/search_window.h"

#include "common/control_names.h"
#include "state/app_state.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWindow>

namespace kestrane {

namespace {

constexpr int kSnippetRole = Qt::UserRole + 1;
constexpr int kPadding = 6;

// A result as two lines: the caption in bold, then the words around the match with the matched
// words in bold. Drawn as text at any pixel ratio.
class ResultDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        const bool selected = opt.state & QStyle::State_Selected;
        const QPalette::ColorRole textRole = selected ? QPalette::HighlightedText : QPalette::Text;
        QTextDocument doc;
        layout(&doc, index, opt.font, opt.rect.width());
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette = opt.palette;
        context.palette.setColor(QPalette::Text, opt.palette.color(textRole));
        painter->save();
        painter->translate(opt.rect.topLeft() + QPoint(kPadding, kPadding / 2));
        painter->setClipRect(QRect(QPoint(0, 0), opt.rect.size() - QSize(kPadding, 0)));
        doc.documentLayout()->draw(painter, context);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QTextDocument doc;
        const int width = option.widget ? option.widget->width() - 2 * kPadding : 400;
        layout(&doc, index, option.font, width);
        return QSize(width, int(std::ceil(doc.size().height())) + kPadding);
    }

private:
    static void layout(QTextDocument* doc, const QModelIndex& index, const QFont& font, int width)
    {
        doc->setDefaultFont(font);
        doc->setDocumentMargin(0);
        doc->setTextWidth(std::max(100, width - 2 * kPadding));
        doc->setHtml(u"<b>"_qs + index.data(Qt::DisplayRole).toString().toHtmlEscaped() + u"</b><br>"_qs +
                     index.data(kSnippetRole).toString());
    }
};

} // namespace

SearchWindow::SearchWindow(QWidget* owner)
{
    setObjectName(names::name(names::frmSearch));
    setWindowTitle(QString::fromUtf16(kBoxTitle) + u"     Search"_qs);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // Above the main window and closed with it, but a window of its own.
    if (owner) {
        create();
        if (QWindow* ownerWindow = owner->window()->windowHandle())
            windowHandle()->setTransientParent(ownerWindow);
        connect(owner, &QObject::destroyed, this, &QObject::deleteLater);
    }
    setupWidgets();
}

void SearchWindow::setupWidgets()
{
    auto* layout = new QVBoxLayout(this);

    m_field = new QLineEdit(this);
    m_field->setObjectName(names::name(names::txtSearch));
    m_field->setPlaceholderText(tr("Words to find in every document"));
    m_field->setAccessibleName(tr("Words to find"));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    layout->addWidget(m_field);

    m_status = new QLabel(this);
    m_status->setObjectName(names::name(names::lblSearchStatus));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(names::name(names::prgSearchIndex));
    m_progress->setAccessibleName(tr("Reading the documents"));
    m_progress->setTextVisible(false);
    m_progress->hide();
    layout->addWidget(m_progress);

    m_results = new QListWidget(this);
    m_results->setObjectName(names::name(names::lstSearchResults));
    m_results->setAccessibleName(tr("Documents found"));
    m_results->setItemDelegate(new ResultDelegate(m_results));
    m_results->setUniformItemSizes(false);
    m_results->setWordWrap(true);
    m_results->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_results->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(m_results, 1);

    connect(m_field, &QLineEdit::textChanged, this, &SearchWindow::queryChanged);
    connect(m_field, &QLineEdit::returnPressed, this, &SearchWindow::openCurrent);
    // Enter, or a double click (a single click where the style opens items so).
    connect(m_results, &QListWidget::activated, this,
            [this](const QModelIndex& index) { Q_EMIT openRequested(index.row()); });
    resize(560, 440);
}

void SearchWindow::showIndexing(int done, int total)
{
    m_progress->setRange(0, std::max(1, total));
    m_progress->setValue(done);
    m_progress->show();
    m_status->setText(tr("Reading the documents: %1 of %2").arg(done).arg(total));
}

void SearchWindow::showReady(int documents)
{
    m_documents = documents;
    m_progress->hide();
    if (documents == 0)
        m_status->setText(tr("The disc holds no documents to search."));
    else
        m_status->setText(tr("Type words to find them in the disc's %1 documents.").arg(documents));
}

void SearchWindow::showResults(const QList<SearchResultRow>& rows)
{
    m_results->clear();
    for (const SearchResultRow& row : rows) {
        auto* item = new QListWidgetItem(row.caption.trimmed(), m_results);
        item->setData(kSnippetRole, row.snippet);
        item->setData(Qt::AccessibleTextRole, row.caption.trimmed() + u": "_qs + row.plainSnippet);
        item->setToolTip(row.plainSnippet);
    }
    if (!rows.isEmpty())
        m_results->setCurrentRow(0);
    if (m_field->text().trimmed().isEmpty())
        showReady(m_documents);
    else if (rows.isEmpty())
        m_status->setText(tr("No document holds these words."));
    else if (rows.size() == 1)
        m_status->setText(tr("1 document"));
    else
        m_status->setText(tr("%1 documents").arg(rows.size()));
}

void SearchWindow::openCurrent()
{
    const int row = m_results->currentRow();
    if (row >= 0)
        Q_EMIT openRequested(row);
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Up and Down in the field move through the results, so the hands stay on the keys.
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown || key == Qt::Key_PageUp) &&
            m_results->count() > 0) {
            QApplication::sendEvent(m_results, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kestrane
