#include "yubin_find.h"

#include "app/common/common_routines.h"
#include "app/common/ime_mode.h"
#include "app/common/plain_button.h"
#include "app/common/prompter.h"
#include "postal_dictionary.h"
#include "postal_search.h"
#include "store/session.h"
#include "store/sjis.h"

#include <QAction>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace minori {

namespace {
using Col = store::DatasetModel::Column;
const QString kCodeTab = QStringLiteral("郵便番号で検索");
const QString kAddressTab = QStringLiteral("住所で検索");
const QString kFuzzyTab = QStringLiteral("あいまい検索");

// Result sets are made before the dictionary is known; they are bound to it when used.
store::Database &unboundDatabase()
{
    static store::Database db(QStringLiteral(":memory:"));
    return db;
}

QString text(store::Dataset &set, const QString &column)
{
    if (!set.isOpen() || set.isEmpty())
        return {};
    return set.field(column).asString();
}
} // namespace

TfYubinFind::TfYubinFind(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("郵便住所検索"));
    store::Database &db = unboundDatabase();
    auto make = [&](const char *name) {
        auto *d = new store::Dataset(db, this);
        d->setObjectName(QString::fromLatin1(name));
        return d;
    };
    qrySystem_ = make("qrySystem");
    qryYubin_ = make("qryYubin");
    qryKen_ = make("qryKen");
    qrySiku_ = make("qrySiku");
    qryTyoson_ = make("qryTyoson");
    qryTyoiki_ = make("qryTyoiki");
    qryAimai_ = make("qryAimai");
    levelQueries_[0] = qryKen_;
    levelQueries_[1] = qrySiku_;
    levelQueries_[2] = qryTyoson_;
    levelQueries_[3] = qryTyoiki_;

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    top->addStretch();
    auto *closeButton = plainButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("ButtonClose"));
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    top->addWidget(closeButton);
    layout->addLayout(top);

    tabs_ = new QTabWidget(this);
    layout->addWidget(tabs_);
    buildCodeTab();
    buildAddressTab();
    buildFuzzyTab();
    resize(760, 560);
}

TfYubinFind::~TfYubinFind() = default;

TfYubinFind &TfYubinFind::instance()
{
    // Lives until the process ends, like every screen of the program.
    static TfYubinFind *screen = new TfYubinFind;
    return *screen;
}

// --- Layout -----------------------------------------------------------------------------

void TfYubinFind::buildCodeTab()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("〒"), page));
    codeEdit_ = new QLineEdit(page);
    codeEdit_->setObjectName(QStringLiteral("EditYubinNo"));
    codeEdit_->setMaxLength(8);
    setImeMode(codeEdit_, ImeMode::Off);
    row->addWidget(codeEdit_);
    auto *search = plainButton(QStringLiteral("検索"), page);
    search->setObjectName(QStringLiteral("ButtonCodeSearch"));
    row->addWidget(search);
    row->addStretch();
    v->addLayout(row);
    codeGrid_ = new DataGrid(qryYubin_, page);
    codeGrid_->setColumns({Col{QStringLiteral("県名"), QStringLiteral("県名"), 8},
                           Col{QStringLiteral("市区名"), QStringLiteral("市区名"), 14},
                           Col{QStringLiteral("町村名"), QStringLiteral("町村名"), 12},
                           Col{QStringLiteral("町域名"), QStringLiteral("町域名"), 30},
                           Col{QStringLiteral("町域カナ"), QStringLiteral("町域カナ"), 24},
                           Col{QStringLiteral("郵便番号"), QStringLiteral("郵便番号"), 8}});
    v->addWidget(codeGrid_);
    tabs_->addTab(page, kCodeTab);

    connect(search, &QPushButton::clicked, this, &TfYubinFind::SearchCode);
    connect(codeEdit_, &QLineEdit::returnPressed, this, &TfYubinFind::SearchCode);
    connect(codeGrid_, &DataGrid::activatedRow, this, [this] {
        if (qryYubin_->isOpen() && !qryYubin_->isEmpty()) {
            TakeResult(*qryYubin_);
            accept();
        }
    });
}

