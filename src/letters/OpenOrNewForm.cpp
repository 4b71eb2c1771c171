#include "letters/OpenOrNewForm.h"

#include "platform/UserInterface.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TOpenOrNewForm::TOpenOrNewForm(Platform platform, const QString &wizardPicturePath,
                               const QString &helpPagePath, QWidget *parent)
    : WizardForm(platform, wizardPicturePath, helpPagePath, parent)
{
    setObjectName(QStringLiteral("OpenOrNewForm"));
    setWindowTitle(QStringLiteral("Serienbrief erstellen"));
    HeadingLabel->setText(QStringLiteral("Serienbrief erstellen"));

    const auto radio = [this](const char *name, const QString &text) {
        auto *button = new QRadioButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        contentLayout()->addWidget(button);
        return button;
    };
    BriefRadioButton =
        radio("BriefRadioButton", QStringLiteral("Erstellen einer neuen Brief-Vorlage"));
    EtikettenRadioButton =
        radio("EtikettenRadioButton", QStringLiteral("Erstellen einer neuen Etiketten-Vorlage"));
    BriefumschlagRadioButton = radio("BriefumschlagRadioButton",
                                     QStringLiteral("Erstellen einer neuen Briefumschlag-Vorlage"));
    OeffnenRadioButton =
        radio("OeffnenRadioButton",
              QStringLiteral("Abändern einer bereits von Ihnen erstellten Vorlage"));

    // An exclusive group starts with none checked and keeps one checked after that.
    auto *group = new QButtonGroup(this);
    for (QRadioButton *b :
         {BriefRadioButton, EtikettenRadioButton, BriefumschlagRadioButton, OeffnenRadioButton})
        group->addButton(b);
}

std::optional<TOpenOrNewForm::Choice> TOpenOrNewForm::choice() const
{
    if (BriefRadioButton->isChecked())
        return Choice::Letter;
    if (EtikettenRadioButton->isChecked())
        return Choice::Label;
    if (BriefumschlagRadioButton->isChecked())
        return Choice::Envelope;
    if (OeffnenRadioButton->isChecked())
        return Choice::Own;
    return std::nullopt;
}

std::optional<TemplateKind> TOpenOrNewForm::templateKind(Choice choice)
{
    switch (choice) {
    case Choice::Letter:
        return TemplateKind::Letter;
    case Choice::Label:
        return TemplateKind::Label;
    case Choice::Envelope:
        return TemplateKind::Envelope;
    case Choice::Own:
        break;
    }
    return std::nullopt;
}

void TOpenOrNewForm::WeiterBitBtnClick()
{
    if (!choice()) {
        m_platform.ui.information(QStringLiteral("Bitte zuerst eine Auswahl treffen!"));
        return;
    }
    accept();
}
