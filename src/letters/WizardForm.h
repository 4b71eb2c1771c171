#pragma once

#include "platform/Platform.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QVBoxLayout;

// The look every wizard window shares: the edition's wizard picture on the
// left, a heading and the page's content on the right, "Hilfe" at the
// bottom left, "Weiter" and "Abbrechen" at the bottom right. "Weiter" ends the
// window with OK unless a page decides otherwise; "Abbrechen" and Escape
// close it without.
class WizardForm : public QDialog
{
    Q_OBJECT
public:
    // wizardPicturePath: picture folder + the profile's wizard picture;
    // helpPagePath: help folder + the profile's main help page.
    WizardForm(Platform platform, const QString &wizardPicturePath, const QString &helpPagePath,
               QWidget *parent = nullptr);

    QLabel *Image1 = nullptr;
    QLabel *HeadingLabel = nullptr;
    QPushButton *WeiterBitBtn = nullptr;
    QPushButton *AbortBitBtn = nullptr;
    QPushButton *HilfeBitBtn = nullptr;

protected:
    // The page's controls go here, below the heading.
    QVBoxLayout *contentLayout() const { return m_content; }
    virtual void WeiterBitBtnClick();
    void HilfeBitBtnClick();

    Platform m_platform;

private:
    QString m_helpPagePath;
    QVBoxLayout *m_content = nullptr;
};
