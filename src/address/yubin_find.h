#pragma once
// TfYubinFind "郵便住所検索": finds a town area of the postal dictionary by postal code, by
// walking down prefecture → city → town/village → town area with kana seeking, or by words
// of the address, and hands back the same four results whichever way was used.
//
// Callers set FindYubinNo or FindAdrs (optional), show the screen modally with exec() and test
// RsltYubinNo for empty afterwards. Without showing the screen, YubinNoToAdrs() looks up one
// postal code and takes the town area when exactly one matched.
#include "app/common/data_grid.h"
#include "store/dataset.h"

#include <QDialog>
#include <QString>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;

namespace minori {

class TfYubinFind : public QDialog {
    Q_OBJECT
public:
    explicit TfYubinFind(QWidget *parent = nullptr);
    ~TfYubinFind() override;
    // The one screen of the program, made on first use.
    static TfYubinFind &instance();

    // Inputs, each used once and emptied when the screen opens.
    QString FindYubinNo;          // a postal code to search for at once
    QString FindAdrs;             // an address to walk down from

    // Results: empty until a town area is chosen.
    QString RsltYubinNo;          // 郵便番号 "123-4567"
    QString RsltAdrs1;            // 県名 + 市区名 + 町村名
    QString RsltAdrs2;            // 町域名
    QString RsltSql;              // SELECT that re-finds the chosen mtyoiki row

    // Looks the code up without showing the screen: empties the results, takes the town area
    // when exactly one matched, and returns the number of town areas that matched.
    int YubinNoToAdrs(const QString &code);
    // Fills the four results from the current row of a set over mtyoiki.
    void TakeResult(store::Dataset &row);
    void ClearResults();
    // The dictionary's issue date, "不明" when it cannot be read.
    static QString PostalDataDate();

    // --- The screen's commands, public so that tests can drive it ---
    enum class Level { Prefecture, City, Town, Area };
    Level level() const { return level_; }
    void FormActivate();                 // the opening steps (also run by "付近を参照")
    void SearchCode();                   // "検索" on "郵便番号で検索"
    void GoDown();                       // Enter / double-click on the visible list
    void GoUp();                         // "やり直し"
    void SearchCity();                   // "市検索"
    void WalkFromAddress(const QString &address);
    void SearchFuzzy();                  // "検索" on "あいまい検索"
    void DecideFuzzy();                  // "決定"
    void ShowNeighbourhood();            // "付近を参照"

    QTabWidget *tabs() const { return tabs_; }
    QLineEdit *codeEdit() const { return codeEdit_; }
    QLineEdit *kanaEdit() const { return kanaEdit_; }
    QLineEdit *cityEdit() const { return cityEdit_; }
    QLineEdit *fuzzyEdit() const { return fuzzyEdit_; }
    QLineEdit *selectionEdit() const { return selectionEdit_; }
    DataGrid *codeGrid() const { return codeGrid_; }
    DataGrid *levelGrid(Level l) const { return levelGrids_[static_cast<int>(l)]; }
    DataGrid *fuzzyGrid() const { return fuzzyGrid_; }
    QWidget *orderGroup() const { return orderGroup_; }
    QRadioButton *kanaOrderButton() const { return kanaOrder_; }
    QRadioButton *regionOrderButton() const { return regionOrder_; }
    store::Dataset &levelQuery(Level l) const { return *levelQueries_[static_cast<int>(l)]; }
    store::Dataset &codeQuery() const { return *qryYubin_; }
    store::Dataset &fuzzyQuery() const { return *qryAimai_; }

    void done(int r) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildCodeTab();
    void buildAddressTab();
    void buildFuzzyTab();
    bool bindDictionary();
    void openPrefectures();
    void showLevel(Level l);
    void downToCity();
    void downToTownOrArea();
    void openAreas(const QString &pref, const QString &city, const QString &town);
    void seekKana(const QString &text);
    void setPrefectureOrder(int kind);
    int prefectureOrder();
    QString levelKanaColumn(Level l) const;
    QStringList columnValues(store::Dataset &set, const QString &column);

    Level level_ = Level::Prefecture;
    store::Dataset *qrySystem_;
    store::Dataset *qryYubin_;
    store::Dataset *qryKen_, *qrySiku_, *qryTyoson_, *qryTyoiki_;
    store::Dataset *levelQueries_[4];
    store::Dataset *qryAimai_;

    QTabWidget *tabs_ = nullptr;
    QLineEdit *codeEdit_ = nullptr;
    QLineEdit *kanaEdit_ = nullptr;
    QLineEdit *cityEdit_ = nullptr;
    QLineEdit *fuzzyEdit_ = nullptr;
    QLineEdit *selectionEdit_ = nullptr;
    DataGrid *codeGrid_ = nullptr;
    DataGrid *levelGrids_[4] = {};
    DataGrid *fuzzyGrid_ = nullptr;
    QStackedWidget *levelStack_ = nullptr;
    QWidget *orderGroup_ = nullptr;
    QRadioButton *kanaOrder_ = nullptr;
    QRadioButton *regionOrder_ = nullptr;
    QButtonGroup *orderButtons_ = nullptr;
    bool settingOrder_ = false;
};

} // namespace minori
