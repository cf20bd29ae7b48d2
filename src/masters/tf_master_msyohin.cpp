#include "tf_master_msyohin.h"

#include "app/common/common_routines.h"
#include "app/common/prompter.h"
#include "app/common/tf_list.h"
#include "product_drop_down_box.h"
#include "product_list_prints.h"
#include "store/session.h"
#include "tf_msyohin_find.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace minori {

namespace {
const QString kClassCode = QStringLiteral("分類CODE");
const QString kClassName = QStringLiteral("分類名");
using Col = store::DatasetModel::Column;
} // namespace

QString TfMasterMSyohin::sqlByNumber() { return QStringLiteral("SELECT * FROM msyohin ORDER BY 品番"); }
QString TfMasterMSyohin::sqlByClass() { return QStringLiteral("SELECT * FROM msyohin ORDER BY 分類CODE,品番"); }

TfMasterMSyohin::TfMasterMSyohin(QWidget *parent)
    : RecordScreen(QStringLiteral("商品マスター"), sqlByNumber(), parent),
      qryMSyoBun_(new store::Dataset(store::Session::data(), this))
{
    qryMSyoBun_->setObjectName(QStringLiteral("qryMSyoBun"));
    setOpensMaximized(true);

    addLineField(QStringLiteral("品番"), QStringLiteral("品番"), ImeMode::Off);
    addLineField(QStringLiteral("品名"), QStringLiteral("品名"), ImeMode::Hiragana);
    addLineField(QStringLiteral("仕様"), QStringLiteral("仕様"), ImeMode::Hiragana);
    QLineEdit *price = addLineField(QStringLiteral("定価"), QStringLiteral("定価"), ImeMode::Off);
    price->setAlignment(Qt::AlignRight);
    // Only what the money column can hold: a typed letter would fail only at posting.
    price->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]{0,12}")), price));
    label_ = addComboField(QStringLiteral("送状印刷"), QStringLiteral("送状印刷"),
                           {QStringLiteral("○"), QStringLiteral("－")}, false);

    classCode_ = new DropDownBox(this);
    classCode_->setObjectName(kClassCode);
    setImeMode(classCode_, ImeMode::Off);
    classCode_->lineEdit()->setMaxLength(4);
    placeField(kClassCode, classCode_, -1, 0);
    binder().bind(classCode_, kClassCode);
    classCode_->installEventFilter(this);
    connect(classCode_, &DropDownBox::dropDownRequested, this, &TfMasterMSyohin::pickClass);
    className_ = addDisplayField(kClassName, kClassName);

    order_ = new QComboBox(this);
    order_->setObjectName(QStringLiteral("表示切替"));
    order_->addItems({QStringLiteral("品番順"), QStringLiteral("分類CODE順")});
    order_->setFocusPolicy(Qt::ClickFocus);
    placeField(QStringLiteral("表示切替"), order_, 0, 1);
    formLayout()->setColumnStretch(4, 1);
    connect(order_, &QComboBox::currentIndexChanged, this, [this] {
        if (mode() == ModeBrowse)
            openList();
    });
    connect(this, &RecordScreen::modeChanged, this, [this](int m) {
        order_->setEnabled(m == ModeBrowse);
        rememberedClass_ = classCode_->currentText();   // a new row clears it in afterAppend
        returningToClassBox_ = false;
    });

    for (const MasterListPrint &list : masterListPrints(QStringLiteral("msyohin")))
        addCommand(QStringLiteral("印刷&P"), list.command, QKeySequence(), InBrowse, [list] { showMasterList(list); },
                   false);

    addGrid({Col{QStringLiteral("品番"), QStringLiteral("品番"), 13}, Col{QStringLiteral("品名"), QStringLiteral("品名"), 20},
             Col{QStringLiteral("仕様"), QStringLiteral("仕様"), 20},
             Col{QStringLiteral("定価"), QStringLiteral("定価"), 9, Qt::AlignRight | Qt::AlignVCenter},
             Col{QStringLiteral("送状印刷"), QStringLiteral("送状印刷"), 8}, Col{kClassCode, kClassCode, 8},
             Col{kClassName, kClassName, 20}});
}

