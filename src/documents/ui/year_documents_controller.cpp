#include "documents/ui/year_documents_controller.h"

#include "common/error_reporter.h"
#include "common/ui/main_window_controls.h"
#include "common/ui/rich_text_box.h"
#include "documents/document_names.h"
#include "documents/ui/reader_opener.h"
#include "documents/year_documents.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "state/app_state.h"

#include <QAbstractButton>
#include <QMainWindow>

namespace kestrane {

namespace {

// cmdColors and the illustrated-series text set OK to this width instead of widening it.
constexpr int kNarrowOkWidth = 481;

} // namespace

YearDocuments::YearDocuments(AppContext& context, const MainWindowControls& controls, WavePlayer* narration)
    : m_context(context), m_w(controls), m_narration(narration)
{
    const std::pair<PageButton, void (YearDocuments::*)()> buttons[] = {
        {kDesc, &YearDocuments::cmdDescClick},           {kStats, &YearDocuments::cmdStatsClick},
        {kOptions, &YearDocuments::cmdOptionsClick},     {kColors, &YearDocuments::cmdColorsClick},
        {kNostalgia, &YearDocuments::cmdNostalgiaClick},
    };
    for (const auto& [button, handler] : buttons) {
        if (QAbstractButton* b = m_w.pageButton(button))
            connect(b, &QAbstractButton::clicked, this, handler);
    }
}

ReaderEnvironment YearDocuments::environment() const
{
    return {m_context, m_w.form, m_narration};
}

std::optional<QString> YearDocuments::lookUp(const DocumentChoice& choice, ErrorCode code)
{
    AppState& state = m_context.state;
    const QString folder = state.disc.cdRoot + choice.folder;
    state.documents.documentPath = m_context.platform.fileSystem->dir(folder + choice.file);
    if (state.documents.documentPath.isEmpty()) {
        report(m_context, code);
        return std::nullopt;
    }
    return folder + state.documents.documentPath;
}

void YearDocuments::cmdDescClick()
{
    AppState& state = m_context.state;
    const ErrorCode code = documents::kErrDescription;
    setErrorCode(m_context, code);
    ReaderRequest request;
    request.errorCode = code;
    // cmdDesc only hides the narration buttons.
    request.disableNarration = false;
    if (state.selection.selectionKey == documents::kDealerKey &&
        state.documents.documentCaption == documents::kDealerCaption) {
        // The dealer page is on show: its document, under the dealer caption, without a lookup.
        request.documentPath = state.disc.cdRoot + documents::kDealerDocument.toString();
    } else {
        const DocumentChoice choice = descriptionDocument(state.selection.selectionKey);
        if (choice.route == CaptionRoute::DocumentCaption)
            state.documents.documentCaption = choice.caption;
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
    const QString key = state.selection.selectionKey;
    if (key == QStringView(kNoSelection))
        return;
    const ErrorCode code = documents::kErrStatistics;
    setErrorCode(m_context, code);
    RestoreYearButton(m_context);

    RichTextBox* details = m_w.rtbDetails;
    if (details && details->isVisible()) {
        details->hide();
        return;
    }
    state.documents.documentCaption = statisticsCaption(key);
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
    RichTextBox* details = m_w.rtbDetails;
    if (!details) {
        reportTrapped(m_context, documents::kErrStatistics);
        return;
    }
    placeDetailsBox(m_w);
    const QString name = detailDocumentName(key, state.disc.photoRoot, state.photos.currentPhoto);
    state.documents.documentPath =
        state.disc.cdRoot + documents::kRichTextFolder.toString() + name + u".rtf"_qs;
    if (!details->setFileName(state.documents.documentPath)) {
        reportTrapped(m_context, documents::kErrStatistics);
        return;
    }
    details->show();
    details->raise();
}

void YearDocuments::openSimpleDocument(const std::optional<DocumentChoice>& choice, ErrorCode code,
                                       std::optional<int> okWidth)
{
    if (!choice)
        return;
    setErrorCode(m_context, code);
    m_context.state.documents.documentCaption = choice->caption;
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
    openSimpleDocument(optionsDocument(m_context.state.selection.selectionKey), documents::kErrOptions,
                       std::nullopt);
}

void YearDocuments::cmdColorsClick()
{
    openSimpleDocument(colorsDocument(m_context.state.selection.selectionKey), documents::kErrColors,
                       kNarrowOkWidth);
}

void YearDocuments::cmdNostalgiaClick()
{
    AppState& state = m_context.state;
    if (state.selection.selectionKey == QStringView(kNoSelection))
        return;
    const NostalgiaDocument doc = nostalgiaDocument(state.disc.cdRoot, state.selection.selectionKey);
    state.documents.twoDigitYear = doc.twoDigitYear;
    ReaderRequest request;
    request.documentPath = doc.path;
    request.caption = doc.caption;
    request.reportFailure = false;
    // Nostalgia has no code of its own: the request leaves the stored one as it is.
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
