#pragma once
// TfSystem "自社マスター": the company's own data and the program's options, the one row of
// `system` on five tabs. The postal code box completes the address through the postal
// search; 自社名 and 電話番号 are shown only and changed by their own command.
#include "tf_system_row_screen.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace minori {

class DropDownBox;

class TfSystem : public SystemRowScreen {
    Q_OBJECT
public:
    explicit TfSystem(QWidget *parent = nullptr);

    QTabWidget *tabs() const { return tabs_; }
    DropDownBox *postalBox() const { return postal_; }
    QPushButton *backupBrowseButton() const { return backupBrowse_; }
    QPushButton *markBrowseButton() const { return markBrowse_; }

    void doEdit() override;
    bool doPost() override;

    // The postal code box.
    void postalDropDown();        // the postal search over the address typed so far
    void postalBoxLeft();         // looks a changed code up
    // "参照" buttons.
    void chooseBackupFolder();
    void chooseCompanyMark();
    // "自社名・電話番号の変更": asks for the two values, then for confirmation.
    void changeNameAndPhoneCommand();
    // Checks the values, asks for confirmation and writes them; false when nothing changed.
    bool changeNameAndPhone(const QString &name, const QString &phone);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *newPage(const QString &title);
    QLineEdit *addText(QWidget *page, const QString &caption, const QString &field, int row);
    QComboBox *addList(QWidget *page, const QString &caption, const QString &field, const QStringList &items, int row);
    QCheckBox *addCheck(QWidget *page, const QString &caption, const QString &field, int row);
    QLineEdit *addShownOnly(QWidget *page, const QString &caption, const QString &field, int row);
    QLineEdit *boxOnly(QWidget *page, const QString &field, int maxChars);
    void takePostalResult();

    QTabWidget *tabs_;
    DropDownBox *postal_ = nullptr;
    QPushButton *backupBrowse_ = nullptr;
    QPushButton *markBrowse_ = nullptr;
    QList<QComboBox *> lists_;
    QString rememberedPostal_;
    bool inPostalBox_ = false;
};

} // namespace minori
