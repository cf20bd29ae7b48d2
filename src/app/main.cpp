// Program entry: minori [--home DIR] [--print-to-pdf DIR] [--start-wait MS]
//                minori [--home DIR] postal import FILE | import-jpostal DIR [DATE]
#include "app/common/prompter.h"
#include "app/shell/main_window.h"
#include "app/shell/safe_application.h"
#include "print/printer_choice.h"
#include "screens.h"
#include "address/postal_command.h"
#include "store/session.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

namespace {

struct Arguments {
    QString home;
    QString pdfFolder;
    int startWaitMs = 3000;
    QStringList command;   // e.g. "postal import FILE"
    QString error;
};

Arguments parse(const QStringList &args)
{
    Arguments a;
    for (int i = 1; i < args.size(); ++i) {
        const QString &s = args.at(i);
        auto value = [&](const char *name) -> QString {
            if (i + 1 >= args.size()) {
                a.error = QStringLiteral("%1 needs a value").arg(QString::fromLatin1(name));
                return {};
            }
            return args.at(++i);
        };
        if (s == u"--home")
            a.home = value("--home");
        else if (s == u"--print-to-pdf")
            a.pdfFolder = value("--print-to-pdf");
        else if (s == u"--start-wait")
            a.startWaitMs = value("--start-wait").toInt();
        else if (s.startsWith(u"--"))
            a.error = QStringLiteral("unknown option %1").arg(s);
        else
            a.command << s;
    }
    return a;
}

} // namespace

int main(int argc, char **argv)
{
    {
        // Commands run without windows (and without a display).
        QStringList raw;
        for (int i = 0; i < argc; ++i)
            raw << QString::fromLocal8Bit(argv[i]);
        const Arguments cmd = parse(raw);
        if (cmd.error.isEmpty() && address::isPostalCommand(cmd.command)) {
            QCoreApplication core(argc, argv);
            const QString home = QDir(cmd.home.isEmpty() ? QCoreApplication::applicationDirPath() : cmd.home).absolutePath();
            return address::runPostalCommand(cmd.command, home);
        }
    }
    minori::SafeApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("minori"));
    QApplication::setApplicationDisplayName(QStringLiteral("実り便"));

    const Arguments args = parse(app.arguments());
    if (!args.error.isEmpty()) {
        std::fprintf(stderr, "minori: %s\nusage: minori [--home DIR] [--print-to-pdf DIR]\n", qPrintable(args.error));
        return 2;
    }
    const QString home = QDir(args.home.isEmpty() ? QCoreApplication::applicationDirPath() : args.home).absolutePath();
    QDir().mkpath(home);
    QDir::setCurrent(home);

    // A data folder that cannot be opened is reported by the main window's first show.
    try {
        store::Session::open(home);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "minori: %s\n", e.what());
        store::Session::close();   // the program folder stays known to the path routines
    }
    // Every print job goes to a PDF file in that folder instead of a printer.
    if (!args.pdfFolder.isEmpty())
        minori::setPdfOutputFolder(QDir(args.pdfFolder).absolutePath());
    minori::registerAllScreens();
    minori::MainWindowOptions options;
    options.startWaitMs = args.startWaitMs;
    minori::TfMain main(options);
    main.show();
    return app.exec();
}
