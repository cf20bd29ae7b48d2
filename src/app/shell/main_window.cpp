#include "main_window.h"

#include "about_box.h"
#include "app/common/common_routines.h"
#include "app/common/prompter.h"
#include "manual_window.h"
#include "screen_registry.h"
#include "start_log.h"
#include "startup_tasks.h"
#include "store/company_settings.h"
#include "store/dataset.h"
#include "store/session.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

namespace minori {

namespace {

// Captions of the beginner panel, in order.
const char16_t *const kBeginner[] = {u"受注伝票", u"入金入力", u"入金予定", u"顧客マスター", u"商品マスター",
                                     u"自社マスター", u"プリンター設定", u"取扱説明書", u"バージョン"};

struct Group {
    const char16_t *heading;
    std::initializer_list<const char16_t *> captions;
};
// The advanced panel, under its five headings.
const Group kAdvanced[] = {
    {u"受注発送", {u"受注伝票", u"送り状印刷", u"明細書印刷", u"定期購入", u"発送待", u"発送入力"}},
    {u"代金回収", {u"振替用紙印刷", u"入金入力", u"入金予定"}},
    {u"販売促進", {u"注文主抽出", u"注文履歴印刷", u"集計", u"お買上明細 通信文", u"ご注文履歴　通信文"}},
    {u"マスター",
     {u"顧客マスター", u"顧客分類マスター", u"顧客一括", u"商品マスター", u"商品分類マスター", u"入金種別マスター",
      u"自社マスター", u"プリンター設定"}},
    {u"保守", {u"住所確認", u"インポート", u"バックアップ", u"再構築", u"カラー設定", u"取扱説明書", u"バージョン"}},
};

// Screens during which the main window stays visible.
bool staysVisible(const QString &caption)
{
    return caption == u"定期購入" || caption == u"バージョン" || caption == u"設計中" || caption == u"設計";
}

QString markerPath() { return ProgramFilePath(QStringLiteral("AllFuncOn.txt")); }

} // namespace

TfMain::TfMain(const MainWindowOptions &options, QWidget *parent) : QMainWindow(parent), options_(options)
{
    setObjectName(QStringLiteral("TfMain"));
    setWindowTitle(QStringLiteral("実り直送便"));
    resize(900, 640);
    buildPanels();
    closeTimer_ = new QTimer(this);
    closeTimer_->setInterval(500);
    connect(closeTimer_, &QTimer::timeout, this, [this] {
        closeTimer_->stop();
        close();
    });
    autoOpenTimer_ = new QTimer(this);
    autoOpenTimer_->setInterval(500);
    connect(autoOpenTimer_, &QTimer::timeout, this, [this] {
        autoOpenTimer_->stop();
        if (started_)
            openFromButton(QStringLiteral("受注伝票"));
    });
    if (options_.showSplash) {
        splash_ = new TfStartLog();
        splash_->show();
    }
    QApplication::processEvents();
    sinceCreation_.start();
    qApp->installEventFilter(this);
}

TfMain::~TfMain()
{
    qApp->removeEventFilter(this);
    delete splash_;
}

QPushButton *TfMain::addButton(QWidget *panel, QLayout *layout, const QString &caption, bool advanced)
{
    auto *b = new QPushButton(caption, panel);
    b->setObjectName(QStringLiteral("Button") + caption);
    b->setMinimumHeight(advanced ? 36 : 56);
    QFont f = b->font();
    f.setPointSize(f.pointSize() + (advanced ? 1 : 4));
    b->setFont(f);
    layout->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, caption] { openFromButton(caption); });
    (advanced ? advancedButtons_ : beginnerButtons_).insert(caption, b);
    return b;
}

