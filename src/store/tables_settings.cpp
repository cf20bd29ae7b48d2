#include "database.h"
#include "tables.h"

#include <QDir>

namespace store {

namespace {

using C = ColumnDef;

QString defaultBackupFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\実り直送便バックアップ");
#else
    return QDir::home().filePath(QStringLiteral("実り直送便バックアップ"));
#endif
}

TableDef systemTable()
{
    TableDef t;
    t.name = QStringLiteral("system");
    t.columns = {
        C::text(QStringLiteral("自社名"), 30),
        C::text(QStringLiteral("代表者"), 24),
        C::text(QStringLiteral("郵便番号"), 8),
        C::text(QStringLiteral("住所1"), 30),
        C::text(QStringLiteral("住所2"), 30),
        C::text(QStringLiteral("住所3"), 24),
        C::text(QStringLiteral("電話番号"), 12),
        C::text(QStringLiteral("ＦＡＸ"), 12),
        C::text(QStringLiteral("E_MAIL"), 70),
        C::text(QStringLiteral("URL"), 70),
        C::real(QStringLiteral("消費税率")),
        C::text(QStringLiteral("口座印字"), 1),
        C::text(QStringLiteral("銀行1"), 26),
        C::text(QStringLiteral("口座1"), 12),
        C::text(QStringLiteral("名義1"), 24),
        C::text(QStringLiteral("銀行2"), 26),
        C::text(QStringLiteral("口座2"), 12),
        C::text(QStringLiteral("名義2"), 24),
        C::text(QStringLiteral("郵便支店1"), 5),
        C::text(QStringLiteral("郵便支店2"), 1),
        C::text(QStringLiteral("郵便口座"), 7),
        C::text(QStringLiteral("郵便加入者"), 30),
        C::text(QStringLiteral("ﾔﾏﾄ発店1"), 3),
        C::text(QStringLiteral("ﾔﾏﾄ発店2"), 3),
        C::text(QStringLiteral("ﾔﾏﾄ取扱店CODE"), 10),
        C::text(QStringLiteral("PW1"), 10),
        C::text(QStringLiteral("PW2"), 10),
        C::text(QStringLiteral("PW3"), 10),
        C::text(QStringLiteral("PW4"), 10),
        C::text(QStringLiteral("PW5"), 10),
        C::text(QStringLiteral("PW6"), 10),
        C::logical(QStringLiteral("起動時受注画面")),
        C::date(QStringLiteral("集計期間1")),
        C::date(QStringLiteral("集計期間2")),
        C::text(QStringLiteral("通常送状"), 20),
        C::logical(QStringLiteral("メイン画面シンプル")),
        C::text(QStringLiteral("バックアップ先フォルダ"), 250),
        C::smallint(QStringLiteral("バックアップ数")),
        C::logical(QStringLiteral("カラー設定")),
        C::logical(QStringLiteral("全画面最大化")),
        C::text(QStringLiteral("自社マーク"), 30),
        C::logical(QStringLiteral("注文主抽出メール除外")),
        C::text(QStringLiteral("振込用紙"), 20),
        C::smallint(QStringLiteral("注文履歴自動選択日数")),
        C::logical(QStringLiteral("注文履歴表紙同時印刷")),
        C::smallint(QStringLiteral("住所検索県ソート種別")),
        C::text(QStringLiteral("版数NO宅急便"), 30),
        C::text(QStringLiteral("版数NOペリカン便"), 30),
        C::text(QStringLiteral("版数NOゆうパック"), 30),
        C::text(QStringLiteral("版数NO佐川急便"), 30),
        C::logical(QStringLiteral("ゆうパック欄外商品印刷")),
        C::logical(QStringLiteral("注文主抽出商品指定")),
        C::date(QStringLiteral("定期購入確認日")),
        C::text(QStringLiteral("分類CODE"), 1),
        C::text(QStringLiteral("分類名"), 20),
        C::smallint(QStringLiteral("ユーザーモード")),
        C::logical(QStringLiteral("商品検索分類使用")),
        C::logical(QStringLiteral("送状送元送先同一時自社")),
        C::logical(QStringLiteral("高度な入金処理")),
        C::logical(QStringLiteral("振込用紙に明細1行印刷")),
        C::logical(QStringLiteral("振込用紙通信欄活用")),
        C::logical(QStringLiteral("お客様Noに分類CODE付加")),
    };
    t.seed = [](Database &db) {
        db.exec(QStringLiteral("INSERT INTO system (通常送状, 送状送元送先同一時自社, ゆうパック欄外商品印刷, 起動時受注画面, "
                               "全画面最大化, 高度な入金処理, 振込用紙に明細1行印刷, 振込用紙通信欄活用, "
                               "お客様Noに分類CODE付加, バックアップ先フォルダ) VALUES (?, 1, 0, 0, 0, 0, 0, 0, 0, ?)"),
                {QStringLiteral("00 宅急便"), defaultBackupFolder()});
    };
    return t;
}

TableDef wallpaperTable()
{
    TableDef t;
    t.name = QStringLiteral("dwallpaper");
    t.columns = {
        C::logical(QStringLiteral("壁紙1を使う")),
        C::text(QStringLiteral("壁紙1ファイル名"), 255),
        C::logical(QStringLiteral("壁紙2を使う")),
        C::text(QStringLiteral("壁紙2ファイル名"), 255),
    };
    t.seed = [](Database &db) { db.exec(QStringLiteral("INSERT INTO dwallpaper (壁紙1を使う, 壁紙2を使う) VALUES (0, 0)")); };
    return t;
}

} // namespace

QList<TableDef> settingsTables() { return {systemTable(), wallpaperTable()}; }

} // namespace store