void TfYubinFind::buildAddressTab()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);

    auto *head = new QHBoxLayout;
    selectionEdit_ = new QLineEdit(page);
    selectionEdit_->setObjectName(QStringLiteral("EditSelection"));
    selectionEdit_->setReadOnly(true);
    selectionEdit_->setFocusPolicy(Qt::NoFocus);
    head->addWidget(selectionEdit_, 1);
    orderGroup_ = new QWidget(page);
    auto *og = new QHBoxLayout(orderGroup_);
    og->setContentsMargins(0, 0, 0, 0);
    kanaOrder_ = new QRadioButton(QStringLiteral("県カナ順"), orderGroup_);
    regionOrder_ = new QRadioButton(QStringLiteral("県地域順"), orderGroup_);
    og->addWidget(kanaOrder_);
    og->addWidget(regionOrder_);
    orderButtons_ = new QButtonGroup(this);
    orderButtons_->addButton(kanaOrder_, 1);
    orderButtons_->addButton(regionOrder_, 2);
    head->addWidget(orderGroup_);
    v->addLayout(head);

    auto *kanaRow = new QHBoxLayout;
    kanaRow->addWidget(new QLabel(QStringLiteral("カナ検索"), page));
    kanaEdit_ = new QLineEdit(page);
    kanaEdit_->setObjectName(QStringLiteral("EditKana"));
    setImeMode(kanaEdit_, ImeMode::HalfKatakana);
    kanaEdit_->installEventFilter(this);
    kanaRow->addWidget(kanaEdit_);
    auto *redo = plainButton(QStringLiteral("やり直し"), page);
    redo->setObjectName(QStringLiteral("ButtonRedo"));
    kanaRow->addWidget(redo);
    kanaRow->addWidget(new QLabel(QStringLiteral("Enterキーで詳細、↑↓キーで移動、BackSpaceキーでやり直し"), page), 1);
    v->addLayout(kanaRow);

    auto *cityRow = new QHBoxLayout;
    cityRow->addWidget(new QLabel(QStringLiteral("市検索"), page));
    cityEdit_ = new QLineEdit(page);
    cityEdit_->setObjectName(QStringLiteral("EditCity"));
    setImeMode(cityEdit_, ImeMode::Hiragana);
    cityRow->addWidget(cityEdit_);
    auto *citySearch = plainButton(QStringLiteral("市検索"), page);
    citySearch->setObjectName(QStringLiteral("ButtonCitySearch"));
    cityRow->addWidget(citySearch);
    cityRow->addWidget(new QLabel(QStringLiteral("市の名前を漢字で入力しEnterキーで検索（○○市の市は省略可）"), page), 1);
    v->addLayout(cityRow);

    levelStack_ = new QStackedWidget(page);
    const QList<QList<Col>> columns = {
        {Col{QStringLiteral("県カナ"), QStringLiteral("県カナ"), 14}, Col{QStringLiteral("県名"), QStringLiteral("県名"), 10}},
        {Col{QStringLiteral("市区カナ"), QStringLiteral("市区カナ"), 24}, Col{QStringLiteral("市区名"), QStringLiteral("市区名"), 20}},
        {Col{QStringLiteral("町村カナ"), QStringLiteral("町村カナ"), 24}, Col{QStringLiteral("町村名"), QStringLiteral("町村名"), 20}},
        {Col{QStringLiteral("町域カナ"), QStringLiteral("町域カナ"), 30}, Col{QStringLiteral("町域名"), QStringLiteral("町域名"), 36},
         Col{QStringLiteral("郵便番号"), QStringLiteral("郵便番号"), 8}}};
    for (int i = 0; i < 4; ++i) {
        levelGrids_[i] = new DataGrid(levelQueries_[i], levelStack_);
        levelGrids_[i]->setColumns(columns.at(i));
        levelGrids_[i]->installEventFilter(this);
        levelStack_->addWidget(levelGrids_[i]);
        connect(levelGrids_[i], &DataGrid::activatedRow, this, &TfYubinFind::GoDown);
    }
    v->addWidget(levelStack_, 1);
    tabs_->addTab(page, kAddressTab);

    connect(redo, &QPushButton::clicked, this, &TfYubinFind::GoUp);
    connect(kanaEdit_, &QLineEdit::textChanged, this, &TfYubinFind::seekKana);
    connect(citySearch, &QPushButton::clicked, this, &TfYubinFind::SearchCity);
    connect(cityEdit_, &QLineEdit::returnPressed, this, &TfYubinFind::SearchCity);
    connect(orderButtons_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on && !settingOrder_)
            setPrefectureOrder(id);
    });
}

