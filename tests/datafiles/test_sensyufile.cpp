// Loading the racer file: real fan handbooks, the merge of the racer list, the record layout,
// and files that are broken or of another kind.
#include "common/errors.h"
#include "test_sensyu_fixture.h"

#include <QRandomGenerator>

namespace {

const QString kTitle = QStringLiteral("選手ファイル読み取りエラー");

QString ErrorText(int number)
{
    return ErrorDescription(number) + QStringLiteral("\r\n(Error code:") + QString::number(number) + QLatin1Char(')');
}

// Racers of 大村 in the program of 1 January 2024; the last five are newer than fan2004.
const QStringList kOmuraRacers = QStringLiteral(
    "3501 3527 3752 3773 3843 3906 3944 3964 4004 4088 4096 4151 4171 4213 4236 4241 4248 4259 4299 "
    "4301 4315 4332 4352 4393 4497 4498 4603 4638 4695 4705 4715 4822 4855 4919 4924 4948 4966 4981 "
    "5011 5048 5086 5124 5129 5195 5208 5219 5227 5250").split(QLatin1Char(' '));

} // namespace

// ---- real fan handbooks ----

TEST_F(SensyuFileTest, EveryRealFanHandbookLoadsEveryRecord)
{
    struct Case {
        const char* file;
        int records;
        int nen, ki;
        const char *ymdStart, *ymdEnd, *version;
        const char* lastNo;
        int lastYoseiKi;
        long blockB, outside;
    } cases[] = {
        {"fan1510.txt", 1611, 2016, 1, "20150501", "20151031", "2016年前期", "4915", 117, 158598, 162},
        {"fan1810.txt", 1604, 2019, 1, "20180501", "20181031", "2019年前期", "5069", 123, 160593, 219},
        {"fan1904.txt", 1606, 2019, 2, "20181101", "20190430", "2019年後期", "5094", 124, 165879, 251},
        {"fan2004.txt", 1600, 2020, 2, "20191101", "20200430", "2020年後期", "5146", 126, 163563, 328},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        RecordingUi ui;
        cSensyuFile s(ui);
        ASSERT_TRUE(s.FileLoadAll(RealData(QStringLiteral("fan/") + QLatin1String(c.file))));
        EXPECT_TRUE(ui.messages.isEmpty());
        EXPECT_EQ(s.SensyuCount(), c.records);
        EXPECT_EQ(s.SensyuNo(1), QStringLiteral("2014"));
        EXPECT_EQ(s.SensyuNo(c.records), QLatin1String(c.lastNo));
        EXPECT_EQ(s.Nen(), c.nen);
        EXPECT_EQ(s.Ki(), c.ki);
        EXPECT_EQ(s.YmdStart(), QLatin1String(c.ymdStart));
        EXPECT_EQ(s.YmdEnd(), QLatin1String(c.ymdEnd));
        EXPECT_EQ(s.GetSensyuFileVersion(), QString::fromUtf8(c.version));
        EXPECT_EQ(s.LastYoseiKi(), c.lastYoseiKi);
        // Every record is read to its end: the counts of course block B and the results
        // without a course add up to the totals summed from the raw bytes.
        long blockB = 0, outside = 0;
        for (int i = 1; i <= s.SensyuCount(); ++i) {
            const QString no = s.SensyuNo(i);
            ASSERT_EQ(no.size(), 4) << i;
            for (int k = 1; k <= 6; ++k)
                blockB += s.Course1FinishTimes(no, k) + s.Course2FinishTimes(no, k) + s.Course3FinishTimes(no, k)
                          + s.Course4FinishTimes(no, k) + s.Course5FinishTimes(no, k) + s.Course6FinishTimes(no, k)
                          + s.CourseF0Times(no, k) + s.CourseL0Times(no, k) + s.CourseL1Times(no, k)
                          + s.CourseK0Times(no, k) + s.CourseK1Times(no, k) + s.CourseS0Times(no, k)
                          + s.CourseS1Times(no, k) + s.CourseS2Times(no, k);
            outside += s.OutsideCourseL0Times(no) + s.OutsideCourseL1Times(no) + s.OutsideCourseK0Times(no)
                       + s.OutsideCourseK1Times(no);
        }
        EXPECT_EQ(blockB, c.blockB);
        EXPECT_EQ(outside, c.outside);
    }
}

