// The exhibition time dialog's input rules and the exhibition time clock, without windows: what
// a keystroke does to a box, where the focus goes, what OK and "閉じる" write into
// UserTenjiTime[frame][race][stadium]. The program of 6 January 2024 gives stadium 24 (大村).
#include "engine/engine.h"
#include "engine/tenjitime.h"
#include "platform/programfolder.h"
#include "support/testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TenjiTimeTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    ProgramFolder folder{tmp.path()};
    RecordingUi ui;
    Engine e{folder, ui};

    void SetUp() override
    {
        const QString copy = tmp.filePath(QStringLiteral("B240106.TXT"));
        ASSERT_TRUE(QFile::copy(RealData(QStringLiteral("program/B240106.TXT")), copy));
        ASSERT_TRUE(e.Bangumi.FileConv(copy));
        ASSERT_TRUE(e.Bangumi.FileLoad(QStringLiteral("24")));
        ASSERT_EQ(e.StadiumNumber(), 24);
        e.SelectedRaceNo = 3;
    }

    float stored(int frame, int race = 3, int stadium = 24) const
    {
        return e.st.UserTenjiTime.Get(frame, race, stadium);
    }

    // The dialog after load, with `keys` typed ("\b" is backspace).
    TenjiTimeInput typed(const QString& keys)
    {
        TenjiTimeInput in;
        in.Load(e);
        for (QChar k : keys)
            in.Type(k);
        return in;
    }

    static QStringList texts(const TenjiTimeInput& in)
    {
        QStringList t;
        for (int i = 0; i < 6; ++i)
            t << in.Box(i).text;
        return t;
    }
};

TenjiTimeBox box(const QString& text, int cursor, int selStart = 0, int selLength = 0)
{
    return {text, cursor, selStart, selLength};
}

TenjiTimeBox box(const char16_t* text, int cursor, int selStart = 0, int selLength = 0)
{
    return box(QString::fromUtf16(text), cursor, selStart, selLength);
}

} // namespace

