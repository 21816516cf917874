#pragma once

#include <QButtonGroup>
#include <QGroupBox>

namespace ui {

/// A captioned group of radio buttons addressed by item index; -1 when none is selected.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString &caption, const QStringList &items, QWidget *parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    int count() const { return static_cast<int>(m_group->buttons().size()); }
    void setItemText(int index, const QString &text);

signals:
    void itemIndexChanged(int index);

private:
    QButtonGroup *m_group;
};

} // namespace ui
