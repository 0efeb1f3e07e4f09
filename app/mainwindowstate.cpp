#include "app/mainwindowstate.h"

#include "common/format.h"
#include "common/kyotei.h"
#include "common/product.h"

#include <QDate>
#include <QLocale>

namespace {

QString S(const char16_t* text)
{
    return QString::fromUtf16(text);
}

} // namespace

const QVector<MainMenuInfo>& MainMenus()
{
    static const QVector<MainMenuInfo> menus{
        {MainMenu::File, QStringLiteral("mnuFile"), S(u"ファイル(&F)")},
        {MainMenu::Select, QStringLiteral("mnuSelect"), S(u"ボートレース場(&B)")},
        {MainMenu::Edit, QStringLiteral("mnuEdit"), S(u"編集(&E)")},
        {MainMenu::View, QStringLiteral("mnuView"), S(u"表示(&V)")},
        {MainMenu::Option, QStringLiteral("mnuOption"), S(u"オプション(&O)")},
        {MainMenu::Windows, QStringLiteral("mnuWindows"), S(u"ウィンドウ(&W)")},
        {MainMenu::Help, QStringLiteral("mnuHelp"), S(u"ヘルプ(&H)")},
    };
    return menus;
}

const QVector<MainCommand>& MainCommands()
{
    using M = MainMenu;
    static const QVector<MainCommand> commands{
        {QStringLiteral("mnuOpenNew"), S(u"番組ファイルを開く(&O)"), M::File, false, QStringLiteral("New"), S(u"番組ファイルを開く")},
        {QStringLiteral("mnuOpenLast"), S(u"前回使用した番組ファイルを開く(&L)"), M::File, false, QStringLiteral("Open"),
         S(u"前回使用した番組ファイルを開く")},
        {QStringLiteral("mnuDownload"), S(u"番組ファイルをダウンロードする(&D)"), M::File, true, QStringLiteral("DownLoad"),
         S(u"番組ファイルをダウンロードする")},
        {QStringLiteral("mnuDownloadDate"), S(u"日付を指定して番組ファイルをダウンロードする(&W)"), M::File, false,
         QStringLiteral("DownLoadDate"), S(u"日付を指定して番組ﾌｧｲﾙをﾀﾞｳﾝﾛｰﾄﾞする")},
        {QStringLiteral("mnuSensyuListInKyoteijyo"), S(u"ボートレース場別出場選手一覧(&K)"), M::File, true, {}, {}},
        {QStringLiteral("mnuFind"), S(u"出場選手の検索(&F)"), M::File, false, {}, {}},
        {QStringLiteral("mnuPrint"), S(u"印刷(&P)"), M::File, true, QStringLiteral("Print"), S(u"印刷")},
        {QStringLiteral("mnuExit"), S(u"終了(&X)"), M::File, true, {}, {}},

        {QStringLiteral("mnuTenjiTimeClock"), S(u"展示タイム時計(&C)"), M::Edit, false, {}, {}},
        {QStringLiteral("mnuTenjiTime"), S(u"展示タイム(&T)"), M::Edit, false, {}, {}},
        {QStringLiteral("mnuCourseEdit"), S(u"進入スタイル(&S)"), M::Edit, true, QStringLiteral("CourseEdit"), S(u"進入スタイル")},
        {QStringLiteral("mnuSinnyuFixation"), S(u"進入固定(&F)"), M::Edit, false, QStringLiteral("SinnyuFixation"), S(u"進入固定")},
        {QStringLiteral("mnuUserSisuSelect"), S(u"ユーザー予想指数 No.(&N)"), M::Edit, true, {}, {}},

        {QStringLiteral("mnuKyoteijyoData"), S(u"ボートレース場データ(&K)"), M::View, false, QStringLiteral("KyoteijyoData"),
         S(u"ボートレース場データ")},
        {QStringLiteral("mnuSensyuList"), S(u"出場選手一覧(&L)"), M::View, false, QStringLiteral("SensyuList"), S(u"出場選手一覧")},
        {QStringLiteral("mnuRecordByCourse"), S(u"進入コース別成績一覧(&C)"), M::View, false, QStringLiteral("RecordByCourse"),
         S(u"進入コース別成績一覧")},
        {QStringLiteral("mnuOdds"), S(u"予想オッズ(&O)"), M::View, false, {}, {}},
        {QStringLiteral("mnuRecords"), S(u"今節の成績一覧(&R)"), M::View, false, QStringLiteral("Record"), S(u"今節の成績一覧")},
        {QStringLiteral("mnuComment"), S(u"選手コメント(&M)"), M::View, false, QStringLiteral("Comment"), S(u"選手のコメントを見る")},
        {QStringLiteral("mnuRaceView"), S(u"RaceView(&P)"), M::View, true, QStringLiteral("RaceView"), S(u"RaceView")},
        {QStringLiteral("mnuToolBar"), S(u"ツールバー(&T)"), M::View, true, {}, {}},
        {QStringLiteral("mnuStatusBar"), S(u"ステータスバー(&S)"), M::View, false, {}, {}},
        {QStringLiteral("mnuSelectBar"), S(u"ボートレース場選択メニュー(&E)"), M::View, false, {}, {}},

        {QStringLiteral("mnuUserSisu"), S(u"ユーザー予想指数(&S)"), M::Option, false, QStringLiteral("UserSisu"), S(u"ユーザー指数")},
        {QStringLiteral("mnuProparty"), S(u"環境設定(&P)"), M::Option, false, QStringLiteral("Proparty"), S(u"プロパティ")},
        {QStringLiteral("mnuDownloadProparty"), S(u"ダウンロードのプロパティ(&D)"), M::Option, true, QStringLiteral("DLProp"),
         S(u"ダウンロードのプロパティ")},
        {QStringLiteral("mnuSensyuFileUpdate"), S(u"選手ファイルを更新(&U)"), M::Option, true, QStringLiteral("SensyuFileUpdate"),
         S(u"選手ファイルを更新")},

        {QStringLiteral("mnuContents"), S(u"ヘルプ(&C)"), M::Help, false, {}, {}},
        {QStringLiteral("mnuHelpFinder"), S(u"トピックの検索(&T)"), M::Help, false, {}, {}},
        {QStringLiteral("mnuInternet"), S(u"インターネット投票画面(&I)"), M::Help, true, QStringLiteral("Login"), S(u"インターネット投票画面")},
        {QStringLiteral("mnuOfficialWeb"), S(u"BOAT RACE オフィシャルウェブサイトを表示(&O)"), M::Help, true, {}, {}},
        {QStringLiteral("mnuOddsJava"), S(u" オッズ(JAVA版)を表示(&J)"), M::Help, false, {}, {}},
        {QStringLiteral("mnuOddsHtml"), S(u" オッズ(HTML版)を表示(&H)"), M::Help, false, {}, {}},
        {QStringLiteral("mnuHomePage"), S(u"Quorvel ホームページを表示(&1)"), M::Help, true, {}, {}},
        {QStringLiteral("mnuAbout"), S(u"バージョン情報(&A)"), M::Help, true, {}, {}},
    };
    return commands;
}