void TfYubinFind::buildFuzzyTab()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("検索住所"), page));
    fuzzyEdit_ = new QLineEdit(page);
    fuzzyEdit_->setObjectName(QStringLiteral("EditFuzzy"));
    setImeMode(fuzzyEdit_, ImeMode::Hiragana);
    row->addWidget(fuzzyEdit_, 1);
    auto *search = plainButton(QStringLiteral("検索"), page);
    search->setObjectName(QStringLiteral("ButtonFuzzySearch"));
    row->addWidget(search);
    v->addLayout(row);
    v->addWidget(new QLabel(QStringLiteral("部分的な住所を入力して検索。スペースで区切って複数の入力も可能　例　『上野　東京』"), page));

    fuzzyGrid_ = new DataGrid(qryAimai_, page);
    fuzzyGrid_->setColumns({Col{QStringLiteral("郵便番号"), QStringLiteral("郵便番号"), 8},
                            Col{QStringLiteral("県名"), QStringLiteral("県名"), 8},
                            Col{QStringLiteral("市区名"), QStringLiteral("市区名"), 14},
                            Col{QStringLiteral("町村名"), QStringLiteral("町村名"), 12},
                            Col{QStringLiteral("町域名"), QStringLiteral("町域名"), 30},
                            Col{QStringLiteral("町域カナ"), QStringLiteral("町域カナ"), 24}});
    fuzzyGrid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *near = new QAction(QStringLiteral("付近を参照"), fuzzyGrid_);
    fuzzyGrid_->addAction(near);
    v->addWidget(fuzzyGrid_, 1);

    auto *bottom = new QHBoxLayout;
    auto nav = [&](const QString &caption, auto move) {
        auto *b = plainButton(caption, page);
        connect(b, &QPushButton::clicked, this, [this, move] {
            if (qryAimai_->isOpen())
                move(*qryAimai_);
        });
        bottom->addWidget(b);
    };
    nav(QStringLiteral("|◀"), [](store::Dataset &d) { d.first(); });
    nav(QStringLiteral("◀"), [](store::Dataset &d) { d.prior(); });
    nav(QStringLiteral("▶"), [](store::Dataset &d) { d.next(); });
    nav(QStringLiteral("▶|"), [](store::Dataset &d) { d.last(); });
    bottom->addStretch();
    auto *decide = plainButton(QStringLiteral("決定"), page);
    decide->setObjectName(QStringLiteral("ButtonDecide"));
    auto *nearButton = plainButton(QStringLiteral("付近を参照"), page);
    nearButton->setObjectName(QStringLiteral("ButtonNear"));
    bottom->addWidget(decide);
    bottom->addWidget(nearButton);
    v->addLayout(bottom);
    tabs_->addTab(page, kFuzzyTab);

    connect(search, &QPushButton::clicked, this, &TfYubinFind::SearchFuzzy);
    connect(fuzzyEdit_, &QLineEdit::returnPressed, this, &TfYubinFind::SearchFuzzy);
    connect(fuzzyGrid_, &DataGrid::activatedRow, this, &TfYubinFind::DecideFuzzy);
    connect(decide, &QPushButton::clicked, this, &TfYubinFind::DecideFuzzy);
    connect(nearButton, &QPushButton::clicked, this, &TfYubinFind::ShowNeighbourhood);
    connect(near, &QAction::triggered, this, &TfYubinFind::ShowNeighbourhood);
}

