#pragma once

#include <QString>

/// The main window's five message texts. They hold the Czech defaults until the
/// translation table is applied, which overwrites all five on every language switch.
struct MessageTexts {
    QString SaveChanges = QStringLiteral("Chcete uložit změny v souboru?");
    QString NovaVerzeBylaNalezena = QStringLiteral("Byla nalezena nová verze:");
    QString PrejeteSiStahnout = QStringLiteral("Přejete si ji stáhnout?");
    QString PouzivateNejnovejsiVerzi = QStringLiteral("Používáte nejnovější verzi.");
    QString ZadejteNazevSouboru = QStringLiteral("Zadejte název souboru:.");
};
