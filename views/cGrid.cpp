#include "views/cGrid.h"

#include "common/cp932.h"
#include "common/errors.h"
#include "common/format.h"
#include "common/strutil.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>

namespace {

constexpr int kErrObjectNotSet = 91;

const QString& objectNotSetText()
{
    static const QString text = QStringLiteral("オブジェクト変数または With ブロック変数が設定されていません。");
    return text;
}

// 32-bit results: a sum that leaves the range is an overflow (error 6), never a wrap.
int toLong(qint64 value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        RaiseError(ErrOverflow);
    return int(value);
}

int clampCount(int value) { return std::clamp(value, 1, cGrid::kMaxCount); }

// One character of the text at i: a surrogate pair stays together.
QString charAt(const QString& text, qsizetype i)
{
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return text.mid(i, 2);
    return text.mid(i, 1);
}

QDateTime parseDateTime(const QString& value)
{
    const QString t = value.trimmed();
    static const char* const dateTimeFormats[] = {"yyyy/M/d H:m:s", "yyyy/M/d H:m", "yyyy-M-d H:m:s", "yyyy-M-d H:m"};
    for (const char* f : dateTimeFormats) {
        const QDateTime dt = QDateTime::fromString(t, QLatin1String(f));
        if (dt.isValid())
            return dt;
    }
    static const char* const dateFormats[] = {"yyyy/M/d", "yyyy-M-d"};
    for (const char* f : dateFormats) {
        const QDate d = QDate::fromString(t, QLatin1String(f));
        if (d.isValid())
            return QDateTime(d, QTime(0, 0));
    }
    static const char* const timeFormats[] = {"H:m:s", "H:m"};
    for (const char* f : timeFormats) {
        const QTime tm = QTime::fromString(t, QLatin1String(f));
        if (tm.isValid())
            return QDateTime(QDate(1899, 12, 30), tm);
    }
    return {};
}

} // namespace

// ---------------------------------------------------------------- helpers

int cGrid::Div(double a, double b)
{
    const qint64 x = CLng(a);
    const qint64 y = CLng(b);
    if (y == 0)
        RaiseError(ErrDivisionByZero);
    return toLong(x / y); // C++ division truncates toward zero
}

QString cGrid::FormatCellText(const GridCell& cell)
{
    const QString& pattern = cell.Format;
    const QString& value = cell.Value;
    if (pattern.isEmpty())
        return value;
    if (pattern.contains(QLatin1Char('@')))
        return FormatText(value, pattern);
    if (IsNumeric(value)) {
        bool ok = false;
        const double number = value.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(number))
            return value; // beyond double range: nothing sensible to format
        return Format(number, pattern);
    }
    static const QString dateTokens = QStringLiteral("ymdhnsYMDHNS");
    const bool datePattern = std::any_of(pattern.begin(), pattern.end(), [](QChar c) { return dateTokens.contains(c); });
    if (datePattern) {
        const QDateTime dt = parseDateTime(value);
        if (dt.isValid())
            return FormatDateTime(dt, pattern);
    }
    return value; // text that is neither number nor date is shown as it is
}

GridSurface& cGrid::surface() const
{
    if (!surface_)
        RaiseError(kErrObjectNotSet, objectNotSetText());
    return *surface_;
}

void cGrid::recordError()
{
    try {
        throw;
    } catch (const QvError& e) {
        lastErrText_ = e.description();
    } catch (const std::exception& e) {
        lastErrText_ = QString::fromLocal8Bit(e.what());
    } catch (...) {
        lastErrText_ = ErrorDescription(0);
    }
}

void cGrid::checkCol(int col) const
{
    if (col < 0 || col >= tableCols())
        RaiseError(ErrIndexOutOfRange);
}

void cGrid::checkRow(int row) const
{
    if (row < 0 || row >= tableRows())
        RaiseError(ErrIndexOutOfRange);
}

GridCell& cGrid::cellRef(int col, int row)
{
    checkCol(col);
    checkRow(row);
    return cells_[col][row];
}

