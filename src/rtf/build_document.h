#pragma once

#include "rtf/model.h"

class QTextDocument;

namespace rtf {

// Replaces the whole content of `doc` with what the reader gathered.
void buildDocument(model::Document&& source, QTextDocument* doc);

} // namespace rtf
