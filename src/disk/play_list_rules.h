#pragma once

#include <QString>

#include <functional>

namespace kestrane {

struct AppContext;
struct AppState;

// The photograph the play-list window works on (shows, adds, removes, copies): before any
// selection the default emblem photograph, on the dealer page the dealer's photograph (from the
// disc: the photographs copied to the hard drive do not include it), else the photograph on show.
QString playListSourcePhoto(const AppState& state, const QString& descCaption);

// The file name the save dialog proposes for the photograph: its own, and before any selection
// the default emblem photograph's as the disc lists it, in upper case.
QString proposedCopyName(const AppState& state, const QString& sourcePhoto);

// The play-list file of a photograph: program folder + "\sskestys\" + its file name.
QString playListPath(const QString& programFolder, const QString& photoPath);

// Why a target chosen in the save dialog is refused; the dialog then comes back.
enum class CopyTargetRefusal { None, SameFile, PhotoFolder };
// Compares host paths without regard to letter case: the photograph itself, or any file in the
// folder the program reads its photographs from, is refused.
CopyTargetRefusal refuseCopyTarget(const QString& chosen, const QString& source, const QString& photoFolder);
QString refusalMessage(CopyTargetRefusal refusal);

// How a copy's target is named: a disc-form path (the play list below the program folder), or a
// host path the user chose in a dialog, used exactly as chosen.
enum class PhotoTarget { DiscForm, HostPath };

// CopyPhotoFile: copies a photograph for the play list or to the user's own folder, the gauge
// following each 1,000 bytes and ending at 100. An earlier file of the name is replaced only by the
// complete copy; a failure reports ER060 and leaves the target as it was.
bool CopyPhotoFile(AppContext& context, const QString& source, const QString& target,
                   const std::function<void(int)>& gauge, PhotoTarget targetForm = PhotoTarget::DiscForm);

inline constexpr char16_t kPlayListCaption[] = u"The Kestrane Omnivar";
inline constexpr char16_t kPlayListHeading[] = u"Screen Saver Photo Selection";
inline constexpr char16_t kPhotoAdded[] = u"Photo Successfully Copied!";
inline constexpr char16_t kPhotoRemoved[] = u"Photo Successfully Removed!";
inline constexpr char16_t kRemoveAllQuestion[] =
    u"Would you like to remove all photos from the Kestrane Omnivar Screen Saver list?";
inline constexpr char16_t kAllRemoved[] = u"All Photos Successfully Removed!\r\n\r\n"
                                          u"You must re-install the Kestrane Omnivar Screen Saver \r\n"
                                          u"if you have previously installed it to play Selected Photos.";
inline constexpr char16_t kPhotoCopiedTo[] = u"Photo copied to: \r\n\r\n";
inline constexpr char16_t kPrintQuestion[] = u"Would you like to print this photograph?";
inline constexpr char16_t kCopyDialogTitle[] = u"Copy Kestrane photo to disk";
inline constexpr char16_t kPlayListHelp[] = u"Use this form to add or remove Kestrane photos from the\r\n"
                                            u"Kestrane Omnivar Screen Saver play list. Pick and choose\r\n"
                                            u"whatever photos that you would like to include.\r\n"
                                            u"\r\n"
                                            u"Select the Install Screen Saver option under the File menu\r\n"
                                            u"to configure the Screen Saver to recognize selected photos.\r\n"
                                            u"\r\n"
                                            u"If you remove all photos, remember to re-install the \r\n"
                                            u"Screen Saver and choose the Select All Photos option.";

// A photograph that stays in the play list because it could not be deleted.
QString playListRemoveFailedMessage(const QString& hostPath);
// Remove all left `left` photographs in the play list.
QString playListClearIncompleteMessage(int left, const QString& folder);

} // namespace kestrane