const MainCommand* FindMainCommand(const QString& name)
{
    for (const MainCommand& c : MainCommands())
        if (c.name == name)
            return &c;
    return nullptr;
}

const QStringList& CommandToolbarKeys()
{
    static const QStringList keys{
        QStringLiteral("New"),          QStringLiteral("Open"),         QStringLiteral("DownLoad"),
        QStringLiteral("DownLoadDate"), QString(),                      QStringLiteral("Print"),
        QString(),                      QStringLiteral("CourseEdit"),   QStringLiteral("SinnyuFixation"),
        QString(),                      QStringLiteral("KyoteijyoData"), QStringLiteral("SensyuList"),
        QStringLiteral("RecordByCourse"), QStringLiteral("Record"),     QStringLiteral("Comment"),
        QStringLiteral("RaceView"),     QString(),                      QStringLiteral("UserSisu"),
        QStringLiteral("Proparty"),     QStringLiteral("DLProp"),       QStringLiteral("SensyuFileUpdate"),
        QString(),                      QStringLiteral("Login"),
    };
    return keys;
}

const MainCommand* FindToolbarCommand(const QString& key)
{
    if (key.isEmpty())
        return nullptr;
    for (const MainCommand& c : MainCommands())
        if (c.toolbarKey == key)
            return &c;
    return nullptr;
}

