#pragma once

#include <QDialog>

/// The date-and-time dialog, created once at start and shown modally by "Datum a čas".
/// Its list of patterns and its buttons arrive with date and time insertion.
class TfDatumCas : public QDialog {
    Q_OBJECT
public:
    explicit TfDatumCas(QWidget *parent = nullptr);
};
