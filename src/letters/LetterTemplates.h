#pragma once

#include <QString>
#include <QStringList>

// The letters folder holds the templates that come with the program (listed
// in "Vorlagen.ini", kept read-only) and the user's own ".doc" documents.

enum class TemplateKind { Letter, Label, Envelope };

// The file dialog filter of a template kind, in the pipe form.
QString TemplateFilter(TemplateKind kind);
QString OwnDocumentsFilter();

// The template catalogue, found whatever the letter case of its name.
QString TemplateCataloguePath(const QString &lettersFolder);

// Write protection as the program uses it: read-only for everybody, or
// writable by the owner.
bool SetReadOnly(const QString &path);
bool SetWritable(const QString &path);

// The name with its extension replaced ("Brief.doc" -> "Brief.bak").
QString WithExtension(const QString &path, const QString &extension);

// Renames each listed template to ".bak" so the own-documents dialog does
// not offer it. Names that are empty or point outside the folder are left
// out; a file that cannot be renamed stays as it was, read-only.
void HideTemplates(const QString &lettersFolder, const QStringList &catalogueLines);
// Every ".bak" of the folder becomes a read-only ".doc" again; one whose
// ".doc" name is taken stays as it is.
void RestoreTemplates(const QString &lettersFolder);
// True when the folder holds any file matching "*.doc".
bool HasWordDocuments(const QString &lettersFolder);

// Hides the templates for its lifetime; however the scope is left, the
// ".bak" files become read-only ".doc" files again.
class HiddenTemplates
{
public:
    HiddenTemplates(QString lettersFolder, const QStringList &catalogueLines);
    ~HiddenTemplates();
    HiddenTemplates(const HiddenTemplates &) = delete;
    HiddenTemplates &operator=(const HiddenTemplates &) = delete;

private:
    QString m_folder;
};
