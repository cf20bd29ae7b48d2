#include "screens.h"

#include "address/yubin_find.h"
#include "app/common/tf_counter.h"
#include "app/shell/screen_registry.h"
#include "masters/tf_master_mbunrui.h"
#include "masters/tf_master_mnyukin.h"
#include "masters/tf_master_msyobun.h"
#include "masters/tf_master_msyohin.h"
#include "masters/tf_system.h"
#include "masters/tf_system2.h"

#include <QWidget>

namespace minori {

void registerAllScreens()
{
    setPostalDateSource([] { return TfYubinFind::PostalDataDate(); });
    // Developer window.
    registerScreen(QStringLiteral("カウンター設定"), [](QWidget *parent) {
        static TfCounter *screen = new TfCounter(parent);
        screen->exec();
    });
    // Masters of products, classifications, payment kinds and the company.
    registerScreen(QStringLiteral("商品マスター"), [](QWidget *parent) {
        static TfMasterMSyohin *screen = new TfMasterMSyohin(parent);
        screen->exec();
    });
    registerScreen(QStringLiteral("商品分類マスター"), [](QWidget *parent) {
        static TfMasterMSyoBun *screen = new TfMasterMSyoBun(parent);
        screen->exec();
    });
    registerScreen(QStringLiteral("顧客分類マスター"), [](QWidget *parent) {
        static TfMasterMBunrui *screen = new TfMasterMBunrui(parent);
        screen->exec();
    });
    registerScreen(QStringLiteral("入金種別マスター"), [](QWidget *parent) {
        static TfMasterMNyukin *screen = new TfMasterMNyukin(parent);
        screen->exec();
    });
    registerScreen(QStringLiteral("自社マスター"), [](QWidget *parent) {
        static TfSystem *screen = new TfSystem(parent);
        screen->exec();
    });
    registerScreen(QStringLiteral("その他設定"), [](QWidget *parent) {
        static TfSystem2 *screen = new TfSystem2(parent);
        screen->exec();
    });
}

} // namespace minori
