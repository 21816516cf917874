#include "fDatumACas.h"

#include "CaretInsertion.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/rtl/FormatDateTime.h"

#include <QListWidget>
#include <QPushButton>

namespace {

// Layout at the dialog's first size; the list grows and the buttons keep to the bottom
// corners when the user resizes the dialog.
const QSize clientSize(258, 308);
const QRect listGeometry(8, 8, 241, 241);
const QRect okGeometry(174, 272, 75, 25);
const QRect cancelGeometry(8, 272, 75, 25);
constexpr int lineHeight = 15;

} // namespace

TfDatumCas::TfDatumCas(QWidget *parent, commands::Clock clock) : QDialog(parent), m_clock(std::move(clock))
{
    setObjectName(QStringLiteral("fDatumCas"));
    buildLayout();
    FormCreate();
}

const std::array<const char *, 13> &TfDatumCas::patterns()
{
    static const std::array<const char *, 13> list = {
        "yyyy-mm-dd",
        "yyyy-m-d",
        "yyyy \"rok\" mm \"měsíc\" dd \"den\"",
        "yyyy \"rok\" mm \"měsíc\" dd \"den\" ddd",
        "yyyy \"rok\" mm \"měsíc\" dd \"den\" dddd",
        "yyyy, mmm, dd, ddd",
        "hh-mm-ss",
        "yyyy, mmm, dd, dddd",
        "yyyy-mm-dd h:n:s a/p",
        "mm-dd-yyyy",
        "m-d-yyyy",
        "mmm, dd, yyyy",
        "mmmm, d, yyyy",
    };
    return list;
}

void TfDatumCas::buildLayout()
{
    setWindowTitle(QStringLiteral("Datum a čas"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    setFont(QFont(QStringLiteral("Segoe UI"), 9));
    resize(clientSize);
    setMinimumSize(clientSize / 2);

    lbCas = new QListWidget(this);
    lbCas->setObjectName(QStringLiteral("lbCas"));
    lbCas->setSelectionMode(QAbstractItemView::SingleSelection);
    lbCas->setUniformItemSizes(true);

    bVlozit = new QPushButton(QStringLiteral("Ok"), this);
    bVlozit->setObjectName(QStringLiteral("bVlozit"));
    bVlozit->setDefault(true);
    bStorno = new QPushButton(QStringLiteral("Storno"), this);
    bStorno->setObjectName(QStringLiteral("bStorno"));
    // Esc is QDialog's own reject, which is what "Storno" does.

    setTabOrder(bVlozit, bStorno);
    setTabOrder(bStorno, lbCas);
    bVlozit->setFocus();

    placeControls();

    connect(bVlozit, &QPushButton::clicked, this, &TfDatumCas::bVlozitClick);
    connect(bStorno, &QPushButton::clicked, this, &TfDatumCas::bStornoClick);
    connect(lbCas, &QListWidget::itemDoubleClicked, this, &TfDatumCas::bVlozitClick);
}

void TfDatumCas::FormCreate()
{
    for (std::size_t i = 0; i < patterns().size(); ++i) {
        auto *line = new QListWidgetItem(lbCas);
        line->setSizeHint(QSize(0, lineHeight));
    }
    refreshLines();
}

void TfDatumCas::refreshLines()
{
    // One reading of the clock, so that all lines show the same instant.
    const QDateTime now = m_clock();
    for (std::size_t i = 0; i < patterns().size(); ++i)
        lbCas->item(int(i))->setText(rtl::FormatDateTime(QString::fromUtf8(patterns()[i]), now));
}

void TfDatumCas::showEvent(QShowEvent *event)
{
    // Texts change in place, so the selected line stays selected.
    refreshLines();
    centreOnMainWindow();
    QDialog::showEvent(event);
}

void TfDatumCas::centreOnMainWindow()
{
    const QWidget *mainWindow = parentWidget() ? parentWidget()->window() : m_editor ? m_editor->window() : nullptr;
    if (!mainWindow || !mainWindow->isVisible())
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(mainWindow->frameGeometry().center());
    move(frame.topLeft());
}

void TfDatumCas::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeControls();
}

void TfDatumCas::placeControls()
{
    const QSize grown = size() - clientSize;
    lbCas->setGeometry(listGeometry.adjusted(0, 0, grown.width(), grown.height()));
    bVlozit->setGeometry(okGeometry.translated(grown.width(), grown.height()));
    bStorno->setGeometry(cancelGeometry.translated(0, grown.height()));
}

void TfDatumCas::bVlozitClick()
{
    const QList<QListWidgetItem *> selected = lbCas->selectedItems();
    if (m_editor && !selected.isEmpty())
        commands::InsertText(*m_editor, selected.first()->text());
    accept();
    if (m_editor)
        m_editor->setFocus();
}

void TfDatumCas::bStornoClick()
{
    reject();
}
