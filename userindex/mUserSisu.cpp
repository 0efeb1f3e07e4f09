#include "userindex/mUserSisu.h"

#include "common/strutil.h"
#include "platform/inifile.h"

#include <QFileInfo>
#include <cmath>

namespace {

const QString kCommon = QStringLiteral("Common");
const QString kDefaultNo = QStringLiteral("DefaultNo");

QString sectionOf(int slot)
{
    return QStringLiteral("UserSisu") + QString::number(slot);
}

QString voteKey(int betSlot)
{
    return QStringLiteral("Vote2#") + QString::number(betSlot);
}

// "True"/"False" as written by the dialogs; a number counts as true when not zero. Anything
// else is false rather than a failed start-up.
bool readBoolean(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (IsNumeric(t)) {
        const double v = Val(t);
        return std::isfinite(v) && v != 0.0;
    }
    return false;
}

int readEqualType(const QString& text)
{
    if (!IsNumeric(text))
        return 0;
    const double v = Val(text);
    return (std::isfinite(v) && std::fabs(v) > 0.5) ? 1 : 0; // rounds to a non-zero whole number
}

struct Labels {
    const char16_t* shortName;
    const char16_t* longName;
};

// A..X in order.
constexpr Labels kLabels[24] = {
    {u"全国勝率", u"全国勝率"},
    {u"全２連率", u"全国２連対率"},
    {u"当地勝率", u"当地勝率"},
    {u"当２連率", u"当地２連対率"},
    {u"Ｍ２連率", u"モーター２連対率"},
    {u"Ｂ２連率", u"ボート２連対率"},
    {u"体重", u"体重"},
    {u"勝率", u"勝率（ファン手帳）"},
    {u"２連対率", u"２連対率（ファン手帳）"},
    {u"能力指数", u"能力指数"},
    {u"平均ＳＴ", u"平均スタートタイミング"},
    {u"平均Ｓ順", u"平均スタート発順"},
    {u"１着回数", u"１着回数"},
    {u"２着回数", u"２着回数"},
    {u"ＦＬ回数", u"ＦＬ回数"},
    {u"得点率", u"今節得点率"},
    {u"枠番", u"枠番"},
    {u"進コＳＴ", u"平均スタートタイミング（進入コース）"},
    {u"進コＳ順", u"平均スタート発順（進入コース）"},
    {u"コ２連率", u"２連対率（進入コース）"},
    {u"進入", u"進入コース"},
    {u"展示", u"展示タイム"},
    {u"場成績", u"進入コース別入着率（競艇場）"},
    {u"今節ＳＴ", u"今節平均スタートタイミング"},
};

const Labels* labelsOf(const QString& letter)
{
    if (letter.size() != 1)
        return nullptr;
    const char16_t c = letter.at(0).unicode();
    if (c < u'A' || c > u'X')
        return nullptr;
    return &kLabels[c - u'A'];
}

} // namespace

void InitRankPairs(UserSisuSet& set)
{
    set.RankPairs.clear();
    set.RankPairs.reserve(31);
    set.RankPairs.append(QString());
    for (int first = 1; first <= 6; ++first)
        for (int second = 1; second <= 6; ++second)
            if (second != first)
                set.RankPairs.append(QString::number(first) + QStringLiteral("- ") + QString::number(second));
}

bool LoadUserSisuDefs(UserSisuSet& set, const QString& fileName)
{
    for (UserSisuDef& def : set.defs)
        def = UserSisuDef{};
    set.ActiveUserSisu = 0;
    if (!QFileInfo(fileName).isFile())
        return false;

    for (int i = 1; i <= 5; ++i) {
        const QString section = sectionOf(i);
        UserSisuDef& def = set.defs[i];
        def.Name = cIniFile::MyGetString(fileName, section, QStringLiteral("Name"), QString());
        def.Defined = !def.Name.isEmpty();
        if (!def.Defined)
            continue;
        def.Equation = cIniFile::MyGetString(fileName, section, QStringLiteral("Equation"), QString());
        def.Format = cIniFile::MyGetString(fileName, section, QStringLiteral("Format"), QString());
        def.Ascending = readBoolean(cIniFile::MyGetString(fileName, section, QStringLiteral("Ascending"),
                                                          QStringLiteral("False")));
        def.EqualType = readEqualType(cIniFile::MyGetString(fileName, section, QStringLiteral("EqualType"),
                                                            QStringLiteral("0")));
        for (int s = 1; s <= 6; ++s) {
            const int v = cIniFile::MyGetInteger(fileName, section, voteKey(s), 0);
            def.Vote[s] = (v >= 0 && v <= 30) ? v : 0;
        }
    }
    const int active = cIniFile::MyGetInteger(fileName, kCommon, kDefaultNo, 0);
    set.ActiveUserSisu = (active >= 0 && active <= 5) ? active : 0;
    return true;
}

bool SaveUserSisuDefs(const UserSisuSet& set, const QString& fileName)
{
    bool ok = cIniFile::MySetString(fileName, kCommon, kDefaultNo, QString::number(set.ActiveUserSisu));
    for (int i = 1; i <= 5; ++i) {
        const UserSisuDef& def = set.defs[i];
        const QString section = sectionOf(i);
        auto put = [&](const QString& key, const QString& value) {
            ok = cIniFile::MySetString(fileName, section, key, def.Defined ? value : QString()) && ok;
        };
        put(QStringLiteral("Name"), def.Name);
        put(QStringLiteral("Equation"), def.Equation);
        put(QStringLiteral("Format"), def.Format);
        put(QStringLiteral("Ascending"), def.Ascending ? QStringLiteral("True") : QStringLiteral("False"));
        put(QStringLiteral("EqualType"), QString::number(def.EqualType));
        for (int s = 1; s <= 6; ++s)
            put(voteKey(s), QString::number(def.Vote[s]));
    }
    return ok;
}

QString VariableShortName(const QString& letter)
{
    const Labels* l = labelsOf(letter);
    return l ? QString::fromUtf16(l->shortName) : letter;
}

QString VariableLongName(const QString& letter)
{
    const Labels* l = labelsOf(letter);
    return l ? QString::fromUtf16(l->longName) : letter;
}
