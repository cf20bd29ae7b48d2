#include "tf_master_msyobun.h"

namespace minori {

TfMasterMSyoBun::TfMasterMSyoBun(QWidget *parent)
    : TwoColumnMaster({QStringLiteral("商品分類マスター"), QStringLiteral("msyobun"), QStringLiteral("分類CODE"),
                       QStringLiteral("分類名"), QStringLiteral("分類code"),
                       QStringLiteral("分類CODEを入力してください。"),
                       QStringLiteral("分類CODEが重複していないか確認してください"), QStringLiteral("商品分類マスター 検索")},
                      parent)
{
}

} // namespace minori
