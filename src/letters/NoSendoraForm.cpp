#include "letters/NoSendoraForm.h"

#include "platform/Shell.h"
#include "platform/UserInterface.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TNoSendoraForm::TNoSendoraForm(Platform platform, const QString &serialMailPage, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_page(serialMailPage)
{
    setObjectName(QStringLiteral("NoSendoraForm"));
    setWindowTitle(QStringLiteral("Info"));

    Label1 = new QLabel(
        QStringLiteral("Zum Versenden von Serien-E-Mails benötigen Sie unser separates "
                       "Serien-E-Mail-Programm Sendora. Es ist auf diesem Computer nicht "
                       "installiert.\n\nMehr über Sendora erfahren Sie auf unserer Webseite:"),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    Label10 = new QLabel(QStringLiteral("<a href=\"#\">hier klicken...</a>"), this);
    Label10->setObjectName(QStringLiteral("Label10"));
    Label10->setTextFormat(Qt::RichText);
    Label10->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    Label10->setCursor(Qt::PointingHandCursor);
    connect(Label10, &QLabel::linkActivated, this, [this] { Label10Click(); });

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label10);
    layout->addStretch();
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

void TNoSendoraForm::Label10Click()
{
    if (!m_platform.shell.open(m_page))
        m_platform.ui.plainMessage(QStringLiteral(
            "Unable to start mail client. Make sure you have it properly set-up on your system."));
}
