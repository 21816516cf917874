#pragma once

#include "Sprms.h"

#include <QByteArray>

#include <vector>

namespace richedit::doc {

/// Properties that hold for the bytes [fcStart, fcEnd) of "WordDocument".
struct PropertyRun {
    quint32 fcStart = 0;
    quint32 fcEnd = 0;
    int istd = 0; // paragraph runs only
    std::vector<Sprm> sprms;
};

/// The runs of the character (CHPX) or paragraph (PAPX) pages that a bin table lists,
/// sorted by position, for lookups by file position.
class PropertyRuns {
public:
    enum Kind { Character, Paragraph };
    PropertyRuns(Kind kind, const QByteArray &binTable, const QByteArray &wordDocument);

    /// The run that holds the byte at `fc`, or null.
    const PropertyRun *at(qint64 fc) const;

private:
    void readCharacterPage(const QByteArray &page);
    void readParagraphPage(const QByteArray &page);

    std::vector<PropertyRun> m_runs;
};

} // namespace richedit::doc
