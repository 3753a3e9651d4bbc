#include "documents/ui/reader_opener.h"

#include "common/error_reporter.h"
#include "common/ui/rich_text_box.h"

#include <QPushButton>

namespace kestrane {

bool OpenDocument(const ReaderEnvironment& environment, const ReaderRequest& request)
{
    AppState& state = environment.context.state;
    if (request.errorCode)
        setErrorCode(environment.context, *request.errorCode);
    if (request.documentCaption)
        state.documents.documentCaption = *request.documentCaption;
    state.documents.documentPath = request.documentPath;

    ReaderWindow& reader = txtForm(environment);
    if (!reader.rtbText()->setFileName(state.documents.documentPath)) {
        reader.unload();
        if (request.reportFailure)
            reportTrapped(environment.context,
                          request.errorCode.value_or(errorCodeFromText(state.errors.currentErrorCode)));
        return false;
    }
    if (request.caption)
        reader.setWindowTitle(*request.caption);
    if (request.findMatches)
        reader.setMatches(request.findMatches(*reader.rtbText()->document()));

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
