#include "documents/ui/year_documents_controller.h"

#include "documents/document_names.h"
#include "documents/reader_routines.h"
#include "documents/ui/reader_opener.h"
#include "documents/year_documents.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "shell/control_names.h"
#include "shell/ui/rich_text_box.h"

#include <QPushButton>

namespace kestrane {

namespace {

constexpr QSize kDetailsSize(329, 106);

// cmdColors and the illustrated-series text set OK to this width instead of widening it.
constexpr int kNarrowOkWidth = 481;

} // namespace

YearDocuments::YearDocuments(AppContext& context, QWidget* mainWindow, WavePlayer* narration)
    : m_context(context)
    , m_main(mainWindow)
    , m_narration(narration)
{
    if (!mainWindow)
        return;
    const std::pair<const char16_t*, void (YearDocuments::*)()> buttons[] = {
        {names::cmdDesc, &YearDocuments::cmdDescClick},
        {names::cmdStats, &YearDocuments::cmdStatsClick},
        {names::cmdOptions, &YearDocuments::cmdOptionsClick},
        {names::cmdColors, &YearDocuments::cmdColorsClick},
        {names::cmdNostalgia, &YearDocuments::cmdNostalgiaClick},
    };
    for (const auto& [name, handler] : buttons) {
        if (auto* button = mainWindow->findChild<QPushButton*>(names::name(name)))
            connect(button, &QPushButton::clicked, this, handler);
    }
}

ReaderEnvironment YearDocuments::environment() const
{
    return {m_context, m_main.data(), m_narration};
}

std::optional<QString> YearDocuments::lookUp(const DocumentChoice& choice, const QString& code)
{
    AppState& state = m_context.state;
    const QString folder = state.cdRoot + choice.folder;
    state.documentPath = m_context.platform.fileSystem->dir(folder + choice.file);
    if (state.documentPath.isEmpty()) {
        ReportError(m_context, code);
        return std::nullopt;
    }
    return folder + state.documentPath;
}

void YearDocuments::cmdDescClick()
{
    AppState& state = m_context.state;
    const QString code = documents::kErrDescription.toString();
    state.currentErrorCode = code;
    ReaderRequest request;
    request.errorCode = code;
    // cmdDesc only hides the narration buttons.
    request.disableNarration = false;
    if (state.selectionKey == documents::kDealerKey && state.documentCaption == documents::kDealerCaption) {
        // The dealer page is on show: its document, under the dealer caption, without a lookup.
        request.documentPath = state.cdRoot + documents::kDealerDocument.toString();
    } else {
        const DocumentChoice choice = descriptionDocument(state.selectionKey);
        if (choice.route == CaptionRoute::DocumentCaption)
            state.documentCaption = choice.caption;
        else
            request.caption = choice.caption;
        const std::optional<QString> path = lookUp(choice, code);
        if (!path)
            return;
        request.documentPath = *path;
    }
    OpenDocument(environment(), request);
}

void YearDocuments::cmdStatsClick()
{
    AppState& state = m_context.state;
    const QString key = state.selectionKey;
    if (key == documents::kNoSelection)
        return;
    const QString code = documents::kErrStatistics.toString();
    state.currentErrorCode = code;
    RestoreYearButton(m_context);

    auto* details = m_main ? m_main->findChild<RichTextBox*>(names::name(names::rtbDetails)) : nullptr;
    if (details && details->isVisible()) {
        details->hide();
        return;
    }
    state.documentCaption = statisticsCaption(key);
    if (isDetailCategory(key)) {
        showDetails(key);
        return;
    }
    const DocumentChoice choice = statisticsDocument(key);
    const std::optional<QString> path = lookUp(choice, code);
    if (!path)
        return;
    ReaderRequest request;
    request.errorCode = code;
    request.documentPath = *path;
    request.caption = choice.caption;
    OpenDocument(environment(), request);
}

void YearDocuments::showDetails(const QString& key)
{
    AppState& state = m_context.state;
    auto* details = m_main ? m_main->findChild<RichTextBox*>(names::name(names::rtbDetails)) : nullptr;
    if (!details) {
        ReportTrappedError(m_context, state.currentErrorCode);
        return;
    }
    // Placed inside the photograph's top right corner, its right edge 10 pixels inside cmdAd's.
    QWidget* area = details->parentWidget();
    const auto* ad = m_main->findChild<QWidget*>(names::name(names::cmdAd));
    const auto* photo = m_main->findChild<QWidget*>(names::name(names::Image4));
    details->resize(kDetailsSize);
    if (ad && photo && area) {
        const int adRight = ad->mapTo(area, QPoint(ad->width(), 0)).x();
        const int photoTop = photo->mapTo(area, QPoint(0, 0)).y();
        details->move(adRight - details->width() - 10, photoTop + 8);
    }
    const QString name = detailDocumentName(key, state.photoRoot, state.currentPhoto);
    state.documentPath = state.cdRoot + documents::kRichTextFolder.toString() + name + u".rtf"_qs;
    if (!details->setFileName(state.documentPath)) {
        ReportTrappedError(m_context, state.currentErrorCode);
        return;
    }
    details->show();
    details->raise();
}

void YearDocuments::openSimpleDocument(const std::optional<DocumentChoice>& choice, QStringView errorCode,
                                       std::optional<int> okWidth)
{
    if (!choice)
        return;
    const QString code = errorCode.toString();
    m_context.state.currentErrorCode = code;
    m_context.state.documentCaption = choice->caption;
    const std::optional<QString> path = lookUp(*choice, code);
    if (!path)
        return;
    ReaderRequest request;
    request.errorCode = code;
    request.documentPath = *path;
    request.okWidth = okWidth;
    OpenDocument(environment(), request);
}

void YearDocuments::cmdOptionsClick()
{
    openSimpleDocument(optionsDocument(m_context.state.selectionKey), documents::kErrOptions, std::nullopt);
}

void YearDocuments::cmdColorsClick()
{
    openSimpleDocument(colorsDocument(m_context.state.selectionKey), documents::kErrColors, kNarrowOkWidth);
}

void YearDocuments::cmdNostalgiaClick()
{
    AppState& state = m_context.state;
    if (state.selectionKey == documents::kNoSelection)
        return;
    const NostalgiaDocument doc = nostalgiaDocument(state.cdRoot, state.selectionKey);
    state.twoDigitYear = doc.twoDigitYear;
    ReaderRequest request;
    request.documentPath = doc.path;
    request.caption = doc.caption;
    request.reportFailure = false;
    request.errorCode = state.currentErrorCode;   // nostalgia has no code of its own
    if (OpenDocument(environment(), request))
        return;
    MessageBoxRequest sorry;
    sorry.text = nostalgiaSorryText();
    sorry.title = QString::fromUtf16(kBoxTitle);
    sorry.icon = MsgIcon::Exclamation;
    m_context.platform.dialogs->messageBox(sorry);
    if (m_context.mainWindow)
        m_context.mainWindow->setMainWindowEnabled(true);
}

} // namespace kestrane