const GridCell& cGrid::cellRef(int col, int row) const
{
    checkCol(col);
    checkRow(row);
    return cells_[col][row];
}

const GridCell& cGrid::Cell(int col, int row) const { return cellRef(col, row); }

bool cGrid::isHeader(int col, int row) const { return (headerCol_ && row == 0) || (headerRow_ && col == 0); }

int cGrid::AvgCharWidth()
{
    try {
        const GridSurface& s = surface();
        qint64 sum = 0;
        for (char16_t ch = 32; ch <= 122; ++ch)
            sum += s.TextWidth(QString(QChar(ch)));
        return toLong(sum / 91);
    } catch (...) {
        recordError();
        return 0;
    }
}

int cGrid::AvgCharHeight()
{
    try {
        const GridSurface& s = surface();
        qint64 sum = 0;
        for (char16_t ch = 32; ch <= 122; ++ch)
            sum += s.TextHeight(QString(QChar(ch)));
        return toLong(sum / 91);
    } catch (...) {
        recordError();
        return 0;
    }
}

int cGrid::FitColWidth()
{
    try {
        return Div(double(surface().ScaleWidth()) - left_, cols_);
    } catch (...) {
        recordError();
        return 0;
    }
}

int cGrid::FitRowHeight()
{
    try {
        return Div(double(surface().ScaleHeight()) - top_, rows_);
    } catch (...) {
        recordError();
        return 0;
    }
}

// ---------------------------------------------------------------- set-up

bool cGrid::Init(GridSurface& objPicture, int Cols, int Rows, bool HeaderCol, bool HeaderRow)
{
    Cols = clampCount(Cols);
    Rows = clampCount(Rows);
    lastErrText_.clear();
    try {
        surface_ = &objPicture;
        GridFont font;
        font.name = QStringLiteral("ＭＳ ゴシック");
        font.size = 10.0f;
        objPicture.SetFont(font);
        objPicture.SetForeColor(0);
        objPicture.SetBackColor(0xFFFFFF);

        left_ = top_ = 0;
        cols_ = Cols;
        rows_ = Rows;
        headerCol_ = HeaderCol;
        headerRow_ = HeaderRow;
        headerBackColor_ = kDefaultHeaderBackColor;
        gridLine_ = true;
        gridLineColor_ = kSysColorButtonShadow;
        refreshFlg_ = true;
        cursorCol_ = cursorRow_ = 0;

        createCells();
        initCells();
        redrawAll();
        return true;
    } catch (...) {
        recordError();
        return false;
    }
}

bool cGrid::Reset()
{
    if (!surface_) {
        lastErrText_ = objectNotSetText();
        return false;
    }
    return Init(*surface_, cols_, rows_, headerCol_, headerRow_);
}

void cGrid::createCells() { cells_ = QVector<QVector<GridCell>>(cols_, QVector<GridCell>(rows_)); }

void cGrid::initCells()
{
    const int w = FitColWidth();
    const int h = FitRowHeight();
    const GridSurface& s = surface();
    const ColorRef fore = s.ForeColor();
    const ColorRef back = s.BackColor();
    for (int c = 0; c < tableCols(); ++c) {
        for (int r = 0; r < tableRows(); ++r) {
            GridCell& cell = cells_[c][r];
            cell = GridCell();
            cell.Left = toLong(qint64(w) * c);
            cell.Top = toLong(qint64(h) * r);
            cell.Width = w;
            cell.Height = h;
            cell.ForeColor = fore;
            cell.BackColor = back;
        }
    }
    reLayout();
}

