#pragma once

#include "letters/LetterTemplates.h"
#include "letters/WizardForm.h"

#include <optional>

class QRadioButton;

// The start wizard of "Serienbrief schreiben": a new document from one of
// the three template kinds, or one of the user's own documents. The choice
// stays checked for the next showing.
class TOpenOrNewForm : public WizardForm
{
    Q_OBJECT
public:
    enum class Choice { Letter, Label, Envelope, Own };

    TOpenOrNewForm(Platform platform, const QString &wizardPicturePath, const QString &helpPagePath,
                   QWidget *parent = nullptr);

    // The checked choice, if any.
    std::optional<Choice> choice() const;
    // The template kind of a template choice.
    static std::optional<TemplateKind> templateKind(Choice choice);

    QRadioButton *BriefRadioButton = nullptr;
    QRadioButton *EtikettenRadioButton = nullptr;
    QRadioButton *BriefumschlagRadioButton = nullptr;
    QRadioButton *OeffnenRadioButton = nullptr;

protected:
    // Without a choice the window stays; with one it closes with OK and the
    // caller goes on.
    void WeiterBitBtnClick() override;
};
