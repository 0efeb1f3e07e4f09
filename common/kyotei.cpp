#include "common/kyotei.h"

QString KyoteijyoName(int code)
{
    static const char16_t* const names[] = {u"桐生", u"戸田", u"江戸川", u"平和島", u"多摩川", u"浜名湖",
                                            u"蒲郡", u"常滑", u"津", u"三国", u"びわこ", u"住之江",
                                            u"尼崎", u"鳴門", u"丸亀", u"児島", u"宮島", u"徳山",
                                            u"下関", u"若松", u"芦屋", u"福岡", u"唐津", u"大村"};
    if (code < 1 || code > 24)
        return QString();
    return QString::fromUtf16(names[code - 1]);
}

QString CircledNumber(int n)
{
    if (n < 1 || n > 6)
        return QString();
    return QString(QChar(char16_t(0x2460 + n - 1)));
}

quint32 BoatColor(int frame, bool back)
{
    auto rgb = [](int r, int g, int b) { return quint32(r) | (quint32(g) << 8) | (quint32(b) << 16); };
    switch (frame) {
    case 1: return back ? rgb(255, 255, 255) : rgb(0, 0, 0);
    case 2: return back ? rgb(64, 64, 64) : rgb(255, 255, 255);
    case 3: return back ? rgb(255, 0, 0) : rgb(255, 255, 255);
    case 4: return back ? rgb(0, 0, 255) : rgb(255, 255, 255);
    case 5: return back ? rgb(255, 255, 0) : rgb(0, 0, 0);
    case 6: return back ? rgb(0, 255, 0) : rgb(0, 0, 0);
    default: return back ? rgb(255, 255, 255) : rgb(0, 0, 0);
    }
}
