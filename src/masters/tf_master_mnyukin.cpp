#include "tf_master_mnyukin.h"

namespace minori {

TfMasterMNyukin::TfMasterMNyukin(QWidget *parent)
    : TwoColumnMaster({QStringLiteral("入金種別マスター"), QStringLiteral("mnyukin"), QStringLiteral("入金種別CODE"),
                       QStringLiteral("入金種別名"), QStringLiteral("入金種別code"),
                       QStringLiteral("入金種別codeを入力してください。"),
                       QStringLiteral("入金種別codeが重複していないか確認してください"), QStringLiteral("入金種別マスター 検索")},
                      parent)
{
}

} // namespace minori