// --- Results ----------------------------------------------------------------------------

void TfYubinFind::ClearResults()
{
    RsltYubinNo.clear();
    RsltAdrs1.clear();
    RsltAdrs2.clear();
    RsltSql.clear();
}

void TfYubinFind::TakeResult(store::Dataset &row)
{
    RsltYubinNo = text(row, QStringLiteral("郵便番号"));
    RsltAdrs1 = text(row, QStringLiteral("県名")) + text(row, QStringLiteral("市区名")) + text(row, QStringLiteral("町村名"));
    RsltAdrs2 = text(row, QStringLiteral("町域名"));
    RsltSql = address::resultSql(text(row, QStringLiteral("県CODE")), text(row, QStringLiteral("市区CODE")),
                                 text(row, QStringLiteral("町村CODE")), text(row, QStringLiteral("町域CODE")));
}

int TfYubinFind::YubinNoToAdrs(const QString &code)
{
    ClearResults();
    const QString c = address::withPostalHyphen(sjis::toHalfWidthAscii(code).trimmed());
    if (c.isEmpty())
        return 0;   // a blank code would match every town area of the country
    int n = 0;
    try {
        qryYubin_->setDatabase(address::postalDatabase());
        const address::Query q = address::postalCodeQuery(c);
        qryYubin_->close();
        qryYubin_->setSql(q.sql, q.params);
        qryYubin_->open();
        n = qryYubin_->recordCount();
        if (n == 1) {
            qryYubin_->first();
            TakeResult(*qryYubin_);
        }
    } catch (const std::exception &) {
        n = 0;   // no dictionary: nothing matches
    }
    if (!isVisible())
        CloseAllQueries(this);
    else
        qryYubin_->close();
    return n;
}

QString TfYubinFind::PostalDataDate() { return address::PostalDataDate(); }

// --- Opening and closing ----------------------------------------------------------------

bool TfYubinFind::bindDictionary()
{
    try {
        address::BindToDataCom(this, {QStringLiteral("qrySystem")});
        qrySystem_->setDatabase(store::Session::data());
        return true;
    } catch (const std::exception &) {
        ShowError(QStringLiteral("郵便番号辞書を開けません。\r") + store::Session::postalPath());
        return false;
    }
}

void TfYubinFind::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TfYubinFind::FormActivate()
{
    ClearResults();
    CloseAllQueries(this);
    selectionEdit_->clear();
    cityEdit_->clear();
    kanaEdit_->blockSignals(true);
    kanaEdit_->clear();
    kanaEdit_->blockSignals(false);
    if (!bindDictionary())
        return;
    try {
        OpenSql(*qrySystem_, QStringLiteral("SELECT * FROM system"));
        openPrefectures();
    } catch (const std::exception &e) {
        ShowError(QString::fromUtf8(e.what()));
        return;
    }
    showLevel(Level::Prefecture);

    if (!FindYubinNo.isEmpty()) {
        codeEdit_->setText(FindYubinNo);
        FindYubinNo.clear();
        SearchCode();
        tabs_->setCurrentIndex(0);
        codeGrid_->setFocus();
    } else {
        tabs_->setCurrentIndex(1);
        kanaEdit_->setFocus();
    }
    if (!FindAdrs.isEmpty())
        WalkFromAddress(FindAdrs);
}

