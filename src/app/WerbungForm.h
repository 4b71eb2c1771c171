#pragma once

#include "app/ProductProfile.h"
#include "platform/Platform.h"

#include <QDialog>

class QCheckBox;
class QLabel;

// The advertising window shown at close: a tip about the maker's other
// products. Ticking "Tipp's nicht mehr anzeigen!" leaves "NoWer.ini" in the
// user data folder, which keeps the window away from then on.
class WerbungForm : public QDialog
{
    Q_OBJECT
public:
    // userDataFolder ends with a separator.
    WerbungForm(Platform platform, const ProductProfile &profile, const QString &pictureFolder,
                const QString &userDataFolder, QWidget *parent = nullptr);

    void done(int result) override;

    QLabel *TippLabel = nullptr;
    QLabel *LinkLabel = nullptr;
    QCheckBox *NoWerCheckBox = nullptr;

private:
    void WriteNoWer();

    Platform m_platform;
    QString m_userDataFolder;
};
