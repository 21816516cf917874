#include "oaplikaci.h"

Tfoaplikaci::Tfoaplikaci(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("foaplikaci"));
}
