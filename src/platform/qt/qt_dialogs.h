#pragma once

#include "platform/dialogs.h"

namespace kestrane {

class QtDialogs : public Dialogs
{
public:
    int messageBox(const MessageBoxRequest& request) override;
    QString saveFileName(const SaveFileRequest& request) override;
    QString picturesFolder() const override;
};

} // namespace kestrane
