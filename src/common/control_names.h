#pragma once

#include "common/year_keys.h"

#include <QString>

// The fixed names of the windows and of the main window's controls: every widget carries its name
// as objectName (control arrays as "cmdYR(5)"), menu items are QActions named after the item.
// Windows and tests find controls through these constants.
namespace kestrane::names {

// An element of a control array: "cmdYR(5)".
inline QString indexed(const char16_t* base, int index)
{
    return QString::fromUtf16(base) + u'(' + QString::number(index) + u')';
}

inline QString name(const char16_t* base)
{
    return QString::fromUtf16(base);
}

// Windows.
inline constexpr char16_t Form1[] = u"Form1";           // main window
inline constexpr char16_t Form2[] = u"Form2";           // splash
inline constexpr char16_t txtForm[] = u"txtForm";       // rich-text reader
inline constexpr char16_t frmSlide[] = u"frmSlide";     // slide show
inline constexpr char16_t frmSSPhoto[] = u"frmSSPhoto"; // screen-saver play list
inline constexpr char16_t frmScroll[] = u"frmScroll";   // large-image viewer
inline constexpr char16_t frmMovies[] = u"frmMovies";   // movie player
inline constexpr char16_t frmAbout[] = u"frmAbout";
inline constexpr char16_t frmHelp[] = u"frmHelp";     // the program's own help
inline constexpr char16_t frmSearch[] = u"frmSearch"; // search across the disc's documents

// Form1: the year page.
inline constexpr char16_t cmdYR[] = u"cmdYR"; // array 1..49
using kestrane::kYearButtonCount;
inline constexpr char16_t panYear[] = u"panYear";
inline constexpr char16_t panPhoto[] = u"panPhoto";
inline constexpr char16_t Image4[] = u"Image4";
inline constexpr char16_t SpinButton1[] = u"SpinButton1";
inline constexpr char16_t txtFile[] = u"txtFile";
inline constexpr char16_t rtbDetails[] = u"rtbDetails";
inline constexpr char16_t MMControl1[] = u"MMControl1";

// Form1: the page buttons.
inline constexpr char16_t cmdDesc[] = u"cmdDesc";
inline constexpr char16_t cmdStats[] = u"cmdStats";
inline constexpr char16_t cmdOptions[] = u"cmdOptions";
inline constexpr char16_t cmdColors[] = u"cmdColors";
inline constexpr char16_t cmdNostalgia[] = u"cmdNostalgia";
inline constexpr char16_t cmdScript[] = u"cmdScript";
inline constexpr char16_t cmdEmblem[] = u"cmdEmblem";
inline constexpr char16_t cmdEmbRear[] = u"cmdEmbRear";
inline constexpr char16_t cmdEmbSide[] = u"cmdEmbSide";
inline constexpr char16_t cmdClipArt[] = u"cmdClipArt";
inline constexpr char16_t cmdAd[] = u"cmdAd";
inline constexpr char16_t cmdBrochure[] = u"cmdBrochure";
inline constexpr char16_t cmdSlide[] = u"cmdSlide";
inline constexpr char16_t Frame1[] = u"Frame1";
inline constexpr char16_t cmdExit[] = u"cmdExit";

// Form1: the insignia pictures laid over the photograph.
inline constexpr char16_t PicClipArt[] = u"PicClipArt";
inline constexpr char16_t picScript[] = u"picScript";
inline constexpr char16_t picEmblem[] = u"picEmblem";
inline constexpr char16_t picEmbRear[] = u"picEmbRear";
inline constexpr char16_t picEmbSide[] = u"picEmbSide";

// Form1: the hidden panels and what they hold.
inline constexpr char16_t pnlPrint[] = u"pnlPrint";
inline constexpr char16_t List1[] = u"List1"; // array 0..1, the year lists of pnlPrint
inline constexpr char16_t Label3[] = u"Label3";
inline constexpr char16_t Text2[] = u"Text2";
inline constexpr char16_t Check1[] = u"Check1"; // array 0..7
inline constexpr char16_t Frame2[] = u"Frame2";
inline constexpr char16_t cmdPrint[] = u"cmdPrint";
inline constexpr char16_t cmdOK[] = u"cmdOK";
inline constexpr char16_t SSCommand9[] = u"SSCommand9";
inline constexpr char16_t Picture3[] = u"Picture3";
inline constexpr char16_t rtbText[] = u"rtbText";

inline constexpr char16_t pnlSound[] = u"pnlSound";
inline constexpr char16_t Label10[] = u"Label10";
inline constexpr char16_t lblSound[] = u"lblSound"; // array 0..28
inline constexpr char16_t SSCommand1[] = u"SSCommand1";
inline constexpr char16_t SSCommand2[] = u"SSCommand2"; // array 0..28 on pnlSound
inline constexpr char16_t SSCommand3[] = u"SSCommand3";

inline constexpr char16_t pnlProgress[] = u"pnlProgress";
inline constexpr char16_t Label1[] = u"Label1";
inline constexpr char16_t Label2[] = u"Label2";
inline constexpr char16_t Text1[] = u"Text1";
inline constexpr char16_t ProgressGuage[] = u"ProgressGuage";
inline constexpr char16_t ProgressGuage2[] = u"ProgressGuage2";
inline constexpr char16_t cmdCopy[] = u"cmdCopy";
inline constexpr char16_t cmdCancel[] = u"cmdCancel";

inline constexpr char16_t pnlSSaver[] = u"pnlSSaver";
inline constexpr char16_t Option1[] = u"Option1"; // array 0..1 on pnlSSaver
inline constexpr char16_t SSCommand4[] = u"SSCommand4";
inline constexpr char16_t SSCommand5[] = u"SSCommand5";
inline constexpr char16_t SSCommand6[] = u"SSCommand6";
inline constexpr char16_t panInterval[] = u"panInterval";
inline constexpr char16_t SpinInterval[] = u"SpinInterval";

inline constexpr char16_t SSpnlPenrow[] = u"SSpnlPenrow";
inline constexpr char16_t Picture1[] = u"Picture1";
inline constexpr char16_t Command1[] = u"Command1"; // array 0..53
inline constexpr int kPenrowButtonCount = 54;
inline constexpr char16_t Label12[] = u"Label12"; // array 1..53
inline constexpr char16_t SSCommand7[] = u"SSCommand7";
inline constexpr char16_t SSCommand8[] = u"SSCommand8";

// frmAbout: the about box (SSCommand1 closes it, SSCommand2 opens the maker's site).
inline constexpr char16_t panAbout[] = u"panAbout";
inline constexpr char16_t Picture2[] = u"Picture2"; // the logo
inline constexpr char16_t SSPanel1[] = u"SSPanel1";
inline constexpr char16_t SSPanel2[] = u"SSPanel2";
inline constexpr char16_t SSPanel3[] = u"SSPanel3";
inline constexpr char16_t SSPanel4[] = u"SSPanel4";
inline constexpr char16_t SSPanel5[] = u"SSPanel5";
inline constexpr char16_t SSPanel6[] = u"SSPanel6";
inline constexpr char16_t panQuoxel[] = u"panQuoxel";
inline constexpr char16_t Image1[] = u"Image1";
// frmMovies (its Exit button is SSCommand1, as on pnlSound).
inline constexpr char16_t optMovie[] = u"optMovie"; // array 0..7
inline constexpr char16_t MediaPlayer1[] = u"MediaPlayer1";
// frmSlide: the slide show. It shares SSCommand1, SSCommand2, Option1, panYear, panInterval,
// SpinInterval, Picture3, Image1, Picture2 and cmdExit with the names above.
inline constexpr char16_t Picture4[] = u"Picture4";
inline constexpr char16_t pnlPhotoNumber[] = u"pnlPhotoNumber";
inline constexpr char16_t Frame3[] = u"Frame3";
inline constexpr char16_t optSeq[] = u"optSeq";   // array 0..1
inline constexpr char16_t mmSlide[] = u"mmSlide"; // the row of seven buttons below
inline constexpr char16_t mmSlideBkwd[] = u"mmSlideBkwd";
inline constexpr char16_t mmSlideFwd[] = u"mmSlideFwd";
inline constexpr char16_t mmSlidePlay[] = u"mmSlidePlay";
inline constexpr char16_t mmSlidePause[] = u"mmSlidePause";
inline constexpr char16_t mmSlideJumpBkwd[] = u"mmSlideJumpBkwd";
inline constexpr char16_t mmSlideJumpFwd[] = u"mmSlideJumpFwd";
inline constexpr char16_t mmSlideExit[] = u"mmSlideExit";
inline constexpr char16_t PnlCoStar[] = u"PnlCoStar";
inline constexpr char16_t StatusDay[] = u"StatusDay";
inline constexpr char16_t StatusDate[] = u"StatusDate";
inline constexpr char16_t StatusTime[] = u"StatusTime";
// frmScroll, the large-image viewer (its close button is SSCommand1).
inline constexpr char16_t HScroll1[] = u"HScroll1";
inline constexpr char16_t VScroll1[] = u"VScroll1";
inline constexpr char16_t picParent[] = u"picParent";
inline constexpr char16_t picChild[] = u"picChild";

// frmHelp.
inline constexpr char16_t txtHelp[] = u"txtHelp";
inline constexpr char16_t cmdHelpContents[] = u"cmdHelpContents";
inline constexpr char16_t cmdHelpBack[] = u"cmdHelpBack";
inline constexpr char16_t cmdHelpForward[] = u"cmdHelpForward";
inline constexpr char16_t cmdHelpClose[] = u"cmdHelpClose";
// frmSSPhoto, the screen-saver play list: Picture1, ProgressGuage and SSCommand1..9 as above.
inline constexpr char16_t Text4[] = u"Text4";

// Form1: the menu items (QActions). Arrays: mnuArticles 1..7, mnuMag 1..13, mnuMus 1..2,
// mnuArt 0, 2..4, mnukestystuff 0..15, mnuSpecialty 0..10. The full tree is in menu_table.h.
inline constexpr char16_t mnuFile[] = u"mnuFile";
inline constexpr char16_t mnuWallPaper[] = u"mnuWallPaper";
inline constexpr char16_t mnuCopyPhoto[] = u"mnuCopyPhoto";
inline constexpr char16_t mnuCopy[] = u"mnuCopy";
inline constexpr char16_t mnuRemove[] = u"mnuRemove";
inline constexpr char16_t mnuCopyMovies[] = u"mnuCopyMovies";
inline constexpr char16_t mnuRemoveMovies[] = u"mnuRemoveMovies";
inline constexpr char16_t mnuSaver[] = u"mnuSaver";
inline constexpr char16_t mnuVideo[] = u"mnuVideo";
inline constexpr char16_t mnuPrintPhoto[] = u"mnuPrintPhoto";
inline constexpr char16_t mnuPrnt[] = u"mnuPrnt";
inline constexpr char16_t mnuPrint[] = u"mnuPrint";
inline constexpr char16_t mnuCheckScreen[] = u"mnuCheckScreen";
inline constexpr char16_t mnuNames[] = u"mnuNames";
inline constexpr char16_t mnuExit[] = u"mnuExit";
inline constexpr char16_t mnuSound[] = u"mnuSound";
inline constexpr char16_t mnuMovies[] = u"mnuMovies";
inline constexpr char16_t mnuLiterature[] = u"mnuLiterature";
inline constexpr char16_t mnuTopTen[] = u"mnuTopTen";
inline constexpr char16_t mnuOstrel1[] = u"mnuOstrel1";
inline constexpr char16_t mnuGarrow[] = u"mnuGarrow";
inline constexpr char16_t mnuLitArticles[] = u"mnuLitArticles";
inline constexpr char16_t mnuArticles[] = u"mnuArticles";
inline constexpr char16_t mnuBooks[] = u"mnuBooks";
inline constexpr char16_t mnuCatalogs[] = u"mnuCatalogs";
inline constexpr char16_t mnuMagazines[] = u"mnuMagazines";
inline constexpr char16_t mnuMag[] = u"mnuMag";
inline constexpr char16_t mnuMisc[] = u"mnuMisc";
inline constexpr char16_t mnuADs[] = u"mnuADs";
inline constexpr char16_t mnuEngines[] = u"mnuEngines";
inline constexpr char16_t mnuEmblems[] = u"mnuEmblems";
inline constexpr char16_t mnuGlossary[] = u"mnuGlossary";
inline constexpr char16_t mnuMiscellany[] = u"mnuMiscellany";
inline constexpr char16_t mnuMuseums[] = u"mnuMuseums";
inline constexpr char16_t mnuMus[] = u"mnuMus";
inline constexpr char16_t mnuTimeLine[] = u"mnuTimeLine";
inline constexpr char16_t MnuIDKesty[] = u"MnuIDKesty";
inline constexpr char16_t mnuPenrow[] = u"mnuPenrow";
inline constexpr char16_t mnuArtWork[] = u"mnuArtWork";
inline constexpr char16_t mnuArt[] = u"mnuArt";
inline constexpr char16_t mnustuff[] = u"mnustuff";
inline constexpr char16_t mnukestystuff[] = u"mnukestystuff";
inline constexpr char16_t mnuSpecial[] = u"mnuSpecial";
inline constexpr char16_t mnuSpecialty[] = u"mnuSpecialty";
inline constexpr char16_t mnuSlideShow[] = u"mnuSlideShow";
inline constexpr char16_t mnuDalworth[] = u"mnuDalworth";
inline constexpr char16_t mnuHideStatus[] = u"mnuHideStatus";
inline constexpr char16_t mnuWeb[] = u"mnuWeb";
inline constexpr char16_t mnuHelp[] = u"mnuHelp";
inline constexpr char16_t mnuContents[] = u"mnuContents";
inline constexpr char16_t mnuQXSoftware[] = u"mnuQXSoftware";
inline constexpr char16_t mnuWhatsNew[] = u"mnuWhatsNew";
inline constexpr char16_t mnuIntro[] = u"mnuIntro";
inline constexpr char16_t mnuNotice[] = u"mnuNotice";
inline constexpr char16_t mnuCredits[] = u"mnuCredits";
inline constexpr char16_t mnuContrib[] = u"mnuContrib";
inline constexpr char16_t mnuSysInfo[] = u"mnuSysInfo";
inline constexpr char16_t mnuAbout[] = u"mnuAbout";
inline constexpr char16_t mnuExit2[] = u"mnuExit2";

// frmSearch.
inline constexpr char16_t txtSearch[] = u"txtSearch";
inline constexpr char16_t lblSearchStatus[] = u"lblSearchStatus";
inline constexpr char16_t prgSearchIndex[] = u"prgSearchIndex";
inline constexpr char16_t lstSearchResults[] = u"lstSearchResults";

} // namespace kestrane::names
