#include "oaplikaci.h"

#include "AboutPicture.h"
#include "BuildInfo.h"
#include "platform/shell/DesktopShell.h"
#include "platform/ui/HandlerGuard.h"
#include "platform/ui/QtDialogs.h"

#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>
#include <array>

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

namespace {

QLabel *placeLabel(QLabel *label, int left, int top, bool bold)
{
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    label->move(left, top);
    label->adjustSize();
    return label;
}

} // namespace

Tfoaplikaci::Tfoaplikaci(QWidget *parent)
    : QDialog(parent),
      m_ownShell(std::make_unique<shell::DesktopShell>()),
      m_ownDialogs(std::make_unique<ui::QtDialogs>(this)),
      m_shell(m_ownShell.get()),
      m_dialogs(m_ownDialogs.get())
{
    buildLayout();
}

Tfoaplikaci::Tfoaplikaci(shell::Shell &shell, ui::Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_shell(&shell), m_dialogs(&dialogs)
{
    buildLayout();
}

Tfoaplikaci::~Tfoaplikaci() = default;

void Tfoaplikaci::buildLayout()
{
    setObjectName(QStringLiteral("foaplikaci"));
    setWindowTitle(QStringLiteral("O Aplikaci"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Segoe UI"), 9));
    setFixedSize(384, 167);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 25, 129, 133);
    Image1->setPixmap(online::aboutPicture());
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lAutor = placeLabel(new QLabel(QStringLiteral("Autor:"), this), 168, 25, true);
    Label1 = placeLabel(new QLabel(buildinfo::authorName(), this), 264, 25, false);
    lInfo = placeLabel(new QLabel(QStringLiteral("Info"), this), 168, 46, true);
    lKontaktMail = new ClickableLabel(buildinfo::contactMail(), this);
    placeLabel(lKontaktMail, 264, 46, false);
    lWeb = placeLabel(new QLabel(QStringLiteral("Web: "), this), 168, 67, true);
    lNaWeb = new ClickableLabel(buildinfo::webAddress(), this);
    placeLabel(lNaWeb, 264, 67, false);
    lVerze = placeLabel(new QLabel(QStringLiteral("Verze:"), this), 168, 88, true);
    lVerzeCislo = placeLabel(new QLabel(buildinfo::displayVersion(), this), 264, 88, false);

    const std::array<std::pair<QLabel *, const char *>, 9> names{{{lAutor, "lAutor"},
                                                                  {Label1, "Label1"},
                                                                  {lInfo, "lInfo"},
                                                                  {lKontaktMail, "lKontaktMail"},
                                                                  {lWeb, "lWeb"},
                                                                  {lNaWeb, "lNaWeb"},
                                                                  {lVerze, "lVerze"},
                                                                  {lVerzeCislo, "lVerzeCislo"},
                                                                  {Image1, "Image1"}}};
    for (const auto &[label, name] : names)
        label->setObjectName(QLatin1String(name));
    // Translations may be longer than the Czech texts; keep the bold captions readable.
    for (QLabel *caption : {lAutor, lInfo, lWeb, lVerze})
        caption->setMinimumWidth(90);

    lKontaktMail->setCursor(Qt::PointingHandCursor);
    lNaWeb->setCursor(Qt::PointingHandCursor);
    connect(lKontaktMail, &ClickableLabel::clicked, this, [this] { lKontaktMailClick(lKontaktMail); });
    connect(lNaWeb, &ClickableLabel::clicked, this, [this] { lNaWebClick(lNaWeb); });

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(225, 128, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    fitWidthToLabels();
}

void Tfoaplikaci::fitWidthToLabels()
{
    // The links are clicked by their text, so they must show whole: a long address widens
    // the window rather than being cut off.
    int width = 384;
    for (const QLabel *label : {lAutor, Label1, lInfo, static_cast<QLabel *>(lKontaktMail), lWeb,
                                static_cast<QLabel *>(lNaWeb), lVerze, lVerzeCislo})
        width = std::max(width, label->x() + label->sizeHint().width() + 12);
    setFixedSize(width, 167);
}

void Tfoaplikaci::showModalCentredOn(QWidget *owner)
{
    if (owner) {
        const QRect frame = owner->frameGeometry();
        move(frame.center() - QPoint(width() / 2, height() / 2));
    }
    exec();
}

QString Tfoaplikaci::mailtoLink(const QString &address, const QString &version)
{
    QString link = QStringLiteral("mailto:") + address + QStringLiteral("?subject=TAVEL Editor ") + version;
    return link.replace(QLatin1Char(' '), QLatin1String("%20"));
}

bool Tfoaplikaci::isShellFailure(int result)
{
    static constexpr std::array<int, 13> failures{0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32};
    return std::find(failures.begin(), failures.end(), result) != failures.end();
}

void Tfoaplikaci::lKontaktMailClick(QObject *Sender)
{
    ui::guarded(*m_dialogs, [&] {
        const auto *label = qobject_cast<QLabel *>(Sender);
        if (!label)
            return;
        m_shell->ShellExecute(QString(), mailtoLink(label->text(), lVerzeCislo->text()), shell::SW_SHOWNORMAL);
    });
}

void Tfoaplikaci::lNaWebClick(QObject *Sender)
{
    ui::guarded(*m_dialogs, [&] {
        const auto *label = qobject_cast<QLabel *>(Sender);
        if (!label)
            return;
        if (isShellFailure(m_shell->ShellExecute(QString(), label->text(), shell::SW_SHOW)))
            m_dialogs->message(QStringLiteral("Nepodarilo se spustit prohlizec"));
    });
}

void Tfoaplikaci::Button1Click()
{
    accept();
}
