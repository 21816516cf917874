#pragma once

#include <QList>
#include <QSize>
#include <QString>

#include <optional>

namespace richedit {

/// Paper kinds with the numbers the printing world gives them (Letter 1, A4 9, …).
enum class PaperKind {
    Custom = 0,
    Letter = 1,
    LetterSmall = 2,
    Tabloid = 3,
    Ledger = 4,
    Legal = 5,
    Statement = 6,
    Executive = 7,
    A3 = 8,
    A4 = 9,
    A4Small = 10,
    A5 = 11,
    B4 = 12,
    B5 = 13,
    Folio = 14,
    Quarto = 15,
    Note = 18,
    Envelope10 = 20,
    EnvelopeDL = 27,
    EnvelopeC5 = 28,
    EnvelopeC4 = 30,
    EnvelopeB5 = 34,
    EnvelopeMonarch = 37,
    A6 = 70,
};

/// Portrait size of a paper kind in twips; nullopt for `Custom`.
std::optional<QSize> paperSizeTwips(PaperKind kind);

/// The kind whose portrait size matches `portraitTwips` within a few twips, else `Custom`.
PaperKind paperKindForSize(QSize portraitTwips);

/// Every kind with a known size, in the order of the table (Letter first).
QList<PaperKind> knownPaperKinds();

/// A readable name ("A4", "Letter").
QString paperKindName(PaperKind kind);

} // namespace richedit
