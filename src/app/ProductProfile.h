#pragma once

#include <QString>
#include <QStringList>

// The two editions share one binary; the executable's file name picks one.
// "DB" is the database edition, "SB" the form-letter edition.
QString EditionOf(const QString &executablePath);

// What tells the editions apart: titles, pictures, help pages and the
// maker's web pages. Computed once at start and never changed.
struct ProductProfile
{
    QString edition; // "DB" or "SB"
    QString title;
    QString headerPicture;
    QString wizardPicture;
    QString aboutPicture;
    QString helpPage;
    QStringList importHelpPages; // access, text import, excel, databases
    QString version;             // first line of "ver.ini"
    QString productPage;         // the edition's page on the maker's site
    QString serialMailPage;      // the separate serial e-mail program

    bool isDatabaseEdition() const { return edition == QLatin1String("DB"); }

    // executablePath: argv[0]; programFolder ends with a separator.
    static ProductProfile Compute(const QString &executablePath, const QString &programFolder);
    // The profile of an edition without reading a version.
    static ProductProfile ForEdition(const QString &edition);
};
