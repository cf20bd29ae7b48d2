#include "tf_msyohin_find.h"

#include "app/common/common_routines.h"
#include "app/common/ime_mode.h"
#include "app/common/plain_button.h"
#include "app/common/prompter.h"
#include "app/common/screen_state.h"
#include "store/session.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace minori {

namespace {
using Col = store::DatasetModel::Column;
const QString kUseClass = QStringLiteral("商品検索分類使用");
} // namespace

TfMSyohinFind::TfMSyohinFind(QWidget *parent)
    : QDialog(parent), qrySystem_(new store::Dataset(store::Session::data(), this)),
      qryMSyoBun_(new store::Dataset(store::Session::data(), this)),
      qryMSyohin_(new store::Dataset(store::Session::data(), this))
{
    setObjectName(QStringLiteral("TfMSyohinFind"));
    setWindowTitle(QStringLiteral("商品検索"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    qrySystem_->setObjectName(QStringLiteral("qrySystem"));
    qryMSyoBun_->setObjectName(QStringLiteral("qryMSyoBun"));
    qryMSyohin_->setObjectName(QStringLiteral("qryMSyohin"));

    auto *top = new QHBoxLayout;
    auto *findLabel = new QLabel(QStringLiteral("検査値"), this);
    findEdit_ = new QLineEdit(this);
    findEdit_->setObjectName(QStringLiteral("EditFind"));
    findEdit_->setMaximumWidth(200);
    setImeMode(findEdit_, ImeMode::Off);
    findLabel->setBuddy(findEdit_);
    useClass_ = new QCheckBox(QStringLiteral("分類を使う"), this);
    ok_ = plainButton(QStringLiteral("OK"), this);   // Enter belongs to the search text and the list
    close_ = plainButton(QStringLiteral("閉じる"), this);
    top->addWidget(findLabel);
    top->addWidget(findEdit_);
    top->addWidget(useClass_);
    top->addStretch();
    top->addWidget(ok_);
    top->addWidget(close_);

    classPanel_ = new QWidget(this);
    auto *cv = new QVBoxLayout(classPanel_);
    cv->setContentsMargins(0, 0, 0, 0);
    cv->addWidget(new QLabel(QStringLiteral("分類"), classPanel_));
    classGrid_ = new DataGrid(qryMSyoBun_, classPanel_);
    classGrid_->setColumns({Col{QStringLiteral("分類CODE"), QStringLiteral("分類CODE"), 8},
                            Col{QStringLiteral("分類名"), QStringLiteral("分類名"), 20}});
    cv->addWidget(classGrid_);
    productGrid_ = new DataGrid(qryMSyohin_, this);
    productGrid_->setColumns({Col{QStringLiteral("品番"), QStringLiteral("品番"), 13},
                              Col{QStringLiteral("品名"), QStringLiteral("品名"), 20},
                              Col{QStringLiteral("定価"), QStringLiteral("定価"), 9, Qt::AlignRight | Qt::AlignVCenter},
                              Col{QStringLiteral("仕様"), QStringLiteral("仕様"), 20},
                              Col{QStringLiteral("送状印刷"), QStringLiteral("送状印刷"), 8}});
    auto *lists = new QHBoxLayout;
    lists->addWidget(classPanel_, 1);
    lists->addWidget(productGrid_, 3);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(lists, 1);
    resize(900, 600);

    connect(useClass_, &QCheckBox::toggled, this, [this] {
        if (!activating_)
            applyUseClass();
    });
    connect(findEdit_, &QLineEdit::textChanged, this, &TfMSyohinFind::findTyped);
    connect(findEdit_, &QLineEdit::returnPressed, this, &TfMSyohinFind::choose);
    connect(productGrid_, &DataGrid::activatedRow, this, &TfMSyohinFind::choose);
    connect(ok_, &QPushButton::clicked, this, &TfMSyohinFind::choose);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    // Moving in the classification list shows that classification's products.
    connect(qryMSyoBun_, &store::Dataset::currentChanged, this, [this] {
        if (useClass_->isChecked())
            openProducts();
    });
    connect(qryMSyoBun_, &store::Dataset::reset, this, [this] {
        if (useClass_->isChecked() && qryMSyoBun_->isOpen())
            openProducts();
    });
}

TfMSyohinFind &TfMSyohinFind::instance()
{
    // Lives until the process ends, like every screen of the program.
    static TfMSyohinFind *screen = new TfMSyohinFind;
    return *screen;
}

void TfMSyohinFind::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TfMSyohinFind::FormActivate()
{
    RsltHinban.clear();
    ApplyScreenColors(this, false);
    try {
        OpenSql(*qrySystem_, QStringLiteral("SELECT * FROM system"));
        activating_ = true;
        useClass_->setChecked(!qrySystem_->isEmpty() && qrySystem_->field(kUseClass).asBool());
        activating_ = false;
        applyUseClass();
    } catch (const std::exception &e) {
        activating_ = false;
        ShowError(QString::fromUtf8(e.what()));
    }
    // Emptied without searching: the list stays on its first row.
    findEdit_->blockSignals(true);
    findEdit_->clear();
    findEdit_->blockSignals(false);
    findEdit_->setFocus();
}

void TfMSyohinFind::applyUseClass()
{
    if (useClass_->isChecked()) {
        classPanel_->show();
        // Opening the classification list opens the product list of its first row.
        OpenSql(*qryMSyoBun_, QStringLiteral("SELECT  * FROM msyobun ORDER BY 分類code"));
    } else {
        classPanel_->hide();
        qryMSyoBun_->close();
        openProducts();
    }
}

void TfMSyohinFind::openProducts()
{
    if (!useClass_->isChecked()) {
        OpenSql(*qryMSyohin_, QStringLiteral("SELECT * FROM msyohin ORDER BY 品番"));
        return;
    }
    if (!qryMSyoBun_->isOpen() || qryMSyoBun_->isEmpty()) {
        // No classification to stand on: nothing to list.
        OpenSql(*qryMSyohin_, QStringLiteral("SELECT * FROM msyohin WHERE 0=1 ORDER BY 品番"));
        return;
    }
    const QString code = qryMSyoBun_->field(QStringLiteral("分類CODE")).asString();
    if (code.isEmpty())
        OpenSql(*qryMSyohin_, QStringLiteral("SELECT * FROM msyohin WHERE 分類code IS NULL ORDER BY 品番"));
    else
        OpenSql(*qryMSyohin_, QStringLiteral("SELECT * FROM msyohin WHERE 分類code=? ORDER BY 品番"), {code});
}

void TfMSyohinFind::findTyped(const QString &text)
{
    if (qryMSyohin_->isOpen() && !qryMSyohin_->isEmpty())
        LocatePrefix(*qryMSyohin_, QStringLiteral("品番"), text);
}

void TfMSyohinFind::choose()
{
    if (!qryMSyohin_->isOpen() || qryMSyohin_->isEmpty())
        return;
    RsltHinban = qryMSyohin_->field(QStringLiteral("品番")).asString();
    accept();
}

void TfMSyohinFind::done(int result)
{
    if (result != QDialog::Accepted)
        RsltHinban.clear();
    // The check box is kept for the next time, across restarts too.
    try {
        if (qrySystem_->isOpen() && !qrySystem_->isEmpty()) {
            EnsureEditing(*qrySystem_);
            qrySystem_->field(kUseClass).setBool(useClass_->isChecked());
            qrySystem_->post();
        }
    } catch (const std::exception &e) {
        ShowError(QString::fromUtf8(e.what()));
    }
    CloseAllQueries(this);
    QDialog::done(result);
}

} // namespace minori
