#include "VNH_DB_SearchForm.h"

#include "app/Workspace.h"

#include "catalogue/Table.h"
#include "platform/UserInterface.h"
#include "util/Gradient.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString NotFound = QStringLiteral("Kein Ergebnis gefunden!");
const QString NoFurther = QStringLiteral("Kein weiteres Ergebnis gefunden!");
const QString SearchCaption = QStringLiteral("Suchen [F3]");
const QString ContinueCaption = QStringLiteral("Weiter suchen [F3]");
const QColor PassiveText(0x80, 0x80, 0x80);

// The area behind the search text and the options, painted as a vertical
// two-colour gradient.
class GradientPanel : public QWidget
{
public:
    GradientPanel(const QColor &top, const QColor &bottom, QWidget *parent)
        : QWidget(parent), m_top(top), m_bottom(bottom)
    {
    }
    void setColors(const QColor &top, const QColor &bottom)
    {
        m_top = top;
        m_bottom = bottom;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, m_top);
        gradient.setColorAt(1, m_bottom);
        painter.fillRect(rect(), gradient);
    }

private:
    QColor m_top;
    QColor m_bottom;
};

bool isFormKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F3:
    case Qt::Key_Escape:
    case Qt::Key_F1:
    case Qt::Key_F4:
    case Qt::Key_F8:
        return true;
    default:
        return false;
    }
}

} // namespace

