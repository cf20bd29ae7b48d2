#include "screens.h"

#include "address/yubin_find.h"
#include "app/common/tf_counter.h"
#include "app/shell/screen_registry.h"
#include "masters/tf_master_mbunrui.h"
#include "masters/tf_master_mnyukin.h"
#include "masters/tf_master_msyobun.h"
#include "masters/tf_master_msyohin.h"
#include "masters/tf_make_find_den_no.h"
#include "masters/tf_mtokui.h"
#include "masters/tf_system.h"
#include "masters/tf_system2.h"
#include "print/print_tool_window.h"
#include "print/printer_design_screen.h"
#include "print/printer_setting_screen.h"

#include <QWidget>

namespace minori {

namespace {
// Screens are made once, on first use, and kept until the program ends.
template <typename T>
T *once(QWidget *parent)
{
    static T *screen = new T(parent);
    return screen;
}

// A developer's window that stands beside the others.
template <typename T>
void showBeside(QWidget *parent)
{
    T *s = once<T>(parent);
    s->show();
    s->raise();
}
} // namespace

void registerAllScreens()
{
    registerScreen(QStringLiteral("プリンター設定"), [](QWidget *parent) { once<TfPrinterSetting>(parent)->exec(); });
    registerScreen(QStringLiteral("プリンター設計"), showBeside<TfPrinterDesin>);
    registerScreen(QStringLiteral("PrintTool"), showBeside<TfPrintToolWindow>);
    setPostalDateSource([] { return TfYubinFind::PostalDataDate(); });
    // Developer window.
    registerScreen(QStringLiteral("カウンター設定"), [](QWidget *parent) {
        static TfCounter *screen = new TfCounter(parent);
        screen->exec();
    });
    registerScreen(QStringLiteral("検索用電話番号作成"), [](QWidget *) { TfMakeFindDenNo::instance().exec(); });
    // Masters of products, classifications, payment kinds and the company.
    registerScreen(QStringLiteral("商品マスター"), [](QWidget *parent) { once<TfMasterMSyohin>(parent)->exec(); });
    registerScreen(QStringLiteral("商品分類マスター"), [](QWidget *parent) { once<TfMasterMSyoBun>(parent)->exec(); });
    registerScreen(QStringLiteral("顧客分類マスター"), [](QWidget *parent) { once<TfMasterMBunrui>(parent)->exec(); });
    registerScreen(QStringLiteral("入金種別マスター"), [](QWidget *parent) { once<TfMasterMNyukin>(parent)->exec(); });
    registerScreen(QStringLiteral("自社マスター"), [](QWidget *parent) { once<TfSystem>(parent)->exec(); });
    registerScreen(QStringLiteral("その他設定"), [](QWidget *parent) { once<TfSystem2>(parent)->exec(); });
    // Customers.
    registerScreen(QStringLiteral("顧客マスター"), [](QWidget *) { TfMTokui::instance().Run(TfMTokui::BrowseAll, {}, {}); });
}

} // namespace minori
