#include "PropertyRuns.h"

#include "Bytes.h"
#include "platform/richedit/Error.h"

#include <algorithm>
#include <unordered_set>

namespace richedit::doc {
namespace {

constexpr int pageSize = 512;
// Runs cost memory; a file listing the same page over and over must not multiply them.
constexpr std::size_t maxRuns = 4'000'000;

} // namespace

PropertyRuns::PropertyRuns(Kind kind, const QByteArray &binTable, const QByteArray &wd)
{
    if (binTable.size() < 4)
        return;
    const qint64 count = (binTable.size() - 4) / 8;
    const qint64 pages = 4 * (count + 1);
    std::unordered_set<quint32> seen;
    for (qint64 i = 0; i < count; ++i) {
        const quint32 pn = u32(binTable, pages + 4 * i) & 0x3FFFFF;
        if (!seen.insert(pn).second)
            continue;
        const QByteArray page = slice(wd, qint64(pn) * pageSize, pageSize);
        if (page.isEmpty())
            continue; // a page beyond the stream: its text keeps the style's formatting
        kind == Character ? readCharacterPage(page) : readParagraphPage(page);
        if (m_runs.size() > maxRuns)
            throw Error(QStringLiteral("it has more formatting runs than this version can open."));
    }
    std::stable_sort(m_runs.begin(), m_runs.end(),
                     [](const PropertyRun &a, const PropertyRun &b) { return a.fcStart < b.fcStart; });
}

void PropertyRuns::readCharacterPage(const QByteArray &page)
{
    const int count = std::min<int>(u8(page, 511), (511 - 4) / 5);
    for (int i = 0; i < count; ++i) {
        PropertyRun run;
        run.fcStart = u32(page, 4 * i);
        run.fcEnd = u32(page, 4 * (i + 1));
        const int offset = 2 * u8(page, 4 * (count + 1) + i);
        if (offset > 0)
            run.sprms = parseSprms(slice(page, offset + 1, u8(page, offset)));
        if (run.fcEnd > run.fcStart)
            m_runs.push_back(std::move(run));
    }
}

void PropertyRuns::readParagraphPage(const QByteArray &page)
{
    const int count = std::min<int>(u8(page, 511), (511 - 4) / 17);
    for (int i = 0; i < count; ++i) {
        PropertyRun run;
        run.fcStart = u32(page, 4 * i);
        run.fcEnd = u32(page, 4 * (i + 1));
        const int offset = 2 * u8(page, 4 * (count + 1) + 13 * i);
        if (offset > 0) {
            // A size byte of 0 is followed by a second one counting words; else it counts
            // words less one byte.
            const int first = u8(page, offset);
            const qint64 start = first == 0 ? offset + 2 : offset + 1;
            const qint64 size = first == 0 ? 2 * qint64(u8(page, offset + 1)) : 2 * qint64(first) - 1;
            const QByteArray group = slice(page, start, std::min<qint64>(size, page.size() - start));
            run.istd = u16(group, 0);
            run.sprms = parseSprms(group.mid(2));
        }
        if (run.fcEnd > run.fcStart)
            m_runs.push_back(std::move(run));
    }
}

const PropertyRun *PropertyRuns::at(qint64 fc) const
{
    if (fc < 0)
        return nullptr;
    auto it = std::upper_bound(m_runs.begin(), m_runs.end(), fc,
                               [](qint64 value, const PropertyRun &run) { return value < qint64(run.fcStart); });
    if (it == m_runs.begin())
        return nullptr;
    --it;
    return fc < qint64(it->fcEnd) ? &*it : nullptr;
}

} // namespace richedit::doc
