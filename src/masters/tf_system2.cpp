#include "tf_system2.h"

#include <QCheckBox>
#include <QGridLayout>

namespace minori {

TfSystem2::TfSystem2(QWidget *parent) : SystemRowScreen(QStringLiteral("その他設定"), parent)
{
    setObjectName(QStringLiteral("TfSystem2"));
    color_ = new QCheckBox(QStringLiteral("カラー設定"), this);
    bindField(color_, QStringLiteral("カラー設定"));
    formLayout()->addWidget(color_, 0, 0);
    formLayout()->setRowStretch(1, 1);
    formLayout()->setColumnStretch(1, 1);
}

} // namespace minori
