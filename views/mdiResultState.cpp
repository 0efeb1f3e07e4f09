#include "views/mdiResultState.h"

#include "common/format.h"

namespace {

void setupGrid(cGrid& g, GridSurface& surface, int cols, int rows, float fontSize, const QString& format,
               ColorRef back)
{
    g.Init(surface, cols, rows, false, false);
    g.RefreshFlg(false);
    g.SetFont(QString(), fontSize, false, false);
    g.FormatString(format);
    g.AllBackColor(back);
}

// Widens a column, if need be, so that `sample` fits on one line (the grid wraps by the sum of
// the single characters' widths).
void fitColumn(cGrid& g, int col, const QString& sample)
{
    int need = 2 * g.TextOffsetX() + 1;
    for (const QChar c : sample)
        need += g.Surface()->TextWidth(QString(c));
    if (g.ColWidth(col) < need)
        g.ColWidth(col, need);
}

// Position of `what` at or after the 0-based index `from`, -1 when absent.
qsizetype find(const QString& text, const QString& what, qsizetype from)
{
    if (from < 0 || from > text.size())
        return -1;
    return text.indexOf(what, from);
}

// The weather texts are padded with full-width blanks as well ("波　  2cm"); both kinds go,
// so that the centred cells show the text itself in the middle.
QString trimBlanks(const QString& text)
{
    const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QChar(0x3000); };
    qsizetype first = 0, last = text.size();
    while (first < last && blank(text.at(first)))
        ++first;
    while (last > first && blank(text.at(last - 1)))
        --last;
    return text.mid(first, last - first);
}

} // namespace

mdiResultState::mdiResultState(SurfaceFactory factory)
    : picName_(factory(QStringLiteral("picName"))),
      picSlitte_(factory(QStringLiteral("picSlitte"))),
      picHaito0_(factory(QStringLiteral("picHaito0"))),
      picHaito1_(factory(QStringLiteral("picHaito1"))),
      picWave_(factory(QStringLiteral("picWave")))
{
}

void mdiResultState::Load()
{
    cGrid& r = grdResult;
    setupGrid(r, *picName_, 4, 7, 12, QStringLiteral("^着|^艇|選　手　名|^レースタイム"), kResultBackColor);
    r.AllTextLine(1);

    // The slit rows share the picture's height: make it seven rows of the boat pictures' pitch.
    picSlitte_->SetScaleSize(400, 7 * kSlitRowHeight);
    cGrid& s = grdSlit;
    setupGrid(s, *picSlitte_, 4, 7, 11, QStringLiteral("^スリット       |^ST |^決まり手 "), kSlitBackColor);
    s.RowBackColor(0, kSlitTitleBackColor);
    s.GridLine(false);
    s.ColWidth(3, 0); // the fourth column carries nothing
    // The longest deciding move ("まくり差し") is wider than the sample title.
    fitColumn(s, 2, QStringLiteral("まくり差し"));
    const int slitWidth = kSlitLateRoom + kBoatWidth + kSlitFlyingRoom;
    if (s.ColWidth(0) < slitWidth)
        s.ColWidth(0, slitWidth);

    const QString haitoFormat = QStringLiteral("^単　勝|^ 1-2-3 |>1,111,111円|１");
    const QString labels[2][5] = {
        {QStringLiteral("単勝"), QStringLiteral("複勝"), QString(), QStringLiteral("２連単"), QStringLiteral("２連複")},
        {QStringLiteral("３連単"), QStringLiteral("３連複"), QStringLiteral("拡連複"), QString(), QString()}};
    for (int i = 0; i < 2; ++i) {
        cGrid& h = grdHaito[size_t(i)];
        setupGrid(h, picHaito(i), 4, 5, 11, haitoFormat, kHaitoBackColor);
        h.AllTextLine(1);
        h.ColBackColor(0, kHaitoLabelBackColor);
        for (int row = 0; row < 5; ++row)
            h.CellValue(row, 0, labels[i][row]);
        fitColumn(h, 3, QStringLiteral("120")); // ３連単 ranks run past 100
    }

    cGrid& w = grdWave;
    setupGrid(w, *picWave_, 3, 2, 11, QStringLiteral("^天候 |^風速       |^波高       "), kWaveBackColor);
    w.AllTextLine(1);
    w.RowBackColor(0, kWaveTitleBackColor);
    for (int col = 0; col < 3; ++col)
        w.CellTextAlign(1, col, 2);

    for (cGrid* g : {&r, &s, &grdHaito[0], &grdHaito[1], &w}) {
        g->AutoReSize();
        g->Refresh(false);
    }

    // The boats stand in the slit column, rows 1-6, with the start line a little inside its
    // right edge; the offset puts a boat placed at (course - 1) x row height - 6 in the
    // middle of its course's row.
    const GridCell& firstRow = s.Cell(0, 1);
    const int rowHeight = s.RowHeight(1);
    picPool.Left = s.Left() + firstRow.Left;
    picPool.Top = s.Top() + firstRow.Top + (rowHeight - kBoatHeight) / 2 + 6;
    picPool.ScaleLeft = 0;
    picPool.ScaleWidth = s.ColWidth(0) - kSlitFlyingRoom;
    picPool.ScaleHeight = 6 * rowHeight;
    for (SlitBoat& b : imgBoat)
        b.Visible = false;

    loaded_ = true;
}

ColorRef mdiResultState::FrameBackColor(int frame)
{
    static constexpr ColorRef back[6] = {0xFFFFFF, 0x404040, 0x0000FF, 0xFF0000, 0x00FFFF, 0x00FF00};
    return frame >= 1 && frame <= 6 ? back[frame - 1] : kResultBackColor;
}

ColorRef mdiResultState::FrameForeColor(int frame)
{
    return frame == 2 || frame == 4 ? 0xFFFFFF : 0x000000;
}

QString ResultAmountText(qint64 amount)
{
    return Format(double(amount), QStringLiteral("#,###円"));
}

std::array<QString, 4> SplitRaceNoTitle(const QString& raceNoTitle)
{
    std::array<QString, 4> parts;
    const QString& s = raceNoTitle;
    const qsizetype p = s.indexOf(QStringLiteral("00m")); // 0-based start of "00m"
    if (p < 0) {
        parts[0] = s;
        return parts;
    }
    parts[0] = s.left(p + 3 + 1);

    // Weather: from the second character after the distance up to the first "風" after it.
    const qsizetype weatherStart = p + 4;
    const qsizetype kaze = find(s, QStringLiteral("風"), weatherStart);
    if (kaze >= 0)
        parts[1] = trimBlanks(s.mid(weatherStart, kaze - weatherStart));

    // Wind: between the first "風" after the distance and the first "波" after it.
    const qsizetype windMark = find(s, QStringLiteral("風"), p);
    if (windMark >= 0) {
        const qsizetype nami = find(s, QStringLiteral("波"), windMark + 1);
        if (nami >= 0)
            parts[2] = trimBlanks(s.mid(windMark + 1, nami - windMark - 1));
    }

    // Waves: everything after the first "波" after the distance.
    const qsizetype waveMark = find(s, QStringLiteral("波"), p);
    if (waveMark >= 0)
        parts[3] = trimBlanks(s.mid(waveMark + 1));
    return parts;
}
