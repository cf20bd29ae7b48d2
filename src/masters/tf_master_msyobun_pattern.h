#pragma once
// The pattern of the small two-column masters (a code and a name): product classifications,
// customer classifications and payment kinds. An empty code is refused before posting, a
// duplicate code is reported with the screen's own message, and "検索" picks a row from
// the master by its code.
#include "app/common/record_screen.h"

class QLineEdit;

namespace minori {

class TwoColumnMaster : public RecordScreen {
    Q_OBJECT
public:
    struct Texts {
        QString caption;          // window title, e.g. "商品分類マスター"
        QString table;            // msyobun, mbunrui, mnyukin
        QString codeColumn;       // 分類CODE / 入金種別CODE
        QString nameColumn;
        QString codeSqlName;      // the spelling of the code column in the SQL texts
        QString emptyCodeMessage;
        QString duplicateMessage;
        QString findCaption;
    };

    TwoColumnMaster(const Texts &texts, QWidget *parent = nullptr);

    QLineEdit *codeEdit() const { return code_; }
    QLineEdit *nameEdit() const { return name_; }
    const Texts &texts() const { return texts_; }
    // The list, in code order.
    QString listSql() const;

    void doFind() override;

protected:
    bool checkBeforePost() override;
    QString duplicateMessage() const override { return texts_.duplicateMessage; }

private:
    Texts texts_;
    QLineEdit *code_;
    QLineEdit *name_;
    store::Dataset *qryFind_;
};

} // namespace minori
