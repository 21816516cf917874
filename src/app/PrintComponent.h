#pragma once

#include "platform/richedit/model/PaperKind.h"

#include <QString>

/// The page of the print component's report link, as the main window's layout stores it
/// (lengths in thousandths of a millimetre).
struct ReportLinkPage {
    richedit::PaperKind paper = richedit::PaperKind::A4;
    int paperWidth = 210000;
    int paperHeight = 297000;
    bool landscape = true;
    int margin = 12700; // each of the four sides
    int header = 6350;
    int footer = 6350;
    bool grayShading = true;
};

/// The print component `dxComponentPrinter` with its one link, which prints the editor.
///
/// The editor prints and previews the document's own pages, each at its own paper size with
/// its own margins, headers and footers, exactly as the view shows them: a word processor's
/// pages are the document's, and forcing them onto the link's landscape A4 would rescale
/// every portrait page. The link's page is therefore kept as the component's data and not
/// laid over the document's pages.
struct PrintComponent {
    QString previewCaption = QStringLiteral("Náhled před tiskem");
    ReportLinkPage linkPage;
};

/// The main window's print component.
inline const PrintComponent &dxComponentPrinter()
{
    static const PrintComponent component;
    return component;
}