TEST(TenjiTimeTypeTest, KeystrokesOnOneBox)
{
    struct Case {
        const char* what;
        TenjiTimeBox before;
        char16_t key;
        const char16_t* after; // nullptr: refused
        int cursor;
    };
    const Case cases[] = {
        {"typing over the selected text", box(u"0.00", 4, 0, 4), u'6', u"6", 1},
        {"digit at the end", box(u"6.", 2), u'7', u"6.7", 3},
        {"point at the end", box(u"6", 1), u'.', u"6.", 2},
        {"fourth character", box(u"6.7", 3), u'5', u"6.75", 4},
        {"fifth character", box(u"6.75", 4), u'1', nullptr, 0},
        {"fifth character into a long loaded text", box(u"12.50", 5), u'1', nullptr, 0},
        {"a point inserted in the middle", box(u"67", 1), u'.', u"6.7", 2},
        {"a second point is typed", box(u"6.", 2), u'.', u"6..", 3},
        {"part of the text replaced", box(u"6.75", 4, 2, 2), u'8', u"6.8", 3},
        {"letter", box(u"6", 1), u'a', nullptr, 0},
        {"blank", box(u"6", 1), u' ', nullptr, 0},
        {"minus sign", box(u"", 0), u'-', nullptr, 0},
        {"comma", box(u"6", 1), u',', nullptr, 0},
        {"full-width digit", box(u"6", 1), u'６', nullptr, 0},
        {"paste (Ctrl+V)", box(u"6", 1), u'\x16', nullptr, 0},
        {"backspace at the end", box(u"6.7", 3), u'\b', u"6.", 2},
        {"backspace in the middle", box(u"6.75", 2), u'\b', u"675", 1},
        {"backspace at the start", box(u"6.7", 0), u'\b', u"6.7", 0},
        {"backspace on the selected text", box(u"0.00", 4, 0, 4), u'\b', u"", 0},
        {"backspace on a long loaded text", box(u"12.50", 5), u'\b', u"12.5", 4},
        {"cursor past the end is taken as the end", box(u"6.", 99), u'5', u"6.5", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<TenjiTimeBox> r = TenjiTimeType(c.before, QChar(c.key));
        if (!c.after) {
            EXPECT_FALSE(r.has_value());
            continue;
        }
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(r->text, QString::fromUtf16(c.after));
        EXPECT_EQ(r->cursor, c.cursor);
        EXPECT_EQ(r->selLength, 0);
    }
}

TEST(TenjiTimeTypeTest, WhatATextStandsFor)
{
    struct Case {
        const char* text;
        std::optional<float> value;
    };
    const Case cases[] = {
        {"6.75", 6.75f}, {"6.7", 6.7f}, {".5", 0.5f}, {"5.", 5.0f}, {"0", 0.0f}, {"0.00", 0.0f},
        {"", 0.0f},          // empty: no time
        {"1234", 1234.0f}, {"9999", 9999.0f},
        {"6.755", 6.76f},    // as shown "0.00"
        {"6.754", 6.75f},
        {".", std::nullopt}, {"6..7", std::nullopt}, {"1.2.3", std::nullopt}, {"abc", std::nullopt},
        {"6a", std::nullopt}, {"-1", std::nullopt}, {"10000", std::nullopt}, {"1e999", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TenjiTimeValue(QString::fromLatin1(c.text)), c.value);
    }
}

TEST_F(TenjiTimeTest, LoadShowsTheTypedTimesOfTheSelectedRaceAndStadium)
{
    e.st.UserTenjiTime.Set(2, 3, 24, 6.8f);
    e.st.UserTenjiTime.Set(5, 3, 24, 12.5f);
    e.st.UserTenjiTime.Set(1, 4, 24, 7.0f); // another race
    e.st.UserTenjiTime.Set(1, 3, 23, 7.0f); // another stadium
    TenjiTimeInput in;
    in.Load(e);
    EXPECT_EQ(texts(in), (QStringList{"0.00", "6.80", "0.00", "0.00", "12.50", "0.00"}));
    EXPECT_EQ(in.Focus(), 0);
    EXPECT_EQ(in.Box(0).selStart, 0);
    EXPECT_EQ(in.Box(0).selLength, 4);
}

TEST_F(TenjiTimeTest, KeystrokesThroughTheDialog)
{
    struct Case {
        const char* keys;
        QStringList texts;
        int focus;
    };
    const QString z = QStringLiteral("0.00");
    const Case cases[] = {
        {"", {z, z, z, z, z, z}, 0},
        {"6.7", {"6.7", z, z, z, z, z}, 0},
        {"6.75", {"6.75", z, z, z, z, z}, 1},             // full: on to box 2
        {"6.756.8", {"6.75", "6.8", z, z, z, z}, 1},
        {"6.756.80", {"6.75", "6.80", z, z, z, z}, 2},
        {"6.756.806.816.826.836.84", {"6.75", "6.80", "6.81", "6.82", "6.83", "6.84"}, TenjiTimeInput::kOk},
        {"1234", {"1234.00", z, z, z, z, z}, 1},          // reformatted on leaving
        {".123", {"0.12", z, z, z, z, z}, 1},
        {"1..2", {"1..2", z, z, z, z, z}, 0},             // not a number: the focus stays
        {"1..2\b\b\b.5", {"1.5", z, z, z, z, z}, 0},
        {"abc", {z, z, z, z, z, z}, 0},                   // refused: the selected text stays
        {"6x.7y5", {"6.75", z, z, z, z, z}, 1},
        {"6.7\b\b", {"6", z, z, z, z, z}, 0},
        {"\b", {"", z, z, z, z, z}, 0},
        {"6.75\b", {"6.75", "", z, z, z, z}, 1},          // backspace clears the next box
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        const TenjiTimeInput in = typed(QString::fromLatin1(c.keys));
        EXPECT_EQ(texts(in), c.texts);
        EXPECT_EQ(in.Focus(), c.focus);
    }
}

TEST_F(TenjiTimeTest, TheNextBoxIsEnteredWithItsTextSelected)
{
    e.st.UserTenjiTime.Set(2, 3, 24, 6.9f);
    TenjiTimeInput in = typed(QStringLiteral("6.75"));
    ASSERT_EQ(in.Focus(), 1);
    EXPECT_EQ(in.Box(1).selLength, 4);
    in.Type(u'7');
    EXPECT_EQ(in.Box(1).text, QStringLiteral("7"));
}

TEST_F(TenjiTimeTest, LeavingABox)
{
    struct Case {
        const char* text;
        bool leaves;
        const char* shown;
    };
    const Case cases[] = {
        {"6.7", true, "6.70"}, {"6", true, "6.00"}, {".5", true, "0.50"}, {"12.", true, "12.00"},
        {"", true, "0.00"},     // empty is "no time"
        {".", false, "."}, {"6..", false, "6.."}, {"1.2.", false, "1.2."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TenjiTimeInput in;
        in.Load(e);
        in.SetBox(0, box(QString::fromLatin1(c.text), 0));
        EXPECT_EQ(in.MoveFocus(3), c.leaves);
        EXPECT_EQ(in.Focus(), c.leaves ? 3 : 0);
        EXPECT_EQ(in.Box(0).text, QString::fromLatin1(c.shown));
    }
}

TEST_F(TenjiTimeTest, CancelCanAlwaysBeReached)
{
    TenjiTimeInput in = typed(QStringLiteral("6.."));
    EXPECT_FALSE(in.MoveFocus(TenjiTimeInput::kOk));
    EXPECT_TRUE(in.MoveFocus(TenjiTimeInput::kCancel));
    EXPECT_EQ(in.Focus(), TenjiTimeInput::kCancel);
    EXPECT_FALSE(in.MoveFocus(-1));
    EXPECT_FALSE(in.MoveFocus(8));
}

TEST_F(TenjiTimeTest, OkStoresEveryBoxForTheSelectedRaceAndStadium)
{
    e.st.UserTenjiTime.Set(5, 3, 24, 6.5f); // box 5 is emptied: cleared
    e.st.UserTenjiTime.Set(1, 4, 24, 7.1f);
    e.st.UserTenjiTime.Set(1, 3, 23, 7.2f);
    TenjiTimeInput in = typed(QStringLiteral("6.756.806.7"));
    in.MoveFocus(4);
    in.Type(u'\b'); // box 5 emptied: no time
    in.MoveFocus(5);
    in.Type(u'7');
    ASSERT_TRUE(in.Ok(e));
    EXPECT_FLOAT_EQ(stored(1), 6.75f);
    EXPECT_FLOAT_EQ(stored(2), 6.80f);
    EXPECT_FLOAT_EQ(stored(3), 6.70f);
    EXPECT_EQ(stored(4), 0.0f);
    EXPECT_EQ(stored(5), 0.0f);
    EXPECT_FLOAT_EQ(stored(6), 7.0f);
    // Other races and stadiums keep theirs.
    EXPECT_FLOAT_EQ(stored(1, 4, 24), 7.1f);
    EXPECT_FLOAT_EQ(stored(1, 3, 23), 7.2f);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(TenjiTimeTest, OkWithABoxThatHoldsNoTimeStoresNothing)
{
    e.st.UserTenjiTime.Set(1, 3, 24, 6.5f);
    // The focused box is checked as leaving it is.
    TenjiTimeInput in = typed(QStringLiteral("7.1.")); // full, but cannot be left
    ASSERT_EQ(in.Focus(), 0);
    EXPECT_FALSE(in.Ok(e));
    EXPECT_EQ(in.Focus(), 0);
    EXPECT_FLOAT_EQ(stored(1), 6.5f);

    // A box left for "ｷｬﾝｾﾙ" is found again and gets the focus with its text selected.
    TenjiTimeInput left = typed(QStringLiteral("6.7"));
    left.MoveFocus(1);
    left.SetBox(2, box(QStringLiteral(".."), 2));
    left.MoveFocus(2);
    ASSERT_TRUE(left.MoveFocus(TenjiTimeInput::kCancel));
    ASSERT_TRUE(left.MoveFocus(TenjiTimeInput::kOk));
    EXPECT_FALSE(left.Ok(e));
    EXPECT_EQ(left.Focus(), 2);
    EXPECT_EQ(left.Box(2).selLength, 2);
    EXPECT_FLOAT_EQ(stored(1), 6.5f);
    EXPECT_EQ(stored(2), 0.0f);
}

TEST_F(TenjiTimeTest, WithoutASelectedRaceNothingIsStored)
{
    e.SelectedRaceNo = 0;
    TenjiTimeInput in = typed(QStringLiteral("6.75"));
    EXPECT_EQ(in.Box(0).text, QStringLiteral("6.75"));
    EXPECT_TRUE(in.Ok(e));
    for (int r = 1; r <= 12; ++r)
        EXPECT_EQ(stored(1, r), 0.0f);
}

TEST(TenjiTimeDialogPosTest, CentredAtOneThirdOfTheScreenHeight)
{
    EXPECT_EQ(TenjiTimeDialogPos(QRect(0, 0, 1920, 1080), QSize(300, 240)), QPoint(810, 280));
    EXPECT_EQ(TenjiTimeDialogPos(QRect(1920, 0, 1280, 1024), QSize(280, 224)), QPoint(2420, 266));
    // Larger than the screen: the top left corner stays on it.
    EXPECT_EQ(TenjiTimeDialogPos(QRect(0, 0, 200, 100), QSize(300, 240)), QPoint(0, 0));
}

// ---- the clock ------------------------------------------------------------------------------

class TenjiTimeClockTest : public TenjiTimeTest {
protected:
    qint64 ms = 100000;
    TenjiTimeClock clock{[this] { return ms; }};

    void timeAll()
    {
        for (int b = 1; b <= 6; ++b) {
            clock.Press(b);
            ms += 6500 + 10 * b;
            clock.Press(b);
        }
    }
};

TEST_F(TenjiTimeClockTest, KeysOfTheMainKeyboardAndKeypadNameTheBoats)
{
    for (int b = 1; b <= 6; ++b)
        EXPECT_EQ(TenjiTimeClock::BoatForKey(Qt::Key_1 + b - 1), b);
    for (int k : {int(Qt::Key_0), int(Qt::Key_7), int(Qt::Key_9), int(Qt::Key_A), int(Qt::Key_Space), int(Qt::Key_End)})
        EXPECT_EQ(TenjiTimeClock::BoatForKey(k), 0) << k;
}

TEST_F(TenjiTimeClockTest, PressStartsStopsAndStartsAgain)
{
    EXPECT_EQ(clock.Text(2), QString());
    clock.Press(2);
    EXPECT_EQ(clock.Text(2), QStringLiteral("計測中"));
    EXPECT_TRUE(clock.Running(2));
    ms += 6750;
    clock.Press(2);
    EXPECT_EQ(clock.Text(2), QStringLiteral("6.75"));
    EXPECT_FALSE(clock.Running(2));
    clock.Press(2); // third press: a new measurement
    EXPECT_EQ(clock.Text(2), QStringLiteral("計測中"));
    ms += 6812;
    clock.Press(2);
    EXPECT_EQ(clock.Text(2), QStringLiteral("6.81"));
    // The other boats were never touched.
    for (int b : {1, 3, 4, 5, 6})
        EXPECT_EQ(clock.Text(b), QString()) << b;
}

TEST_F(TenjiTimeClockTest, WatchesRunIndependently)
{
    clock.Press(1);
    ms += 100;
    clock.Press(3);
    ms += 6655;
    clock.Press(1); // 6.755 s
    ms += 245;
    clock.Press(3); // 6.900 s
    EXPECT_EQ(clock.Text(1), QStringLiteral("6.76"));
    EXPECT_EQ(clock.Text(3), QStringLiteral("6.90"));
}

TEST_F(TenjiTimeClockTest, OddPressesAndAClockThatStepsBack)
{
    clock.Press(0);
    clock.Press(7);
    clock.Press(-1);
    for (int b = 1; b <= 6; ++b)
        EXPECT_EQ(clock.Text(b), QString());
    EXPECT_EQ(clock.Text(0), QString());
    EXPECT_EQ(clock.Text(7), QString());
    clock.Press(4);
    ms -= 500;
    clock.Press(4);
    EXPECT_EQ(clock.Text(4), QStringLiteral("0.00"));
    clock.Press(5);
    clock.Press(5); // same millisecond
    EXPECT_EQ(clock.Text(5), QStringLiteral("0.00"));
}

TEST_F(TenjiTimeClockTest, CloseAsksAndStoresOnYes)
{
    timeAll();
    ASSERT_TRUE(clock.AllNumeric());
    ui.yesNoAnswers = {true};
    EXPECT_TRUE(clock.Close(e));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, QStringLiteral("question"));
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("展示タイムを更新しますか。"));
    EXPECT_EQ(ui.messages[0].title, QString());
    EXPECT_FLOAT_EQ(stored(1), 6.51f);
    EXPECT_FLOAT_EQ(stored(6), 6.56f);
    EXPECT_EQ(stored(1, 4), 0.0f);
}

TEST_F(TenjiTimeClockTest, CloseStoresNothingOnNoOrWithoutSixTimes)
{
    e.st.UserTenjiTime.Set(1, 3, 24, 7.0f);
    timeAll();
    ui.yesNoAnswers = {false};
    EXPECT_FALSE(clock.Close(e));
    EXPECT_EQ(ui.messages.size(), 1);
    EXPECT_FLOAT_EQ(stored(1), 7.0f);
    EXPECT_EQ(stored(2), 0.0f);

    ui.messages.clear();
    clock.Press(6); // running again: "計測中" is not a time
    EXPECT_FALSE(clock.AllNumeric());
    EXPECT_FALSE(clock.Close(e));
    EXPECT_TRUE(ui.messages.isEmpty());

    TenjiTimeClock fresh{[this] { return ms; }};
    EXPECT_FALSE(fresh.Close(e)); // nothing measured
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_FLOAT_EQ(stored(1), 7.0f);
}
