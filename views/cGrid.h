#pragma once
// cGrid: the owner-drawn table of every child window and of the report. It keeps every cell
// in memory, paints only through a GridSurface and answers which cell lies under a point.
//
// Indices are 0-based; row 0 / column 0 are the header row / column when the header flags
// are set. Cell properties take (row, col); ClearGrid and DrawCells take (col, row).
// A column or row outside the table raises error 9 (QvError) and changes nothing, except in
// the operations that catch their own errors (Init, DrawCells, MouseMove, the Click*
// queries, AutoReSize, AvgChar*, Fit*): those record the error's description in LastErrText
// and return a neutral result.
#include "views/gridsurface.h"

#include <QString>
#include <QStringList>
#include <QVector>

struct GridCell {
    QString Value;       // the text as stored by the caller
    int Left = 0;        // relative to the grid origin
    int Top = 0;
    int Width = 0;
    int Height = 0;
    QString Format;      // pattern applied to Value when drawing; empty means none
    int TextAlign = 0;   // 0 general (numbers right, other text left), 1 left, 2 centre, 3 right
    ColorRef ForeColor = 0;
    ColorRef BackColor = 0; // not used for header cells
};

class cGrid {
public:
    static constexpr int kMaxCount = 256;
    static constexpr ColorRef kDefaultHeaderBackColor = 0xE0E0E0;
    static constexpr ColorRef kCursorColor = 255;

    cGrid() = default;

    // ---- methods ----
    void MouseMove(float sngX, float sngY);
    QString ClickValue(float sngX, float sngY);
    int ClickCol(float sngX);
    int ClickRow(float sngY);
    void Move(int lngLeft, int lngTop);
    void MoveCenter();
    void Refresh(bool blnRefreshFlgTrue);
    void ClearGrid(int col, int row);
    void AutoReSize();
    void SetFont(const QString& strFontName, float sngFontSize, bool blnBold, bool blnItalic);
    bool Reset();
    bool Init(GridSurface& objPicture, int Cols, int Rows, bool HeaderCol, bool HeaderRow);
    void FormatString(const QString& strFormat);

    // The only painter: the whole grid when col or row is negative, else that one cell.
    // Does nothing while RefreshFlg is false.
    void DrawCells(int col, int row);

    // ---- properties ----
    int Cols() const { return cols_; }
    void Cols(int intData);
    int Rows() const { return rows_; }
    void Rows(int intData);
    int DataCols() const { return headerRow_ ? cols_ - 1 : cols_; }
    int DataRows() const { return headerCol_ ? rows_ - 1 : rows_; }
    int MinCol() const { return 0; }
    int MinRow() const { return 0; }
    int MaxCol() const { return cols_ - 1; }
    int MaxRow() const { return rows_ - 1; }

    int TextOffsetX() const { return textOffsetX_; }
    void TextOffsetX(int lngData);
    int TextOffsetY() const { return textOffsetY_; }
    void TextOffsetY(int lngData);

    bool HeaderCol() const { return headerCol_; }
    void HeaderCol(bool blnData);
    bool HeaderRow() const { return headerRow_; }
    void HeaderRow(bool blnData);
    bool GridLine() const { return gridLine_; }
    void GridLine(bool blnData);
    ColorRef HeaderBackColor() const { return headerBackColor_; }
    void HeaderBackColor(ColorRef lngData);
    ColorRef GridLineColor() const { return gridLineColor_; }
    void GridLineColor(ColorRef lngData);

    QString CellValue(int row, int col) const;
    void CellValue(int row, int col, const QString& strData);
    QString CellText(int row, int col) const; // Value after its Format
    QString CellFormat(int row, int col) const;
    void CellFormat(int row, int col, const QString& strData);
    int CellTextAlign(int row, int col) const;
    void CellTextAlign(int row, int col, int intData);
    ColorRef CellForeColor(int row, int col) const;
    void CellForeColor(int row, int col, ColorRef lngData);
    ColorRef CellBackColor(int row, int col) const;
    void CellBackColor(int row, int col, ColorRef lngData);

