#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace kestrane {

struct AppContext;
class Printer;

// The page of a printed photograph: eight blank lines, the title, a blank line, the selection,
// a blank line (each line printed as text from the top of the page), then the picture. Before any
// selection the selection line is blank.
QStringList photoHeaderLines(const QString& selectionKey);
inline constexpr int kPhotoTopTwips = 3000;
// The picture printed before any photograph is on show (under CD root).
inline constexpr char16_t kDefaultPhotoPicture[] = u"\\graphics\\emb99.jpg";

// "Would you like to print this photograph?" with OK and Cancel, titled with the application
// title; true for OK.
bool ConfirmPhotoPrint(AppContext& context);

// Prints the picture under its header as one page on the current printer, with the hourglass up.
// A failure is reported as ER040; with no printer installed the user is told which file the page
// went to. Returns true when the page was printed. The caller asks first (ConfirmPhotoPrint) and
// closes its own windows.
bool PrintPhoto(AppContext& context, const QImage& picture, const QString& selectionKey);
// The same for a picture file at a disc-form path (the play list's photographs).
bool PrintPhoto(AppContext& context, const QString& photoPath, const QString& selectionKey);

// The page itself, on any printer: true when it was printed.
bool printPhotoPage(Printer& printer, const QImage& picture, const QString& selectionKey);

} // namespace kestrane
