#include "letters/WizardForm.h"

#include "platform/UserInterface.h"
#include "util/ShellHelpers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

WizardForm::WizardForm(Platform platform, const QString &wizardPicturePath,
                       const QString &helpPagePath, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_helpPagePath(helpPagePath)
{
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(wizardPicturePath));
    Image1->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    HeadingLabel = new QLabel(this);
    HeadingLabel->setObjectName(QStringLiteral("HeadingLabel"));
    QFont heading = HeadingLabel->font();
    heading.setPointSize(heading.pointSize() + 4);
    heading.setBold(true);
    HeadingLabel->setFont(heading);

    HilfeBitBtn = new QPushButton(QStringLiteral("Hilfe"), this);
    HilfeBitBtn->setObjectName(QStringLiteral("HilfeBitBtn"));
    HilfeBitBtn->setAutoDefault(false);
    WeiterBitBtn = new QPushButton(QStringLiteral("Weiter"), this);
    WeiterBitBtn->setObjectName(QStringLiteral("WeiterBitBtn"));
    WeiterBitBtn->setDefault(true);
    AbortBitBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    AbortBitBtn->setObjectName(QStringLiteral("AbortBitBtn"));
    AbortBitBtn->setAutoDefault(false);
    connect(WeiterBitBtn, &QPushButton::clicked, this, [this] { WeiterBitBtnClick(); });
    connect(AbortBitBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HilfeBitBtn, &QPushButton::clicked, this, [this] { HilfeBitBtnClick(); });

    m_content = new QVBoxLayout;
    m_content->addWidget(HeadingLabel);
    m_content->addSpacing(8);

    auto *page = new QVBoxLayout;
    page->addLayout(m_content);
    page->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(page, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(HilfeBitBtn);
    buttons->addStretch();
    buttons->addWidget(WeiterBitBtn);
    buttons->addWidget(AbortBitBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
}

void WizardForm::WeiterBitBtnClick()
{
    accept();
}

void WizardForm::HilfeBitBtnClick()
{
    ShowHelpPage(m_platform, m_helpPagePath);
}
