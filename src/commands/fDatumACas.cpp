#include "fDatumACas.h"

TfDatumCas::TfDatumCas(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fDatumCas"));
}
