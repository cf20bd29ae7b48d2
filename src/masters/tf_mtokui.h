#pragma once
// TfMTokui "顧客マスター": the one screen on which customers are created, changed, copied and
// deleted. Opened from the main window to browse all customers, and modally by other screens
// for one customer: the caller sets OpenMode, ParamCode and ParamTel, runs the screen and reads
// ResultCode (empty when nothing was posted).
#include "app/common/record_screen.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace minori {

class TfMTokui : public RecordScreen {
    Q_OBJECT
public:
    enum OpenModes { BrowseAll = 0, EditOne = 1, NewOne = 2, CopyOne = 3 };

    explicit TfMTokui(QWidget *parent = nullptr);
    // The one customer screen of the program, made on first use.
    static TfMTokui &instance();
    // True while a customer screen is on screen.
    static bool anyVisible();

    // Open request, set before the screen is shown.
    int OpenMode = BrowseAll;
    QString ParamCode;       // the customer to edit or copy
    QString ParamTel;        // the telephone number of a new customer
    // The code of the customer posted; empty when the screen closed without posting.
    QString ResultCode;

    // Sets the request, shows the screen modally and returns ResultCode.
    QString Run(int openMode, const QString &paramCode, const QString &paramTel);

    // Commands beside those of the record screen.
    void doFind() override;
    void doCopy();                  // "複写"
    void stampMemoDate();           // "日付"
    void dropDownPostal();          // postal search from the address typed
    void dropDownClass();           // classification list
    void dropDownRegularDate();     // date dialog

    bool movedFlag() const { return moved_; }
    bool filledFlag() const { return filled_; }

    QLineEdit *codeEdit() const { return code_; }
    QLineEdit *phoneEdit() const { return phone_; }
    QLineEdit *phoneKeyEdit() const { return phoneKey_; }
    QLineEdit *nameEdit() const { return name_; }
    QComboBox *titleBox() const { return title_; }
    QLineEdit *readingEdit() const { return reading_; }
    QCheckBox *autoReadingBox() const { return autoReading_; }
    QLineEdit *postalEdit() const { return postal_; }
    QLineEdit *classEdit() const { return class_; }
    QLineEdit *regularDateEdit() const { return regularDate_; }
    QPlainTextEdit *memoEdit() const { return memo_; }
    QPushButton *dateButton() const { return dateButton_; }

protected:
    void openList() override;
    void afterAppend() override;
    bool canEdit() override;
    bool canDelete() override;
    QString deleteQuestion() const override { return QStringLiteral("顧客を削除"); }
    void beforePostRow() override;
    QString duplicateMessage() const override { return QStringLiteral("得意先codeが重複していないか確認してください。"); }
    void afterPosted() override;
    void afterCancelled() override;
    void afterDeleted() override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QString current(const QString &column);
    void setColumn(const QString &column, const QString &value);
    void startCopyOf(store::Dataset &source);
    void startEditing();
    void jumpTo(const QString &code);
    void backTo(QWidget *field, bool checkAgain = false);
    void closeLater(int result);
    void phoneLeft(const QString &after);
    void readingLeft();
    void postalLeft(const QString &after);
    void classLeft(const QString &after);
    void regularDateLeft(const QString &after);
    void takePostalResult();
    void showRegularDate();
    void readingTyped(const QString &reading);

    store::Dataset *qryScratch_;
    QLineEdit *code_, *phone_, *phoneKey_, *name_, *reading_, *postal_, *class_, *regularDate_;
    QComboBox *title_;
    QCheckBox *autoReading_;
    QPlainTextEdit *memo_;
    QPushButton *dateButton_;
    bool moved_ = false;
    bool filled_ = false;
};

} // namespace minori
