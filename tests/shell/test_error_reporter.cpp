#include "common/error_codes.h"
#include "common/error_reporter.h"
#include "platform/fakes/fake_platform.h"
#include "state/app_context.h"

#include <gtest/gtest.h>

using namespace kestrane;

namespace {

const QString kDisc = u"Make sure that the Kestrane Omnivar is in the CDROM drive."_qs;

QString expected(const QString& code, const QString& middle, bool discLine = true)
{
    QString text = u"Error number: "_qs + code + u"\r\n\r\n"_qs + middle;
    if (discLine)
        text += u"\r\n\r\n"_qs + kDisc;
    return text;
}

struct RecordingMainWindow : MainWindowPort
{
    void bringYearButtonToFront(int index) override { fronts << index; }
    void setMainWindowEnabled(bool enabled) override { enables << enabled; }
    QList<int> fronts;
    QList<bool> enables;
};

struct Reporter : ::testing::Test
{
    FakePlatform fake;
    AppState state;
    RecordingMainWindow window;
    AppContext context{state, fake.platform(), &window};

    void report(const QString& code)
    {
        state.errors.currentErrorCode = code;
        ErrorReporter(context);
    }
};

} // namespace

TEST(ErrorMessages, EveryKindOfCodeComposesItsExactText)
{
    const QString textFile = u" Unable to load text file."_qs;
    const QString slideAny = u" Unable to load Slide Show photo or clip art."_qs;
    const struct
    {
        const char16_t* code;
        QString middle;
    } rows[] = {
        {u"ER012", u" Unable to load photo."_qs},
        {u"ER011", u" Unable to load Slide Show photo."_qs},
        {u"ER039", u" Unable to load Slide Show photo."_qs},
        {u"ER024", u" Kestrane clip art not found for year selected."_qs},
        {u"ER035", u" Kestrane clip art not found for year selected."_qs},
        {u"ER001", u" Unable to detect the Kestrane Omnivar CDROM."_qs},
        {u"ER055", u" Unable to detect the Kestrane Omnivar CDROM."_qs},
        {u"ER021", u" Unable to load  Script  for year selected."_qs},
        {u"ER041", u" Unable to load  Rear Emblem for year selected."_qs},
        // Ranges, compared as text, ends included.
        {u"ER013", slideAny},
        {u"ER016", slideAny},
        {u"ER019", slideAny},
        {u"ER002", textFile},
        {u"ER004", textFile},
        {u"ER010", textFile},
        {u"ER025", textFile},
        {u"ER031", textFile},
        {u"ER043", textFile},
        {u"ER047", textFile},
        {u"ER054", textFile},
        {u"ER058", textFile},
        // Codes next to ranges keep their own texts.
        {u"ER020", u" Error loading text file."_qs},
        {u"ER044", u" Unable to load image."_qs},
        // Not in the table: an empty middle.
        {u"ER099", QString()},
        {u"ER000", QString()},
    };
    for (const auto& row : rows) {
        const QString code = QString::fromUtf16(row.code);
        EXPECT_EQ(composeErrorMessage(code, {}), expected(code, row.middle)) << code.toStdString();
    }
}

TEST(ErrorMessages, ThreeCodesEndRightAfterTheirText)
{
    EXPECT_EQ(composeErrorMessage(u"ER036"_qs, {}),
              expected(u"ER036"_qs, u" 'TO' year may not be earlier than 'FROM' year."_qs, false));
    EXPECT_EQ(composeErrorMessage(u"ER059"_qs, {}),
              expected(u"ER059"_qs, u" You must select both a Start Year and an End Year. "_qs, false));
    EXPECT_TRUE(composeErrorMessage(u"ER059"_qs, {}).endsWith(u"End Year. "_qs));
    EXPECT_EQ(composeErrorMessage(u"ER060"_qs, {}),
              expected(u"ER060"_qs, u" Unable to copy photo to disk. Make sure target media is writeable."_qs,
                       false));
}

TEST(ErrorMessages, SoundFileMessageDropsTheFirstFiveCharactersOfThePath)
{
    EXPECT_EQ(composeErrorMessage(u"ER032"_qs, u"E:\\wav\\narrate.wav"_qs),
              expected(u"ER032"_qs, u" Unable to load sound file: v\\narrate.wav"_qs));
    // A path shorter than five characters leaves nothing, and nothing breaks.
    EXPECT_EQ(composeErrorMessage(u"ER032"_qs, u"E:"_qs),
              expected(u"ER032"_qs, u" Unable to load sound file: "_qs));
}

TEST(ErrorMessages, OnlyThreeCodesAskRetryOrCancel)
{
    for (int n = 0; n <= 70; ++n) {
        const QString code = u"ER%1"_qs.arg(n, 3, 10, QChar(u'0'));
        const bool retry = n == 1 || n == 37 || n == 55;
        EXPECT_EQ(errorCodeInfo(code).retryCancel, retry) << code.toStdString();
    }
}