// Checks every position first and writes only when all fit in 32 bits, so an overflow
// leaves the layout as it was.
void cGrid::reLayout()
{
    const int nc = tableCols();
    const int nr = tableRows();
    if (nc == 0 || nr == 0) {
        width_ = height_ = 0;
        return;
    }
    for (int pass = 0; pass < 2; ++pass) {
        const bool write = pass == 1;
        for (int r = 0; r < nr; ++r) {
            qint64 x = cells_[0][r].Left;
            for (int c = 1; c < nc; ++c) {
                x += cells_[c - 1][r].Width;
                const int v = toLong(x);
                if (write)
                    cells_[c][r].Left = v;
            }
        }
        for (int c = 0; c < nc; ++c) {
            qint64 y = cells_[c][0].Top;
            for (int r = 1; r < nr; ++r) {
                y += cells_[c][r - 1].Height;
                const int v = toLong(y);
                if (write)
                    cells_[c][r].Top = v;
            }
        }
        qint64 w = 0, h = 0;
        for (int c = 0; c < nc; ++c)
            w += cells_[c][0].Width;
        for (int r = 0; r < nr; ++r)
            h += cells_[0][r].Height;
        const int tw = toLong(w);
        const int th = toLong(h);
        if (write) {
            width_ = tw;
            height_ = th;
        }
    }
}

// A width or height change: applied, laid out, redrawn; an overflow puts everything back.
template <class Change>
void cGrid::changeLayout(Change change)
{
    const auto before = cells_;
    change();
    try {
        reLayout();
    } catch (...) {
        cells_ = before;
        throw;
    }
    redrawAll();
}

void cGrid::SetFont(const QString& strFontName, float sngFontSize, bool blnBold, bool blnItalic)
{
    try {
        GridSurface& s = surface();
        const GridFont old = s.Font();
        GridFont font = old;
        if (!strFontName.isEmpty())
            font.name = strFontName;
        if (std::isfinite(sngFontSize) && sngFontSize > 0)
            font.size = sngFontSize;
        font.bold = blnBold;
        font.italic = blnItalic;
        try {
            s.SetFont(font);
        } catch (...) {
            // An unknown face must not cost the size and style: keep the old face.
            font.name = old.name;
            s.SetFont(font);
        }
    } catch (...) {
        // font trouble is never worth a message
    }
}

void cGrid::FormatString(const QString& strFormat)
{
    struct Item {
        QString text;
        int align = 0;
    };
    QVector<Item> items(1);
    for (qsizetype i = 0; i < strFormat.size(); ++i) {
        const QChar ch = strFormat.at(i);
        if (ch == QLatin1Char('|')) {
            items.append(Item());
        } else if (ch == QLatin1Char('\\')) {
            if (i + 1 < strFormat.size())
                items.last().text += strFormat.at(++i);
        } else if (ch == QLatin1Char('<')) {
            items.last().align = 1;
        } else if (ch == QLatin1Char('^')) {
            items.last().align = 2;
        } else if (ch == QLatin1Char('>')) {
            items.last().align = 3;
        } else {
            items.last().text += ch;
        }
    }

    const int used = std::min(int(items.size()), tableCols());
    const int m = AvgCharWidth();
    QVector<int> widths(used);
    for (int j = 0; j < used; ++j)
        widths[j] = toLong(qint64(Cp932ByteLength(items[j].text)) * m + 2LL * textOffsetX_);

    changeLayout([&] {
        for (int j = 0; j < used; ++j) {
            cells_[j][0].Value = items[j].text;
            for (GridCell& cell : cells_[j]) {
                cell.Width = widths[j];
                cell.TextAlign = items[j].align;
            }
        }
    });
}

// ---------------------------------------------------------------- painting

void cGrid::DrawCells(int col, int row)
{
    if (!refreshFlg_ || (surface_ && !surface_->Paints()))
        return;
    GridSurface* hidden = nullptr;
    try {
        GridSurface& s = surface();
        s.Hide();
        hidden = &s;
        if (col < 0 || row < 0) {
            s.Clear();
            for (int c = 0; c < tableCols(); ++c)
                for (int r = 0; r < tableRows(); ++r)
                    paintCell(c, r);
        } else {
            checkCol(col);
            checkRow(row);
            paintCell(col, row);
        }
    } catch (...) {
        recordError();
    }
    if (hidden) {
        try {
            hidden->Show();
        } catch (...) {
            recordError();
        }
    }
}

