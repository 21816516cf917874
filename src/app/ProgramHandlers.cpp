// The ribbon items that run the program's own handlers rather than editor commands:
// clipboard variants, clearing formats, ready-made characters, date and time, preferences,
// e-mail and help.
#include "Unit1.h"

#include "commands/ClipboardCommands.h"
#include "commands/DateTimeCommands.h"
#include "commands/FormattingCommands.h"
#include "commands/ReadyMadeCharacters.h"
#include "commands/RibbonBinding.h"
#include "commands/fDatumACas.h"
#include "online/DocumentSaver.h"
#include "online/EmailCommands.h"
#include "online/HelpCommands.h"
#include "online/MessageTexts.h"
#include "online/UpdateCheck.h"
#include "online/oaplikaci.h"
#include "platform/ribbon/Ribbon.h"
#include "platform/ribbon/RibbonItem.h"
#include "platform/richedit/view/RichEditControl.h"
#include "preferences/fNastav.h"

void TForm1::attachServices(shell::Shell &shell, mail::MailClient &mail)
{
    m_shell = &shell;
    m_mail = &mail;
    bindProgramHandlers();
}

MessageTexts TForm1::messageTexts() const
{
    return {SaveChanges, NovaVerzeBylaNalezena, PrejeteSiStahnout, PouzivateNejnovejsiVerzi, ZadejteNazevSouboru};
}

void TForm1::bindProgramHandlers()
{
    richedit::RichEditControl &editor = *dxRichEditControl1;
    const auto bind = [this](const char *name, commands::RibbonHandler handler) {
        ribbonBinding->bindHandler(QString::fromLatin1(name), std::move(handler));
    };

    bind("bSouborSchrankaJakoProstyTextClick", [&editor](auto *) { commands::VlozitProstyText(editor); });
    bind("bDomuSchrankaVlozitJakoObrazekClick", [&editor](auto *) { commands::InsertClipboardTextAsImage(editor); });
    bind("bDomuPismoSmazatFormatClick", [&editor](auto *) { commands::ClearFormatting(editor); });
    bind("bVlozitDatumClick", [&editor](auto *) { commands::bVlozitDatumClick(editor); });
    bind("bVlozitCasClick", [&editor](auto *) { commands::bVlozitCasClick(editor); });
    fillReadyMadeMenus();

    if (m_datumCas)
        bind("bVlozitDatumCasClick", [this](auto *) { commands::bVlozitDatumCasClick(*m_datumCas); });
    if (m_nastaveni)
        bind("bSouborPredvolbyNastaveniClick", [this](auto *) { m_nastaveni->exec(); });
    if (m_oAplikaci)
        bind("bNapovedaOAplikaciClick", [this](auto *) { online::bNapovedaOAplikaciClick(*m_oAplikaci, this); });

    if (m_mail) {
        if (!m_documentSaver)
            m_documentSaver = std::make_unique<online::RichEditSaver>(editor);
        bind("bSouborOdeslatJakoPrilohuClick", [this](auto *) {
            online::OdeslatJakoPrilohu(m_dialogs, *m_documentSaver, *m_mail, messageTexts());
        });
        bind("bSouborOdeslatJakoTeloMailuClick", [this](auto *) {
            online::bSouborOdeslatJakoTeloMailuClick(m_dialogs, *m_documentSaver, *m_mail);
        });
    }
    if (m_shell) {
        bind("bNapovedaPrejitNaWebClick", [this](auto *) { online::bNapovedaPrejitNaWebClick(*m_shell); });
        bind("BNapovedaCoJeNovehoClick", [this](auto *) { online::BNapovedaCoJeNovehoClick(m_dialogs, *m_shell); });
        if (m_oAplikaci) {
            bind("bNapovedaKontrolaNoveVerzeClick", [this](auto *) {
                online::bNapovedaKontrolaNoveVerzeClick(*m_oAplikaci, m_dialogs, *m_shell, messageTexts());
            });
        }
    }
}

void TForm1::fillReadyMadeMenus()
{
    if (m_readyMadeFilled)
        return;
    m_readyMadeFilled = true;
    for (const commands::ReadyMadeCharacter &entry : commands::readyMadeCharacters()) {
        ribbon::RibbonItem *menu = dxRibbon->item(QString::fromLatin1(entry.menu));
        if (!menu)
            continue;
        ribbon::RibbonItem *item = menu->addMenuItem(ribbon::ItemKind::Large, QString::fromLatin1(entry.component));
        item->setText(entry.caption());
        item->setToolTip(entry.hint());
        const auto click = entry.click;
        connect(item, &ribbon::RibbonItem::executed, this, [this, click, item] {
            guarded([this, click, item] { click(*dxRichEditControl1, item); });
        });
        menu->setEnabled(true);
    }
}
