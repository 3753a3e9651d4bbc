#include "documents/ui/reader_opener.h"

#include "documents/reader_routines.h"
#include "shell/ui/rich_text_box.h"

#include <QPushButton>

namespace kestrane {

bool OpenDocument(const ReaderEnvironment& environment, const ReaderRequest& request)
{
    AppState& state = environment.context.state;
    state.currentErrorCode = request.errorCode;
    if (request.documentCaption)
        state.documentCaption = *request.documentCaption;
    state.documentPath = request.documentPath;

    ReaderWindow& reader = txtForm(environment);
    if (!reader.rtbText()->setFileName(state.documentPath)) {
        reader.unload();
        if (request.reportFailure)
            ReportTrappedError(environment.context, request.errorCode);
        return false;
    }
    if (request.caption)
        reader.setWindowTitle(*request.caption);

    for (QPushButton* narration : {reader.playButton(), reader.stopButton()}) {
        if (request.disableNarration)
            narration->setEnabled(false);
        narration->hide();
    }
    if (request.okWidth)
        reader.setOkWidth(*request.okWidth);
    else
        reader.widenOk();

    if (request.modal) {
        reader.showModal();
    } else {
        reader.show();
        reader.raise();
    }
    return true;
}

} // namespace kestrane
