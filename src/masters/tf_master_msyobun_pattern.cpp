#include "tf_master_msyobun_pattern.h"

#include "app/common/common_routines.h"
#include "app/common/prompter.h"
#include "app/common/tf_list.h"
#include "product_list_prints.h"
#include "store/session.h"

#include <QLineEdit>

namespace minori {

TwoColumnMaster::TwoColumnMaster(const Texts &texts, QWidget *parent)
    : RecordScreen(texts.caption,
                   QStringLiteral("SELECT* FROM %1 ORDER BY %2").arg(texts.table, texts.codeSqlName), parent),
      texts_(texts), qryFind_(new store::Dataset(store::Session::data(), this))
{
    qryFind_->setObjectName(QStringLiteral("qryFind"));
    setOpensMaximized(true);
    code_ = addLineField(texts.codeColumn, texts.codeColumn, ImeMode::Off);
    name_ = addLineField(texts.nameColumn, texts.nameColumn, ImeMode::Hiragana);
    for (const MasterListPrint &list : masterListPrints(texts.table))
        addCommand(QStringLiteral("印刷&P"), list.command, QKeySequence(), InBrowse, [list] { showMasterList(list); },
                   false);
    addGrid({{texts.codeColumn, texts.codeColumn, 12}, {texts.nameColumn, texts.nameColumn, 24}});
}

QString TwoColumnMaster::listSql() const
{
    return QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(texts_.table, texts_.codeSqlName);
}

bool TwoColumnMaster::checkBeforePost()
{
    binder().store();
    if (query().field(texts_.codeColumn).isBlank()) {
        ShowError(texts_.emptyCodeMessage);
        code_->setFocus();
        return false;
    }
    return true;
}

void TwoColumnMaster::doFind()
{
    if (mode() != ModeBrowse)
        return;
    const QString start = query().isOpen() && !query().isEmpty() ? query().field(texts_.codeColumn).asString()
                                                                 : QString();
    TfList &list = TfList::instance();
    list.PrepareFindList(*qryFind_, listSql(), texts_.findCaption, start, texts_.codeSqlName);
    if (list.ShowModal() != TfList::OK || qryFind_->isEmpty())
        return;
    const QString chosen = qryFind_->field(texts_.codeColumn).asString();
    qryFind_->close();
    LocateExact(query(), texts_.codeColumn, chosen);
}

} // namespace minori