void TfMain::buildPanels()
{
    auto *central = new QWidget(this);
    auto *outer = new QVBoxLayout(central);

    // Top bar: user mode, design buttons (administrator mode), exit.
    auto *top = new QHBoxLayout;
    auto *modeBox = new QGroupBox(QStringLiteral("ユーザーモード"), central);
    auto *modeLayout = new QHBoxLayout(modeBox);
    radioGroupUserMode_ = new QButtonGroup(this);
    const QString modes[] = {QStringLiteral("ビギナー"), QStringLiteral("アドバンス")};
    for (int i = 0; i < 2; ++i) {
        auto *r = new QRadioButton(modes[i], modeBox);
        radioGroupUserMode_->addButton(r, i);
        modeLayout->addWidget(r);
    }
    connect(radioGroupUserMode_, &QButtonGroup::idClicked, this, [this] { applyUserMode(); });
    top->addWidget(modeBox);
    top->addStretch();
    buttonDesign_ = new QPushButton(QStringLiteral("設計"), central);
    buttonDesigning_ = new QPushButton(QStringLiteral("設計中"), central);
    buttonExit_ = new QPushButton(QStringLiteral("終了"), central);
    buttonDesign_->setVisible(false);
    buttonDesigning_->setVisible(false);
    connect(buttonDesign_, &QPushButton::clicked, this, [this] { openFromButton(QStringLiteral("設計")); });
    connect(buttonDesigning_, &QPushButton::clicked, this, [this] { openFromButton(QStringLiteral("設計中")); });
    connect(buttonExit_, &QPushButton::clicked, this, &QWidget::close);
    top->addWidget(buttonDesign_);
    top->addWidget(buttonDesigning_);
    top->addWidget(buttonExit_);
    outer->addLayout(top);

    // Base panel holding both button panels, each over its wallpaper picture.
    basePanel_ = new QWidget(central);
    auto *base = new QVBoxLayout(basePanel_);
    base->setContentsMargins(0, 0, 0, 0);

    auto makePanel = [this](const QString &name, QLabel *&picture, int slot) {
        auto *panel = new QWidget(basePanel_);
        panel->setObjectName(name);
        auto *stack = new QStackedLayout(panel);
        stack->setStackingMode(QStackedLayout::StackAll);
        picture = new QLabel(panel);
        picture->setScaledContents(true);
        picture->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(picture, &QWidget::customContextMenuRequested, this,
                [this, slot, picture](const QPoint &p) { wallpaperMenu(slot, picture->mapToGlobal(p)); });
        auto *buttons = new QWidget(panel);
        buttons->setAttribute(Qt::WA_TranslucentBackground);
        buttons->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(buttons, &QWidget::customContextMenuRequested, this,
                [this, slot, buttons](const QPoint &p) { wallpaperMenu(slot, buttons->mapToGlobal(p)); });
        stack->addWidget(buttons);
        stack->addWidget(picture);
        return std::pair{panel, buttons};
    };

    auto [bigner, bignerButtons] = makePanel(QStringLiteral("PanelBtnBigner"), imageBigner_, 1);
    panelBigner_ = bigner;
    auto *bl = new QGridLayout(bignerButtons);
    int i = 0;
    for (const char16_t *c : kBeginner) {
        auto *holder = new QVBoxLayout;
        addButton(bignerButtons, holder, QString::fromUtf16(c), false);
        bl->addLayout(holder, i / 3, i % 3);
        ++i;
    }

    auto [advans, advansButtons] = makePanel(QStringLiteral("PanelBtnAdvans"), imageAdvanc_, 2);
    panelAdvans_ = advans;
    auto *al = new QHBoxLayout(advansButtons);
    for (const Group &g : kAdvanced) {
        auto *box = new QGroupBox(QString::fromUtf16(g.heading), advansButtons);
        auto *v = new QVBoxLayout(box);
        for (const char16_t *c : g.captions)
            addButton(box, v, QString::fromUtf16(c), true);
        v->addStretch();
        al->addWidget(box);
    }
    base->addWidget(panelBigner_);
    base->addWidget(panelAdvans_);
    outer->addWidget(basePanel_, 1);
    // The panels appear when the start-up sequence has set the user mode.
    panelBigner_->setVisible(false);
    panelAdvans_->setVisible(false);
    setCentralWidget(central);
    refreshButtonStates();
}

void TfMain::refreshButtonStates()
{
    for (auto *map : {&beginnerButtons_, &advancedButtons_})
        for (auto it = map->cbegin(); it != map->cend(); ++it) {
            const QString &c = it.key();
            const bool own = c == u"取扱説明書" || c == u"バージョン";
            it.value()->setEnabled(own || hasScreen(c));
        }
    buttonDesign_->setEnabled(hasScreen(QStringLiteral("設計")));
    buttonDesigning_->setEnabled(hasScreen(QStringLiteral("設計中")));
}