TEST_F(Reporter, OkBoxIsTitledWithTheStopIconAndStoresTheMessage)
{
    report(u"ER012"_qs);
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    const MessageBoxRequest& box = fake.dialogs.boxes.first();
    EXPECT_EQ(box.title, u"The Kestrane Omnivar"_qs);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(box.text, state.errors.lastErrorMessage);
    EXPECT_EQ(state.errors.lastErrorMessage, expected(u"ER012"_qs, u" Unable to load photo."_qs));
    EXPECT_EQ(state.errors.currentErrorCode, u"ER012"_qs); // the code stays for the next report
    EXPECT_FALSE(fake.app.ended);
}

TEST_F(Reporter, UnknownCodeStillShowsAStopBox)
{
    report(u"ER123"_qs);
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    EXPECT_EQ(fake.dialogs.boxes.first().icon, MsgIcon::Critical);
    EXPECT_EQ(state.errors.lastErrorMessage, expected(u"ER123"_qs, QString()));
}

TEST_F(Reporter, RetryReturnsWithoutTouchingTheWindowAndCancelEndsTheProgram)
{
    for (const char16_t* code : {u"ER001", u"ER037", u"ER055"}) {
        fake.dialogs.answerNext(MsgRetry);
        report(QString::fromUtf16(code));
        EXPECT_EQ(fake.dialogs.boxes.last().buttons, MsgButtons::RetryCancel);
        EXPECT_EQ(fake.dialogs.boxes.last().icon, MsgIcon::None);
        EXPECT_EQ(state.errors.lastErrorAnswer, u"4"_qs);
        EXPECT_FALSE(fake.app.ended);
    }
    EXPECT_TRUE(window.fronts.isEmpty());
    EXPECT_TRUE(window.enables.isEmpty());

    // Cancel on the photo array ends the program even with the main window open.
    fake.dialogs.answerNext(MsgCancel);
    report(u"ER037"_qs);
    EXPECT_EQ(state.errors.lastErrorAnswer, u"2"_qs);
    EXPECT_TRUE(fake.app.ended);
    EXPECT_TRUE(window.fronts.isEmpty());
}

TEST_F(Reporter, AfterAnOkBoxTheNextYearButtonComesToTheFrontAndTheWindowIsEnabled)
{
    const struct
    {
        qint16 current;
        int front;
    } rows[] = {{0, 1}, {1, 2}, {5, 6}, {48, 49}, {49, 1}};
    for (const auto& row : rows) {
        window.fronts.clear();
        state.selection.currentYearButton = row.current;
        report(u"ER023"_qs);
        EXPECT_EQ(window.fronts, QList<int>{row.front}) << row.current;
        EXPECT_EQ(window.enables.last(), true);
    }
}

TEST_F(Reporter, PendingRunTimeErrorSkipsTheFrontRuleButStillEnablesTheWindow)
{
    state.errors.runtimeErrorNumber = 53;
    report(u"ER044"_qs);
    EXPECT_TRUE(window.fronts.isEmpty());
    EXPECT_EQ(window.enables, QList<bool>{true});
}

TEST(Reporter2, WithoutAMainWindowTheReportStillShows)
{
    FakePlatform fake;
    AppState state;
    AppContext context{state, fake.platform(), nullptr};
    state.errors.currentErrorCode = u"ER012"_qs;
    ErrorReporter(context);
    EXPECT_EQ(fake.dialogs.boxes.size(), 1);
}

TEST(ErrorCodes, TextAndCodeAgreeAndAnythingElseIsNoCode)
{
    EXPECT_EQ(errorCodeText(ErrorCode::ER001), u"ER001"_qs);
    EXPECT_EQ(errorCodeText(ErrorCode::ER060), u"ER060"_qs);
    EXPECT_EQ(errorCodeText(ErrorCode::None), QString());
    for (int n = 1; n <= 60; ++n)
        EXPECT_EQ(errorCodeFromText(errorCodeText(ErrorCode(n))), ErrorCode(n)) << n;
    for (const char16_t* text : {u"", u"ER000", u"ER061", u"er023", u"ER23", u"ER0231", u"ERabc"})
        EXPECT_EQ(errorCodeFromText(text), ErrorCode::None) << QString::fromUtf16(text).toStdString();
}

TEST_F(Reporter, OneCallStoresTheCodeAndShowsItsBox)
{
    kestrane::report(context, ErrorCode::ER023);
    EXPECT_EQ(state.errors.currentErrorCode, u"ER023"_qs);
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    EXPECT_TRUE(fake.dialogs.boxes.front().text.startsWith(u"Error number: ER023"_qs));
    // A report from inside an error trap leaves the year buttons alone and clears the trap after.
    kestrane::reportTrapped(context, ErrorCode::ER002);
    EXPECT_EQ(window.fronts.size(), 1);
    EXPECT_EQ(state.errors.runtimeErrorNumber, 0);
}
