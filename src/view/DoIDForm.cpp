#include "view/DoIDForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

// A whole number the signed 32-bit range holds; the entries take digits only.
bool entryValue(const QLineEdit *edit, int *value)
{
    bool ok = false;
    const int n = edit->text().trimmed().toInt(&ok);
    if (ok && value)
        *value = n;
    return ok;
}

} // namespace

TDoIDForm::TDoIDForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DoIDForm"));
    setWindowTitle(QStringLiteral("Markieren von ID bis ID"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    DoLabel = new QLabel(QStringLiteral("Markieren"), this);
    DoLabel->setObjectName(QStringLiteral("DoLabel"));
    QFont heading = DoLabel->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.8);
    DoLabel->setFont(heading);
    layout->addWidget(DoLabel);

    auto *grid = new QGridLayout;
    const auto makeEntry = [this](const char *name) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(11);
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,11}")), edit));
        connect(edit, &QLineEdit::textChanged, this, &TDoIDForm::entriesChanged);
        return edit;
    };
    Label1 = new QLabel(QStringLiteral("Start ID"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    MaskEdit1 = makeEntry("MaskEdit1");
    Label2 = new QLabel(QStringLiteral("End ID"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    MaskEdit2 = makeEntry("MaskEdit2");
    Label1->setBuddy(MaskEdit1);
    Label2->setBuddy(MaskEdit2);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label2, 0, 1);
    grid->addWidget(MaskEdit1, 1, 0);
    grid->addWidget(MaskEdit2, 1, 1);
    layout->addLayout(grid);

    HintLabel = new QLabel(this);
    HintLabel->setObjectName(QStringLiteral("HintLabel"));
    HintLabel->setWordWrap(true);
    layout->addWidget(HintLabel);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Abbrechen"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    layout->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &TDoIDForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    entriesChanged();
}

void TDoIDForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    MaskEdit1->setFocus();
    MaskEdit1->selectAll();
}

void TDoIDForm::entriesChanged()
{
    const bool ok = entryValue(MaskEdit1, nullptr) && entryValue(MaskEdit2, nullptr);
    BitBtn1->setEnabled(ok);
    HintLabel->setText(ok ? QString()
                          : QStringLiteral("Bitte geben Sie Start ID und End ID als ganze "
                                           "Zahlen von 0 bis 2147483647 ein."));
}

void TDoIDForm::BitBtn1Click()
{
    int start = 0;
    int end = 0;
    // Both or neither: a half-taken range would mark the wrong records.
    if (!entryValue(MaskEdit1, &start) || !entryValue(MaskEdit2, &end))
        return;
    StartId = start;
    EndId = end;
    accept();
}