void cGrid::paintCell(int col, int row)
{
    GridSurface& s = surface();
    const GridCell& cell = cells_[col][row];
    const int x1 = toLong(qint64(left_) + cell.Left);
    const int y1 = toLong(qint64(top_) + cell.Top);
    const int x2 = toLong(qint64(x1) + cell.Width);
    const int y2 = toLong(qint64(y1) + cell.Height);
    s.FillRect(x1, y1, x2, y2, isHeader(col, row) ? headerBackColor_ : cell.BackColor);
    drawCellText(cell);
    if (gridLine_)
        s.FrameRect(x1, y1, x2, y2, gridLineColor_);
}

void cGrid::drawCellText(const GridCell& cell)
{
    GridSurface& s = surface();
    const QStringList lines = SplitCellText(cell);
    if (lines.isEmpty())
        return;
    qint64 y = qint64(top_) + textPosY(cell, int(lines.size()));
    for (const QString& line : lines) {
        const int x = toLong(qint64(left_) + textPosX(cell, line) + 1);
        if (!line.isEmpty())
            s.DrawText(x, toLong(y), line, cell.ForeColor);
        y += s.TextHeight(line);
    }
}

int cGrid::textPosX(const GridCell& cell, const QString& line) const
{
    const qint64 w = surface().TextWidth(line);
    const qint64 avail = qint64(cell.Width) - 2LL * textOffsetX_;
    const qint64 start = qint64(cell.Left) + textOffsetX_;
    if (w >= avail)
        return toLong(start);
    const qint64 d = avail - w;
    switch (cell.TextAlign) {
    case 2:
        return toLong(start + Div(double(d), 2));
    case 3:
        return toLong(start + d);
    case 0:
        return toLong(IsNumeric(line) ? start + d : start);
    default:
        return toLong(start);
    }
}

int cGrid::textPosY(const GridCell& cell, int lineCount) const
{
    const qint64 block = qint64(lineCount) * surface().TextHeight(QStringLiteral("@"));
    const qint64 avail = qint64(cell.Height) - 2LL * textOffsetY_;
    const qint64 start = qint64(cell.Top) + textOffsetY_;
    if (block < avail)
        return toLong(start + Div(double(avail - block), 2));
    return toLong(start);
}

QStringList cGrid::SplitCellText(const GridCell& cell) const
{
    QStringList lines;
    if (cell.Value.isEmpty())
        return lines;
    const QString text = FormatCellText(cell);
    const GridSurface& s = surface();
    const qint64 maxW = qint64(cell.Width) - 2LL * textOffsetX_;
    const qint64 maxH = qint64(cell.Height) - 2LL * textOffsetY_;

    const QString first = text.isEmpty() ? QString() : charAt(text, 0);
    if (s.TextWidth(first) > maxW || s.TextHeight(first) > maxH)
        return lines;

    QString current;
    qint64 u = 0;     // width of the current line, summed character by character
    qint64 used = 0;  // height of the lines kept so far
    // Closes the current line; false once it no longer fits, so the rest can be skipped.
    auto closeLine = [&]() {
        const qint64 h = s.TextHeight(current);
        if (used + h > maxH)
            return false;
        used += h;
        lines.append(current);
        current.clear();
        return true;
    };

    bool fits = true;
    for (qsizetype i = 0; i < text.size() && fits;) {
        const QString ch = charAt(text, i);
        i += ch.size();
        const char16_t code = ch.at(0).unicode();
        if (code == 13) {
            fits = closeLine();
            u = 0;
            continue;
        }
        if (code < 13)
            continue; // tab, line feed and other control characters are not shown
        const qint64 w = s.TextWidth(ch);
        if (u + w > maxW) {
            fits = closeLine();
            u = 0;
            if (!fits)
                break;
        }
        current += ch;
        u += w;
    }
    if (fits)
        closeLine();
    if (lines.isEmpty())
        lines.append(QString());
    return lines;
}

