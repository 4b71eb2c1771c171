#pragma once

#include "letters/WizardForm.h"

// The instructions shown before a template opens; "Weiter" ends it with OK.
class TVorlageWizzard : public WizardForm
{
    Q_OBJECT
public:
    TVorlageWizzard(Platform platform, const QString &wizardPicturePath,
                    const QString &helpPagePath, QWidget *parent = nullptr);
};
