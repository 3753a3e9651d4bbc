#include "disk/movie_list.h"

#include "common/error_reporter.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "state/app_context.h"

namespace kestrane {

void BuildMovieList(AppContext& context)
{
    DiskState& disk = context.state.disk;
    setErrorCode(context, ErrorCode::ER055);
    disk.movieList = QStringList{QString()};
    disk.movieCount = 0;
    for (;;) {
        bool failed = false;
        const QStringList names =
            context.platform.fileSystem->list(context.state.disc.cdRoot + u"\\movies\\*.avi"_qs, &failed);
        if (!failed) {
            for (const QString& name : names)
                disk.movieList << name.toUpper();
            disk.movieCount = qint16(names.size());
            return;
        }
        reportTrapped(context, ErrorCode::ER055);
        if (context.platform.app->endRequested())
            return;
    }
}

} // namespace kestrane
