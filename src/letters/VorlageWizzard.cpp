#include "letters/VorlageWizzard.h"

#include <QLabel>
#include <QVBoxLayout>

TVorlageWizzard::TVorlageWizzard(Platform platform, const QString &wizardPicturePath,
                                 const QString &helpPagePath, QWidget *parent)
    : WizardForm(platform, wizardPicturePath, helpPagePath, parent)
{
    setObjectName(QStringLiteral("VorlageWizzard"));
    setWindowTitle(QStringLiteral("Vorlage erstellen"));
    HeadingLabel->setText(QStringLiteral("ACHTUNG ANLEITUNG BEFOLGEN"));

    const auto line = [this](const char *name, const QString &text, int indent = 0) {
        auto *label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(name));
        label->setIndent(indent);
        contentLayout()->addWidget(label);
    };
    line("Label1", QStringLiteral("1) Microsoft Word startet nun"));
    line("Label2",
         QStringLiteral("2) Suchen Sie je nach Word-Version nun das Seriendruck Menü im Word"));
    line("Label3",
         QStringLiteral("3) Schalten Sie die Seriendruck-Vorschau im Word ein, damit die Daten"));
    line("Label4", QStringLiteral("in den Feldern angezeigt werden"), 18);
    line("Label5", QStringLiteral("4) Speichern Ihre erstellte Vorlage im Microsoft Word ab!"));
    contentLayout()->addSpacing(8);
    line("Label6", QStringLiteral("Sie können diese Vorlage zukünftig weiterverwenden."));
}