void TfYubinFind::done(int r)
{
    try {
        PostIfEditing(*qrySystem_);
    } catch (const std::exception &e) {
        ShowError(QString::fromUtf8(e.what()));
    }
    CloseAllQueries(this);
    QDialog::done(r);
}

// --- Code search ------------------------------------------------------------------------

void TfYubinFind::SearchCode()
{
    const QString c = address::withPostalHyphen(sjis::toHalfWidthAscii(codeEdit_->text()).trimmed());
    codeEdit_->setText(c);
    try {
        qryYubin_->setDatabase(address::postalDatabase());
        const address::Query q = address::postalCodeQuery(c);
        OpenSql(*qryYubin_, q.sql, q.params);
    } catch (const std::exception &e) {
        ShowError(QString::fromUtf8(e.what()));
    }
}

// --- Walking down -----------------------------------------------------------------------

int TfYubinFind::prefectureOrder()
{
    if (!qrySystem_->isOpen() || qrySystem_->isEmpty())
        return 1;
    return qrySystem_->field(QStringLiteral("住所検索県ソート種別")).asInteger() == 2 ? 2 : 1;
}

void TfYubinFind::openPrefectures()
{
    const int kind = prefectureOrder();
    settingOrder_ = true;
    (kind == 2 ? regionOrder_ : kanaOrder_)->setChecked(true);
    settingOrder_ = false;
    OpenSql(*qryKen_, kind == 2 ? QStringLiteral("SELECT 県カナ,県名,県CODE FROM mken ORDER BY 県code")
                                : QStringLiteral("SELECT 県カナ,県名,県CODE FROM mken ORDER BY 県カナ"));
}

void TfYubinFind::setPrefectureOrder(int kind)
{
    if (!qrySystem_->isOpen() || qrySystem_->isEmpty())
        return;
    try {
        EnsureEditing(*qrySystem_);
        qrySystem_->field(QStringLiteral("住所検索県ソート種別")).setInteger(kind);
        const QString current = text(*qryKen_, QStringLiteral("県CODE"));
        openPrefectures();
        if (!current.isEmpty())
            LocateExact(*qryKen_, QStringLiteral("県CODE"), current);
    } catch (const std::exception &e) {
        ShowError(QString::fromUtf8(e.what()));
    }
}

QString TfYubinFind::levelKanaColumn(Level l) const
{
    switch (l) {
    case Level::Prefecture: return QStringLiteral("県カナ");
    case Level::City: return QStringLiteral("市区カナ");
    case Level::Town: return QStringLiteral("町村カナ");
    case Level::Area: return QStringLiteral("町域カナ");
    }
    return {};
}

void TfYubinFind::showLevel(Level l)
{
    level_ = l;
    levelStack_->setCurrentIndex(static_cast<int>(l));
    orderGroup_->setVisible(l == Level::Prefecture);
    const QString pref = text(*qryKen_, QStringLiteral("県名"));
    const QString city = text(*qrySiku_, QStringLiteral("市区名"));
    const QString town = text(*qryTyoson_, QStringLiteral("町村名"));
    switch (l) {
    case Level::Prefecture: selectionEdit_->clear(); break;
    case Level::City: selectionEdit_->setText(pref); break;
    case Level::Town: selectionEdit_->setText(pref + city); break;
    case Level::Area: selectionEdit_->setText(pref + city + town); break;
    }
    kanaEdit_->blockSignals(true);
    kanaEdit_->clear();
    kanaEdit_->blockSignals(false);
    if (isVisible())
        kanaEdit_->setFocus();
}

void TfYubinFind::downToCity()
{
    const QString pref = text(*qryKen_, QStringLiteral("県CODE"));
    OpenSql(*qrySiku_, QStringLiteral("SELECT * FROM msiku WHERE 県CODE=? ORDER BY 市区カナ"), {pref});
    showLevel(Level::City);
}

