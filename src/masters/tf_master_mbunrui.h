#pragma once
// TfMasterMBunrui "顧客分類マスター": the customer classifications (`mbunrui`).
#include "tf_master_msyobun_pattern.h"

namespace minori {

class TfMasterMBunrui : public TwoColumnMaster {
    Q_OBJECT
public:
    explicit TfMasterMBunrui(QWidget *parent = nullptr);
};

} // namespace minori
