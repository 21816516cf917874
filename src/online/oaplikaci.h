#pragma once

#include <QDialog>
#include <QLabel>

#include <memory>

class QPushButton;
namespace ui {
class Dialogs;
}
namespace shell {
class Shell;
}

/// A label that reports clicks, for the About window's mail and web links.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

/// The About window, created once at start and shown modally from the help tab: author,
/// contact address and web address (both clickable), and the version.
class Tfoaplikaci : public QDialog {
    Q_OBJECT
public:
    /// Opens links with the desktop's programs and reports with real message boxes.
    explicit Tfoaplikaci(QWidget *parent = nullptr);
    /// Opens links through `shell` and reports through `dialogs`, which must outlive the window.
    Tfoaplikaci(shell::Shell &shell, ui::Dialogs &dialogs, QWidget *parent = nullptr);
    ~Tfoaplikaci() override;

    /// Shows the window modally, centred on `owner` (or where it is when there is none).
    void showModalCentredOn(QWidget *owner);

    /// The mail link: the clicked label's address with the subject "TAVEL Editor" and the
    /// version; spaces become "%20".
    void lKontaktMailClick(QObject *Sender);
    /// The web link: opens the clicked label's address, complains if no browser opened it.
    void lNaWebClick(QObject *Sender);
    void Button1Click();

    /// "mailto:ADDRESS?subject=TAVEL Editor VERSION" with every space written as "%20".
    static QString mailtoLink(const QString &address, const QString &version);
    /// Whether a shell result is one of the error codes the web link reports.
    static bool isShellFailure(int result);

    QLabel *Image1;
    QLabel *lAutor;
    QLabel *Label1;
    QLabel *lInfo;
    ClickableLabel *lKontaktMail;
    QLabel *lWeb;
    ClickableLabel *lNaWeb;
    QLabel *lVerze;
    QLabel *lVerzeCislo;
    QPushButton *Button1;

private:
    void buildLayout();
    void fitWidthToLabels();

    std::unique_ptr<shell::Shell> m_ownShell;
    std::unique_ptr<ui::Dialogs> m_ownDialogs;
    shell::Shell *m_shell;
    ui::Dialogs *m_dialogs;
};
