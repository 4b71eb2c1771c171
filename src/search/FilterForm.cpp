#include "FilterForm.h"

#include "app/Workspace.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "catalogue/TableError.h"
#include "platform/UserInterface.h"
#include "util/ShellHelpers.h"
#include "util/Words.h"

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

// Picks entry index, or the first entry when the list has no such entry.
void chooseEntry(QComboBox *box, int index)
{
    if (index < 0 || index >= box->count())
        index = box->count() > 0 ? 0 : -1;
    box->setCurrentIndex(index);
}

QLabel *namedLabel(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

TFilterForm::TFilterForm(Workspace &workspace, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_workspace(workspace)
{
    setObjectName(QStringLiteral("FilterForm"));
    setWindowTitle(QStringLiteral("Filter"));
    setModal(true);

    Label7 = namedLabel(QStringLiteral("Filtern von Datensätzen nach bestimmten Kriterien:"),
                        "Label7", this);
    QFont bold = Label7->font();
    bold.setBold(true);
    Label7->setFont(bold);

    const auto conditionGroup = [this](const QString &title, const char *name, int firstLabel,
                                       QComboBox **field, QPushButton **op, QLineEdit **value,
                                       const char *fieldName, const char *opName,
                                       const char *valueName) {
        auto *group = new QGroupBox(title, this);
        group->setObjectName(QLatin1String(name));
        *field = new QComboBox(group);
        (*field)->setObjectName(QLatin1String(fieldName));
        (*field)->setEditable(false);
        (*field)->setMaxVisibleItems(30);
        (*field)->setMinimumWidth(160);
        *op = new QPushButton(FilterExpression::OperatorText(1), group);
        (*op)->setObjectName(QLatin1String(opName));
        (*op)->setAutoDefault(false);
        *value = new QLineEdit(group);
        (*value)->setObjectName(QLatin1String(valueName));
        (*value)->setMinimumWidth(200);
        auto *grid = new QGridLayout(group);
        const auto label = [&](int n, const QString &text) {
            const QByteArray labelName = "Label" + QByteArray::number(n);
            return namedLabel(text, labelName.constData(), group);
        };
        grid->addWidget(label(firstLabel, QStringLiteral("Spalte")), 0, 0);
        grid->addWidget(label(firstLabel + 1, QStringLiteral("Bedingung")), 0, 1);
        grid->addWidget(label(firstLabel + 2, QStringLiteral("Wert")), 0, 2);
        grid->addWidget(*field, 1, 0);
        grid->addWidget(*op, 1, 1);
        grid->addWidget(*value, 1, 2);
        grid->setColumnStretch(2, 1);
        return group;
    };
    GroupBox1 =
        conditionGroup(QStringLiteral("Bedingung 1"), "GroupBox1", 1, &Field1ComboBox, &Operate1Btn,
                       &Exp1Edit, "Field1ComboBox", "Operate1Btn", "Exp1Edit");
    ConectorBtn = new QPushButton(FilterExpression::ConnectorCaption(1), this);
    ConectorBtn->setObjectName(QStringLiteral("ConectorBtn"));
    ConectorBtn->setAutoDefault(false);
    GroupBox2 =
        conditionGroup(QStringLiteral("Bedingung 2"), "GroupBox2", 4, &Field2ComboBox, &Operate2Btn,
                       &Exp2Edit, "Field2ComboBox", "Operate2Btn", "Exp2Edit");
    Field2ComboBox->setEnabled(false);
    Operate2Btn->setEnabled(false);
    Exp2Edit->setEnabled(false);

    Label8 = namedLabel(QStringLiteral("Für Experten: Selbst definiertes Filterkriterium"),
                        "Label8", this);
    ExpressionEdit = new QLineEdit(this);
    ExpressionEdit->setObjectName(QStringLiteral("ExpressionEdit"));

    OnBitBtn = new QPushButton(QStringLiteral("Filter an"), this);
    OnBitBtn->setObjectName(QStringLiteral("OnBitBtn"));
    OnBitBtn->setDefault(true);
    OffBitBtn = new QPushButton(QStringLiteral("Filter aus"), this);
    OffBitBtn->setObjectName(QStringLiteral("OffBitBtn"));
    HilfeBitBtn = new QPushButton(QStringLiteral("Hilfe"), this);
    HilfeBitBtn->setObjectName(QStringLiteral("HilfeBitBtn"));
    CloseButton = new QPushButton(QStringLiteral("Schließen"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    for (QPushButton *button : {OffBitBtn, HilfeBitBtn, CloseButton})
        button->setAutoDefault(false);

    auto *connectorRow = new QHBoxLayout;
    connectorRow->addStretch();
    connectorRow->addWidget(ConectorBtn);
    connectorRow->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(OnBitBtn);
    buttons->addWidget(OffBitBtn);
    buttons->addStretch();
    buttons->addWidget(HilfeBitBtn);
    buttons->addWidget(CloseButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label7);
    layout->addWidget(GroupBox1);
    layout->addLayout(connectorRow);
    layout->addWidget(GroupBox2);
    layout->addWidget(Label8);
    layout->addWidget(ExpressionEdit);
    layout->addLayout(buttons);

    connect(Field1ComboBox, &QComboBox::currentIndexChanged, this,
            [this] { Field1ComboBoxChange(); });
    connect(Field2ComboBox, &QComboBox::currentIndexChanged, this,
            [this] { Field2ComboBoxChange(); });
    connect(Exp1Edit, &QLineEdit::textChanged, this, [this] { Exp1EditChange(); });
    connect(Exp2Edit, &QLineEdit::textChanged, this, [this] { Exp2EditChange(); });
    connect(Operate1Btn, &QPushButton::clicked, this, [this] { Operate1BtnClick(); });
    connect(Operate2Btn, &QPushButton::clicked, this, [this] { Operate2BtnClick(); });
    connect(ConectorBtn, &QPushButton::clicked, this, [this] { ConectorBtnClick(); });
    connect(OnBitBtn, &QPushButton::clicked, this, [this] { OnBitBtnClick(); });
    connect(OffBitBtn, &QPushButton::clicked, this, [this] { OffBitBtnClick(); });
    connect(HilfeBitBtn, &QPushButton::clicked, this, [this] { HilfeBitBtnClick(); });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);

    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
}

Table *TFilterForm::table() const
{
    return m_workspace.table();
}

void TFilterForm::showModal()
{
    m_workspace.execModal(*this);
}

void TFilterForm::showEvent(QShowEvent *event)
{
    FormActivate();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        adjustSize();
        move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TFilterForm::FormActivate()
{
    const int keep1 = Field1ComboBox->currentIndex();
    const int keep2 = Field2ComboBox->currentIndex();
    QStringList names;
    const QStringList &lines = m_workspace.database().fieldDefinitionLines();
    for (int i = 1; i < lines.size(); ++i)
        names.append(FieldAt(lines.at(i), 1));
    {
        const QSignalBlocker block1(Field1ComboBox);
        const QSignalBlocker block2(Field2ComboBox);
        Field1ComboBox->clear();
        Field1ComboBox->addItems(names);
        Field2ComboBox->clear();
        Field2ComboBox->addItems(names);
        // The 14th and the 10th field until the user has chosen.
        chooseEntry(Field1ComboBox, keep1 < 0 ? 13 : keep1);
        chooseEntry(Field2ComboBox, keep2 < 0 ? 9 : keep2);
    }
    Field1ComboBoxChange();
    m_parts.setPart(FilterExpression::Operator1, FilterExpression::OperatorText(m_comparison1));
    m_parts.setPart(FilterExpression::Connector, FilterExpression::ConnectorPart(m_connector));
    Exp1EditChange();
}

void TFilterForm::Field1ComboBoxChange()
{
    m_parts.setPart(FilterExpression::Field1, Field1ComboBox->currentText());
    m_parts.setPart(FilterExpression::Value1, FilterExpression::ValuePart(Exp1Edit->text()));
    UpdateExpressionEdit();
}

void TFilterForm::Field2ComboBoxChange()
{
    m_parts.setPart(FilterExpression::Field2, Field2ComboBox->currentText());
    m_parts.setPart(FilterExpression::Value2, FilterExpression::ValuePart(Exp2Edit->text()));
    UpdateExpressionEdit();
}

void TFilterForm::Exp1EditChange()
{
    m_parts.setPart(FilterExpression::Value1, FilterExpression::ValuePart(Exp1Edit->text()));
    UpdateExpressionEdit();
}

void TFilterForm::Exp2EditChange()
{
    m_parts.setPart(FilterExpression::Value2, FilterExpression::ValuePart(Exp2Edit->text()));
    UpdateExpressionEdit();
}

void TFilterForm::Operate1BtnClick()
{
    m_comparison1 = FilterExpression::NextComparison(m_comparison1);
    Operate1Btn->setText(FilterExpression::OperatorText(m_comparison1));
    m_parts.setPart(FilterExpression::Operator1, FilterExpression::OperatorText(m_comparison1));
    UpdateExpressionEdit();
}

void TFilterForm::Operate2BtnClick()
{
    m_comparison2 = FilterExpression::NextComparison(m_comparison2);
    Operate2Btn->setText(FilterExpression::OperatorText(m_comparison2));
    m_parts.setPart(FilterExpression::Operator2, FilterExpression::OperatorText(m_comparison2));
    UpdateExpressionEdit();
}

void TFilterForm::ConectorBtnClick()
{
    m_connector = FilterExpression::NextConnector(m_connector);
    ConectorBtn->setText(FilterExpression::ConnectorCaption(m_connector));
    const bool second = m_connector != 1;
    Field2ComboBox->setEnabled(second);
    Operate2Btn->setEnabled(second);
    Exp2Edit->setEnabled(second);
    if (!second) {
        for (int part = FilterExpression::Connector; part <= FilterExpression::Value2; ++part)
            m_parts.setPart(part, QString());
    } else {
        Field2ComboBoxChange();
        m_parts.setPart(FilterExpression::Operator2, FilterExpression::OperatorText(m_comparison2));
        m_parts.setPart(FilterExpression::Value2, FilterExpression::ValuePart(Exp2Edit->text()));
        m_parts.setPart(FilterExpression::Connector, FilterExpression::ConnectorPart(m_connector));
    }
    UpdateExpressionEdit();
}

void TFilterForm::UpdateExpressionEdit()
{
    ExpressionEdit->setText(m_parts.expression());
}

void TFilterForm::switchFilter(bool on)
{
    Table *t = table();
    if (!t)
        return;
    const bool switched = m_workspace.run([&] {
        const WaitCursor wait(m_workspace.ui());
        if (on)
            ApplyFilter(*t, ExpressionEdit->text());
        else
            RemoveFilter(*t);
    });
    if (!switched)
        return;
    m_workspace.showRecordCount();
    emit filterSwitched(on);
}

void TFilterForm::OnBitBtnClick()
{
    switchFilter(true);
}

void TFilterForm::OffBitBtnClick()
{
    switchFilter(false);
}

void TFilterForm::HilfeBitBtnClick()
{
    ShowHelpPage(m_workspace.platform(), m_workspace.helpPagePath());
}

bool TFilterForm::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Esc closes on release, and only after it was pressed here.
        if (event->type() == QEvent::KeyPress) {
            if (!key->isAutoRepeat())
                m_escapePressed = true;
        } else if (!key->isAutoRepeat() && m_escapePressed) {
            m_escapePressed = false;
            reject();
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
