#pragma once
// The small window of "自社名・電話番号の変更": the two values, OK and "ｷｬﾝｾﾙ". OK is
// accepted only when the values fit (company_name_check.h).
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace minori {

class CompanyNameDialog : public QDialog {
    Q_OBJECT
public:
    explicit CompanyNameDialog(QWidget *parent = nullptr);
    void setValues(const QString &name, const QString &phone);
    QString name() const;
    QString phone() const;
    QLineEdit *nameEdit() const { return name_; }
    QLineEdit *phoneEdit() const { return phone_; }
    QPushButton *okButton() const { return ok_; }

    void accept() override;

private:
    QLineEdit *name_;
    QLineEdit *phone_;
    QPushButton *ok_;
};

} // namespace minori
