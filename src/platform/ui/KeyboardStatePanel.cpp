#include "KeyboardStatePanel.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>

#include "LockKeys.h"

namespace ui {
namespace {

void showState(QLabel *label, bool on)
{
    label->setEnabled(on);
}

} // namespace

KeyboardStatePanel::KeyboardStatePanel(QWidget *parent)
    : QWidget(parent), m_caps(new QLabel(QStringLiteral("CAPS"), this)), m_num(new QLabel(QStringLiteral("NUM"), this)),
      m_scroll(new QLabel(QStringLiteral("SCRL"), this)), m_insert(new QLabel(QStringLiteral("INS"), this))
{
    setObjectName(QStringLiteral("KeyboardStatePanel"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 0);
    layout->setSpacing(10);
    for (QLabel *label : {m_caps, m_num, m_scroll, m_insert})
        layout->addWidget(label);
    refreshLocks();
    qApp->installEventFilter(this);
}

void KeyboardStatePanel::setOverwrite(bool overwrite)
{
    m_insert->setText(overwrite ? QStringLiteral("OVR") : QStringLiteral("INS"));
}

void KeyboardStatePanel::refreshLocks()
{
    const LockStates states = readLockStates();
    showState(m_caps, states.caps);
    showState(m_num, states.num);
    showState(m_scroll, states.scroll);
}

QString KeyboardStatePanel::text() const
{
    return QStringList{m_caps->text(), m_num->text(), m_scroll->text(), m_insert->text()}.join(QLatin1Char(' '));
}

bool KeyboardStatePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::WindowActivate)
        refreshLocks();
    return QWidget::eventFilter(watched, event);
}

} // namespace ui
