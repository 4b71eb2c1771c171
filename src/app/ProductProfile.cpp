#include "app/ProductProfile.h"

#include "util/LineFile.h"
#include "util/TextCase.h"
#include "util/Words.h"

#include <QFile>

QString EditionOf(const QString &executablePath)
{
    // Only the file name counts: an underscore in a folder name does not.
    qsizetype cut = -1;
    for (const QChar c : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')})
        cut = std::max(cut, executablePath.lastIndexOf(c));
    const QString fileName = AsciiUpper(executablePath.mid(cut + 1));
    return fileName.contains(QLatin1Char('_')) ? QStringLiteral("DB") : QStringLiteral("SB");
}

ProductProfile ProductProfile::ForEdition(const QString &edition)
{
    ProductProfile p;
    const bool db = edition == QLatin1String("DB");
    p.edition = db ? QStringLiteral("DB") : QStringLiteral("SB");
    p.title = db ? QStringLiteral("Lorvane Datenbank") : QStringLiteral("Lorvane Serienbrief");
    p.headerPicture = db ? QStringLiteral("v_head.jpg") : QStringLiteral("v_head1.jpg");
    p.wizardPicture = db ? QStringLiteral("v_wizard.jpg") : QStringLiteral("v_wizard1.jpg");
    p.aboutPicture = db ? QStringLiteral("v_about.jpg") : QStringLiteral("v_about1.jpg");
    p.helpPage = QStringLiteral("help.html");
    p.importHelpPages = {QStringLiteral("access.html"), QStringLiteral("textimport.html"),
                         QStringLiteral("excel.html"), QStringLiteral("datenbanken.html")};
    p.productPage = db ? QStringLiteral("https://www.lorvane.de/datenbank")
                       : QStringLiteral("https://www.lorvane.de/serienbrief");
    p.serialMailPage = QStringLiteral("https://www.lorvane.de/serienmail");
    return p;
}

ProductProfile ProductProfile::Compute(const QString &executablePath, const QString &programFolder)
{
    ProductProfile p = ForEdition(EditionOf(executablePath));
    const QString verFile = programFolder + QStringLiteral("ver.ini");
    if (QFile::exists(verFile)) {
        const QStringList lines = ReadLineFile(verFile);
        if (!lines.isEmpty())
            p.version = TrimControl(lines.first());
    }
    return p;
}
