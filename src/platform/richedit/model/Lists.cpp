#include "Lists.h"

namespace richedit {
namespace {

const QString bulletsByLevel[3] = {QStringLiteral("\u2022"), QStringLiteral("o"), QStringLiteral("\u25AA")};

void indentLevels(ListDefinition &list)
{
    for (int i = 0; i < 9; ++i) {
        list.levels[static_cast<std::size_t>(i)].indent = 720 * (i + 1);
        list.levels[static_cast<std::size_t>(i)].hanging = 360;
    }
}

} // namespace

ListDefinition ListDefinition::bulleted()
{
    ListDefinition list;
    indentLevels(list);
    for (int i = 0; i < 9; ++i) {
        ListLevel &level = list.levels[static_cast<std::size_t>(i)];
        level.format = NumberFormat::Bullet;
        level.text = bulletsByLevel[i % 3];
    }
    return list;
}

ListDefinition ListDefinition::numbered()
{
    static const NumberFormat formats[3] = {NumberFormat::Decimal, NumberFormat::LowerLetter, NumberFormat::LowerRoman};
    ListDefinition list;
    indentLevels(list);
    for (int i = 0; i < 9; ++i) {
        ListLevel &level = list.levels[static_cast<std::size_t>(i)];
        level.format = formats[i % 3];
        level.text = QStringLiteral("%%1.").arg(i + 1);
    }
    return list;
}

} // namespace richedit