void TfYubinFind::downToTownOrArea()
{
    // The city row carries its prefecture: after the city search the list may hold cities of
    // several prefectures, so the prefecture list follows the chosen city.
    const QString pref = text(*qrySiku_, QStringLiteral("県CODE"));
    const QString city = text(*qrySiku_, QStringLiteral("市区CODE"));
    if (pref != text(*qryKen_, QStringLiteral("県CODE")))
        LocateExact(*qryKen_, QStringLiteral("県CODE"), pref);
    if (OpenSql(*qryTyoson_, QStringLiteral("SELECT * FROM mtyoson WHERE 県CODE=? AND 市区CODE=? ORDER BY 町村カナ"),
                {pref, city}))
        showLevel(Level::Town);
    else
        openAreas(pref, city, QString());
}

void TfYubinFind::openAreas(const QString &pref, const QString &city, const QString &town)
{
    if (town.isEmpty())
        OpenSql(*qryTyoiki_,
                QStringLiteral("SELECT * FROM mtyoiki WHERE 県CODE=? AND 市区CODE=? AND 町村CODE IS NULL ORDER BY 町域CODE"),
                {pref, city});
    else
        OpenSql(*qryTyoiki_,
                QStringLiteral("SELECT * FROM mtyoiki WHERE 県CODE=? AND 市区CODE=? AND 町村CODE=? ORDER BY 町域CODE"),
                {pref, city, town});
    showLevel(Level::Area);
}

void TfYubinFind::GoDown()
{
    store::Dataset &current = levelQuery(level_);
    if (!current.isOpen() || current.isEmpty())
        return;
    try {
        switch (level_) {
        case Level::Prefecture: downToCity(); break;
        case Level::City: downToTownOrArea(); break;
        case Level::Town:
            openAreas(text(*qryTyoson_, QStringLiteral("県CODE")), text(*qryTyoson_, QStringLiteral("市区CODE")),
                      text(*qryTyoson_, QStringLiteral("町村CODE")));
            break;
        case Level::Area:
            TakeResult(*qryTyoiki_);
            accept();
            break;
        }
    } catch (const std::exception &e) {
        ShowError(QString::fromUtf8(e.what()));
    }
}

void TfYubinFind::GoUp()
{
    switch (level_) {
    case Level::Prefecture: break;
    case Level::City: showLevel(Level::Prefecture); break;
    case Level::Town: showLevel(Level::City); break;
    case Level::Area:
        showLevel(qryTyoson_->isOpen() && !qryTyoson_->isEmpty() ? Level::Town : Level::City);
        break;
    }
}

void TfYubinFind::seekKana(const QString &t)
{
    store::Dataset &set = levelQuery(level_);
    // Readings are half-width katakana; kana typed in any other width still finds them.
    if (set.isOpen() && !t.isEmpty())
        LocatePrefix(set, levelKanaColumn(level_), sjis::toHalfWidthKatakana(t));
}

bool TfYubinFind::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == kanaEdit_) {
        store::Dataset &set = levelQuery(level_);
        switch (key->key()) {
        case Qt::Key_Up:
            if (set.isOpen())
                set.prior();
            return true;
        case Qt::Key_Down:
            if (set.isOpen())
                set.next();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            GoDown();
            return true;
        case Qt::Key_Backspace:
            if (kanaEdit_->text().isEmpty()) {
                GoUp();
                return true;
            }
            break;
        default: break;
        }
    } else if (key->key() == Qt::Key_Escape && level_ != Level::Prefecture) {
        for (DataGrid *g : levelGrids_)
            if (watched == g) {
                GoUp();
                return true;
            }
    }
    return QDialog::eventFilter(watched, event);
}

