#pragma once

#include "platform/richedit/model/Lists.h"

#include <QByteArray>

#include <map>

namespace richedit::doc {

/// The lists of the file by the number paragraphs refer to them with (ilfo, from 1): the list
/// definitions (PlfLst with their levels) reached through the list overrides (PlfLfo).
/// Level overrides are not applied. A damaged table gives fewer lists, never an error.
std::map<int, ListDefinition> parseLists(const QByteArray &table, quint32 fcPlfLst, quint32 lcbPlfLst,
                                         quint32 fcPlfLfo, quint32 lcbPlfLfo);

} // namespace richedit::doc
