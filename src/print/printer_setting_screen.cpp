#include "printer_setting_screen.h"

#include "app/common/prompter.h"
#include "print_tool.h"
#include "printer_setting.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace minori {

void hideRecordCommands(RecordScreen *screen, const QStringList &captions)
{
    // The buttons move into a hidden holder, so the base's mode switching never shows them.
    auto *holder = new QWidget(screen);
    holder->hide();
    for (const QString &c : captions) {
        if (QAction *a = screen->command(c))
            a->setVisible(false);
        if (QPushButton *b = screen->commandButton(c))
            b->setParent(holder);
    }
}

namespace {

// First / previous / next / last under a list.
QWidget *navigator(QWidget *parent, store::Dataset &set)
{
    auto *bar = new QWidget(parent);
    auto *l = new QHBoxLayout(bar);
    l->setContentsMargins(0, 0, 0, 0);
    const QList<QPair<QString, std::function<void()>>> buttons = {
        {QStringLiteral("|◀"), [&set] { set.first(); }},
        {QStringLiteral("◀"), [&set] { set.prior(); }},
        {QStringLiteral("▶"), [&set] { set.next(); }},
        {QStringLiteral("▶|"), [&set] { set.last(); }},
    };
    for (const auto &b : buttons) {
        auto *p = new QPushButton(b.first, bar);
        p->setFocusPolicy(Qt::NoFocus);
        QObject::connect(p, &QPushButton::clicked, bar, b.second);
        l->addWidget(p);
    }
    l->addStretch();
    bar->setProperty("navigator", true);
    return bar;
}

} // namespace

TfPrinterSetting::TfPrinterSetting(QWidget *parent)
    : RecordScreen(QStringLiteral("プリンター設定"), QStringLiteral("SELECT * FROM printer ORDER BY PrinterNo"), parent)
{
    setObjectName(QStringLiteral("TfPrinterSetting"));
    hideRecordCommands(this, {QStringLiteral("新規"), QStringLiteral("削除"), QStringLiteral("検索")});
    const QString rec = QStringLiteral("レコード&R");
    addCommand(rec, QStringLiteral("設定"), QKeySequence(), InBrowse, [this] { chooseCurrentPrinter(); });
    addCommand(rec, QStringLiteral("枠テスト印刷"), QKeySequence(), InBrowse, [this] { printFrame(); });
    // The same choice from a menu of its own.
    addCommand(QStringLiteral("プリンター設定"), QStringLiteral("プリンター設定"), QKeySequence(), InBrowse,
               [this] { chooseCurrentPrinter(); }, false);

    addGrid({{QStringLiteral("PrinterNo"), QStringLiteral("No"), 4, Qt::AlignRight | Qt::AlignVCenter},
             {QStringLiteral("名称"), QStringLiteral("名称"), 20},
             {QStringLiteral("備考"), QStringLiteral("備考"), 20},
             {QStringLiteral("左余白"), QStringLiteral("左余白"), 8, Qt::AlignRight | Qt::AlignVCenter},
             {QStringLiteral("上余白"), QStringLiteral("上余白"), 8, Qt::AlignRight | Qt::AlignVCenter},
             {QStringLiteral("左余白調整"), QStringLiteral("左余白調整"), 10, Qt::AlignRight | Qt::AlignVCenter},
             {QStringLiteral("上余白調整"), QStringLiteral("上余白調整"), 10, Qt::AlignRight | Qt::AlignVCenter},
             {QStringLiteral("印刷枠横"), QStringLiteral("印刷枠横"), 8, Qt::AlignRight | Qt::AlignVCenter},
             {QStringLiteral("印刷枠縦"), QStringLiteral("印刷枠縦"), 8, Qt::AlignRight | Qt::AlignVCenter}});
    bodyLayout()->addWidget(navigator(this, query()));
    // The fields go below the list.
    bodyLayout()->removeItem(formLayout());
    formLayout()->setParent(nullptr);
    bodyLayout()->addLayout(formLayout());
    addDisplayField(QStringLiteral("名称"), QStringLiteral("名称"));
    leftAdjust_ = addLineField(QStringLiteral("左余白調整(mm)"), QStringLiteral("左余白調整"), ImeMode::Off);
    topAdjust_ = addLineField(QStringLiteral("上余白調整(mm)"), QStringLiteral("上余白調整"), ImeMode::Off);
    resize(900, 600);
}

void TfPrinterSetting::doEdit()
{
    RecordScreen::doEdit();
    if (mode() == ModeEdit)
        leftAdjust_->setFocus();
}

bool TfPrinterSetting::checkBeforePost()
{
    for (QLineEdit *e : {leftAdjust_, topAdjust_}) {
        bool ok = false;
        const QString t = e->text().trimmed();
        t.toDouble(&ok);
        if (!t.isEmpty() && !ok) {
            ShowError(QStringLiteral("数値を入力してください"));
            e->setFocus();
            return false;
        }
    }
    return true;
}

void TfPrinterSetting::chooseCurrentPrinter()
{
    if (query().isEmpty())
        return;
    const QString name = query().field(QStringLiteral("名称")).asString();
    if (!AskConfirm(QStringLiteral("%1 のプリンター設定をおこないます").arg(name)))
        return;
    printTool()._PrinterSetup(name);
}

void TfPrinterSetting::printFrame()
{
    if (query().isEmpty())
        return;
    if (!AskConfirm(QStringLiteral("枠のテスト印刷をおこないます")))
        return;
    printFrameTest(query().field(QStringLiteral("名称")).asString());
}

} // namespace minori
