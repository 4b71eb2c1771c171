#include "letters/LetterTemplates.h"

#include "util/Paths.h"
#include "util/Words.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString TemplateFilter(TemplateKind kind)
{
    switch (kind) {
    case TemplateKind::Letter:
        return QStringLiteral("Brief-Vorlagen|Brief-Vorlage*");
    case TemplateKind::Label:
        return QStringLiteral("Etiketten-Vorlagen|Adress-Etikett*");
    case TemplateKind::Envelope:
        return QStringLiteral("Briefumschlag-Vorlagen|Briefumschlag*");
    }
    return {};
}

QString OwnDocumentsFilter()
{
    return QStringLiteral("Eigene Word Dokumente|*.doc");
}

QString TemplateCataloguePath(const QString &lettersFolder)
{
    return FindFileNoCase(lettersFolder, QStringLiteral("Vorlagen.ini"));
}

bool SetReadOnly(const QString &path)
{
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup |
                                           QFile::ReadOther);
}

bool SetWritable(const QString &path)
{
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                           QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
}

QString WithExtension(const QString &path, const QString &extension)
{
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return (dot > slash ? path.left(dot) : path) + extension;
}

void HideTemplates(const QString &lettersFolder, const QStringList &catalogueLines)
{
    for (const QString &line : catalogueLines) {
        const QString name = TrimControl(line);
        // A name reaching into another folder could not be found again when
        // the templates are restored, so it is not touched.
        if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
            name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        const QString path = FindFileNoCase(lettersFolder, name);
        if (!QFileInfo(path).isFile())
            continue;
        SetWritable(path);
        if (!QFile::rename(path, WithExtension(path, QStringLiteral(".bak"))))
            SetReadOnly(path);
    }
}

void RestoreTemplates(const QString &lettersFolder)
{
    const QDir dir(lettersFolder);
    const QStringList hidden =
        dir.entryList({QStringLiteral("*.bak")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : hidden) {
        const QString doc = WithExtension(dir.filePath(name), QStringLiteral(".doc"));
        if (QFile::rename(dir.filePath(name), doc))
            SetReadOnly(doc);
    }
}

bool HasWordDocuments(const QString &lettersFolder)
{
    return !QDir(lettersFolder)
                .entryList({QStringLiteral("*.doc")}, QDir::Files | QDir::Hidden | QDir::System)
                .isEmpty();
}

HiddenTemplates::HiddenTemplates(QString lettersFolder, const QStringList &catalogueLines)
    : m_folder(std::move(lettersFolder))
{
    try {
        HideTemplates(m_folder, catalogueLines);
    } catch (...) {
        RestoreTemplates(m_folder);
        throw;
    }
}

HiddenTemplates::~HiddenTemplates()
{
    RestoreTemplates(m_folder);
}
