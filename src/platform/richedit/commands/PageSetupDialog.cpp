#include "PageSetupDialog.h"

#include "LengthSpinBox.h"
#include "platform/richedit/model/PaperKind.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace richedit {
namespace {

constexpr int maximumPageTwips = 22 * twipsPerInch; // the largest page word processors allow
constexpr int minimumPageTwips = twipsPerInch / 10;

} // namespace

PageSetupDialog::PageSetupDialog(const PageSetupSettings &settings, MeasurementUnit unit, PageSetupPage page,
                                 QWidget *parent)
    : QDialog(parent), m_original(settings), m_tabs(new QTabWidget(this))
{
    setObjectName(QStringLiteral("PageSetupDialog"));
    const auto box = [&](const char *name, int minimum, int maximum, int twips) {
        auto *spin = new LengthSpinBox(unit, minimum, maximum, this);
        spin->setObjectName(QLatin1String(name));
        spin->setTwips(twips);
        return spin;
    };
    const Section &s = settings.page;
    m_top = box("top", 0, maximumPageTwips, s.margins.top);
    m_bottom = box("bottom", 0, maximumPageTwips, s.margins.bottom);
    m_left = box("left", 0, maximumPageTwips, s.margins.left);
    m_right = box("right", 0, maximumPageTwips, s.margins.right);
    m_header = box("header", 0, maximumPageTwips, s.margins.header);
    m_footer = box("footer", 0, maximumPageTwips, s.margins.footer);
    m_width = box("width", minimumPageTwips, maximumPageTwips, s.pageWidth);
    m_height = box("height", minimumPageTwips, maximumPageTwips, s.pageHeight);
    m_portrait = new QRadioButton(this);
    m_portrait->setObjectName(QStringLiteral("portrait"));
    m_landscape = new QRadioButton(this);
    m_landscape->setObjectName(QStringLiteral("landscape"));
    (s.landscape ? m_landscape : m_portrait)->setChecked(true);
    m_paper = new QComboBox(this);
    m_paper->setObjectName(QStringLiteral("paper"));
    for (PaperKind kind : knownPaperKinds())
        m_paper->addItem(paperKindName(kind), int(kind));
    m_paper->addItem(QString(), int(PaperKind::Custom));
    m_paper->setCurrentIndex(std::max(0, m_paper->findData(int(s.paperKind))));
    m_applyTo = new QComboBox(this);
    m_applyTo->setObjectName(QStringLiteral("applyTo"));
    m_applyTo->addItems({QString(), QString()});
    m_applyTo->setCurrentIndex(settings.wholeDocument ? 1 : 0);
    for (QLabel **label : {&m_topLabel, &m_bottomLabel, &m_leftLabel, &m_rightLabel, &m_headerLabel, &m_footerLabel,
                           &m_orientationLabel, &m_paperLabel, &m_widthLabel, &m_heightLabel, &m_applyToLabel})
        *label = new QLabel(this);

    auto *margins = new QWidget;
    auto *marginForm = new QFormLayout(margins);
    marginForm->addRow(m_topLabel, m_top);
    marginForm->addRow(m_bottomLabel, m_bottom);
    marginForm->addRow(m_leftLabel, m_left);
    marginForm->addRow(m_rightLabel, m_right);
    marginForm->addRow(m_headerLabel, m_header);
    marginForm->addRow(m_footerLabel, m_footer);
    auto *orientation = new QHBoxLayout;
    orientation->addWidget(m_portrait);
    orientation->addWidget(m_landscape);
    marginForm->addRow(m_orientationLabel, orientation);
    auto *paper = new QWidget;
    auto *paperForm = new QFormLayout(paper);
    paperForm->addRow(m_paperLabel, m_paper);
    paperForm->addRow(m_widthLabel, m_width);
    paperForm->addRow(m_heightLabel, m_height);
    m_tabs->addTab(margins, QString());
    m_tabs->addTab(paper, QString());
    m_tabs->setCurrentIndex(page == PageSetupPage::Paper ? 1 : 0);

    auto *applyTo = new QFormLayout;
    applyTo->addRow(m_applyToLabel, m_applyTo);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PageSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(applyTo);
    layout->addWidget(buttons);

    connect(m_paper, &QComboBox::activated, this, &PageSetupDialog::paperChosen);
    connect(m_width, &QDoubleSpinBox::valueChanged, this, &PageSetupDialog::sizeTyped);
    connect(m_height, &QDoubleSpinBox::valueChanged, this, &PageSetupDialog::sizeTyped);
    connect(m_landscape, &QRadioButton::toggled, this, &PageSetupDialog::orientationChosen);
    retranslate();
}

