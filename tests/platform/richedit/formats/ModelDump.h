#pragma once

#include "platform/richedit/model/Document.h"

#include <QString>

namespace richedit::test {

/// The whole model as text, one line per style, list level, section, paragraph, run, table
/// cell, header story and bookmark, with effective formatting: two documents that mean the
/// same give the same text, and a failing comparison shows the line that differs.
QString dumpModel(const Document &document);

} // namespace richedit::test
