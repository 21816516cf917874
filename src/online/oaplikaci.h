#pragma once

#include <QDialog>

/// The About window, created once at start and shown modally from the help tab.
/// Its content (version, mail and web links) arrives with the help commands.
class Tfoaplikaci : public QDialog {
    Q_OBJECT
public:
    explicit Tfoaplikaci(QWidget *parent = nullptr);
};
