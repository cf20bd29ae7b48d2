// minori-gen: fills a program folder's data with generated customers, products and slips.
//   minori-gen --home DIR [--customers N] [--slips M] [--products P] [--seed S]
#include "generator.h"
#include "store/session.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("Fills a data folder with generated customers, products and order slips."));
    p.addHelpOption();
    const QCommandLineOption home(QStringLiteral("home"), QStringLiteral("Program folder (its data folder is filled)."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption customers(QStringLiteral("customers"), QStringLiteral("Customers to add."), QStringLiteral("N"),
                                       QStringLiteral("1000"));
    const QCommandLineOption slips(QStringLiteral("slips"), QStringLiteral("Order slips to add (1-5 lines each)."),
                                   QStringLiteral("M"), QStringLiteral("2000"));
    const QCommandLineOption products(QStringLiteral("products"), QStringLiteral("Products to add."), QStringLiteral("P"),
                                      QStringLiteral("200"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Random seed."), QStringLiteral("S"),
                                  QStringLiteral("20080405"));
    p.addOptions({home, customers, slips, products, seed});
    p.process(app);
    if (!p.isSet(home)) {
        std::fprintf(stderr, "minori-gen: --home DIR is required\n");
        return 2;
    }
    bool ok1 = false, ok2 = false, ok3 = false, ok4 = false;
    gen::Options o;
    o.customers = p.value(customers).toInt(&ok1);
    o.slips = p.value(slips).toInt(&ok2);
    o.products = p.value(products).toInt(&ok3);
    o.seed = p.value(seed).toUInt(&ok4);
    if (!ok1 || !ok2 || !ok3 || !ok4 || o.customers < 0 || o.slips < 0 || o.products < 0) {
        std::fprintf(stderr, "minori-gen: counts must be whole numbers of 0 or more\n");
        return 2;
    }
    if (o.slips > 0 && o.products == 0) {
        std::fprintf(stderr, "minori-gen: slips need at least one product\n");
        return 2;
    }
    o.progress = [](const QString &phase, int done, int total) {
        std::fprintf(stderr, "%s %d/%d\n", phase.toLocal8Bit().constData(), done, total);
    };
    try {
        QElapsedTimer t;
        t.start();
        store::Session::open(QDir(p.value(home)).absolutePath());
        o.postalPath = store::Session::postalPath();
        const gen::Result r = gen::fill(store::Session::data(), o);
        store::Session::close();
        std::printf("%d customers, %d products, %d slips, %d lines (%s addresses) in %.1f s\n", r.customers, r.products,
                    r.slips, r.lines, r.postalAddresses ? "postal" : "built-in", t.elapsed() / 1000.0);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "minori-gen: %s\n", e.what());
        return 1;
    }
    return 0;
}