bool IsRaceCommand(const QString& name)
{
    static const QStringList names{
        QStringLiteral("mnuPrint"),          QStringLiteral("mnuTenjiTimeClock"), QStringLiteral("mnuTenjiTime"),
        QStringLiteral("mnuCourseEdit"),     QStringLiteral("mnuSinnyuFixation"), QStringLiteral("mnuKyoteijyoData"),
        QStringLiteral("mnuSensyuList"),     QStringLiteral("mnuRecordByCourse"), QStringLiteral("mnuOdds"),
        QStringLiteral("mnuRecords"),
    };
    return names.contains(name);
}

bool IsToggleCommand(const QString& name)
{
    static const QStringList names{
        QStringLiteral("mnuSinnyuFixation"), QStringLiteral("mnuRecordByCourse"), QStringLiteral("mnuOdds"),
        QStringLiteral("mnuRecords"),        QStringLiteral("mnuToolBar"),        QStringLiteral("mnuStatusBar"),
        QStringLiteral("mnuSelectBar"),
    };
    return names.contains(name);
}

int RaceNavigationTarget(const QString& key, int index, int count)
{
    if (key == QLatin1String("min"))
        return index < 1 ? -1 : 0;
    if (key == QLatin1String("down"))
        return index < 1 ? -1 : index - 1;
    if (key == QLatin1String("up"))
        return index < count - 1 ? index + 1 : -1;
    if (key == QLatin1String("max"))
        return index < count - 1 ? count - 1 : -1;
    return index;
}

QString KyoteijyoLabelText(int code)
{
    const QString name = KyoteijyoName(code);
    if (name.isEmpty())
        return QStringLiteral("ボートレース場");
    return Format(code, QStringLiteral("00")) + QStringLiteral("#  ") + name;
}

QString TitleLabelText(const QString& title, const QString& titleLong)
{
    return titleLong.isEmpty() ? title : titleLong;
}

QString TotalDayLabelText(int totalDay)
{
    return Format(totalDay, QStringLiteral("第 ## 日"));
}

QDate RaceDateValue(const QString& raceDate)
{
    return QDate::fromString(raceDate.trimmed(), QStringLiteral("yyyy/MM/dd"));
}

QString DateLabelText(const QString& raceDate, const QLocale& locale)
{
    const QDate date = RaceDateValue(raceDate);
    if (!date.isValid())
        return QString();
    // A desktop started without a language setting would otherwise print an English date in
    // the middle of Japanese labels.
    const QLocale loc = locale.language() == QLocale::C ? QLocale(QLocale::Japanese, QLocale::Japan) : locale;
    return loc.toString(date, QLocale::LongFormat);
}

QString StadiumMenuCaption(int code, const QString& meetingTitle)
{
    QString caption = Format(code, QStringLiteral("00")) + QStringLiteral("#  ") + KyoteijyoName(code);
    if (!meetingTitle.isEmpty())
        caption += QLatin1Char('\t') + QStringLiteral("【") + meetingTitle + QStringLiteral("】");
    return caption;
}

QString SensyuPanelText(bool loaded, const QString& version)
{
    return loaded ? QStringLiteral("選手ﾃﾞｰﾀ : ") + version : QStringLiteral("選手ﾃﾞｰﾀ : なし");
}

void MainWindowState::ClearRaceLabels()
{
    lblKyoteijyo = KyoteijyoLabelText(0);
    lblTitle.clear();
    lblTotalDay.clear();
    lblDate.clear();
    raceList.clear();
    raceIndex = -1;
}

QString VersionText()
{
    return QString::number(kVersionMajor) + QLatin1Char('.') + Format(kVersionMinor, QStringLiteral("00"));
}

QString AboutText(int forecastDataNo, bool sensyuLoaded, const QString& sensyuVersion)
{
    QStringList lines{kProductName, QStringLiteral("Version ") + VersionText(), kMakerNotice, QString(),
                      QStringLiteral("予想エンジン : 3.00"), QStringLiteral("進入予想エンジン : 3.00"),
                      QStringLiteral("予想データ : ") + Format(qMax(0, forecastDataNo), QStringLiteral("000"))};
    if (sensyuLoaded)
        lines << SensyuPanelText(true, sensyuVersion);
    return lines.join(QLatin1Char('\n'));
}