void PageSetupDialog::retranslate()
{
    setWindowTitle(tr("Page Setup"));
    m_tabs->setTabText(0, tr("Margins"));
    m_tabs->setTabText(1, tr("Paper"));
    m_topLabel->setText(tr("Top:"));
    m_bottomLabel->setText(tr("Bottom:"));
    m_leftLabel->setText(tr("Left:"));
    m_rightLabel->setText(tr("Right:"));
    m_headerLabel->setText(tr("Header:"));
    m_footerLabel->setText(tr("Footer:"));
    m_orientationLabel->setText(tr("Orientation:"));
    m_portrait->setText(tr("Portrait"));
    m_landscape->setText(tr("Landscape"));
    m_paperLabel->setText(tr("Paper size:"));
    m_paper->setItemText(m_paper->count() - 1, tr("Custom size"));
    m_widthLabel->setText(tr("Width:"));
    m_heightLabel->setText(tr("Height:"));
    m_applyToLabel->setText(tr("Apply to:"));
    m_applyTo->setItemText(0, tr("This section"));
    m_applyTo->setItemText(1, tr("Whole document"));
}

void PageSetupDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void PageSetupDialog::paperChosen()
{
    const auto size = paperSizeTwips(PaperKind(m_paper->currentData().toInt()));
    if (!size)
        return; // a custom size keeps what the boxes hold
    int width = size->width(), height = size->height();
    if (m_landscape->isChecked())
        std::swap(width, height);
    const QSignalBlocker blockWidth(m_width), blockHeight(m_height);
    m_width->setTwips(width);
    m_height->setTwips(height);
}

void PageSetupDialog::sizeTyped()
{
    QSize portrait(m_width->twips(), m_height->twips());
    if (m_landscape->isChecked())
        portrait.transpose();
    // Several kinds share a size (Letter, Letter Small, Note): keep the chosen one when it fits.
    const auto current = paperSizeTwips(PaperKind(m_paper->currentData().toInt()));
    if (current && paperKindForSize(portrait) == paperKindForSize(*current))
        return;
    m_paper->setCurrentIndex(m_paper->findData(int(paperKindForSize(portrait))));
}

void PageSetupDialog::orientationChosen(bool landscape)
{
    const int width = m_width->twips(), height = m_height->twips();
    if ((width > height) == landscape)
        return;
    const QSignalBlocker blockWidth(m_width), blockHeight(m_height);
    m_width->setTwips(height);
    m_height->setTwips(width);
}

PageSetupSettings PageSetupDialog::settings() const
{
    PageSetupSettings result = m_original;
    Section &page = result.page;
    page.paperKind = PaperKind(m_paper->currentData().toInt());
    page.pageWidth = m_width->twips();
    page.pageHeight = m_height->twips();
    page.landscape = m_landscape->isChecked();
    page.margins.top = m_top->twips();
    page.margins.bottom = m_bottom->twips();
    page.margins.left = m_left->twips();
    page.margins.right = m_right->twips();
    page.margins.header = m_header->twips();
    page.margins.footer = m_footer->twips();
    result.wholeDocument = m_applyTo->currentIndex() == 1;
    return result;
}

LengthSpinBox *PageSetupDialog::lengthBox(const char *objectName) const
{
    return findChild<LengthSpinBox *>(QLatin1String(objectName));
}

void PageSetupDialog::accept()
{
    if (!marginsFit(settings().page)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("The margins leave no room for text on a page of this size. "
                                "Make the margins smaller or the paper larger."));
        return;
    }
    QDialog::accept();
}

} // namespace richedit
