#include "views/mdiMainState.h"

#include "common/kyotei.h"

namespace {

constexpr ColorRef kBlack = 0x000000;
constexpr ColorRef kWhite = 0xFFFFFF;

void setHeader(cGrid& g, const QVector<QPair<int, QString>>& titles)
{
    for (const auto& [col, text] : titles)
        g.CellValue(0, col, text);
}

} // namespace

mdiMainState::mdiMainState(SurfaceFactory factory)
    : picMain_(factory(QStringLiteral("picMain"))),
      picSensyu_(factory(QStringLiteral("picSensyu"))),
      picCourse_(factory(QStringLiteral("picCourse")))
{
}

void mdiMainState::Load(int dispStyle)
{
    const QString lf = QStringLiteral("\n");

    // Race card grid.
    cGrid& b = flexBangumi;
    b.Init(*picMain_, kBangumiCols, kRows, true, false);
    b.SetFont(QString(), 11, false, false);
    b.RefreshFlg(false);
    b.RowTextLine(0, 2);
    b.FormatString(QStringLiteral("^枠|登録|選手氏名|99|出身|99|B2|10.00|100.00|10.00|100.00|99|100.00|99|100.00|"
                                  "<１２３４５６|-10.00(99)|^S展|S|^0000|^6.49|-0.5|12"));
    setHeader(b, {{0, QStringLiteral("枠番")}, {1, QStringLiteral("登録番号")}, {3, QStringLiteral("年齢")},
                  {5, QStringLiteral("体重")}, {6, QStringLiteral("級別")}, {7, QStringLiteral("全国勝率")},
                  {8, QStringLiteral("全国") + lf + QStringLiteral("２連率")}, {9, QStringLiteral("当地勝率")},
                  {10, QStringLiteral("当地") + lf + QStringLiteral("２連率")}, {11, QStringLiteral("モNo")},
                  {12, QStringLiteral("２連率")}, {13, QStringLiteral("ボNo")}, {14, QStringLiteral("２連率")},
                  {15, QStringLiteral("１２３４５６")}, {16, QStringLiteral("  得点率    (順位)")},
                  {17, QStringLiteral("S展ｺｰｽ")}, {18, QStringLiteral("SD")},
                  {19, QStringLiteral("ST") + lf + QStringLiteral("S展")}, {20, QStringLiteral("展示ﾀｲﾑ")},
                  {21, QStringLiteral("ﾁﾙﾄ")}, {22, QStringLiteral("早見")}});
    for (int c = 7; c <= 10; ++c)
        b.CellTextAlign(0, c, 2);
    b.ColWidth(18, 0);
    for (int r = 1; r < kRows; ++r) {
        b.RowTextLine(r, 1);
        b.CellValue(r, 0, QString::number(r));
        b.CellTextAlign(r, 16, 3);
    }
    b.Move(4, 20);

    // Racer table.
    cGrid& s = flexSensyu;
    s.Init(*picSensyu_, kSensyuCols, kRows, true, false);
    s.SetFont(QString(), 11, false, false);
    s.RefreshFlg(false);
    s.RowTextLine(0, 2);
    s.FormatString(QStringLiteral("^枠|性|^S99/01/01 |^AB|999|10.00|100.0|100.0|能力|近況|16|発順|１着|２着|出走|10|10|10|10|"
                                  "^コース|100.00|^100.0%|1000.00|◎|◎|◎"));
    setHeader(s, {{0, QStringLiteral("枠番")}, {1, QStringLiteral("性別")}, {2, QStringLiteral("生年月日")},
                  {3, QStringLiteral("血液")}, {4, QStringLiteral("養成期")}, {5, QStringLiteral("勝 率")},
                  {6, QStringLiteral("2連対 率")}, {7, QStringLiteral("3連対 率")}, {8, QStringLiteral("能力指数")},
                  {9, QStringLiteral("近況")}, {10, QStringLiteral("平ST")}, {11, QStringLiteral("ｽﾀｰﾄ発順")},
                  {12, QStringLiteral("１着回数")}, {13, QStringLiteral("２着回数")}, {14, QStringLiteral("出走回数")},
                  {15, QStringLiteral("優出")}, {16, QStringLiteral("優勝")}, {17, QStringLiteral("Ｆ数")},
                  {18, QStringLiteral("Ｌ数")}, {19, QStringLiteral("得 意コース")}, {20, QStringLiteral(" イン  指数")},
                  {21, QStringLiteral("単勝率")}, {22, QStringLiteral(" ﾕｰｻﾞｰ  指数")}, {23, QStringLiteral("波平")},
                  {24, QStringLiteral("舟吉")}, {25, QStringLiteral("洋助")}});
    for (int r = 1; r < kRows; ++r) {
        s.RowTextLine(r, 1);
        s.CellValue(r, 0, QString::number(r));
    }
    s.Move(4, 0);

    // Course table.
    cGrid& c = flexCourse;
    c.Init(*picCourse_, kCourseCols, kRows, true, true);
    c.SetFont(QString(), 11, false, false);
    c.RefreshFlg(false);
    c.RowTextLine(0, 2);
    c.FormatString(QStringLiteral("^進|^枠|選手氏名|ST|発順|回数|100.0|100.0|１|２|３|^操　　法"));
    setHeader(c, {{0, QStringLiteral("進入")}, {1, QStringLiteral("枠番")}, {3, QStringLiteral("平ST")},
                  {4, QStringLiteral("ｽﾀｰﾄ発順")}, {5, QStringLiteral("出走回数")}, {6, QStringLiteral("2連対 率")},
                  {7, QStringLiteral("3連対 率")}, {8, QStringLiteral("１着")}, {9, QStringLiteral("２着")},
                  {10, QStringLiteral("３着")}});
    for (int r = 1; r < kRows; ++r) {
        c.RowTextLine(r, 1);
        c.CellValue(r, 0, QString::number(r));
    }
    c.MoveCenter();

    loaded_ = true;
    DispStyleChange(dispStyle);
    b.Refresh(true);
    s.Refresh(true);
    c.Refresh(true);
    sbStatusBar[1] = kNotice;
}

void mdiMainState::DispStyleChange(int dispStyle)
{
    if (!loaded_)
        return;
    flexBangumi.RefreshFlg(false);
    flexSensyu.RefreshFlg(false);
    for (cGrid* g : {&flexBangumi, &flexSensyu}) {
        for (int r = 1; r < kRows; ++r) {
            for (int col = 0; col < g->Cols(); ++col) {
                ColorRef fore = kBlack, back = kWhite;
                switch (dispStyle) {
                case 1:
                    back = (r % 2 == 0) ? kSysColorInfoBackground : kWhite;
                    break;
                case 2:
                    if (col == 0) {
                        fore = BoatColor(r, false);
                        back = BoatColor(r, true);
                    }
                    break;
                case 3:
                    fore = BoatColor(r, false);
                    back = BoatColor(r, true);
                    break;
                default:
                    break;
                }
                g->CellForeColor(r, col, fore);
                g->CellBackColor(r, col, back);
            }
        }
    }
    flexBangumi.Refresh(true);
    flexSensyu.Refresh(true);
}
