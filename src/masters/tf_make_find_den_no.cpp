#include "tf_make_find_den_no.h"

#include "app/common/prompter.h"
#include "app/common/screen_state.h"
#include "app/common/text_routines.h"
#include "store/session.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace minori {

namespace {
struct Pass {
    const char *select;
    const char *update;
    int phones;      // number of telephone columns after the row id
};

// Rows are read in full first, so that the updates never run under an open read of the same table.
int runPass(store::Database &db, const Pass &pass, const std::function<void(int)> &startPass,
            const std::function<void()> &step)
{
    struct Row {
        qint64 id;
        QStringList phones;
    };
    QList<Row> rows;
    {
        store::Statement st = db.prepare(QString::fromUtf8(pass.select));
        while (st.step()) {
            Row r{st.int64(0), {}};
            for (int i = 0; i < pass.phones; ++i)
                r.phones << (st.isNull(1 + i) ? QString() : st.value(1 + i).toString());
            rows << r;
        }
    }
    if (rows.isEmpty())
        return 0;
    if (startPass)
        startPass(static_cast<int>(rows.size()));
    store::Statement up = db.prepare(QString::fromUtf8(pass.update));
    for (const Row &r : rows) {
        if (step)
            step();
        up.reset();
        for (int i = 0; i < pass.phones; ++i) {
            const QString key = DigitsOnly(r.phones.at(i));
            up.bind(i, key.isEmpty() ? QVariant() : QVariant(key));   // blank is stored as null
        }
        up.bindInt64(pass.phones, r.id);
        up.step();
    }
    return static_cast<int>(rows.size());
}
} // namespace

PhoneKeyRebuild rebuildSlipPhoneKeys(store::Database &db, const std::function<void(int)> &startPass,
                                     const std::function<void()> &step)
{
    static const Pass slips{"SELECT _rowid_, 電話番号 FROM djuden ORDER BY 伝票No",
                            "UPDATE djuden SET 電話番号F=? WHERE _rowid_=?", 1};
    static const Pass lines{"SELECT _rowid_, 送元電話, 送先電話 FROM djumei ORDER BY 伝行No",
                            "UPDATE djumei SET 送元電話F=?, 送先電話F=? WHERE _rowid_=?", 2};
    store::Transaction tx(db);
    PhoneKeyRebuild done;
    done.slips = runPass(db, slips, startPass, step);
    done.lines = runPass(db, lines, startPass, step);
    tx.commit();
    return done;
}

TfMakeFindDenNo::TfMakeFindDenNo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfMakeFindDenNo"));
    setWindowTitle(QStringLiteral("検索用電話番号作成"));
    text_ = new QLabel(QStringLiteral("受注伝票、明細の-を取り除いた検索用の電話番号を作成します。"), this);
    start_ = new QPushButton(QStringLiteral("作成開始"), this);
    start_->setAutoDefault(false);
    bar_ = new QProgressBar(this);
    bar_->setValue(0);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(start_, 0, Qt::AlignLeft);
    layout->addWidget(bar_);
    layout->addStretch();
    connect(start_, &QPushButton::clicked, this, &TfMakeFindDenNo::start);
    resize(480, 160);
}

TfMakeFindDenNo &TfMakeFindDenNo::instance()
{
    static QPointer<TfMakeFindDenNo> screen;
    if (!screen)
        screen = new TfMakeFindDenNo;
    return *screen;
}

void TfMakeFindDenNo::start()
{
    if (!AskConfirm(QStringLiteral("開始します")))
        return;
    start_->setEnabled(false);
    int counted = 0;
    try {
        rebuildSlipPhoneKeys(
            store::Session::data(),
            [this, &counted](int total) {
                ResetProgress(bar_, total);
                counted = 0;
            },
            [this, &counted] {
                bar_->setValue(++counted);
                if (counted % 256 == 0)
                    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            });
    } catch (const store::SqlError &e) {
        start_->setEnabled(true);
        ShowError(e.text());
        return;
    }
    start_->setEnabled(true);
    ShowInfo(QStringLiteral("OK"));
}

} // namespace minori
