#pragma once
// The print tool's developer window "fPrintTool": facts about the selected printer and a check
// of the table column-list reader.
#include <QDialog>

class QPlainTextEdit;

namespace minori {

class TfPrintToolWindow : public QDialog {
    Q_OBJECT
public:
    explicit TfPrintToolWindow(QWidget *parent = nullptr);
    void showPrinterInfo();   // "プリンター情報取得"
    void tableTest();         // "表テスト"
    QPlainTextEdit *infoMemo() const { return info_; }
    QPlainTextEdit *tableMemo() const { return table_; }

private:
    QPlainTextEdit *info_, *table_;
};

} // namespace minori