void TfMasterMSyohin::openList()
{
    query().close();
    query().setSql(order_->currentIndex() == 1 ? sqlByClass() : sqlByNumber());
    query().open();
}

void TfMasterMSyohin::afterAppend()
{
    query().field(QStringLiteral("送状印刷")).setString(QStringLiteral("○"));
    rememberedClass_.clear();
}

void TfMasterMSyohin::doFind()
{
    if (mode() != ModeBrowse)
        return;
    TfMSyohinFind &find = TfMSyohinFind::instance();
    if (find.exec() == QDialog::Accepted && !find.RsltHinban.isEmpty())
        LocateExact(query(), QStringLiteral("品番"), find.RsltHinban);
}

bool TfMasterMSyohin::doPost()
{
    // The focus may still be in the classification box without a focus-out having arrived.
    posting_ = true;
    if (mode() != ModeBrowse && (inClassBox_ || classCode_->hasFocus())) {
        inClassBox_ = false;
        classBoxLeft();
    }
    inClassBox_ = false;
    const bool posted = RecordScreen::doPost();
    posting_ = false;
    return posted;
}

bool TfMasterMSyohin::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == classCode_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        // Another window taking the focus for a while (a message, the picker) is not leaving the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const bool windowSwitch = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        if (event->type() == QEvent::FocusIn && !(windowSwitch && inClassBox_)) {
            inClassBox_ = true;
            classBoxEntered();
        } else if (event->type() == QEvent::FocusOut && inClassBox_ && !windowSwitch) {
            inClassBox_ = false;
            classBoxLeft();
        }
    }
    return RecordScreen::eventFilter(watched, event);
}

void TfMasterMSyohin::classBoxEntered()
{
    // The focus given back after a failed check keeps the remembered code, so that the
    // check runs again when the box is left again.
    if (returningToClassBox_) {
        returningToClassBox_ = false;
        return;
    }
    rememberedClass_ = classCode_->currentText();
}

void TfMasterMSyohin::classBoxLeft()
{
    if (mode() == ModeBrowse || !query().isEditing())
        return;
    const QString code = classCode_->currentText();
    if (code == rememberedClass_)
        return;
    binder().store();
    OpenSql(*qryMSyoBun_, QStringLiteral("SELECT * FROM msyobun WHERE 分類code=?"), {code});
    const bool found = !code.isEmpty() && !qryMSyoBun_->isEmpty();
    query().field(kClassName).setString(found ? qryMSyoBun_->field(kClassName).asString() : QString());
    qryMSyoBun_->close();
    binder().load();
    if (!found) {
        ShowError(QStringLiteral("分類CODEが登録されていません。"));
        // "決定" posts the row with the typed code all the same.
        if (posting_ || classCode_->hasFocus())
            return;
        returningToClassBox_ = true;
        classCode_->setFocus(Qt::OtherFocusReason);
        if (!classCode_->hasFocus())
            returningToClassBox_ = false;   // no focus-in will come (inactive window)
    }
}

void TfMasterMSyohin::pickClass()
{
    if (mode() == ModeBrowse || !query().isEditing())
        return;
    TfList &list = TfList::instance();
    list.PrepareList(*qryMSyoBun_, QStringLiteral("SELECT * FROM msyobun ORDER BY 分類CODE"), QStringLiteral("分類セット"));
    if (list.ShowModal() == TfList::OK && !qryMSyoBun_->isEmpty()) {
        binder().store();
        rememberedClass_ = qryMSyoBun_->field(kClassCode).asString();
        query().field(kClassCode).setString(rememberedClass_);
        query().field(kClassName).setString(qryMSyoBun_->field(kClassName).asString());
        binder().load();
    }
    qryMSyoBun_->close();
}

} // namespace minori
