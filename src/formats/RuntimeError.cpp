#include "formats/RuntimeError.h"

namespace runtime_error {

QString description(int number) {
    switch (number) {
    case InvalidProcedureCall: return QStringLiteral("プロシージャの呼び出し、または引数が不正です。");
    case Overflow: return QStringLiteral("オーバーフローしました。");
    case OutOfMemory: return QStringLiteral("メモリが不足しています。");
    case SubscriptOutOfRange: return QStringLiteral("インデックスが有効範囲にありません。");
    case TypeMismatch: return QStringLiteral("型が一致しません。");
    case OutOfStackSpace: return QStringLiteral("スタック領域が不足しています。");
    case InternalError: return QStringLiteral("内部エラーです。");
    case BadFileNameOrNumber: return QStringLiteral("ファイル名または番号が不正です。");
    case FileNotFound: return QStringLiteral("ファイルが見つかりません。");
    case DeviceIoError: return QStringLiteral("デバイス I/O エラーです。");
    case DiskFull: return QStringLiteral("ディスクの空き容量が不足しています。");
    case InputPastEndOfFile: return QStringLiteral("ファイルにこれ以上データがありません。");
    case DeviceUnavailable: return QStringLiteral("デバイスが準備されていません。");
    case PermissionDenied: return QStringLiteral("書き込みできません。");
    case PathFileAccessError: return QStringLiteral("パス名が無効です。");
    case PathNotFound: return QStringLiteral("パスが見つかりません。");
    case ObjectVariableNotSet: return QStringLiteral("オブジェクト変数または With ブロック変数が設定されていません。");
    case InvalidPropertyValue: return QStringLiteral("プロパティの値が不正です。");
    case InvalidPicture: return QStringLiteral("ピクチャが不正です。");
    default: return QStringLiteral("アプリケーション定義またはオブジェクト定義のエラーです。");
    }
}

}  // namespace runtime_error
