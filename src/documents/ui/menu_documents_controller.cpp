#include "documents/ui/menu_documents_controller.h"

#include "common/control_names.h"
#include "common/error_reporter.h"
#include "common/ui/window_registry.h"
#include "documents/document_names.h"
#include "documents/help_pages.h"
#include "documents/menu_catalogue.h"
#include "documents/ui/help_window.h"
#include "documents/ui/reader_opener.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"

#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QMainWindow>

#include <optional>

namespace kestrane {

namespace {

// The missing-file test of the panel help buttons: DocumentPath gets the directory lookup's
// answer, the bare name; empty means missing and reports the entry's code.
std::optional<QString> lookUp(AppContext& context, const CatalogueEntry& entry)
{
    AppState& state = context.state;
    state.documents.documentPath =
        context.platform.fileSystem->dir(state.disc.cdRoot + QString::fromUtf16(entry.path));
    if (state.documents.documentPath.isEmpty()) {
        report(context, entry.code);
        return std::nullopt;
    }
    return state.disc.cdRoot + catalogueFolder(entry) + state.documents.documentPath;
}

} // namespace

bool OpenCatalogueEntry(const ReaderEnvironment& environment, const CatalogueEntry& entry)
{
    AppContext& context = environment.context;
    const QString caption = captionFor(entry.title);
    setErrorCode(context, entry.code);

    ReaderRequest request;
    request.errorCode = entry.code;
    switch (entry.style) {
    case CatalogueStyle::Standard:
        request.documentPath = context.state.disc.cdRoot + QString::fromUtf16(entry.path);
        request.caption = caption;
        break;
    case CatalogueStyle::Introduction:
        request.documentCaption = caption;
        request.documentPath = context.state.disc.cdRoot + QString::fromUtf16(entry.path);
        request.disableNarration = false;
        break;
    case CatalogueStyle::PanelHelp: {
        context.state.documents.documentCaption = caption;
        const std::optional<QString> path = lookUp(context, entry);
        if (!path)
            return false;
        request.documentPath = *path;
        // A reader that is already open keeps its caption unless it is told.
        request.caption = caption;
        request.disableNarration = false;
        request.modal = false;
        break;
    }
    case CatalogueStyle::SeriesText: {
        const std::optional<QString> path = lookUp(context, entry);
        if (!path)
            return false;
        request.documentPath = *path;
        request.caption = caption;
        request.okWidth = kSeriesTextOkWidth;
        break;
    }
    }
    return OpenDocument(environment, request);
}

MenuDocuments::MenuDocuments(AppContext& context, const MainWindowControls& controls, WavePlayer* narration)
    : m_context(context), m_w(controls), m_narration(narration)
{
    for (const CatalogueEntry& entry : menuCatalogue()) {
        QAction* item = m_w.menuItems.value(catalogueObjectName(entry));
        if (item)
            connect(item, &QAction::triggered, this, [this, &entry] { open(entry); });
    }
    if (QAction* contents = m_w.menuItem(names::mnuContents)) {
        contents->setShortcut(QKeySequence(Qt::Key_F1));
        contents->setShortcutContext(Qt::WindowShortcut);
        connect(contents, &QAction::triggered, this, &MenuDocuments::mnuContentsClick);
    }
}

MenuDocuments::~MenuDocuments()
{
    delete m_help.data();
}

HelpWindow* MenuDocuments::helpWindow() const
{
    return m_help.data();
}

ReaderEnvironment MenuDocuments::environment() const
{
    return {m_context, m_w.form, m_narration};
}

void MenuDocuments::open(const CatalogueEntry& entry)
{
    OpenCatalogueEntry(environment(), entry);
}

void MenuDocuments::SSCommand5Click()
{
    if (const CatalogueEntry* entry = catalogueEntry(names::SSCommand5))
        open(*entry);
}

void MenuDocuments::mnuContentsClick()
{
    if (m_context.windows)
        m_context.windows->closePlayList(m_context);

    const FileSystem& fs = *m_context.platform.fileSystem;
    const QString contents = fs.resolve(fs.dataFolder() + kHelpContentsPath.toString());
    if (contents.isEmpty()) {
        MessageBoxRequest box;
        box.title = QString::fromUtf16(kBoxTitle);
        box.icon = MsgIcon::Exclamation;
        box.text = helpMissingText(QDir::toNativeSeparators(fs.dataFolder() + u"/help"_qs));
        m_context.platform.dialogs->messageBox(box);
        return;
    }
    if (!m_help)
        m_help = new HelpWindow(m_w.form);
    m_help->showContents(contents);
}

} // namespace kestrane
