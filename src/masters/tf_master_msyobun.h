#pragma once
// TfMasterMSyoBun "商品分類マスター": the product classifications (`msyobun`).
#include "tf_master_msyobun_pattern.h"

namespace minori {

class TfMasterMSyoBun : public TwoColumnMaster {
    Q_OBJECT
public:
    explicit TfMasterMSyoBun(QWidget *parent = nullptr);
};

} // namespace minori
