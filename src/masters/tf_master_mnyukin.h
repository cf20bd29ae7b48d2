#pragma once
// TfMasterMNyukin "入金種別マスター": the payment kinds (`mnyukin`).
#include "tf_master_msyobun_pattern.h"

namespace minori {

class TfMasterMNyukin : public TwoColumnMaster {
    Q_OBJECT
public:
    explicit TfMasterMNyukin(QWidget *parent = nullptr);
};

} // namespace minori
