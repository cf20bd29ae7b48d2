#pragma once
// Jobs of the print tool drawn on a recording surface, and the settings store of a temporary
// program folder.
#include "print/print_tool.h"
#include "print/recording_surface.h"

#include <QMap>
#include <memory>

namespace minori::test {

class RecordingJobs {
public:
    explicit RecordingJobs(int dpi = 600, int offset = 0)
    {
        setSurfaceFactory([this, dpi, offset](const PrintJobSpec &spec) {
            specs.append(spec);
            log = std::make_shared<Recording>();
            return std::make_unique<RecordingSurface>(dpi, dpi, offset, offset, log);
        });
        printTool().setPagePresenter([this](const QImage &page, const QImage &background) {
            shownPages.append(page);
            shownBackgrounds.append(background);
        });
    }
    ~RecordingJobs()
    {
        setSurfaceFactory({});
        printTool().setPagePresenter({});
    }
    std::shared_ptr<Recording> log = std::make_shared<Recording>();   // of the last job
    QList<PrintJobSpec> specs;
    QList<QImage> shownPages, shownBackgrounds;
};

// Texts drawn character by character, joined into lines by their y (then x), per page.
inline QList<QMap<int, QString>> linesByPage(const Recording &r)
{
    QList<QMap<int, QMap<int, QString>>> pages;
    for (const RecordedOp &op : r.ops) {
        if (op.kind == RecordedOp::Kind::BeginDoc || op.kind == RecordedOp::Kind::NewPage)
            pages.append(QMap<int, QMap<int, QString>>());
        else if (op.kind == RecordedOp::Kind::Text) {
            if (pages.isEmpty())
                pages.append(QMap<int, QMap<int, QString>>());
            pages.last()[op.v[1]][op.v[0]] += op.text;
        }
    }
    QList<QMap<int, QString>> out;
    for (const auto &p : pages) {
        QMap<int, QString> lines;
        for (auto it = p.begin(); it != p.end(); ++it) {
            QString s;
            for (const QString &t : it.value())
                s += t;
            lines[it.key()] = s;
        }
        out.append(lines);
    }
    return out;
}

} // namespace minori::test
