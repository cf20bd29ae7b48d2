#include "../print/print_fixture.h"
#include "app/common/prompter.h"
#include "classification_modal.h"
#include "masters/product_list_prints.h"
#include "masters/tf_master_mbunrui.h"
#include "masters/tf_master_mnyukin.h"
#include "masters/tf_master_msyobun.h"
#include "masters/tf_master_msyohin.h"
#include "print/print_db_list.h"
#include "temp_home.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace minori;

namespace {

QString u8(const char *s) { return QString::fromUtf8(s); }

void seed(store::Database &db, int products)
{
    store::Transaction tx(db);
    db.exec(u8("INSERT INTO msyobun VALUES ('A', '果物'), ('B', '野菜')"));
    db.exec(u8("INSERT INTO mbunrui VALUES ('01', '一般'), ('02', '法人')"));
    db.exec(u8("INSERT INTO mnyukin VALUES ('01', '現金'), ('02', '郵便振込')"));
    for (int i = 1; i <= products; ++i)
        db.exec(u8("INSERT INTO msyohin (品番, 品名, 仕様, 定価, 分類CODE, 分類名) VALUES (?, ?, '5kg', ?, ?, ?)"),
                {QStringLiteral("P%1").arg(i, 3, 10, QChar(u'0')), u8("りんご") + QString::number(i), i * 100,
                 i % 2 ? u8("A") : u8("B"), i % 2 ? u8("果物") : u8("野菜")});
    tx.commit();
}

} // namespace

TEST(ProductListPrints, EveryListPrintsItsHeaderAndColumns)
{
    TempHome home;
    seed(home.db(), 31);   // two landscape pages of 30 rows
    ScopedRecordingPrompter p;
    test::RecordingJobs jobs;
    struct Case {
        const char *table, *command, *layout, *title, *heading, *firstRow;
        int pages;
    };
    const Case cases[] = {
        {"msyohin", "一覧表印刷(品番順)", "A4横", "商品マスター(品番順)", "品番品名仕様定価分類C分類名", "P001りんご15kg100A果物", 2},
        {"msyohin", "一覧表印刷(分類順)", "A4横", "商品マスター(分類CODE順)", "品番品名仕様定価分類C分類名", "P001りんご15kg100A果物", 2},
        {"msyobun", "一覧表印刷", "A4縦", "商品分類マスター", "分類CODE分類名", "A果物", 1},
        {"mbunrui", "一覧表印刷", "A4縦", "顧客分類マスター", "分類CODE分類名", "01一般", 1},
        {"mnyukin", "一覧表印刷", "A4縦", "入金種別マスター", "入金種別code入金種別名", "01現金", 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.command + std::string(" ") + c.table);
        MasterListPrint list;
        bool found = false;
        for (const MasterListPrint &l : masterListPrints(u8(c.table)))
            if (l.command == u8(c.command)) {
                list = l;
                found = true;
            }
        ASSERT_TRUE(found);
        TfPrintDbList &printer = printDbList();
        setUpMasterList(printer, list);
        ASSERT_TRUE(printer.columnsOk());
        ASSERT_TRUE(printer.prepare());
        EXPECT_EQ(printer.pageCount(), c.pages);
        printer.chooseAll();
        ASSERT_TRUE(printer.printChosen());
        EXPECT_EQ(jobs.specs.last().layoutName, u8(c.layout));
        const auto pages = test::linesByPage(*jobs.log);
        ASSERT_EQ(pages.size(), c.pages);
        const QStringList lines = pages[0].values();
        ASSERT_FALSE(lines.isEmpty());
        // The header at the top: title, date and time to the minute, page and page count.
        const QRegularExpression header(QRegularExpression::escape(u8(c.title)) +
                                        QStringLiteral(" {8}\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d {6}1/%1$").arg(c.pages));
        EXPECT_TRUE(header.match(lines.first()).hasMatch()) << lines.first().toStdString();
        EXPECT_TRUE(lines.contains(u8(c.heading))) << lines.join(u8("|")).toStdString();
        EXPECT_TRUE(lines.contains(u8(c.firstRow))) << lines.join(u8("|")).toStdString();
    }
    EXPECT_EQ(masterListHeader(u8("商品分類マスター        %s      %d/%d"), u8("2026/12/10 14:00"), 2, 3),
              u8("商品分類マスター        2026/12/10 14:00      2/3"));
}

TEST(ProductListPrints, ScreensOfferTheirListsInThePrintMenuInBrowseMode)
{
    TempHome home;
    seed(home.db(), 3);
    ScopedRecordingPrompter p;
    test::RecordingJobs jobs;
    TfMasterMSyohin products;
    TfMasterMSyoBun productClasses;
    TfMasterMBunrui customerClasses;
    TfMasterMNyukin kinds;
    struct Case {
        RecordScreen *screen;
        const char *command;
    };
    const Case cases[] = {{&products, "一覧表印刷(品番順)"}, {&products, "一覧表印刷(分類順)"},
                          {&productClasses, "一覧表印刷"}, {&customerClasses, "一覧表印刷"}, {&kinds, "一覧表印刷"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.command);
        c.screen->show();
        QAction *a = c.screen->command(u8(c.command));
        ASSERT_NE(a, nullptr);
        EXPECT_TRUE(c.screen->menu(u8("印刷&P"))->actions().contains(a));
        EXPECT_TRUE(a->isEnabled());
        QString choice;
        auto ran = whenModal([&](QWidget *w) {
            auto *list = qobject_cast<TfPrintDbList *>(w);
            ASSERT_NE(list, nullptr);
            choice = list->allChoice()->text();
            list->printChosen();
            list->accept();
        });
        a->trigger();
        EXPECT_TRUE(*ran);
        EXPECT_EQ(choice, u8("全頁(1)"));
        EXPECT_TRUE(printDbList().printed());
        c.screen->doNew();
        EXPECT_FALSE(a->isEnabled());
        c.screen->doCancel();
        c.screen->reject();
    }
}

// Writes the lists as PDF files into $MINORI_SAMPLE_DIR for looking at them.
TEST(ProductListPrints, SamplePdfs)
{
    const QString dir = qEnvironmentVariable("MINORI_SAMPLE_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "MINORI_SAMPLE_DIR not set";
    TempHome home;
    seed(home.db(), 45);
    ScopedRecordingPrompter p;
    setPdfOutputFolder(dir);
    for (const char *table : {"msyohin", "msyobun", "mbunrui", "mnyukin"})
        for (const MasterListPrint &l : masterListPrints(u8(table))) {
            TfPrintDbList &printer = printDbList();
            setUpMasterList(printer, l);
            printer._ListPrint();
            EXPECT_TRUE(printer.printed());
        }
    setPdfOutputFolder(QString());
}
