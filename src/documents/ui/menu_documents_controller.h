#pragma once

#include "common/ui/main_window_controls.h"
#include "documents/ui/reader_window.h"

#include <QObject>
#include <QPointer>

namespace kestrane {

struct CatalogueEntry;
class HelpWindow;

// Opens one entry of the menu catalogue in the reader, in the entry's style: the error code is
// stored first, a missing or unreadable document reports it and leaves the reader closed. The
// panel help buttons test for the file first. Returns whether the reader is showing the document
// (for modal entries: was showing it until it was closed).
bool OpenCatalogueEntry(const ReaderEnvironment& environment, const CatalogueEntry& entry);

// The document entries of Form1's File, Literature, Miscellaneous and Help menus, Help > Contents
// (also F1) and the screen-saver panel's help button. Menu items the window lacks are skipped.
class MenuDocuments : public QObject
{
    Q_OBJECT

public:
    MenuDocuments(AppContext& context, const MainWindowControls& controls, WavePlayer* narration);
    ~MenuDocuments() override;

    void open(const CatalogueEntry& entry);
    // Help > Contents: the play list goes, then the program's help opens at its contents page.
    void mnuContentsClick();
    // The help button of the screen-saver panel; the panel's builder connects its button here.
    void SSCommand5Click();

    HelpWindow* helpWindow() const;

private:
    ReaderEnvironment environment() const;

    AppContext& m_context;
    MainWindowControls m_w;
    WavePlayer* m_narration = nullptr;
    QPointer<HelpWindow> m_help;
};

} // namespace kestrane