    int ColTextLen(int col) const;
    void ColTextLen(int col, int intData);
    void AllTextLen(int intData);
    int RowTextLine(int row) const;
    void RowTextLine(int row, int intData);
    void AllTextLine(int intData);
    int ColWidth(int col) const;
    void ColWidth(int col, int lngData);
    void AllWidth(int lngData);
    int RowHeight(int row) const;
    void RowHeight(int row, int lngData);
    void AllHeight(int lngData);

    void ColTextAlign(int col, int intData);
    void RowTextAlign(int row, int intData);
    void AllTextAlign(int intData);
    void ColForeColor(int col, ColorRef lngData);
    void RowForeColor(int row, ColorRef lngData);
    void AllForeColor(ColorRef lngData);
    void ColBackColor(int col, ColorRef lngData);
    void RowBackColor(int row, ColorRef lngData);
    void AllBackColor(ColorRef lngData);
    void ColFormat(int col, const QString& strData);
    void RowFormat(int row, const QString& strData);
    void AllFormat(const QString& strData);

    int Left() const { return left_; }
    void Left(int lngData);
    int Top() const { return top_; }
    void Top(int lngData);
    int Width() const { return width_; }
    int Height() const { return height_; }

    bool RefreshFlg() const { return refreshFlg_; }
    void RefreshFlg(bool blnData) { refreshFlg_ = blnData; }
    int CursorCol() const { return cursorCol_; }
    int CursorRow() const { return cursorRow_; }

    quintptr hWnd() const;
    quintptr hDc() const;
    const QString& LastErrText() const { return lastErrText_; }

    // ---- helpers the windows and tests use ----
    GridSurface* Surface() const { return surface_; }
    // The stored cell (col, row); error 9 outside the table.
    const GridCell& Cell(int col, int row) const;
    // Mean width / height of the characters " ".."z" in the surface's current font,
    // measured anew on every call; 0 after an error.
    int AvgCharWidth();
    int AvgCharHeight();
    // Share of the surface's drawable area per column / row; 0 after an error.
    int FitColWidth();
    int FitRowHeight();
    // The lines a cell shows: its formatted text wrapped at the cell's inner width and cut to
    // the lines that fit its inner height.
    QStringList SplitCellText(const GridCell& cell) const;
    static QString FormatCellText(const GridCell& cell);
    // Whole-number division: both operands rounded (halves to even), quotient truncated
    // toward zero. Error 11 when the rounded divisor is 0, error 6 outside 32 bits.
    static int Div(double a, double b);

private:
    GridCell& cellRef(int col, int row);
    const GridCell& cellRef(int col, int row) const;
    void checkCol(int col) const;
    void checkRow(int row) const;
    int tableCols() const { return int(cells_.size()); }
    int tableRows() const { return cells_.isEmpty() ? 0 : int(cells_.first().size()); }
    GridSurface& surface() const;
    bool isHeader(int col, int row) const;
    void createCells();
    void initCells();
    void reLayout();
    template <class Change> void changeLayout(Change change);
    int textLenWidth(int intData);
    int textLineHeight(int intData);
    void paintCell(int col, int row);
    void drawCellText(const GridCell& cell);
    int textPosX(const GridCell& cell, const QString& line) const;
    int textPosY(const GridCell& cell, int lineCount) const;
    void cursorFrame(int col, int row, ColorRef color);
    void recordError();
    void redrawAll() { DrawCells(-1, -1); }

    GridSurface* surface_ = nullptr; // owned by the window; must outlive the grid
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    int cols_ = 4;
    int rows_ = 4;
    int textOffsetX_ = 2;
    int textOffsetY_ = 2;
    bool headerCol_ = true;
    bool headerRow_ = true;
    ColorRef headerBackColor_ = kDefaultHeaderBackColor;
    bool gridLine_ = true;
    ColorRef gridLineColor_ = kSysColorButtonShadow;
    bool refreshFlg_ = true;
    int cursorCol_ = 0;
    int cursorRow_ = 0;
    QVector<QVector<GridCell>> cells_; // [col][row]; empty until Init
    QString lastErrText_;
};