QPushButton *TfMain::button(const QString &caption, bool advancedPanel) const
{
    return (advancedPanel ? advancedButtons_ : beginnerButtons_).value(caption);
}

bool TfMain::administratorMode() const { return QFileInfo::exists(markerPath()); }

int TfMain::userMode() const { return radioGroupUserMode_->checkedId(); }

void TfMain::setUserMode(int index)
{
    if (QAbstractButton *b = radioGroupUserMode_->button(index == 0 ? 0 : 1))
        b->setChecked(true);
    applyUserMode();
}

void TfMain::applyUserMode()
{
    const bool beginner = radioGroupUserMode_->checkedId() == 0;
    panelBigner_->setVisible(beginner);
    panelAdvans_->setVisible(!beginner);
}

void TfMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Deferred so that the window is on screen before the start-up work runs.
    QTimer::singleShot(0, this, [this] { formShow(); });
}

void TfMain::formShow()
{
    started_ = true;
    try {
        store::Dataset q(store::Session::data(), QStringLiteral("SELECT * from system"));
        q.open();
        q.close();
    } catch (const std::exception &) {
        started_ = false;
        if (splash_)
            splash_->hide();
        ShowError(QStringLiteral("データベースにアクセスできません\r終了します。"));
        closeTimer_->start();
        return;
    }
    if (firstShow_) {
        firstShow_ = false;
        if (splash_)
            splash_->raise();
        firstShow();
    }
}

void TfMain::firstShow()
{
    if (!lock_.acquire(QDir::current().filePath(QStringLiteral("Haita.txt")))) {
        if (splash_)
            splash_->hide();
        ShowError(QStringLiteral("起動できません\r他で使用中か確認してください"));
        // The running copy owns the data: this one must not save its mode or pack tables.
        closingStepsAllowed_ = false;
        close();
        return;
    }
    runStartupTasks();
    while (sinceCreation_.elapsed() < options_.startWaitMs) {
        QApplication::processEvents();
        QThread::msleep(qMin<qint64>(100, qMax<qint64>(1, options_.startWaitMs - sinceCreation_.elapsed())));
    }
    if (splash_) {
        splash_->close();
        delete splash_;
        splash_ = nullptr;
    }
    store::Database &db = store::Session::data();
    const QString name = store::systemText(db, QStringLiteral("自社名"));
    QString title = (name.isEmpty() ? QStringLiteral("名無しのごんべいさん") : name) + QStringLiteral(" の実り直送便");
    if (administratorMode()) {
        title += QStringLiteral("  ★★全機能On★★");
        buttonDesign_->setVisible(true);
        buttonDesigning_->setVisible(true);
        buttonDesigning_->setFocus();
    }
    setWindowTitle(title);
    menuBar()->hide();
    if (auto *b = button(QStringLiteral("カラー設定"), true))
        b->setVisible(store::systemFlag(db, QStringLiteral("カラー設定")));
    setUserMode(store::systemValue(db, QStringLiteral("ユーザーモード")).toInt());
    loadWallpapers();
    if (store::systemFlag(db, QStringLiteral("起動時受注画面")))
        autoOpenTimer_->start();
    const bool custom1 =
        db.tableExists(QStringLiteral("mcustom")) &&
        db.scalar(QStringLiteral("SELECT カスタムno FROM mcustom")).toInt() == 1;
    for (const char16_t *c : {u"発送待", u"発送入力"})
        if (auto *b = button(QString::fromUtf16(c), true))
            b->setVisible(custom1);
    refreshButtonStates();
    emit startupFinished();
}

void TfMain::loadWallpapers()
{
    store::Dataset q(store::Session::data(), QStringLiteral("SELECT * FROM dwallpaper"));
    q.open();
    if (q.isEmpty())
        return;
    if (q.field(QStringLiteral("壁紙1を使う")).asBool())
        setPicture(1, q.field(QStringLiteral("壁紙1ファイル名")).asString());
    if (q.field(QStringLiteral("壁紙2を使う")).asBool())
        setPicture(2, q.field(QStringLiteral("壁紙2ファイル名")).asString());
}

void TfMain::setPicture(int slot, const QString &file)
{
    QLabel *pic = slot == 1 ? imageBigner_ : imageAdvanc_;
    QPixmap p;
    if (!file.isEmpty())
        p.load(file);   // an unreadable picture is skipped silently
    pic->setPixmap(p);
}