// ---------------------------------------------------------------- hit testing

int cGrid::ClickCol(float sngX)
{
    try {
        if (tableRows() == 0)
            return -1;
        const double x = sngX;
        for (int c = 0; c < tableCols(); ++c) {
            const GridCell& cell = cells_[c][0];
            const double left = double(left_) + cell.Left;
            if (left < x && x < left + cell.Width)
                return c;
        }
    } catch (...) {
        recordError();
    }
    return -1;
}

int cGrid::ClickRow(float sngY)
{
    try {
        if (tableCols() == 0)
            return -1;
        const double y = sngY;
        for (int r = 0; r < tableRows(); ++r) {
            const GridCell& cell = cells_[0][r];
            const double top = double(top_) + cell.Top;
            if (top < y && y < top + cell.Height)
                return r;
        }
    } catch (...) {
        recordError();
    }
    return -1;
}

QString cGrid::ClickValue(float sngX, float sngY)
{
    try {
        const int c = ClickCol(sngX);
        const int r = ClickRow(sngY);
        if (c >= 0 && r >= 0)
            return cellRef(c, r).Value;
    } catch (...) {
        recordError();
    }
    return QString();
}

void cGrid::cursorFrame(int col, int row, ColorRef color)
{
    const GridCell& cell = cells_[col][row];
    const int x1 = toLong(qint64(left_) + cell.Left);
    const int y1 = toLong(qint64(top_) + cell.Top);
    const int x2 = toLong(qint64(x1) + cell.Width - (gridLine_ ? 0 : 1));
    const int y2 = toLong(qint64(y1) + cell.Height);
    surface().FrameRect(x1, y1, x2, y2, color);
}

void cGrid::MouseMove(float sngX, float sngY)
{
    try {
        const int c = ClickCol(sngX);
        const int r = ClickRow(sngY);
        // The old cursor cell may be gone after Cols or Rows shrank the table; the redraw
        // that came with that change already removed its frame.
        if (cursorCol_ >= 0 && cursorRow_ >= 0 && cursorCol_ < tableCols() && cursorRow_ < tableRows()) {
            const ColorRef erase = gridLine_ ? gridLineColor_
                : isHeader(cursorCol_, cursorRow_) ? headerBackColor_
                                                   : cells_[cursorCol_][cursorRow_].BackColor;
            cursorFrame(cursorCol_, cursorRow_, erase);
        }
        if (c >= 0 && r >= 0)
            cursorFrame(c, r, kCursorColor);
        cursorCol_ = c;
        cursorRow_ = r;
    } catch (...) {
        recordError();
    }
}

// ---------------------------------------------------------------- placement

void cGrid::Move(int lngLeft, int lngTop)
{
    left_ = lngLeft;
    top_ = lngTop;
    redrawAll();
}

void cGrid::MoveCenter()
{
    const GridSurface& s = surface();
    const int left = Div(double(s.ScaleWidth()) - width_, 2);
    const int top = Div(double(s.ScaleHeight()) - height_, 2);
    left_ = left;
    top_ = top;
    redrawAll();
}

void cGrid::Refresh(bool blnRefreshFlgTrue)
{
    const bool remembered = refreshFlg_;
    refreshFlg_ = true;
    redrawAll();
    if (!blnRefreshFlgTrue)
        refreshFlg_ = remembered;
}

void cGrid::ClearGrid(int col, int row)
{
    if (col < 0) {
        for (auto& column : cells_)
            for (GridCell& cell : column)
                cell.Value.clear();
    } else {
        cellRef(col, row).Value.clear();
    }
    Refresh(false);
}

void cGrid::AutoReSize()
{
    try {
        GridSurface& s = surface();
        const int w = toLong(qint64(left_) + width_ + 1);
        const int h = toLong(qint64(top_) + height_ + 1);
        s.SetScaleSize(w, h);
        redrawAll();
    } catch (...) {
        recordError();
    }
}