// 峰竜太 (4320) read by hand from the raw bytes of two handbooks.
TEST_F(SensyuFileTest, KnownRacerAcrossTwoHandbooks)
{
    const QString no = QStringLiteral("4320");
    ASSERT_TRUE(s.FileLoad(RealData("fan/fan1510.txt"), {no}));
    EXPECT_EQ(s.NameKanji(no), QStringLiteral("峰　　　　竜　太"));
    EXPECT_EQ(s.NameKana(no), QStringLiteral("ﾐﾈ ﾘｭｳﾀ        ")); // half-width, padding kept
    EXPECT_EQ(s.Birthplace(no), QStringLiteral("佐賀"));
    EXPECT_EQ(s.Class(no), QStringLiteral("A1"));
    EXPECT_EQ(s.Birth(no), QStringLiteral("S600330"));
    EXPECT_EQ(s.Sex(no), 1);
    EXPECT_EQ(s.Age(no), 30);
    EXPECT_EQ(s.Height(no), 174);
    EXPECT_EQ(s.Weight(no), 50);
    EXPECT_EQ(s.Blood(no), QStringLiteral("B "));
    EXPECT_FLOAT_EQ(s.Syoritu(no), 8.58f);
    EXPECT_FLOAT_EQ(s.FSyoritu(no), 71.4f);
    EXPECT_EQ(s.OneFinishTimes(no), 60);
    EXPECT_EQ(s.TwoFinishTimes(no), 45);
    EXPECT_EQ(s.SyussoTimes(no), 147);
    EXPECT_EQ(s.YusyutuTimes(no), 10);
    EXPECT_EQ(s.YusyoTimes(no), 2);
    EXPECT_FLOAT_EQ(s.StartTiming(no), 0.13f);
    EXPECT_EQ(s.CourseSyussoTimes(no, 1), 37);
    EXPECT_FLOAT_EQ(s.CourseFSyoritu(no, 1), 94.6f);
    EXPECT_FLOAT_EQ(s.CourseStartTiming(no, 2), 0.16f);
    EXPECT_FLOAT_EQ(s.CourseStartHatujyun(no, 4), 1.90f);
    EXPECT_EQ(s.CourseSyussoTimes(no, 6), 15);
    EXPECT_EQ(s.ClassOld1(no), QStringLiteral("A1"));
    EXPECT_EQ(s.AbilityOld(no), 60);
    EXPECT_EQ(s.Ability(no), 69);
    EXPECT_EQ(s.YoseiKi(no), 95);
    EXPECT_EQ(s.Course1FinishTimes(no, 1), 29);
    EXPECT_EQ(s.Course2FinishTimes(no, 2), 12);
    EXPECT_EQ(s.Course6FinishTimes(no, 3), 2);
    EXPECT_EQ(s.CourseS0Times(no, 2), 1);
    EXPECT_EQ(s.CourseS1Times(no, 2), 0);
    EXPECT_EQ(s.GetSensyuFileVersion(), QStringLiteral("2016年前期"));
    EXPECT_EQ(s.LastYoseiKi(), 117);

    ASSERT_TRUE(s.FileLoad(RealData("fan/fan2004.txt"), {no}));
    EXPECT_EQ(s.Age(no), 35);
    EXPECT_EQ(s.Height(no), 171);
    EXPECT_EQ(s.Weight(no), 52);
    EXPECT_FLOAT_EQ(s.Syoritu(no), 8.76f);
    EXPECT_FLOAT_EQ(s.FSyoritu(no), 75.1f);
    EXPECT_EQ(s.OneFinishTimes(no), 83);
    EXPECT_EQ(s.SyussoTimes(no), 137);
    EXPECT_EQ(s.YusyoTimes(no), 7);
    EXPECT_EQ(s.CourseSyussoTimes(no, 6), 4);
    EXPECT_FLOAT_EQ(s.CourseFSyoritu(no, 6), 25.0f);
    EXPECT_FLOAT_EQ(s.CourseStartTiming(no, 6), 0.09f);
    EXPECT_EQ(s.AbilityOld(no), 73);
    EXPECT_EQ(s.Ability(no), 65);
    EXPECT_EQ(s.Course1FinishTimes(no, 1), 43);
    EXPECT_EQ(s.CourseS1Times(no, 1), 1);
    EXPECT_EQ(s.CourseS1Times(no, 5), 1);
    EXPECT_EQ(s.OutsideCourseK1Times(no), 0);
    EXPECT_EQ(s.GetSensyuFileVersion(), QStringLiteral("2020年後期"));
    EXPECT_EQ(s.LastYoseiKi(), 126);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(SensyuFileTest, StadiumRacersWithNewcomersMissingFromTheFile)
{
    ASSERT_TRUE(s.FileLoad(RealData("fan/fan2004.txt"), kOmuraRacers));
    ASSERT_EQ(s.SensyuCount(), kOmuraRacers.size());
    const QStringList newcomers = {"5195", "5208", "5219", "5227", "5250"};
    for (int i = 1; i <= kOmuraRacers.size(); ++i) {
        const QString& no = kOmuraRacers.at(i - 1);
        if (newcomers.contains(no)) {
            EXPECT_TRUE(s.SensyuNo(i).isEmpty()) << no.toStdString();
            EXPECT_EQ(s.SensyuIndex(no), 0);
            EXPECT_TRUE(s.NameKanji(no).isEmpty());
            EXPECT_EQ(s.SyussoTimes(no), 0);
        } else {
            EXPECT_EQ(s.SensyuNo(i), no);
            EXPECT_EQ(s.SensyuIndex(no), i);
        }
    }
    EXPECT_EQ(s.NameKanji("3501"), QStringLiteral("川　上　　昇　平"));
    EXPECT_EQ(s.Class("3501"), QStringLiteral("B1"));
    EXPECT_EQ(s.Sex("5129"), 2);
    EXPECT_EQ(s.NameKanji("5129"), QStringLiteral("山　口　　真喜子"));
    EXPECT_EQ(s.YoseiKi("5129"), 126);
    EXPECT_TRUE(ui.messages.isEmpty());
}

// ---- the merge of the racer list ----

class SensyuMergeTest : public SensyuFileTest {
protected:
    void SetUp() override
    {
        path = write(SensyuFileBytes({SensyuRecord("1000").put(50, "21").bytes(),
                                      SensyuRecord("2000").put(50, "22").bytes(),
                                      SensyuRecord("3000").put(50, "23").put(196, "101").bytes()}));
    }
    QString path;
};

TEST_F(SensyuMergeTest, SlotsFollowTheList)
{
    struct Case {
        QStringList list;
        QStringList slots; // SensyuNo of every slot after the load
    } cases[] = {
        {{"2000"}, {"2000"}},
        {{"1000", "1500", "3000"}, {"1000", "", "3000"}},
        {{"2000", "2000"}, {"2000", "2000"}},           // a repeated entry finds the same record
        {{"0999", "3001", "9999"}, {"", "", ""}},
        {{"3000", "1000"}, {"3000", "1000"}},           // out of order: still found
        {{"200", "20000", "2000 "}, {"", "", ""}},      // compared as whole 4-character texts
        {{}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list.join(QLatin1Char(',')).toStdString());
        ASSERT_TRUE(s.FileLoad(path, c.list));
        ASSERT_EQ(s.SensyuCount(), c.slots.size());
        for (int i = 1; i <= c.slots.size(); ++i)
            EXPECT_EQ(s.SensyuNo(i), c.slots.at(i - 1));
        EXPECT_EQ(s.LastYoseiKi(), 101);
    }
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(SensyuFileTest, FileOutOfOrderLosesNoRacer)
{
    const QString path = write(SensyuFileBytes({SensyuRecord("3000").put(50, "23").bytes(),
                                                SensyuRecord("1000").put(50, "21").bytes(),
                                                SensyuRecord("2000").put(50, "22").bytes(),
                                                SensyuRecord("1000").put(50, "99").put(196, "077").bytes()}));
    ASSERT_TRUE(s.FileLoad(path, {"1000", "2000", "3000", "4000"}));
    EXPECT_EQ(s.Age("1000"), 21); // the first record of a number
    EXPECT_EQ(s.Age("2000"), 22);
    EXPECT_EQ(s.Age("3000"), 23);
    EXPECT_EQ(s.SensyuIndex("4000"), 0);
    EXPECT_EQ(s.LastYoseiKi(), 77);
}

TEST_F(SensyuMergeTest, RepeatedEntryAndLookup)
{
    ASSERT_TRUE(s.FileLoad(path, {"1000", "2000", "2000", "2500", "3000"}));
    EXPECT_EQ(s.Age("2000"), 22);
    EXPECT_EQ(s.SensyuIndex("2000"), 2);
    EXPECT_EQ(s.SensyuIndex("3000"), 5); // the empty slot of 2500 hides nothing
    EXPECT_EQ(s.Age("3000"), 23);
    EXPECT_EQ(s.SensyuIndex(""), 0);
    EXPECT_EQ(s.Age(""), 0);
    EXPECT_EQ(s.Age("2500"), 0);
}

TEST_F(SensyuMergeTest, FileLevelValuesComeFromTheLoadedRecords)
{
    ASSERT_TRUE(s.FileLoad(path, {"1234"}));
    EXPECT_EQ(s.GetSensyuFileVersion(), QStringLiteral("0年期"));
    EXPECT_EQ(s.Nen(), 0);
    EXPECT_TRUE(s.YmdStart().isEmpty());
    EXPECT_EQ(s.LastYoseiKi(), 101);

    const QString other = write(SensyuFileBytes({SensyuRecord("1000").put(175, "20191").bytes(),
                                                 SensyuRecord("2000").put(175, "20202").bytes(),
                                                 SensyuRecord("3000").put(175, "20213").bytes()}),
                                QStringLiteral("other.qvl"));
    ASSERT_TRUE(s.FileLoad(other, {"2000", "1000"}));
    EXPECT_EQ(s.Nen(), 2019); // the last record parsed wins
    EXPECT_EQ(s.GetSensyuFileVersion(), QStringLiteral("2019年前期"));
    ASSERT_TRUE(s.FileLoad(other, {"1000", "2000"}));
    EXPECT_EQ(s.GetSensyuFileVersion(), QStringLiteral("2020年後期"));
    ASSERT_TRUE(s.FileLoad(other, {"3000"}));
    EXPECT_EQ(s.GetSensyuFileVersion(), QStringLiteral("2021年期"));
}

TEST_F(SensyuFileTest, LineEndsAndBlankLines)
{
    const QByteArray a = SensyuRecord("1000").bytes(), b = SensyuRecord("2000").put(196, "102").bytes();
    struct Case {
        const char* name;
        QByteArray body;
    } cases[] = {
        {"trailing blank line", a + "\r\n" + b + "\r\n\r\n"},
        {"no final line end", a + "\r\n" + b},
        {"LF only", a + "\n" + b + "\n"},
        {"blank line inside", a + "\r\n\r\n   \r\n" + b + "\r\n"},
        {"end-of-file mark", a + "\r\n" + b + "\r\n\x1A"},
        {"records of 410 bytes", a.left(410) + "\r\n" + b.left(410) + "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(s.FileLoadAll(write(c.body)));
        ASSERT_EQ(s.SensyuCount(), 2);
        EXPECT_EQ(s.SensyuNo(2), QStringLiteral("2000"));
        EXPECT_EQ(s.LastYoseiKi(), 102);
        EXPECT_EQ(s.YoseiKi("2000"), 102);
        EXPECT_EQ(s.Nen(), 2020);
    }
    EXPECT_TRUE(ui.messages.isEmpty());
}

// ---- the record layout ----

TEST_F(SensyuFileTest, EveryFieldAtItsBytePosition)
{
    SensyuRecord r("4444");
    r.put(49, "2").put(59, "0712").put(63, "0555").put(67, "041" "032" "210" "05" "02" "016");
    r.put(83, "050" "0651" "013" "205"); // course 1
    r.put(83 + 13 * 5, "009" "0123" "021" "480");
    r.put(161, "B2A2  ").put(167, "4349" "4350");
    r.put(199 + 34 * 2, "001002003004005006" "0708091011121314");
    r.put(403, "15161718");
    ASSERT_TRUE(s.FileLoad(write(SensyuFileBytes({r.bytes()})), {"4444"}));
    const QString no = QStringLiteral("4444");
    EXPECT_EQ(s.NameKanji(no), QStringLiteral("試　験　　太　郎"));
    EXPECT_EQ(s.NameKana(no), QStringLiteral("ｼｹﾝ ﾀﾛｳ        "));
    EXPECT_EQ(s.Sex(no), 2);
    EXPECT_EQ(s.Age(no), 35);
    EXPECT_EQ(s.Height(no), 171);
    EXPECT_EQ(s.Weight(no), 52);
    EXPECT_FLOAT_EQ(s.Syoritu(no), 7.12f);
    EXPECT_FLOAT_EQ(s.FSyoritu(no), 55.5f);
    EXPECT_EQ(s.OneFinishTimes(no), 41);
    EXPECT_EQ(s.TwoFinishTimes(no), 32);
    EXPECT_EQ(s.SyussoTimes(no), 210);
    EXPECT_EQ(s.YusyutuTimes(no), 5);
    EXPECT_EQ(s.YusyoTimes(no), 2);
    EXPECT_FLOAT_EQ(s.StartTiming(no), 0.16f);
    EXPECT_EQ(s.CourseSyussoTimes(no, 1), 50);
    EXPECT_FLOAT_EQ(s.CourseFSyoritu(no, 1), 65.1f);
    EXPECT_FLOAT_EQ(s.CourseStartTiming(no, 1), 0.13f);
    EXPECT_FLOAT_EQ(s.CourseStartHatujyun(no, 1), 2.05f);
    EXPECT_EQ(s.CourseSyussoTimes(no, 6), 9);
    EXPECT_FLOAT_EQ(s.CourseFSyoritu(no, 6), 12.3f);
    EXPECT_FLOAT_EQ(s.CourseStartTiming(no, 6), 0.21f);
    EXPECT_FLOAT_EQ(s.CourseStartHatujyun(no, 6), 4.80f);
    EXPECT_EQ(s.ClassOld1(no), QStringLiteral("B2"));
    EXPECT_EQ(s.ClassOld2(no), QStringLiteral("A2"));
    EXPECT_EQ(s.ClassOld3(no), QStringLiteral("  "));
    EXPECT_EQ(s.AbilityOld(no), 43); // 43.49
    EXPECT_EQ(s.Ability(no), 44);    // 43.50, half to even
    const int counts[14] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    const int got[14] = {s.Course1FinishTimes(no, 3), s.Course2FinishTimes(no, 3), s.Course3FinishTimes(no, 3),
                         s.Course4FinishTimes(no, 3), s.Course5FinishTimes(no, 3), s.Course6FinishTimes(no, 3),
                         s.CourseF0Times(no, 3),      s.CourseL0Times(no, 3),      s.CourseL1Times(no, 3),
                         s.CourseK0Times(no, 3),      s.CourseK1Times(no, 3),      s.CourseS0Times(no, 3),
                         s.CourseS1Times(no, 3),      s.CourseS2Times(no, 3)};
    for (int k = 0; k < 14; ++k)
        EXPECT_EQ(got[k], counts[k]) << k;
    EXPECT_EQ(s.Course1FinishTimes(no, 2), 0);
    EXPECT_EQ(s.Course1FinishTimes(no, 4), 0);
    EXPECT_EQ(s.OutsideCourseL0Times(no), 15);
    EXPECT_EQ(s.OutsideCourseL1Times(no), 16);
    EXPECT_EQ(s.OutsideCourseK0Times(no), 17);
    EXPECT_EQ(s.OutsideCourseK1Times(no), 18);
}

TEST_F(SensyuFileTest, AbilityRoundsHalvesToEven)
{
    struct Case {
        const char* field;
        int ability;
    } cases[] = {{"6050", 60}, {"6150", 62}, {"6051", 61}, {"6049", 60}, {"0050", 0}, {"0150", 2}, {"  99", 1}};
    for (const Case& c : cases) {
        ASSERT_TRUE(s.FileLoad(write(SensyuFileBytes({SensyuRecord("1000").put(171, c.field).bytes()})), {"1000"}));
        EXPECT_EQ(s.Ability("1000"), c.ability) << c.field;
    }
}

TEST_F(SensyuFileTest, OlderLayout)
{
    // 403 bytes: the same up to byte 174, then a 2-digit year, 6-digit dates and a 2-digit class.
    QByteArray r = SensyuRecord("3333").put(73, "120").bytes().left(174);
    r += "98" "1" "971101" "980430" "85";
    QByteArray blockB(204, '0');
    blockB.replace(34 * 5, 6, "007008"); // course 6: 7 firsts, 8 seconds
    r += blockB + "01020304";
    ASSERT_EQ(r.size(), 403);
    const QString path = write(SensyuFileBytes({r}));
    ASSERT_TRUE(s.FileLoadOld2(path, {"3333"}));
    EXPECT_EQ(s.Nen(), 98);
    EXPECT_EQ(s.Ki(), 1);
    EXPECT_EQ(s.YmdStart(), QStringLiteral("971101"));
    EXPECT_EQ(s.YmdEnd(), QStringLiteral("980430"));
    EXPECT_EQ(s.YoseiKi("3333"), 85);
    EXPECT_EQ(s.LastYoseiKi(), 85);
    EXPECT_EQ(s.Course1FinishTimes("3333", 6), 7);
    EXPECT_EQ(s.Course2FinishTimes("3333", 6), 8);
    EXPECT_EQ(s.OutsideCourseL0Times("3333"), 1);
    EXPECT_EQ(s.OutsideCourseK1Times("3333"), 4);
    EXPECT_EQ(s.GetSensyuFileVersion(), QStringLiteral("98年前期"));
    // Any non-zero revision reads the older layout.
    ASSERT_TRUE(s.FileLoad(path, {"3333"}, 1));
    EXPECT_EQ(s.YoseiKi("3333"), 85);
    EXPECT_TRUE(ui.messages.isEmpty());
}

// A numeric field that is not a number ends the parse of that record silently: the fields
// before it are kept, the later ones keep their cleared values, the load goes on.
TEST_F(SensyuFileTest, NumericFieldConversion)
{
    struct Case {
        const char* height; // bytes 52-54
        bool number;
        int value;
    } cases[] = {
        {"174", true, 174}, {" 74", true, 74}, {"74 ", true, 74}, {"  7", true, 7},  {"+74", true, 74},
        {"-74", true, -74}, {"7.5", true, 8},  {"6.5", true, 6},  {"1E2", true, 100}, {"   ", false, 0},
        {"7 4", false, 0},  {"abc", false, 0}, {"7a ", false, 0}, {"--1", false, 0},  {".  ", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        const QString path = write(SensyuFileBytes({SensyuRecord("1000").put(52, c.height).bytes(),
                                                    SensyuRecord("2000").bytes()}));
        ASSERT_TRUE(s.FileLoad(path, {"1000", "2000"}));
        EXPECT_EQ(s.Height("1000"), c.value);
        EXPECT_EQ(s.Age("1000"), 35);
        EXPECT_EQ(s.Weight("1000"), c.number ? 52 : 0);
        EXPECT_EQ(s.YoseiKi("1000"), c.number ? 95 : 0);
        EXPECT_EQ(s.YoseiKi("2000"), 95);
    }
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(SensyuFileTest, BlankAgeKeepsOnlyTheFieldsBeforeIt)
{
    const QString path = write(SensyuFileBytes({SensyuRecord("1000").put(50, "  ").bytes()}));
    ASSERT_TRUE(s.FileLoad(path, {"1000"}));
    const QString no = QStringLiteral("1000");
    EXPECT_EQ(s.SensyuNo(1), no);
    EXPECT_EQ(s.NameKanji(no), QStringLiteral("試　験　　太　郎"));
    EXPECT_FALSE(s.NameKana(no).isEmpty());
    EXPECT_EQ(s.Birthplace(no), QStringLiteral("東京"));
    EXPECT_EQ(s.Class(no), QStringLiteral("A1"));
    EXPECT_EQ(s.Birth(no), QStringLiteral("S600330"));
    EXPECT_EQ(s.Sex(no), 1);
    EXPECT_EQ(s.Age(no), 0);
    EXPECT_EQ(s.Height(no), 0);
    EXPECT_TRUE(s.Blood(no).isEmpty());
    EXPECT_EQ(s.Syoritu(no), 0.0f);
    EXPECT_TRUE(s.ClassOld1(no).isEmpty());
    EXPECT_EQ(s.Ability(no), 0);
    EXPECT_EQ(s.YoseiKi(no), 0);
    EXPECT_EQ(s.GetSensyuFileVersion(), QStringLiteral("0年期")); // never reached the year
    EXPECT_EQ(s.LastYoseiKi(), 0);
    EXPECT_TRUE(ui.messages.isEmpty());
}

// ---- failures ----

TEST_F(SensyuFileTest, MissingFile)
{
    const QString path = dir.filePath(QStringLiteral("nothing/SENSYU.QVL"));
    EXPECT_FALSE(s.FileLoad(path, {"4320"}));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, QStringLiteral("message"));
    EXPECT_EQ(ui.messages[0].title, kTitle);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("ファイルが見つかりません。\r\n") + path);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Warning);
    EXPECT_EQ(s.SensyuCount(), 1);
    EXPECT_TRUE(s.SensyuNo(1).isEmpty());

    // A folder is not a racer file either.
    ui.messages.clear();
    EXPECT_FALSE(s.FileLoadAll(dir.path()));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("ファイルが見つかりません。\r\n") + dir.path());
}

TEST_F(SensyuFileTest, FailedLoadLeavesOneEmptySlot)
{
    ASSERT_TRUE(s.FileLoad(RealData("fan/fan2004.txt"), {"4320"}));
    ASSERT_EQ(s.Age("4320"), 35);
    for (const QByteArray& body : {QByteArray(), QByteArray("\r\n\r\n  \r\n")}) {
        ui.messages.clear();
        EXPECT_FALSE(s.FileLoad(write(body), {"4320"}));
        ASSERT_EQ(ui.messages.size(), 1);
        EXPECT_EQ(ui.messages[0].title, kTitle);
        EXPECT_EQ(ui.messages[0].text, ErrorText(ErrIndexOutOfRange));
        EXPECT_EQ(ui.messages[0].icon, MsgIcon::Warning);
        EXPECT_EQ(s.SensyuCount(), 1);
        EXPECT_TRUE(s.SensyuNo(1).isEmpty());
        EXPECT_EQ(s.Age("4320"), 0);
        EXPECT_EQ(s.LastYoseiKi(), 0);
        EXPECT_EQ(s.GetSensyuFileVersion(), QStringLiteral("0年期"));
    }
}

TEST_F(SensyuFileTest, FilesOfAnotherKindFindNoRacers)
{
    QByteArray random(64 * 1024, '\0');
    QRandomGenerator gen(20240101);
    for (char& ch : random)
        ch = char(gen.bounded(256));
    QByteArray longLine(5 * 1024 * 1024, '7');
    longLine.replace(0, 4, "4320");
    struct Case {
        const char* name;
        QByteArray body;
    } cases[] = {
        {"race program", ReadAll(RealData("program/B240101.TXT"))},
        {"results", ReadAll(RealData("results/K240101.TXT"))},
        {"random bytes", random},
        {"lead bytes at the end", QByteArray("4320\x81\r\n\x82")},
        {"5 MB single line", longLine},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.messages.clear();
        ASSERT_TRUE(s.FileLoad(write(c.body), kOmuraRacers));
        EXPECT_TRUE(ui.messages.isEmpty());
        EXPECT_EQ(s.SensyuCount(), kOmuraRacers.size());
        for (const QString& no : kOmuraRacers)
            EXPECT_FLOAT_EQ(s.Rentairitu3(no), 0.0f);
        ASSERT_TRUE(s.FileLoadAll(write(c.body)));
        for (int i = 1; i <= s.SensyuCount(); ++i)
            (void)s.InSisu(s.SensyuNo(i));
    }
    // The long line is one record of sevens; what lies past the last field is not read.
    ASSERT_TRUE(s.FileLoad(write(longLine), {"4320"}));
    EXPECT_EQ(s.Height("4320"), 777);
    EXPECT_EQ(s.OutsideCourseK1Times("4320"), 77);
}

TEST_F(SensyuFileTest, NumberFieldHoldingKanji)
{
    // A line that starts with kanji is matched by its decoded first field, never past it.
    const QString path = write(SensyuFileBytes({SensyuRecord("1000").bytes(),
                                                SensyuRecord(TextToCp932(QStringLiteral("高塚"))).bytes()}));
    ASSERT_TRUE(s.FileLoad(path, {"1000", QStringLiteral("高塚"), QStringLiteral("高"), QStringLiteral("高塚清一")}));
    EXPECT_EQ(s.SensyuNo(2), QStringLiteral("高塚"));
    EXPECT_EQ(s.SensyuIndex(QStringLiteral("高塚")), 2);
    EXPECT_EQ(s.Age(QStringLiteral("高塚")), 35);
    EXPECT_TRUE(s.SensyuNo(3).isEmpty());
    EXPECT_TRUE(s.SensyuNo(4).isEmpty());
    EXPECT_EQ(s.SensyuIndex(QStringLiteral("高塚清一")), 0);
    EXPECT_EQ(s.SensyuIndex("1000"), 1);
}

TEST_F(SensyuFileTest, TruncatedLastRecord)
{
    const QByteArray last = SensyuRecord("3000").bytes();
    for (int cut : {3, 60, 180, 200, 405}) {
        SCOPED_TRACE(cut);
        const QString path = write(SensyuFileBytes({SensyuRecord("1000").bytes(), SensyuRecord("2000").bytes()})
                                   + last.left(cut));
        ASSERT_TRUE(s.FileLoad(path, {"1000", "2000", "3000"}));
        EXPECT_EQ(s.YoseiKi("2000"), 95);
        EXPECT_EQ(s.LastYoseiKi(), cut > 198 ? 95 : 0);
        EXPECT_EQ(s.SensyuIndex("3000"), cut >= 4 ? 3 : 0);
        EXPECT_EQ(s.Age("3000"), cut >= 60 ? 35 : 0);
        EXPECT_EQ(s.OutsideCourseL0Times("3000"), 0);
    }
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(SensyuFileTest, OutOfRangeParametersAreSafe)
{
    ASSERT_TRUE(s.FileLoad(RealData("fan/fan2004.txt"), {"4320", "9999"}));
    EXPECT_TRUE(s.SensyuNo(0).isEmpty());
    EXPECT_TRUE(s.SensyuNo(3).isEmpty());
    EXPECT_TRUE(s.SensyuNo(-5).isEmpty());
    for (int course : {0, 7, -1}) {
        for (const char* no : {"4320", "9999"}) {
            try {
                (void)s.CourseSyussoTimes(QString::fromLatin1(no), course);
                ADD_FAILURE() << "no error for course " << course;
            } catch (const QvError& e) {
                EXPECT_EQ(e.number(), ErrIndexOutOfRange);
            }
            EXPECT_THROW((void)s.CourseS2Times(QString::fromLatin1(no), course), QvError);
            EXPECT_THROW((void)s.CourseRentairitu3(QString::fromLatin1(no), course), QvError);
        }
    }
}

TEST(SensyuFileEmpty, ModelIsEmptyBeforeTheFirstLoad)
{
    RecordingUi ui;
    const cSensyuFile s(ui);
    EXPECT_EQ(s.SensyuCount(), 0);
    EXPECT_TRUE(s.SensyuNo(1).isEmpty());
    EXPECT_EQ(s.Age("4320"), 0);
    EXPECT_FLOAT_EQ(s.InSisu("4320"), 0.0f);
    EXPECT_EQ(s.GetSensyuFileVersion(), QStringLiteral("0年期"));
}
