#include "view/GridCommands.h"

#include "app/Workspace.h"
#include "catalogue/FieldDefinitions.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "util/Paths.h"
#include "util/TextCase.h"
#include "view/DBGrid.h"
#include "view/TableModel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>

GridCommands::GridCommands(Workspace &workspace) : QObject(workspace.grid()), m_ws(workspace)
{
    if (TDBGrid *grid = m_ws.grid()) {
        connect(grid, &TDBGrid::drawColumnCell, this, &GridCommands::DBGrid1DrawColumnCell);
        connect(grid, &TDBGrid::titleClick, this,
                [this](int column) { m_ws.run([&] { DBGrid1TitleClick(column); }); });
    }
    // The boolean fields are looked up once per database, not once per cell.
    connect(&m_ws.database(), &MainDatabase::databaseOpened, this,
            &GridCommands::findBooleanFields);
}

void GridCommands::LoadCheckPictures(const QString &imagesFolder)
{
    m_checked = QPixmap(FindFileNoCase(imagesFolder, QStringLiteral("True.bmp")));
    m_unchecked = QPixmap(FindFileNoCase(imagesFolder, QStringLiteral("False.bmp")));
}

void GridCommands::findBooleanFields()
{
    m_booleanFields.clear();
    const QStringList &lines = m_ws.database().fieldDefinitionLines();
    for (int i = 1; i < lines.size(); ++i) {
        const FieldDefinitionLine d = FieldDefinitionLine::parse(lines.at(i));
        if (d.typeName == QLatin1String("ftBoolean"))
            m_booleanFields.insert(d.name);
    }
    if (TDBGrid *grid = m_ws.grid())
        grid->viewport()->update();
}

void GridCommands::DBGrid1DrawColumnCell(QPainter *painter, const QStyleOptionViewItem &option,
                                         const QModelIndex &index)
{
    Table *table = m_ws.table();
    if (!table || index.column() >= table->fieldCount())
        return;
    if (!m_booleanFields.contains(table->fieldDefs().at(index.column()).name))
        return;
    // An empty field counts as false.
    const bool on = table->textAt(index.row(), index.column()) == QLatin1String("Wahr");
    // The picture stands for the value: the cell's text would only show
    // as cut-off letters beside it.
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    painter->drawPixmap(option.rect.topLeft(), on ? m_checked : m_unchecked);
}

void GridCommands::ResetTitleFonts()
{
    if (TableModel *model = m_ws.grid() ? m_ws.grid()->tableModel() : nullptr)
        model->clearTitleMarks();
}

void GridCommands::DBGrid1TitleClick(int column)
{
    Table *table = m_ws.table();
    TableModel *model = m_ws.grid() ? m_ws.grid()->tableModel() : nullptr;
    if (!table || !model || column < 0 || column >= table->fieldCount())
        return;
    const QString fieldName = table->fieldDefs().at(column).name;
    const QStringList &lines = m_ws.database().fieldDefinitionLines();
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

void GridCommands::FirstButtonClick()
{
    m_ws.run([this] {
        if (Table *table = m_ws.requireTable())
            table->first();
    });
}

void GridCommands::LastButtonClick()
{
    m_ws.run([this] {
        if (Table *table = m_ws.requireTable())
            table->last();
    });
}