void TfYubinFind::SearchCity()
{
    QString name = cityEdit_->text().trimmed();
    if (!name.endsWith(u'市'))
        name += u'市';
    try {
        if (OpenSql(*qrySiku_, QStringLiteral("SELECT * FROM msiku WHERE 市区名=?"), {name})) {
            LocateExact(*qryKen_, QStringLiteral("県CODE"), qrySiku_->field(QStringLiteral("県CODE")).value());
            showLevel(Level::City);
            downToTownOrArea();
            ShowInfo(name + QStringLiteral(" 発見"));
        } else {
            showLevel(Level::Prefecture);
            ShowInfo(name + QStringLiteral(" 見つかりません"));
        }
    } catch (const std::exception &e) {
        ShowError(QString::fromUtf8(e.what()));
    }
}

QStringList TfYubinFind::columnValues(store::Dataset &set, const QString &column)
{
    QStringList out;
    const int n = set.recordCount();
    const int index = set.field(column).index();
    out.reserve(n);
    for (int r = 0; r < n; ++r)
        out << set.value(r, index).toString();
    return out;
}

void TfYubinFind::WalkFromAddress(const QString &addressText)
{
    QString rest = addressText;   // before FindAdrs (which may be addressText) is emptied
    FindAdrs.clear();
    tabs_->setCurrentIndex(1);
    // Matches the front of rest among the names of the visible list, moves the list to the
    // match and takes the name off rest; false when nothing matched.
    auto take = [&](store::Dataset &set, const QString &column) {
        if (!set.isOpen())
            return false;
        const QStringList names = columnValues(set, column);
        const int row = address::longestPrefixMatch(names, rest);
        if (row < 0)
            return false;
        set.setRecNo(row + 1);
        rest = rest.mid(names.at(row).size());
        return true;
    };
    try {
        if (!take(*qryKen_, QStringLiteral("県名")))
            return;
        downToCity();
        if (!take(*qrySiku_, QStringLiteral("市区名")))
            return;
        downToTownOrArea();
        if (level_ == Level::Town) {
            if (!take(*qryTyoson_, QStringLiteral("町村名")))
                return;
            openAreas(text(*qryTyoson_, QStringLiteral("県CODE")), text(*qryTyoson_, QStringLiteral("市区CODE")),
                      text(*qryTyoson_, QStringLiteral("町村CODE")));
        }
        take(*qryTyoiki_, QStringLiteral("町域名"));
    } catch (const std::exception &e) {
        ShowError(QString::fromUtf8(e.what()));
    }
}

// --- Fuzzy search -----------------------------------------------------------------------

void TfYubinFind::SearchFuzzy()
{
    const QStringList words = address::searchWords(fuzzyEdit_->text());
    if (words.isEmpty()) {
        ShowInfo(QStringLiteral("検索する部分住所を入力してください。"));
        return;
    }
    try {
        store::Database &db = address::postalDatabase();
        qryAimai_->setDatabase(db);
        if (!db.columnNames(QStringLiteral("mtyoiki")).contains(QStringLiteral("住所"), Qt::CaseInsensitive))
            throw store::SqlError(QStringLiteral("no address column"), QString());
        const address::Query q =
            address::fuzzyAddressQuery(words, db.tableExists(QString::fromLatin1(address::kAddressIndexTable)));
        OpenSql(*qryAimai_, q.sql, q.params);
    } catch (const std::exception &) {
        qryAimai_->close();
        ShowError(QStringLiteral("検索できません。郵便辞書が古い可能性があります。"));
    }
}

void TfYubinFind::DecideFuzzy()
{
    if (!qryAimai_->isOpen() || qryAimai_->isEmpty()) {
        ShowInfo(QStringLiteral("データが選択されていません"));
        return;
    }
    TakeResult(*qryAimai_);
    accept();
}

void TfYubinFind::ShowNeighbourhood()
{
    if (!qryAimai_->isOpen() || qryAimai_->isEmpty()) {
        ShowInfo(QStringLiteral("データが選択されていません"));
        return;
    }
    FindAdrs = qryAimai_->field(QStringLiteral("住所")).asString();
    FormActivate();
}

} // namespace minori
