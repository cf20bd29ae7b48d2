#include "company_name_dialog.h"

#include "app/common/ime_mode.h"
#include "app/common/prompter.h"
#include "company_name_check.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace minori {

CompanyNameDialog::CompanyNameDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("自社名・電話番号の変更"));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("自社名"));
    name_->setMinimumWidth(300);
    setImeMode(name_, ImeMode::Hiragana);
    phone_ = new QLineEdit(this);
    phone_->setObjectName(QStringLiteral("電話番号"));
    setImeMode(phone_, ImeMode::Off);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("自社名"), name_);
    form->addRow(QStringLiteral("電話番号"), phone_);
    auto *note = new QLabel(QStringLiteral("自社名はメイン画面の表題、送り状、明細書などに印刷されます。"), this);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    auto *cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto *v = new QVBoxLayout(this);
    v->addLayout(form);
    v->addWidget(note);
    v->addLayout(buttons);
}

void CompanyNameDialog::setValues(const QString &name, const QString &phone)
{
    name_->setText(name);
    phone_->setText(phone);
}

QString CompanyNameDialog::name() const { return name_->text(); }
QString CompanyNameDialog::phone() const { return phone_->text(); }

void CompanyNameDialog::accept()
{
    const CompanyNameCheck c = checkCompanyNameAndPhone(name(), phone());
    if (!c.ok) {
        ShowError(c.message);
        return;
    }
    QDialog::accept();
}

} // namespace minori