TVNH_DB_SearchForm::TVNH_DB_SearchForm(Workspace &workspace, QWidget *parent)
    : QDialog(parent, Qt::Tool), m_workspace(workspace), m_search(m_workspace.ui()),
      m_gradientTop(Qt::white), m_gradientBottom(QColor(0xC0, 0xC0, 0xC0))
{
    setObjectName(QStringLiteral("VNH_DB_SearchForm"));
    setWindowTitle(QStringLiteral("Suchen"));
    setModal(true);

    Panel1 = new GradientPanel(m_gradientTop, m_gradientBottom, this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Label1 = new QLabel(QStringLiteral("Suchbegriff"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(Panel1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(320);
    Label1->setBuddy(Edit1);
    GrossKleinCheckBox = new QCheckBox(QStringLiteral("Groß-/Kleinschreibung beachten"), Panel1);
    GrossKleinCheckBox->setObjectName(QStringLiteral("GrossKleinCheckBox"));
    LDCheckBox = new QCheckBox(QStringLiteral("unscharfe Suche nach Levenshtein "), Panel1);
    LDCheckBox->setObjectName(QStringLiteral("LDCheckBox"));
    Hilfebtn1 = new QPushButton(QStringLiteral("Hilfe [F1]"), Panel1);
    Hilfebtn1->setObjectName(QStringLiteral("Hilfebtn1"));
    ReverseCheckbox = new QCheckBox(QStringLiteral("Suche am Ende der Datenbank beginnen"), Panel1);
    ReverseCheckbox->setObjectName(QStringLiteral("ReverseCheckbox"));

    auto *panelLayout = new QGridLayout(Panel1);
    panelLayout->addWidget(Label1, 0, 0, 1, 2);
    panelLayout->addWidget(Edit1, 1, 0, 1, 2);
    panelLayout->addWidget(GrossKleinCheckBox, 2, 0, 1, 2);
    panelLayout->addWidget(LDCheckBox, 3, 0);
    panelLayout->addWidget(Hilfebtn1, 3, 1);
    panelLayout->addWidget(ReverseCheckbox, 4, 0, 1, 2);

    ErgLabel = new QLabel(QStringLiteral("Suchergebnis:"), this);
    ErgLabel->setObjectName(QStringLiteral("ErgLabel"));
    ResultLabel1 = new QLabel(this);
    ResultLabel1->setObjectName(QStringLiteral("ResultLabel1"));
    ResultLabel2 = new QLabel(this);
    ResultLabel2->setObjectName(QStringLiteral("ResultLabel2"));
    ResultLabel3 = new QLabel(this);
    ResultLabel3->setObjectName(QStringLiteral("ResultLabel3"));
    for (QLabel *label : {ResultLabel1, ResultLabel2, ResultLabel3})
        label->setTextFormat(Qt::PlainText);

    BearbeitenBitBtn = new QPushButton(QStringLiteral("Bearbeiten (F4)"), this);
    BearbeitenBitBtn->setObjectName(QStringLiteral("BearbeitenBitBtn"));
    DeleteBitBtn = new QPushButton(QStringLiteral("Löschen (F8)"), this);
    DeleteBitBtn->setObjectName(QStringLiteral("DeleteBitBtn"));
    OKButton = new QPushButton(SearchCaption, this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    BitBtn1 = new QPushButton(QStringLiteral("Schließen [Esc]"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    for (QPushButton *button : {Hilfebtn1, BearbeitenBitBtn, DeleteBitBtn, OKButton, BitBtn1})
        button->setAutoDefault(false);

    auto *actions = new QHBoxLayout;
    actions->addWidget(BearbeitenBitBtn);
    actions->addWidget(DeleteBitBtn);
    actions->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(BitBtn1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(Panel1);
    auto *lower = new QVBoxLayout;
    lower->setContentsMargins(9, 0, 9, 0);
    lower->addWidget(ErgLabel);
    lower->addWidget(ResultLabel1);
    lower->addWidget(ResultLabel2);
    lower->addWidget(ResultLabel3);
    lower->addLayout(actions);
    lower->addLayout(buttons);
    layout->addLayout(lower);

    connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
    connect(GrossKleinCheckBox, &QCheckBox::toggled, this, [this] { GrossKleinCheckBoxClick(); });
    connect(LDCheckBox, &QCheckBox::toggled, this, [this] { LDCheckBoxClick(); });
    connect(ReverseCheckbox, &QCheckBox::toggled, this, [this] { ReverseCheckboxClick(); });
    connect(Hilfebtn1, &QPushButton::clicked, this, [this] { Hilfebtn1Click(); });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(BearbeitenBitBtn, &QPushButton::clicked, this, [this] { BearbeitenBitBtnClick(); });
    connect(DeleteBitBtn, &QPushButton::clicked, this, [this] { DeleteBitBtnClick(); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);

    // The window sees its keys before its controls do.
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);

    setResultShown(false);
    BearbeitenBitBtn->setEnabled(false);
    DeleteBitBtn->setEnabled(false);
}

Table *TVNH_DB_SearchForm::table() const
{
    return m_workspace.table();
}

void TVNH_DB_SearchForm::setUpperGradient(const QColor &top, const QColor &bottom)
{
    m_gradientTop = top;
    m_gradientBottom = bottom;
    static_cast<GradientPanel *>(Panel1)->setColors(top, bottom);
    MakeColors();
}

void TVNH_DB_SearchForm::showModal()
{
    m_workspace.execModal(*this);
}

void TVNH_DB_SearchForm::MakeColors()
{
    const int height = Panel1->height();
    for (QCheckBox *box : {GrossKleinCheckBox, LDCheckBox, ReverseCheckbox}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Window,
                         GradientColorAt(m_gradientTop, m_gradientBottom, box->y(), height));
        box->setPalette(palette);
        box->setAutoFillBackground(true);
    }
}

void TVNH_DB_SearchForm::setResultShown(bool shown)
{
    QPalette palette = ErgLabel->palette();
    palette.setColor(QPalette::WindowText,
                     shown ? this->palette().color(QPalette::WindowText) : PassiveText);
    ErgLabel->setPalette(palette);
}

void TVNH_DB_SearchForm::showEvent(QShowEvent *event)
{
    OKButton->setText(SearchCaption);
    FormActivate();
    QDialog::showEvent(event);
    MakeColors();
}

void TVNH_DB_SearchForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    MakeColors();
}

void TVNH_DB_SearchForm::FormActivate()
{
    setResultShown(false);
    m_search.setSearchContinues(false);
    ResultLabel1->clear();
    ResultLabel2->clear();
    ResultLabel3->clear();
    BearbeitenBitBtn->setEnabled(false);
    DeleteBitBtn->setEnabled(false);
    Edit1->setFocus();
}

void TVNH_DB_SearchForm::Reset()
{
    OKButton->setText(SearchCaption);
    setResultShown(false);
    m_search.setSearchContinues(false);
    ResultLabel1->clear();
    ResultLabel2->clear();
    ResultLabel3->clear();
    BearbeitenBitBtn->setEnabled(false);
    DeleteBitBtn->setEnabled(false);
    if (Table *t = table())
        m_workspace.run([&] { m_search.Reset(*t, ReverseCheckbox->isChecked()); });
}

void TVNH_DB_SearchForm::Edit1Change()
{
    Reset();
}

void TVNH_DB_SearchForm::GrossKleinCheckBoxClick()
{
    if (GrossKleinCheckBox->isChecked())
        LDCheckBox->setChecked(false);
    Reset();
}

void TVNH_DB_SearchForm::LDCheckBoxClick()
{
    if (LDCheckBox->isChecked())
        GrossKleinCheckBox->setChecked(false);
    Reset();
}

void TVNH_DB_SearchForm::Hilfebtn1Click()
{
    m_workspace.ui().information(
        QStringLiteral("Was ist eine unscharfe Suche?\rMit dem Algorithmus der "
                       "Levenshtein-Distanz werden nicht nur exakte Übereinstimmungen mit dem "
                       "Suchbegriff angezeigt, sondern auch Näherungswerte miteinbezogen um "
                       "beispielsweise Vertipper trotzdem zu finden."));
}

void TVNH_DB_SearchForm::ReverseCheckboxClick()
{
    if (Table *t = table())
        m_workspace.run([&] { RecordSearch::MoveToStart(*t, ReverseCheckbox->isChecked()); });
}

void TVNH_DB_SearchForm::OKButtonClick()
{
    if (LDCheckBox->isChecked())
        SearchFuzzy(ReverseCheckbox->isChecked());
    else
        SearchExact(ReverseCheckbox->isChecked());
}

void TVNH_DB_SearchForm::BearbeitenBitBtnClick()
{
    emit editRequested();
}

void TVNH_DB_SearchForm::DeleteBitBtnClick()
{
    emit deleteRequested();
}

void TVNH_DB_SearchForm::showResult(const RecordSearch::Result &result, bool fuzzy)
{
    const bool hit = result.outcome == RecordSearch::Outcome::Hit;
    if (hit) {
        ResultLabel1->setText(QStringLiteral("ID = ") + result.id);
        ResultLabel2->setText(QStringLiteral("Name = ") + result.name);
        ResultLabel3->setText(result.fieldText);
    } else {
        ResultLabel1->setText(result.outcome == RecordSearch::Outcome::NoHit ? NotFound
                                                                             : NoFurther);
        ResultLabel2->clear();
        ResultLabel3->clear();
    }
    BearbeitenBitBtn->setEnabled(hit);
    // The fuzzy search leaves deleting as the last reset set it.
    if (!fuzzy)
        DeleteBitBtn->setEnabled(hit);
}

void TVNH_DB_SearchForm::SearchExact(bool backwards)
{
    Table *t = table();
    if (!t)
        return;
    setResultShown(true);
    OKButton->setText(ContinueCaption);
    m_search.setSearchText(Edit1->text());
    m_search.setCaseSensitive(GrossKleinCheckBox->isChecked());
    m_workspace.run([&] { showResult(m_search.SearchExact(*t, backwards), false); });
}

void TVNH_DB_SearchForm::SearchFuzzy(bool backwards)
{
    Table *t = table();
    if (!t)
        return;
    setResultShown(true);
    OKButton->setText(ContinueCaption);
    m_search.setSearchText(Edit1->text());
    m_search.setCaseSensitive(false);
    m_workspace.run([&] { showResult(m_search.SearchFuzzy(*t, backwards), true); });
}

bool TVNH_DB_SearchForm::FormKeyUp(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F3:
        OKButtonClick();
        return true;
    case Qt::Key_Escape:
        reject();
        return true;
    case Qt::Key_F1:
        Hilfebtn1Click();
        return true;
    case Qt::Key_F4:
        BearbeitenBitBtnClick();
        return true;
    case Qt::Key_F8:
        DeleteBitBtnClick();
        return true;
    default:
        return false;
    }
}

bool TVNH_DB_SearchForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier) || !isFormKey(key->key()))
        return QDialog::eventFilter(watched, event);
    if (key->isAutoRepeat())
        return true;
    // Act on the release of a key pressed here; a release that follows a
    // press which closed a message box is not ours.
    if (event->type() == QEvent::KeyPress) {
        m_pressedKey = key->key();
        return true;
    }
    if (m_pressedKey != key->key())
        return true;
    m_pressedKey = 0;
    return FormKeyUp(key->key());
}
