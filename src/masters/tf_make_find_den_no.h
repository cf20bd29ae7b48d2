#pragma once
// TfMakeFindDenNo "検索用電話番号作成": rebuilds the telephone search keys of the order slips
// (djuden.電話番号F) and of their lines (djumei.送元電話F, 送先電話F) from the numbers as typed.
// The customers are not touched: their key is rebuilt whenever a number changes.
#include "store/database.h"

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace minori {

struct PhoneKeyRebuild {
    int slips = 0;
    int lines = 0;
};

// One pass over the slips in slip-number order, then over the lines in line-key order, in one
// transaction: on any failure nothing is changed. progress(total) starts a pass, step() counts a row.
PhoneKeyRebuild rebuildSlipPhoneKeys(store::Database &db, const std::function<void(int total)> &startPass = {},
                                     const std::function<void()> &step = {});

class TfMakeFindDenNo : public QDialog {
    Q_OBJECT
public:
    explicit TfMakeFindDenNo(QWidget *parent = nullptr);
    static TfMakeFindDenNo &instance();

    void start();    // "作成開始"

    QPushButton *startButton() const { return start_; }
    QProgressBar *progressBar() const { return bar_; }

private:
    QLabel *text_;
    QPushButton *start_;
    QProgressBar *bar_;
};

} // namespace minori