// ---------------------------------------------------------------- properties

void cGrid::Cols(int intData)
{
    cols_ = clampCount(intData);
    createCells();
    redrawAll();
}

void cGrid::Rows(int intData)
{
    rows_ = clampCount(intData);
    for (auto& column : cells_)
        column.resize(rows_); // kept rows stay, new rows start empty
    redrawAll();
}

void cGrid::TextOffsetX(int lngData)
{
    textOffsetX_ = std::max(1, lngData);
    redrawAll();
}

void cGrid::TextOffsetY(int lngData)
{
    textOffsetY_ = std::max(1, lngData);
    redrawAll();
}

void cGrid::HeaderCol(bool blnData)
{
    headerCol_ = blnData;
    redrawAll();
}

void cGrid::HeaderRow(bool blnData)
{
    headerRow_ = blnData;
    redrawAll();
}

void cGrid::GridLine(bool blnData)
{
    gridLine_ = blnData;
    redrawAll();
}

void cGrid::HeaderBackColor(ColorRef lngData)
{
    headerBackColor_ = lngData;
    redrawAll();
}

void cGrid::GridLineColor(ColorRef lngData)
{
    gridLineColor_ = lngData;
    redrawAll();
}

QString cGrid::CellValue(int row, int col) const { return cellRef(col, row).Value; }

void cGrid::CellValue(int row, int col, const QString& strData)
{
    cellRef(col, row).Value = strData;
    DrawCells(col, row);
}

QString cGrid::CellText(int row, int col) const { return FormatCellText(cellRef(col, row)); }

QString cGrid::CellFormat(int row, int col) const { return cellRef(col, row).Format; }

void cGrid::CellFormat(int row, int col, const QString& strData)
{
    cellRef(col, row).Format = strData;
    DrawCells(col, row);
}

int cGrid::CellTextAlign(int row, int col) const { return cellRef(col, row).TextAlign; }

void cGrid::CellTextAlign(int row, int col, int intData)
{
    cellRef(col, row).TextAlign = intData;
    redrawAll();
}

ColorRef cGrid::CellForeColor(int row, int col) const { return cellRef(col, row).ForeColor; }

void cGrid::CellForeColor(int row, int col, ColorRef lngData)
{
    cellRef(col, row).ForeColor = lngData;
    DrawCells(col, row);
}

ColorRef cGrid::CellBackColor(int row, int col) const { return cellRef(col, row).BackColor; }

void cGrid::CellBackColor(int row, int col, ColorRef lngData)
{
    cellRef(col, row).BackColor = lngData;
    DrawCells(col, row);
}

int cGrid::textLenWidth(int intData) { return toLong(qint64(intData) * AvgCharWidth() + 2LL * textOffsetX_); }

int cGrid::textLineHeight(int intData) { return toLong(qint64(intData) * AvgCharHeight() + 2LL * textOffsetY_); }

int cGrid::ColTextLen(int col) const
{
    const GridCell& cell = cellRef(col, 0);
    return Div(double(cell.Width) - 2.0 * textOffsetX_, surface().TextWidth(QStringLiteral("@")));
}

void cGrid::ColTextLen(int col, int intData)
{
    checkCol(col);
    const int w = textLenWidth(intData);
    changeLayout([&] {
        for (GridCell& cell : cells_[col])
            cell.Width = w;
    });
}

void cGrid::AllTextLen(int intData)
{
    const int w = textLenWidth(intData);
    changeLayout([&] {
        for (auto& column : cells_)
            for (GridCell& cell : column)
                cell.Width = w;
    });
}

int cGrid::RowTextLine(int row) const
{
    const GridCell& cell = cellRef(0, row);
    return Div(double(cell.Height) - 2.0 * textOffsetY_, surface().TextHeight(QStringLiteral("@")));
}

