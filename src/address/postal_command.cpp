#include "postal_command.h"

#include "postal_import.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>

namespace address {

namespace {
void err(const QString &s) { std::fprintf(stderr, "%s\n", s.toLocal8Bit().constData()); }

int usage()
{
    err(QStringLiteral("usage: minori [--home DIR] postal import KEN_ALL.CSV [yyyy/mm/dd]\n"
                       "       minori [--home DIR] postal import-jpostal JSON_FOLDER [yyyy/mm/dd]"));
    return 2;
}
} // namespace

bool isPostalCommand(const QStringList &command) { return !command.isEmpty() && command.first() == u"postal"; }

int runPostalCommand(const QStringList &command, const QString &home)
{
    if (command.size() < 3 || command.size() > 4)
        return usage();
    const QString verb = command.at(1);
    const QString source = command.at(2);
    if (verb != u"import" && verb != u"import-jpostal")
        return usage();
    QString date = command.size() > 3 ? command.at(3)
                                      : QFileInfo(source).lastModified().date().toString(QStringLiteral("yyyy/MM/dd"));
    const QString target = QDir(home).filePath(QStringLiteral("DataCom/postal.db"));

    QElapsedTimer timer;
    timer.start();
    int lastPercent = -10;
    const ImportProgress progress = [&](int done, int total) {
        const int percent = total > 0 ? done * 100 / total : 100;
        if (percent / 10 != lastPercent / 10) {
            std::fprintf(stderr, "  %d%% (%d / %d)\n", percent, done, total);
            lastPercent = percent;
        }
    };
    err(QStringLiteral("郵便辞書を作成しています: %1").arg(source));
    const ImportResult r = verb == u"import" ? importKenAll(source, target, date, progress)
                                             : importJpostal(source, target, date, progress);
    if (!r.ok) {
        err(QStringLiteral("郵便辞書を作成できません。元の辞書はそのままです。\n%1").arg(r.error));
        return 1;
    }
    std::printf("%s\n", QStringLiteral("%1: 都道府県 %2, 市区郡 %3, 町村 %4, 町域 %5 (データ日付 %6, %7 秒)")
                            .arg(target)
                            .arg(r.counts.prefectures)
                            .arg(r.counts.cities)
                            .arg(r.counts.towns)
                            .arg(r.counts.areas)
                            .arg(date)
                            .arg(timer.elapsed() / 1000.0, 0, 'f', 1)
                            .toLocal8Bit()
                            .constData());
    return 0;
}

} // namespace address