namespace {
// Writes the slot's two columns of the wallpaper row.
void storeWallpaper(int slot, std::optional<bool> use, std::optional<QString> file)
{
    store::Dataset q(store::Session::data(), QStringLiteral("SELECT * FROM dwallpaper"));
    q.open();
    if (q.isEmpty())
        q.append();
    else
        q.edit();
    const QString n = QString::number(slot);
    if (use)
        q.field(QStringLiteral("壁紙%1を使う").arg(n)).setBool(*use);
    if (file)
        q.field(QStringLiteral("壁紙%1ファイル名").arg(n)).setString(*file);
    q.post();
}
QString storedWallpaper(int slot)
{
    return store::Session::data()
        .scalar(QStringLiteral("SELECT %1 FROM dwallpaper").arg(QStringLiteral("壁紙%1ファイル名").arg(slot)))
        .toString();
}
} // namespace

void TfMain::useNewWallpaper(int slot, const QString &file)
{
    storeWallpaper(slot, true, file);
    setPicture(slot, file);
}

void TfMain::usePreviousWallpaper(int slot)
{
    const QString file = storedWallpaper(slot);
    if (file.isEmpty())
        return;
    storeWallpaper(slot, true, std::nullopt);
    setPicture(slot, file);
}

void TfMain::useNoWallpaper(int slot)
{
    storeWallpaper(slot, false, std::nullopt);
    setPicture(slot, QString());
}

void TfMain::wallpaperMenu(int slot, const QPoint &pos)
{
    QMenu menu(this);
    QAction *pick = menu.addAction(QStringLiteral("新しい壁紙を使う"));
    QAction *previous = menu.addAction(QStringLiteral("前回の壁紙を使う"));
    QAction *none = menu.addAction(QStringLiteral("壁紙を使わない"));
    QAction *chosen = menu.exec(pos);
    if (chosen == pick) {
        const QString file = QFileDialog::getOpenFileName(this, QString(), storedWallpaper(slot),
                                                          QStringLiteral("画像 (*.bmp *.jpg *.jpeg *.png)"));
        if (!file.isEmpty())
            useNewWallpaper(slot, file);
    } else if (chosen == previous) {
        usePreviousWallpaper(slot);
    } else if (chosen == none) {
        useNoWallpaper(slot);
    }
}

void TfMain::openFromButton(const QString &caption)
{
    if (caption == u"取扱説明書") {
        showManual();
        return;
    }
    if (caption == u"バージョン") {
        showAbout();
        return;
    }
    if (!hasScreen(caption))
        return;
    const bool hide = !staysVisible(caption);
    if (hide)
        this->hide();
    try {
        openScreen(caption, this);
    } catch (...) {
        if (hide)
            show();
        throw;
    }
    if (hide)
        show();
}

void TfMain::showManual()
{
    TfManual dlg(this);
    hide();
    dlg.exec();
    show();
}

void TfMain::showAbout()
{
    TfVersion dlg(this);
    dlg.exec();
}

bool TfMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && isActiveWindow()) {
        auto *key = static_cast<QKeyEvent *>(event);
        const auto mods = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (key->key() == Qt::Key_F1 && mods == (Qt::ShiftModifier | Qt::ControlModifier)) {
            // The access-code dialog, which opens the developer window when it returns OK.
            openScreen(QStringLiteral("アクセスコード"), this);
            return true;
        }
        if (key->key() == Qt::Key_Escape && administratorMode() && started_) {
            buttonExit_->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfMain::closeEvent(QCloseEvent *event)
{
    if (started_ && closingStepsAllowed_) {
        try {
            store::Dataset q(store::Session::data(), QStringLiteral("SELECT * FROM system"));
            q.open();
            if (!q.isEmpty()) {
                q.edit();
                q.field(QStringLiteral("ユーザーモード")).setInteger(qMax(0, userMode()));
                q.post();
            }
            q.close();
            for (const char *t : {"IJUMEI", "TTYUMONSUM", "TJUMEIHIST"})
                if (store::Session::data().tableExists(QString::fromLatin1(t)))
                    PackTable(QString::fromLatin1(t), false, true);
        } catch (const std::exception &e) {
            ShowError(QString::fromUtf8(e.what()));
        }
    }
    started_ = false;
    lock_.release();
    event->accept();
}

} // namespace minori
