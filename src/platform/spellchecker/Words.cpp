#include "Words.h"

#include <QTextBoundaryFinder>

namespace spellchecker {

namespace {

bool isApostrophe(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}

bool worthChecking(QStringView word)
{
    bool letter = false;
    for (QChar c : word) {
        if (c.isDigit() || c == QLatin1Char('_'))
            return false;
        letter = letter || c.isLetter();
    }
    return letter;
}

} // namespace

QList<WordSpan> wordsOf(const QString &text)
{
    QList<WordSpan> words;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Word, text);
    int start = 0;
    while (finder.toNextBoundary() != -1) {
        const int end = finder.position();
        if (finder.boundaryReasons() & QTextBoundaryFinder::EndOfItem) {
            int from = start;
            int to = end;
            while (from < to && isApostrophe(text.at(from)))
                ++from;
            while (to > from && isApostrophe(text.at(to - 1)))
                --to;
            if (worthChecking(QStringView(text).mid(from, to - from)))
                words.append({from, to - from});
        }
        start = end;
    }
    return words;
}

} // namespace spellchecker
