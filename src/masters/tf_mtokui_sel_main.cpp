#include "tf_mtokui_sel_main.h"

#include "app/common/common_routines.h"
#include "app/common/plain_button.h"
#include "app/common/prompter.h"
#include "app/common/screen_state.h"
#include "customer_rules.h"
#include "store/session.h"
#include "tf_mtokui.h"
#include "tf_mtokui_find.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace minori {

TfMTokuiSelMain::TfMTokuiSelMain(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfMTokuiSelMain"));
    setWindowTitle(QStringLiteral("顧客選択"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    qryMTokui_ = new store::Dataset(store::Session::data(), this);
    qryMTokui_->setObjectName(QStringLiteral("qryMTokui"));

    auto *top = new QHBoxLayout;
    tel_ = new QLabel(this);
    notFound_ = new QLabel(QStringLiteral("指定の電話番号は登録されていません"), this);
    QFont big = tel_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    tel_->setFont(big);
    notFound_->setStyleSheet(QStringLiteral("color: #c00000;"));
    ok_ = plainButton(QStringLiteral("OK"), this);
    cancel_ = plainButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    find_ = plainButton(QStringLiteral("検索"), this);
    new_ = plainButton(QStringLiteral("新規"), this);
    copy_ = plainButton(QStringLiteral("複写"), this);
    copy_->setToolTip(QStringLiteral("住所が同じで別の家族等の顧客データを入力する時に便利です。"));
    top->addWidget(tel_);
    top->addWidget(notFound_);
    top->addStretch();
    for (QPushButton *b : {ok_, find_, new_, copy_, cancel_})
        top->addWidget(b);

    grid_ = new DataGrid(qryMTokui_, this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);

    connect(ok_, &QPushButton::clicked, this, [this] { takeCurrent(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
    connect(find_, &QPushButton::clicked, this, [this] { findCustomer(); });
    connect(new_, &QPushButton::clicked, this, [this] { newCustomer(); });
    connect(copy_, &QPushButton::clicked, this, [this] { copyCustomer(); });
    connect(grid_, &DataGrid::activatedRow, this, [this](int) { takeCurrent(); });
    resize(900, 400);
}

TfMTokuiSelMain &TfMTokuiSelMain::instance()
{
    static QPointer<TfMTokuiSelMain> screen;
    if (!screen)
        screen = new TfMTokuiSelMain;
    return *screen;
}

QString TfMTokuiSelMain::Run(const QString &telNo)
{
    TelNo = telNo;
    exec();
    return ResultCode;
}

void TfMTokuiSelMain::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    BindToData(this);
    ApplyScreenColors(this, false);
    ResultCode.clear();
    tel_->setText(QStringLiteral("電話番号 ") + TelNo);
    const bool found = OpenSql(*qryMTokui_, customer::kByPhoneKeySql, {customer::phoneSearchKey(TelNo)});
    grid_->setColumns({});   // every column of the customers found
    ok_->setVisible(found);
    copy_->setVisible(found);
    notFound_->setVisible(!found);
    if (found)
        grid_->setFocus();
    else
        new_->setFocus();
}

void TfMTokuiSelMain::done(int result)
{
    CloseAllQueries(this);
    QDialog::done(result);
}

void TfMTokuiSelMain::closeWith(const QString &code)
{
    ResultCode = code;
    accept();
}

void TfMTokuiSelMain::takeCurrent()
{
    if (!qryMTokui_->isOpen() || qryMTokui_->isEmpty())
        return;
    closeWith(qryMTokui_->field(QStringLiteral("得意先code")).asString());
}

void TfMTokuiSelMain::findCustomer()
{
    TfMTokuiFind &find = TfMTokuiFind::instance();
    find.exec();
    if (!find.ResultCode.isEmpty())
        closeWith(find.ResultCode);
}

void TfMTokuiSelMain::newCustomer()
{
    const QString code = TfMTokui::instance().Run(TfMTokui::NewOne, QString(), TelNo);
    if (!code.isEmpty())
        closeWith(code);
}

void TfMTokuiSelMain::copyCustomer()
{
    if (!qryMTokui_->isOpen() || qryMTokui_->isEmpty())
        return;
    if (!AskConfirm(customer::copyQuestionFor(qryMTokui_->field(QStringLiteral("得意先名")).asString())))
        return;
    // The copy keeps the source's telephone number, not the one typed.
    const QString code = TfMTokui::instance().Run(TfMTokui::CopyOne,
                                                  qryMTokui_->field(QStringLiteral("得意先code")).asString(), QString());
    if (!code.isEmpty())
        closeWith(code);
}

} // namespace minori