void cGrid::RowTextLine(int row, int intData)
{
    checkRow(row);
    const int h = textLineHeight(intData);
    changeLayout([&] {
        for (auto& column : cells_)
            column[row].Height = h;
    });
}

void cGrid::AllTextLine(int intData)
{
    const int h = textLineHeight(intData);
    changeLayout([&] {
        for (auto& column : cells_)
            for (GridCell& cell : column)
                cell.Height = h;
    });
}

int cGrid::ColWidth(int col) const { return cellRef(col, 0).Width; }

void cGrid::ColWidth(int col, int lngData)
{
    checkCol(col);
    changeLayout([&] {
        for (GridCell& cell : cells_[col])
            cell.Width = lngData;
    });
}

void cGrid::AllWidth(int lngData)
{
    changeLayout([&] {
        for (auto& column : cells_)
            for (GridCell& cell : column)
                cell.Width = lngData;
    });
}

int cGrid::RowHeight(int row) const { return cellRef(0, row).Height; }

void cGrid::RowHeight(int row, int lngData)
{
    checkRow(row);
    changeLayout([&] {
        for (auto& column : cells_)
            column[row].Height = lngData;
    });
}

void cGrid::AllHeight(int lngData)
{
    changeLayout([&] {
        for (auto& column : cells_)
            for (GridCell& cell : column)
                cell.Height = lngData;
    });
}

void cGrid::ColTextAlign(int col, int intData)
{
    checkCol(col);
    for (GridCell& cell : cells_[col])
        cell.TextAlign = intData;
    redrawAll();
}

void cGrid::RowTextAlign(int row, int intData)
{
    checkRow(row);
    for (auto& column : cells_)
        column[row].TextAlign = intData;
    redrawAll();
}

void cGrid::AllTextAlign(int intData)
{
    for (auto& column : cells_)
        for (GridCell& cell : column)
            cell.TextAlign = intData;
    redrawAll();
}

void cGrid::ColForeColor(int col, ColorRef lngData)
{
    checkCol(col);
    for (GridCell& cell : cells_[col])
        cell.ForeColor = lngData;
    redrawAll();
}

void cGrid::RowForeColor(int row, ColorRef lngData)
{
    checkRow(row);
    for (auto& column : cells_)
        column[row].ForeColor = lngData;
    redrawAll();
}

void cGrid::AllForeColor(ColorRef lngData)
{
    for (auto& column : cells_)
        for (GridCell& cell : column)
            cell.ForeColor = lngData;
    redrawAll();
}

void cGrid::ColBackColor(int col, ColorRef lngData)
{
    checkCol(col);
    for (GridCell& cell : cells_[col])
        cell.BackColor = lngData;
    redrawAll();
}

void cGrid::RowBackColor(int row, ColorRef lngData)
{
    checkRow(row);
    for (auto& column : cells_)
        column[row].BackColor = lngData;
    redrawAll();
}

void cGrid::AllBackColor(ColorRef lngData)
{
    for (auto& column : cells_)
        for (GridCell& cell : column)
            cell.BackColor = lngData;
    redrawAll();
}

void cGrid::ColFormat(int col, const QString& strData)
{
    checkCol(col);
    for (GridCell& cell : cells_[col])
        cell.Format = strData;
    redrawAll();
}

void cGrid::RowFormat(int row, const QString& strData)
{
    checkRow(row);
    for (auto& column : cells_)
        column[row].Format = strData;
    redrawAll();
}

void cGrid::AllFormat(const QString& strData)
{
    for (auto& column : cells_)
        for (GridCell& cell : column)
            cell.Format = strData;
    redrawAll();
}

void cGrid::Left(int lngData)
{
    left_ = lngData;
    redrawAll();
}

void cGrid::Top(int lngData)
{
    top_ = lngData;
    redrawAll();
}

quintptr cGrid::hWnd() const { return surface_ ? surface_->hWnd() : 0; }

quintptr cGrid::hDc() const { return surface_ ? surface_->hDc() : 0; }
