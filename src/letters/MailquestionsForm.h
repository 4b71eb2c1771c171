#pragma once

#include "letters/WizardForm.h"

#include <functional>

// The print wizard of "Serienbrief drucken": names the number of marked
// records; "Weiter" closes it with OK and the caller opens the user's own
// document.
class TMailquestionsForm : public WizardForm
{
    Q_OBJECT
public:
    // markedCount: the number counted by the last "Serienbrief drucken" check.
    TMailquestionsForm(Platform platform, const QString &wizardPicturePath,
                       const QString &helpPagePath, std::function<int()> markedCount,
                       QWidget *parent = nullptr);

    QLabel *TextLabel = nullptr;
    QLabel *NoOfMailsLabel = nullptr;

    // Reads the count again; runs each time the window is shown.
    void FormActivate();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::function<int()> m_markedCount;
};
