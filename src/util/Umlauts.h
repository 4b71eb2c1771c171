#pragma once

#include <QString>

// Repairs umlauts that went through a wrong code page (UTF-8 bytes read as
// Windows-1252 and similar) and spells the euro sign out as "Euro". Works on
// the Windows-1252 form of the text, so characters it cannot hold come back
// as '?'.
QString RepairUmlauts(const QString &s);

// Turns a database name typed by the user into a table and file name:
// umlauts repaired and spelled out, characters that are unsafe in file names
// replaced, a-z/A-Z lower-cased ("Haus & Hof (Süd)" gives "haus_a_hof_xsuedx").
QString TableNameFromTitle(const QString &title);
