#pragma once

#include "platform/Platform.h"

#include <QDialog>

class QLabel;
class QPushButton;

// Says that serial e-mails need the maker's separate program and links to
// its web page. "OK" ends it with OK, Escape without.
class TNoSendoraForm : public QDialog
{
    Q_OBJECT
public:
    TNoSendoraForm(Platform platform, const QString &serialMailPage, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *Label10 = nullptr;
    QPushButton *BitBtn1 = nullptr;

    // The link: opens the program's web page.
    void Label10Click();

private:
    Platform m_platform;
    QString m_page;
};
