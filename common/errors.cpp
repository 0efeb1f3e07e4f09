#include "common/errors.h"

QString ErrorDescription(int number)
{
    switch (number) {
    case ErrInvalidArgument: return QStringLiteral("プロシージャの呼び出し、または引数が不正です。");
    case ErrOverflow: return QStringLiteral("オーバーフローしました。");
    case ErrIndexOutOfRange: return QStringLiteral("インデックスが有効範囲にありません。");
    case ErrDivisionByZero: return QStringLiteral("0 で除算しました。");
    case ErrTypeMismatch: return QStringLiteral("型が一致しません。");
    case ErrFileNotFound: return QStringLiteral("ファイルが見つかりません。");
    case ErrPastEndOfFile: return QStringLiteral("ファイルにこれ以上データがありません。");
    case ErrFileAccess: return QStringLiteral("パス/ファイル アクセス エラーです。");
    default: return QStringLiteral("アプリケーション定義またはオブジェクト定義のエラーです。");
    }
}

QvError::QvError(int number, QString description)
    : number_(number), description_(description.isEmpty() ? ErrorDescription(number) : std::move(description))
{
}

void RaiseError(int number, const QString& description)
{
    throw QvError(number, description);
}
