#include "start_log.h"

#include "app/common/common_routines.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

namespace minori {

QString TfStartLog::pictureFile()
{
    const QString bmp = DataEtcFilePath(QStringLiteral("Start.bmp"));
    if (QFileInfo::exists(bmp))
        return bmp;
    return DataEtcFilePath(QStringLiteral("Start.jpg"));
}

TfStartLog::TfStartLog(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TfStartLog"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(this);
    QPixmap pic(pictureFile());
    hasPicture_ = !pic.isNull();
    if (hasPicture_) {
        label->setPixmap(pic);
        setFixedSize(pic.size());
    } else {
        label->setText(QStringLiteral("実り直送便"));
        label->setAlignment(Qt::AlignCenter);
        setFixedSize(400, 200);
    }
    layout->addWidget(label);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

} // namespace minori
