#include "tf_master_mbunrui.h"

namespace minori {

TfMasterMBunrui::TfMasterMBunrui(QWidget *parent)
    : TwoColumnMaster({QStringLiteral("顧客分類マスター"), QStringLiteral("mbunrui"), QStringLiteral("分類CODE"),
                       QStringLiteral("分類名"), QStringLiteral("分類code"),
                       QStringLiteral("分類CODEを入力してください。"),
                       QStringLiteral("分類CODEが重複していないか確認してください"), QStringLiteral("顧客分類マスター 検索")},
                      parent)
{
}

} // namespace minori
