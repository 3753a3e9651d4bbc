#pragma once

#include "state/app_context.h"

#include <QDialog>

class QPushButton;
class QShortcut;

namespace kestrane {

class RichTextBox;
class WavePlayer;

// What the reader needs from outside: the state and services, the main window it stays above, and
// the main window's multimedia control that plays the narration (may be null: nothing plays).
struct ReaderEnvironment
{
    AppContext& context;
    QWidget* mainWindow = nullptr;
    WavePlayer* narration = nullptr;
};

// A stretch of the document's text: a cursor position and a length.
struct TextRange
{
    int position = 0;
    int length = 0;
};

// txtForm: the shared rich-text reader, a fixed-size tool window. It exists only while a document
// is shown; the first reference creates and loads it (txtForm() below), OK unloads it.
class ReaderWindow : public QDialog
{
    Q_OBJECT

public:
    // The Load event: closes the screen-saver play list, centres the window, takes DocumentCaption.
    explicit ReaderWindow(const ReaderEnvironment& environment);
    ~ReaderWindow() override;

    RichTextBox* rtbText() const { return m_text; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* playButton() const { return m_play; }
    QPushButton* stopButton() const { return m_stop; }
    QPushButton* printButton() const { return m_print; }

    // OK fills the row up to 4 pixels before the print button (with the narration buttons hidden).
    void widenOk();
    void setOkWidth(int pixels);
    // Shows the reader modally; returns when it has been closed.
    void showModal();
    // Closes and forgets the window; the next reference loads a new one in its design state.
    void unload();
    bool isUnloaded() const { return m_unloaded; }

    // Marks places in the document (the words a search found): the first is selected and scrolled
    // into view, F3 selects the next and Shift+F3 the one before, round the end.
    void setMatches(const QList<TextRange>& matches);
    void nextMatch();
    void previousMatch();
    int currentMatch() const { return m_currentMatch; }

    // The handlers, also reached by the buttons.
    void okClicked();
    void playNarration();
    void stopNarration();
    void printDocument();

    void done(int result) override;
    // Escape works as OK does, giving the main window back.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void setupWidgets();
    void centreOnScreen();
    int pixelsX(int twips) const;
    int pixelsY(int twips) const;
    void selectMatch(int index);

    ReaderEnvironment m_env;
    RichTextBox* m_text = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_play = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_print = nullptr;
    bool m_unloaded = false;
    QList<TextRange> m_matches;
    int m_currentMatch = -1;
};

// The reader now loaded, or null.
ReaderWindow* findReader(const AppContext& context);
// The first reference: the reader now loaded, else a new one (its Load runs now).
ReaderWindow& txtForm(const ReaderEnvironment& environment);

} // namespace kestrane
