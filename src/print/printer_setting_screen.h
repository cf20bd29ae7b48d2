#pragma once
// "プリンター設定": the user's fine adjustment of each paper layout for his printer, the printer
// chosen for it, and the frame test print. Only the two adjustments can be changed.
#include "app/common/record_screen.h"

class QLineEdit;

namespace minori {

class TfPrinterSetting : public RecordScreen {
    Q_OBJECT
public:
    explicit TfPrinterSetting(QWidget *parent = nullptr);

    void doNew() override {}        // rows are not added here
    void doDelete() override {}     // nor deleted
    void doEdit() override;
    // "設定": choose the printer and its options for the current layout.
    void chooseCurrentPrinter();
    // "枠テスト印刷": the outline of the current layout's print frame on its printer.
    void printFrame();

protected:
    bool checkBeforePost() override;

private:
    QLineEdit *leftAdjust_, *topAdjust_;
};

// Hides commands of the record-screen base that a screen does not offer.
void hideRecordCommands(RecordScreen *screen, const QStringList &captions);

} // namespace minori
