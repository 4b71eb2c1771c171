#include "letters/MailquestionsForm.h"

#include <QLabel>
#include <QVBoxLayout>

TMailquestionsForm::TMailquestionsForm(Platform platform, const QString &wizardPicturePath,
                                       const QString &helpPagePath,
                                       std::function<int()> markedCount, QWidget *parent)
    : WizardForm(platform, wizardPicturePath, helpPagePath, parent),
      m_markedCount(std::move(markedCount))
{
    setObjectName(QStringLiteral("MailquestionsForm"));
    setWindowTitle(QStringLiteral("Serienbrief erstellen"));
    HeadingLabel->setText(QStringLiteral("Serien-Brief Assistent"));

    TextLabel = new QLabel(
        QStringLiteral("Dieser Assistent unterstützt Sie bei der Erstellung von Serien-Briefen"),
        this);
    TextLabel->setObjectName(QStringLiteral("TextLabel"));
    TextLabel->setWordWrap(true);
    NoOfMailsLabel = new QLabel(this);
    NoOfMailsLabel->setObjectName(QStringLiteral("NoOfMailsLabel"));
    contentLayout()->addWidget(TextLabel);
    contentLayout()->addSpacing(12);
    contentLayout()->addWidget(NoOfMailsLabel);
}

void TMailquestionsForm::FormActivate()
{
    const int count = m_markedCount ? m_markedCount() : 0;
    NoOfMailsLabel->setText(QStringLiteral("Serienbrief wird für ") + QString::number(count) +
                            QStringLiteral(" markierte Datensätze erzeugt."));
}

void TMailquestionsForm::showEvent(QShowEvent *event)
{
    FormActivate();
    WizardForm::showEvent(event);
}
