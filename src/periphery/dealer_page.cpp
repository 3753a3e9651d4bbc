#include "periphery/dealer_page.h"

#include "documents/document_names.h"

namespace kestrane {

QString dealerDocumentPath(const QString& cdRoot)
{
    return cdRoot + documents::kDealerDocument.toString();
}

QString dealerPicturePath(const QString& cdRoot)
{
    return cdRoot + dealer::kPicture.toString();
}

} // namespace kestrane
