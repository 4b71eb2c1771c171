// The grid of the main window: check-mark pictures, sorting by a title,
// double click and keys.

#include "app/MainForm.h"
#include "catalogue/FieldDefinitions.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "util/TextCase.h"
#include "view/TableModel.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

void MainForm::ConnectGrid()
{
    DBGrid1->setUserInterface(&m_platform.ui);
    connect(DBGrid1, &TDBGrid::drawColumnCell, this, &MainForm::DBGrid1DrawColumnCell);
    connect(DBGrid1, &TDBGrid::titleClick, this,
            [this](int column) { runCommand([&] { DBGrid1TitleClick(column); }); });
    connect(DBGrid1, &TDBGrid::dblClick, this,
            [this] { runCommand([this] { DBGrid1DblClick(); }); });
    connect(DBGrid1, &TDBGrid::keyDown, this, &MainForm::DBGrid1KeyDown);
    // The boolean fields are looked up once per database, not once per cell.
    connect(m_db.get(), &MainDatabase::databaseOpened, this, [this] {
        m_booleanFields.clear();
        const QStringList &lines = m_db->fieldDefinitionLines();
        for (int i = 1; i < lines.size(); ++i) {
            const FieldDefinitionLine d = FieldDefinitionLine::parse(lines.at(i));
            if (d.typeName == QLatin1String("ftBoolean"))
                m_booleanFields.insert(d.name);
        }
        DBGrid1->viewport()->update();
    });
}

void MainForm::DBGrid1DrawColumnCell(QPainter *painter, const QStyleOptionViewItem &option,
                                     const QModelIndex &index)
{
    Table *table = m_db->table();
    if (!table || !table->isOpen() || index.column() >= table->fieldCount())
        return;
    if (!m_booleanFields.contains(table->fieldDefs().at(index.column()).name))
        return;
    // An empty field counts as false.
    const bool on = table->textAt(index.row(), index.column()) == QLatin1String("Wahr");
    // The picture stands for the value: the cell's text would only show
    // as cut-off letters beside it.
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    painter->drawPixmap(option.rect.topLeft(), on ? m_checkedPicture : m_uncheckedPicture);
}

void MainForm::ResetTitleFonts()
{
    if (TableModel *model = DBGrid1->tableModel())
        model->clearTitleMarks();
}

void MainForm::DBGrid1TitleClick(int column)
{
    Table *table = m_db->table();
    TableModel *model = DBGrid1->tableModel();
    if (!table || !table->isOpen() || !model || column < 0 || column >= table->fieldCount())
        return;
    const QString fieldName = table->fieldDefs().at(column).name;
    const QStringList &lines = m_db->fieldDefinitionLines();
    // The header and one line per field of the table.
    const int last = std::min<int>(lines.size() - 1, table->fieldCount());
    for (int i = 0; i <= last; ++i) {
        const FieldDefinitionLine d = FieldDefinitionLine::parse(lines.at(i));
        if (d.name != fieldName)
            continue;
        if (AsciiUpper(d.sortableText) != QLatin1String("TRUE") || d.indexName.isEmpty())
            return;
        if (model->titleMarked(column)) {
            ResetTitleFonts();
            table->setIndexName(QString());
        } else {
            // The order first: an index the table lacks leaves the mark where it was.
            table->setIndexName(d.indexName);
            ResetTitleFonts();
            model->setTitleMarked(column, true);
        }
        return;
    }
}

void MainForm::DBGrid1DblClick()
{
    Table *table = m_db->table();
    if (!table || !table->isOpen())
        return;
    const int column = DBGrid1->currentColumn();
    const QString name = column >= 0 && column < table->fieldCount()
                             ? table->fieldDefs().at(column).name
                             : QString();
    if (name == QLatin1String("Selected") || name == QLatin1String("Invalid")) {
        if (table->isEmpty())
            return; // no record to mark; editing an empty table would add one
        Field mark = table->field(column);
        table->edit();
        mark.setAsBoolean(!mark.asBoolean());
        table->post();
        return;
    }
    EdForm1->ShowEditor(emEdit);
    DBGrid1->setFocus();
}

void MainForm::DBGrid1KeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !GridEditing) {
        event->accept();
        runCommand([this] { DBGrid1DblClick(); });
        return;
    }
    if (event->key() == Qt::Key_F && event->modifiers() == Qt::ControlModifier) {
        event->accept();
        Suchen1Click();
    }
}
