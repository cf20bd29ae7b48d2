#include "about_box.h"

#include "screen_registry.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace minori {

TfVersion::TfVersion(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("バージョン"));
    auto *v = new QVBoxLayout(this);
    auto *name = new QLabel(QStringLiteral("実り直送便"), this);
    QFont f = name->font();
    f.setPointSize(f.pointSize() + 8);
    name->setFont(f);
    v->addWidget(name, 0, Qt::AlignHCenter);
    v->addWidget(new QLabel(QStringLiteral("Version　2.30"), this), 0, Qt::AlignHCenter);
    dateLabel_ = new QLabel(QStringLiteral("郵便番号辞書日付 ") + postalDataDateText(), this);
    v->addWidget(dateLabel_, 0, Qt::AlignHCenter);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(ok, 0, Qt::AlignHCenter);
}

QString TfVersion::dictionaryLine() const { return dateLabel_->text(); }

} // namespace minori
